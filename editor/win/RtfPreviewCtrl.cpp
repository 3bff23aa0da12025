#include "editor/win/RtfPreviewCtrl.h"

#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/DocRunPainter.h"
#include "editor/core/RtfPreviewLayout.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "hebtext/win/UserMessageBoxes.h"
#include "speech/win/TranslWin.h"

BEGIN_MESSAGE_MAP(CRtfPreviewCtrl, CWnd)
  ON_MESSAGE(WM_SETTEXT, OnSetText)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_MESSAGE(WM_LBUTTONDOWN, OnUserInput)
  ON_MESSAGE(WM_RBUTTONDOWN, OnUserInput)
  ON_MESSAGE(WM_KEYDOWN, OnUserInput)
END_MESSAGE_MAP()

CFontInfo* CRtfPreviewCtrl::GetCharFont(CDC* pDC, CharAttr attr) {
  const PreviewFont font = m_text.GetCharFont(attr);
  return m_metrics.Fonts().Get(pDC, font.face, font.pointSize, font.style);
}

void CRtfPreviewCtrl::Layout() {
  CRect client;
  GetClientRect(&client);
  LayoutRtfPreview(m_text, m_metrics, client.Size(), m_extraWordSpace);
}

void CRtfPreviewCtrl::Paint(CDC* pDC, const RECT& update) {
  pDC->FillSolidRect(&update, m_backColor);
  const int oldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF oldColor = pDC->GetTextColor();
  CFont* pOldFont = nullptr;
  for (int i = 1; i < m_text.GetCount(); ++i) {
    const PreviewCharBox& box = m_text.Box(i);
    RECT meets;
    if (!::IntersectRect(&meets, &box.cell, &update)) continue;
    const CharAttr attr = m_text.GetAttr(i);
    COLORREF back;
    if (m_text.GetBackColor(attr, back)) pDC->FillSolidRect(&box.cell, back);
    const BYTE c = m_text.GetChar(i);
    if (IsBlankCode(c)) continue;
    CFontInfo* pFont = GetCharFont(pDC, attr);
    CFont* pPrevious = pDC->SelectObject(pFont->GetFont());
    if (pOldFont == nullptr) pOldFont = pPrevious;
    const COLORREF color = m_text.GetTextColor(attr);
    pDC->SetTextColor(color);
    if (IsProgramHebrewFont(pFont->GetFaceName())) {
      // The program's Hebrew faces draw from the right edge.
      DrawHebrewText(pDC, pFont, box.glyph.right, box.glyph.top, &c, &kNoPointCode, 1, color, color,
                     FALSE, kQamatsQatanAsText, nullptr, TRUE, color, color, kNoHighlight);
    } else {
      pDC->TextOut(box.glyph.left, box.glyph.top, reinterpret_cast<LPCSTR>(&c), 1);
    }
  }
  if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
  pDC->SetTextColor(oldColor);
  pDC->SetBkMode(oldMode);
}

LRESULT CRtfPreviewCtrl::OnSetText(WPARAM, LPARAM lParam) {
  const LPCSTR text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
  ShowUserMessages(this, m_text.SetText(text));
  Layout();
  CClientDC dc(this);
  CRect client;
  GetClientRect(&client);
  Paint(&dc, client);
  return TRUE;
}

void CRtfPreviewCtrl::OnPaint() {
  CPaintDC dc(this);
  Paint(&dc, dc.m_ps.rcPaint);
}

BOOL CRtfPreviewCtrl::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, m_backColor);
  return TRUE;
}

LRESULT CRtfPreviewCtrl::OnUserInput(WPARAM, LPARAM) {
  const LRESULT result = Default();
  DestroyTranslWin();
  return result;
}
