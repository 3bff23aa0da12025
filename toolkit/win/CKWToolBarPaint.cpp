#include "toolkit/win/CKWToolBar.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CImageList.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/CKWToolBarRenderer.h"
#include "toolkit/win/KWDrawing.h"

// Painting through a memory DC, with the renderer's painters when the look
// has them and the toolbar's own drawing otherwise.

void CKWToolBar::PaintToolBar() {
  RunDelayedLayout();
  CPaintDC dc(this);
  CRect rect;
  GetClientRect(&rect);
  CKWMemDC memDC(&dc, &rect, KWGetGlobalData().clrBtnFace);
  if (IsFlatPainted()) memDC.FillSolidRect(&rect, GetBackgroundColor());
  DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CKWToolBar::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = CDRF_DODEFAULT;
  if (!(GetStyle() & TBSTYLE_FLAT) || m_bInCustomDraw) return;
  auto* pDraw = reinterpret_cast<NMTBCUSTOMDRAW*>(pNMHDR);
  CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
  switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
      break;
    case CDDS_ITEMPREPAINT:
      if (DrawButton(pDC, pDraw)) *pResult = CDRF_SKIPDEFAULT;
      break;
    case CDDS_POSTPAINT: {
      FillWrapGaps(pDC);
      DrawSeparators(pDC);
      CKWButtonPainter* pPainter = GetToolBarRenderer()->GetButtonPainter();
      if (pPainter != nullptr && m_nDropDownIndex >= 0)
        pPainter->DrawDropShadow(pDC, this, m_nDropDownIndex);
      break;
    }
    default:
      break;
  }
}

BOOL CKWToolBar::DrawButton(CDC* pDC, NMTBCUSTOMDRAW* pDraw) {
  int nIndex = CommandToIndex(static_cast<UINT>(pDraw->nmcd.dwItemSpec));
  if (nIndex < 0) return FALSE;
  CKWButtonPainter* pPainter = GetToolBarRenderer()->GetButtonPainter();
  if (pPainter != nullptr) {
    if (!IsInReBar()) pPainter->EraseButton(pDC, this, nIndex);
    return pPainter->DrawButton(pDC, this, nIndex);
  }
  CRect rect;
  GetItemRect(nIndex, &rect);
  if (IsInReBar()) {
    // The band's background shows through: the control repaints the item
    // without custom drawing.
    CRect clip;
    pDC->GetClipBox(&clip);
    clip.IntersectRect(&clip, &rect);
    m_bInCustomDraw = TRUE;
    InvalidateRect(&clip, TRUE);
    UpdateWindow();
    m_bInCustomDraw = FALSE;
  } else {
    pDC->FillSolidRect(&rect, GetBackgroundColor());
  }
  TBBUTTON button;
  GetButton(nIndex, &button);
  bool bDisabled = !(button.fsState & TBSTATE_ENABLED);
  bool bArrow = (SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS) &&
                (button.fsStyle & TBSTYLE_DROPDOWN);
  if ((button.fsState & TBSTATE_CHECKED) || !(bDisabled && m_bEmbossDisabled) || bArrow ||
      button.iString >= 0 || button.iBitmap < 0)
    return FALSE;
  HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST));
  if (hList == nullptr) return FALSE;
  CImageList* pList = CImageList::FromHandle(hList);
  DrawEmbossed(pDC, *pList, button.iBitmap,
               rect.left + 1 + (m_sizeButton.cx - m_sizeImage.cx) / 2,
               rect.top + 1 + (m_sizeButton.cy - m_sizeImage.cy) / 2, TRUE);
  return TRUE;
}

void CKWToolBar::DrawPlainSeparator(CDC* pDC, int nIndex, const TBBUTTON& button) {
  CRect rect;
  GetItemRect(nIndex, &rect);
  COLORREF clrShadow = KWGetGlobalData().clrBtnShadow;
  if (button.fsState & TBSTATE_WRAP) {
    // A separator ending a row lies across the bar, between the rows.
    CRect strip(rect.left, rect.top, rect.left + rect.Height(), rect.bottom);
    strip.top = (rect.top + rect.bottom) / 2 - 1;
    pDC->FillSolidRect(&strip, GetBackgroundColor());
    pDC->DrawEdge(&strip, EDGE_ETCHED, BF_TOP);
    pDC->SetPixel(strip.right - 1, strip.top, clrShadow);
    return;
  }
  pDC->FillSolidRect(&rect, GetBackgroundColor());
  rect.DeflateRect(2, 0);
  rect.right = rect.left + 1;
  pDC->DrawEdge(&rect, EDGE_ETCHED, BF_LEFT);
  pDC->SetPixel(rect.left, rect.bottom - 1, clrShadow);
}

void CKWToolBar::DrawSeparators(CDC* pDC) {
  CKWButtonPainter* pPainter = GetToolBarRenderer()->GetButtonPainter();
  for (int i = 0; i < GetButtonCount(); ++i) {
    TBBUTTON button;
    GetButton(i, &button);
    if (!(button.fsStyle & TBSTYLE_SEP) || (button.fsState & TBSTATE_HIDDEN)) continue;
    CKWToolButtonEntry* pEntry = button.idCommand != 0 ? EntryOf(static_cast<UINT>(button.idCommand)) : nullptr;
    if (pEntry != nullptr && pEntry->pControl != nullptr && pEntry->pControl->m_hWnd != nullptr) {
      CRect rect;
      GetItemRect(i, &rect);
      if (!IsInReBar()) pDC->FillSolidRect(&rect, GetBackgroundColor());
      CRect rectControl;
      pEntry->pControl->GetWindowRect(&rectControl);
      ScreenToClient(&rectControl);
      CPoint old = pDC->SetViewportOrg(rectControl.TopLeft());
      pEntry->pControl->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                                    PRF_CHECKVISIBLE | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED);
      pDC->SetViewportOrg(old);
    } else if (pPainter != nullptr) {
      pPainter->DrawSeparator(pDC, this, i);
    } else {
      DrawPlainSeparator(pDC, i, button);
    }
  }
}

void CKWToolBar::FillWrapGaps(CDC* pDC) {
  CBrush brush(GetBackgroundColor());
  CBrush* pOld = pDC->SelectObject(&brush);
  CRect previous;
  bool bAfterButton = false;
  for (int i = 0; i < GetButtonCount(); ++i) {
    TBBUTTON button;
    GetButton(i, &button);
    if (button.fsState & TBSTATE_HIDDEN) continue;
    CRect rect;
    GetItemRect(i, &rect);
    if ((button.fsStyle & TBSTYLE_SEP) && (button.fsState & TBSTATE_WRAP) && bAfterButton) {
      CRect client;
      GetClientRect(&client);
      pDC->PatBlt(previous.right, previous.top, client.right - previous.right, previous.Height(),
                  PATCOPY);
    }
    bAfterButton = true;
    previous = rect;
  }
  pDC->SelectObject(pOld);
}

void CKWToolBar::OnHotItemChange(NMHDR* pNMHDR, LRESULT* pResult) {
  auto* pInfo = reinterpret_cast<NMTBHOTITEM*>(pNMHDR);
  // No other button lights up while the left button is held.
  *pResult = (::GetKeyState(VK_LBUTTON) < 0 && pInfo->idOld != pInfo->idNew) ? 1 : 0;
}
