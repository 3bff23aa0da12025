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
  CKWMemDC memDC(&dc, &client, KWGetGlobalData().clrBtnFace);
  // The control draws its own tabs into the memory DC.
  m_pTabCtrl->DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}
