#include "toolkit/win/CKWExpButton.h"

#include "classlib/win/CBitmap.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"
#include "toolkit/win/CKWExpMenuWnd.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWToolBar.h"

IMPLEMENT_DYNAMIC(CKWExpButton, CKWButton)

BEGIN_MESSAGE_MAP(CKWExpButton, CKWButton)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_CANCELMODE()
  ON_MESSAGE(KWM_EXPMENU_CLOSED, OnPopupClosed)
  ON_COMMAND(ID_KW_CUSTOMIZE, OnCustomize)
  ON_UPDATE_COMMAND_UI(ID_KW_CUSTOMIZE, OnUpdateSelf)
END_MESSAGE_MAP()

namespace {
constexpr DWORD kChevronWindowStyle = 0x4600800B;
constexpr int kMarkMargin = 2;
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// A mark: 8 pixels wide, one word a row, 0 bits in the text colour.
struct Mark {
  int cx;
  int cy;
  WORD rows[6];
};
const Mark kHiddenHorz = {6, 5, {0x6F, 0xB7, 0xDB, 0xB7, 0x6F}};
const Mark kCustomizeHorz = {5, 3, {0x07, 0x8F, 0xDF}};
const Mark kHiddenVert = {5, 6, {0x77, 0xAF, 0xDF, 0x77, 0xAF, 0xDF}};
const Mark kCustomizeVert = {3, 5, {0xDF, 0x9F, 0x1F, 0x9F, 0xDF}};
constexpr int kMarkBitmapWidth = 8;

void DrawMark(CDC* pDC, const Mark& mark, CPoint pt, UINT nState) {
  CBitmap bitmap;
  if (!bitmap.CreateBitmap(kMarkBitmapWidth, mark.cy, 1, 1, mark.rows)) return;
  pDC->DrawState(pt, CSize(mark.cx, mark.cy), static_cast<HBITMAP>(bitmap.GetSafeHandle()),
                 DST_BITMAP | ((nState & ODS_DISABLED) ? DSS_DISABLED : DSS_NORMAL));
}
}  // namespace

BOOL CKWExpButton::Create(CKWToolBar* pToolBar, UINT nID) {
  if (!CButton::Create(nullptr, kChevronWindowStyle, CRect(0, 0, 0, 0), pToolBar, nID)) return FALSE;
  m_pToolBar = pToolBar;
  return m_hWnd != nullptr;
}

COLORREF CKWExpButton::GetFaceColor() const {
  return m_pToolBar != nullptr ? m_pToolBar->GetBackgroundColor() : CKWButton::GetFaceColor();
}

DWORD CKWExpButton::GetButtonStyle() const {
  DWORD dwStyle = CKWButton::GetButtonStyle() & ~(kHighlight | kFlat);
  return dwStyle | (KWGetGlobalData().bOfficeLook ? kHighlight : kFlat);
}

void CKWExpButton::DrawBitmap(CDC* pDC, UINT nState, const CRect& rect) { DrawArrows(pDC, rect, nState); }

void CKWExpButton::DrawArrows(CDC* pDC, const CRect& rect, UINT nState) {
  if (m_pToolBar == nullptr) return;
  bool bHorz = m_pToolBar->IsHorizontal() != FALSE;
  bool bShift = (nState & ODS_SELECTED) && !KWGetGlobalData().bOfficeLook;
  COLORREF oldText = pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  COLORREF oldBk = pDC->SetBkColor(GetFaceColor());
  auto place = [&](const Mark& mark, bool bCustomize) {
    CPoint pt;
    if (bHorz) {
      pt.x = rect.left + (rect.Width() - mark.cx) / 2;
      pt.y = bCustomize ? rect.bottom - mark.cy - kMarkMargin : rect.top + kMarkMargin;
    } else {
      pt.y = rect.top + (rect.Height() - mark.cy) / 2;
      pt.x = bCustomize ? rect.left + kMarkMargin : rect.right - mark.cx - kMarkMargin;
    }
    if (bShift) pt.Offset(1, 1);
    DrawMark(pDC, mark, pt, nState);
  };
  if (m_pToolBar->HasHiddenButtons()) place(bHorz ? kHiddenHorz : kHiddenVert, false);
  if (m_pToolBar->m_bCustomize) place(bHorz ? kCustomizeHorz : kCustomizeVert, true);
  pDC->SetTextColor(oldText);
  pDC->SetBkColor(oldBk);
}

void CKWExpButton::ShowPressed(BOOL bPressed) {
  SendMessage(BM_SETSTATE, bPressed);
  Invalidate();
}

void CKWExpButton::OnLButtonDown(UINT nFlags, CPoint point) {
  ShowPressed(TRUE);
  if (m_pPopup != nullptr) return;
  // The part of the button that shows: clipped by every window above it.
  CRect rect;
  GetClientRect(&rect);
  ClientToScreen(&rect);
  for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent()) {
    CRect parentRect;
    pParent->GetClientRect(&parentRect);
    pParent->ClientToScreen(&parentRect);
    rect.IntersectRect(&rect, &parentRect);
    if (!(pParent->GetStyle() & WS_CHILD)) break;
  }
  rect.right -= 1;
  rect.bottom -= 1;
  m_pPopup = CKWExpMenuWnd::Open(this, KWM_EXPMENU_CLOSED, rect, m_pToolBar);
  RedrawWindow(nullptr, nullptr, kRedrawNow);
}

void CKWExpButton::OnLButtonUp(UINT nFlags, CPoint point) {
  if (m_pPopup == nullptr) ShowPressed(FALSE);
}

void CKWExpButton::OnCancelMode() {
  Default();
  if (m_pPopup != nullptr) m_pPopup->DestroyWindow();
}

LRESULT CKWExpButton::OnPopupClosed(WPARAM, LPARAM) {
  m_pPopup = nullptr;
  ShowPressed(FALSE);
  return 0;
}

void CKWExpButton::OnCustomize() {
  if (m_pToolBar == nullptr) return;
  m_pToolBar->SendMessage(TB_CUSTOMIZE);
  CFrameWnd* pFrame = m_pToolBar->GetDockingFrame();
  if (pFrame != nullptr) pFrame->RecalcLayout();
}

void CKWExpButton::OnUpdateSelf(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_pToolBar != nullptr && (m_pToolBar->HasHiddenButtons() || m_pToolBar->m_bCustomize));
}
