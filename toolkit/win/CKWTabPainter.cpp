#include "toolkit/win/CKWTabPainter.h"

#include <commctrl.h>

#include "classlib/win/CFont.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWTabLabels.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"

CKWTabPainter::CKWTabPainter() {
  RefreshMetrics();
  RefreshColors();
}

void CKWTabPainter::RefreshMetrics() { m_cyEdge = ::GetSystemMetrics(SM_CYEDGE); }

void CKWTabPainter::RefreshColors() {
  const CKWGlobalData& data = KWGetGlobalData();
  const struct {
    CPen& pen;
    COLORREF color;
  } pens[] = {{m_penFrame, data.clrWindowFrame},
              {m_penLight, data.clrWindow},
              {m_penFace, data.clrBtnFace},
              {m_penSeparator, data.clrShadowDark}};
  for (const auto& p : pens) {
    p.pen.DeleteObject();
    p.pen.CreatePen(PS_SOLID, 1, p.color);
  }
}

void CKWTabPainter::GetClientArea(CRect& rect) {
  CRect client;
  m_pTabCtrl->GetClientRect(&client);
  const int nSelected = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL));
  CRect tab;
  if (nSelected >= 0)
    m_pTabCtrl->SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(nSelected),
                            reinterpret_cast<LPARAM>(&tab));
  const int nRows = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETROWCOUNT));
  rect = KWTabClientArea(client, m_pTabCtrl->GetStyle(), nSelected >= 0, nRows, tab.Size());
}

CString CKWTabPainter::PadLabel(const CString& label) {
  if (label.IsEmpty()) return label;
  const CKWGlobalData& data = KWGetGlobalData();
  const bool bVertical = (m_pTabCtrl->GetStyle() & kKWTabVertical) != 0;
  const CFont& bold = bVertical ? data.fontVert270Bold : data.fontVertBold;
  const CFont& regular = bVertical ? data.fontVert270 : data.fontVert;
  CClientDC dc(nullptr);
  auto widthIn = [&dc](const CFont& font) {
    return [&dc, &font](const CString& text) {
      CFont* pOld = dc.SelectObject(const_cast<CFont*>(&font));
      int cx = dc.GetTextExtent(text).cx;
      dc.SelectObject(pOld);
      return cx;
    };
  };
  return KWPadLabel(label, widthIn(bold), widthIn(regular));
}

void CKWTabPainter::OnPaint() {
  CPaintDC dc(m_pTabCtrl);
  CRect client;
  m_pTabCtrl->GetClientRect(&client);
  const CKWGlobalData& data = KWGetGlobalData();
  CKWMemDC memDC(&dc, &client, data.clrBtnFace);
  const int nSelected = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL));
  const bool bTabs = m_pTabCtrl->SendMessage(TCM_GETITEMCOUNT) > 0;
  if (m_bSystemLook || !data.bOfficeLook || !bTabs) {
    // The control draws its own tabs into the memory DC.
    m_pTabCtrl->DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
    return;
  }
  const int nSaved = memDC.SaveDC();
  CRect selected;
  if (nSelected >= 0)
    m_pTabCtrl->SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(nSelected),
                            reinterpret_cast<LPARAM>(&selected));
  switch (KWTabSideFor(m_pTabCtrl->GetStyle())) {
    case KWTabSide::kTop: DrawTopTabs(&memDC, client, selected); break;
    case KWTabSide::kBottom: DrawBottomTabs(&memDC, client, selected); break;
    case KWTabSide::kLeft: DrawLeftTabs(&memDC, client, selected); break;
    case KWTabSide::kRight: DrawRightTabs(&memDC, client, selected); break;
  }
  if (m_bFrameClient) {
    CRect frame;
    GetClientArea(frame);
    frame.InflateRect(1, 1);
    memDC.Draw3dRect(&frame, data.clrBtnShadow, data.clrBtnShadow);
  }
  memDC.RestoreDC(nSaved);
}

void CKWTabPainter::Line(CDC* pDC, CPen& pen, int x1, int y1, int x2, int y2) {
  CPen* pOld = pDC->SelectObject(&pen);
  pDC->MoveTo(x1, y1);
  pDC->LineTo(x2, y2);
  pDC->SelectObject(pOld);
}

void CKWTabPainter::BeginTabs(CDC* pDC, const CRect& strip, const CRect& selected) {
  const CKWGlobalData& data = KWGetGlobalData();
  pDC->FillSolidRect(&strip, data.clrFaceBright);
  pDC->FillSolidRect(&selected, data.clrBtnFace);
}

void CKWTabPainter::DrawTopTabs(CDC* pDC, const CRect& client, const CRect& sel) {
  BeginTabs(pDC, CRect(client.left, client.top, client.right, sel.bottom), sel);
  const int yBase = client.top + sel.Height();
  Line(pDC, m_penLight, client.left, yBase, client.right, yBase);
  Line(pDC, m_penLight, sel.left, sel.bottom, sel.left, sel.top);
  Line(pDC, m_penLight, sel.left, sel.top, sel.right, sel.top);
  Line(pDC, m_penFrame, sel.right - 1, sel.top, sel.right - 1, sel.bottom);
  Line(pDC, m_penFace, sel.left + 1, yBase, sel.right - 1, yBase);
  DrawEachTab(pDC, false);
}

void CKWTabPainter::DrawBottomTabs(CDC* pDC, const CRect& client, const CRect& sel) {
  BeginTabs(pDC, CRect(client.left, sel.top, client.right, client.bottom), sel);
  Line(pDC, m_penFrame, client.left, sel.top, client.right, sel.top);
  Line(pDC, m_penFrame, sel.right - 1, sel.top, sel.right - 1, sel.bottom);
  Line(pDC, m_penFrame, sel.left, sel.bottom - 1, sel.right, sel.bottom - 1);
  Line(pDC, m_penLight, sel.left, sel.top, sel.left, sel.bottom);
  Line(pDC, m_penFace, sel.left + 1, sel.bottom - 2, sel.right - 1, sel.bottom - 2);
  DrawEachTab(pDC, false);
}

void CKWTabPainter::DrawLeftTabs(CDC* pDC, const CRect& client, const CRect& sel) {
  BeginTabs(pDC, CRect(client.left, client.top, sel.right, client.bottom), sel);
  Line(pDC, m_penLight, sel.right, client.top, sel.right, client.bottom);
  Line(pDC, m_penLight, sel.left, sel.top, sel.left, sel.bottom);
  Line(pDC, m_penLight, sel.left, sel.top, sel.right, sel.top);
  Line(pDC, m_penFrame, sel.left, sel.bottom - 1, sel.right, sel.bottom - 1);
  Line(pDC, m_penFace, sel.right, sel.top + 1, sel.right, sel.bottom - 1);
  DrawEachTab(pDC, true);
}

void CKWTabPainter::DrawRightTabs(CDC* pDC, const CRect& client, const CRect& sel) {
  BeginTabs(pDC, CRect(sel.left, client.top, client.right, client.bottom), sel);
  Line(pDC, m_penFrame, sel.left, client.top, sel.left, client.bottom);
  Line(pDC, m_penFrame, sel.right - 1, sel.top, sel.right - 1, sel.bottom);
  Line(pDC, m_penFrame, sel.left, sel.bottom - 1, sel.right, sel.bottom - 1);
  Line(pDC, m_penLight, sel.left, sel.top, sel.right, sel.top);
  Line(pDC, m_penFace, sel.left, sel.top + 1, sel.left, sel.bottom - 1);
  DrawEachTab(pDC, true);
}

void CKWTabPainter::DrawEachTab(CDC* pDC, bool bVertical) {
  constexpr int kTextBuffer = 64;
  constexpr int kImageInset = 2;           // more across a horizontal tab
  constexpr int kSeparatorTop = 4;
  constexpr int kSeparatorEnd = 2;
  const CKWGlobalData& data = KWGetGlobalData();
  const int nSelected = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL));
  const int nCount = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETITEMCOUNT));
  HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(m_pTabCtrl->SendMessage(TCM_GETIMAGELIST));
  pDC->SetBkMode(TRANSPARENT);
  for (int i = 0; i < nCount; ++i) {
    char text[kTextBuffer] = {};
    TCITEMA tci = {};
    tci.mask = TCIF_TEXT | TCIF_IMAGE;
    tci.pszText = text;
    tci.cchTextMax = kTextBuffer;
    m_pTabCtrl->SendMessage(TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tci));
    CRect tab;
    m_pTabCtrl->SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    CRect textArea = tab;
    if (hImages != nullptr && tci.iImage >= 0) {
      int cx = 0, cy = 0;
      ::ImageList_GetIconSize(hImages, &cx, &cy);
      ::ImageList_Draw(hImages, tci.iImage, pDC->GetSafeHdc(),
                       tab.left + m_cyEdge + (bVertical ? 0 : kImageInset), tab.top + m_cyEdge,
                       ILD_TRANSPARENT);
      if (bVertical)
        textArea.top += cy + m_cyEdge;
      else
        textArea.left += cx + m_cyEdge;
    }
    const bool bSelected = i == nSelected;
    pDC->SetTextColor(bSelected ? data.clrBtnText : data.clrShadowDark);
    const bool bBold = bSelected && m_bBoldSelected;
    const CFont& font = bVertical ? (bBold ? data.fontVertBold : data.fontVert)
                                  : (bBold ? data.fontBold : data.fontNormal);
    CFont* pOld = pDC->SelectObject(const_cast<CFont*>(&font));
    const CString label(text);
    if (bVertical) {
      const int cxText = pDC->GetTextExtent(label).cx;
      pDC->ExtTextOut(textArea.left + m_cyEdge,
                      textArea.bottom - (textArea.Height() - cxText) / 2, ETO_CLIPPED, &textArea,
                      label, nullptr);
    } else {
      pDC->DrawText(label, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    pDC->SelectObject(pOld);
    if (bSelected || i == nSelected - 1) continue;
    if (bVertical)
      Line(pDC, m_penSeparator, tab.left + kSeparatorEnd, tab.bottom, tab.right - kSeparatorEnd,
           tab.bottom);
    else
      Line(pDC, m_penSeparator, tab.right, tab.top + kSeparatorTop, tab.right,
           tab.bottom - kSeparatorEnd);
  }
}
