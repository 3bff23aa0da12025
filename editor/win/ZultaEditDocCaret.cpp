// The caret of the active side on the view: shown only while the view has
// the focus, and scrolled into view after it moved.
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/core/ScrollIntoView.h"

void CZultaEditDoc::ShowEditCaret(CZultaEditView* pView) {
  if (pView == nullptr || pView->m_hWnd == nullptr || ::GetFocus() != pView->m_hWnd) return;
  ::DestroyCaret();
  m_caretRect = m_pages.GetCaretRect(GetActiveSide());
  if (m_caretRect.IsRectEmpty()) return;
  ::CreateCaret(pView->m_hWnd, nullptr, m_caretRect.Width(), m_caretRect.Height());
  const CPoint at = m_caretRect.TopLeft() - pView->GetScrollPosition();
  ::SetCaretPos(at.x, at.y);
  ::ShowCaret(pView->m_hWnd);
}

void CZultaEditDoc::HideEditCaret(CZultaEditView* pView) {
  if (m_caretRect.IsRectEmpty() || pView == nullptr || pView->m_hWnd == nullptr) return;
  ::HideCaret(pView->m_hWnd);
  ::DestroyCaret();
  m_caretRect.SetRectEmpty();
}

void CZultaEditDoc::EnsureCaretVisible(CZultaEditView* pView) {
  const int side = GetActiveSide();
  const DocCharNode* caret = m_model.Side(side).caret;
  CRect target = m_pages.GetCaretRect(side);
  if (caret != nullptr) {
    const CRect character = m_pages.GetCharRect(caret);
    if (!character.IsRectEmpty()) target.UnionRect(&target, &character);
  }
  ShowViewRect(pView, target);
}

void CZultaEditDoc::EnsureRangeVisible(CZultaEditView* pView, const DocCharNode* first,
                                       const DocCharNode* last) {
  if (first == nullptr || last == nullptr) return;
  ShowViewRect(pView, m_pages.GetRangeRect(first, last));
}

void CZultaEditDoc::ShowViewRect(CZultaEditView* pView, CRect target) {
  if (pView == nullptr || pView->m_hWnd == nullptr || target.Height() <= 0) return;
  // Near a page's edge its rulers come into view with the text.
  target.InflateRect(m_pages.GetRulerWidth(), m_pages.GetRulerHeight());
  const CRect visible = pView->GetLogicalClientRect();
  const CPoint position = ScrollPositionToShow(visible, target);
  if (position == visible.TopLeft()) return;
  pView->ScrollToPosition(position);
  RebuildVisibleLines(pView);
}
