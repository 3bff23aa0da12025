#include "tables/win/GramTableView.h"

#include <utility>

#include "classlib/win/MessageMap.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "tables/core/DefinitionMarkup.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNAMIC(CGramTableView, CMyFormView)

BEGIN_MESSAGE_MAP(CGramTableView, CMyFormView)
  ON_WM_MOUSEMOVE()
  ON_WM_TIMER()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_GRAM_GETTABLESHOWN, OnGetTableShown)
  ON_MESSAGE(WM_GRAM_CLOSETIP, OnCloseTip)
  ON_MESSAGE(WM_GRAM_SETCAPTION, OnSetCaption)
  ON_MESSAGE(WM_GRAM_CONTEXTMENU, OnDefinitionMenu)
  ON_COMMAND_RANGE(kCopyAllDefinitionsCommand, kLastCopyDefinitionCommand, OnCopyDefinition)
END_MESSAGE_MAP()

CGramTableView::CGramTableView(UINT nIDTemplate, CGrammarHoverTip::HitTest hitTest,
                               CGrammarHoverTip::TipText tipText, CGrammarHoverTip::HotRect hotRect)
    : CMyFormView(nIDTemplate),
      m_hoverTip(this, std::move(hitTest), std::move(tipText), std::move(hotRect)) {}

void CGramTableView::OnMouseMove(UINT nFlags, CPoint point) {
  CMyFormView::OnMouseMove(nFlags, point);
  m_hoverTip.OnMouseMove(point, IsTableShown() != FALSE);
}

void CGramTableView::OnTimer(UINT_PTR nIDEvent) {
  if (!m_hoverTip.OnTimer(nIDEvent)) CMyFormView::OnTimer(nIDEvent);
}

void CGramTableView::OnDestroy() {
  CloseTip();
  CMyFormView::OnDestroy();
  DestroyAndDelete(m_pDefinition);
}

LRESULT CGramTableView::OnGetTableShown(WPARAM, LPARAM) { return IsTableShown(); }

LRESULT CGramTableView::OnCloseTip(WPARAM, LPARAM) {
  CloseTip();
  return 0;
}

LRESULT CGramTableView::OnSetCaption(WPARAM, LPARAM lParam) {
  if (m_pDefinition != nullptr) m_pDefinition->SetHighlightTerm(reinterpret_cast<LPCSTR>(lParam));
  return 0;
}

LRESULT CGramTableView::OnDefinitionMenu(WPARAM, LPARAM lParam) {
  if (m_pDefinition != nullptr)
    TrackDefinitionCopyMenu(m_pDefinition, m_definitionMenu, this, lParam);
  return 0;
}

void CGramTableView::OnCopyDefinition(UINT nID) {
  if (m_pDefinition != nullptr) CopyDefinitionsToClipboard(m_pDefinition, nID);
}
