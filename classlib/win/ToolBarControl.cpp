#include "classlib/win/ToolBarControl.h"

#include <algorithm>

#include "classlib/win/ToolBarButtonState.h"

BOOL ToolBarCreateControl(CControlBar* pBar, CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle,
                          const CRect& rcBorders, UINT nID) {
  pBar->SetBorders(&rcBorders);
  pBar->m_dwStyle = dwStyle & CBRS_ALL;
  if (nID == AFX_IDW_TOOLBAR) pBar->m_dwStyle |= CBRS_HIDE_INPLACE;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                     CCS_NORESIZE | CCS_NOMOVEY;
  return pBar->CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0),
                              pParentWnd, nID);
}

void ToolBarCalcClient(const CControlBar& bar, NCCALCSIZE_PARAMS* lpncsp) {
  CRect rectInside(0, 0, 0, 0);
  bar.CalcInsideRect(rectInside, (bar.GetBarStyle() & CBRS_ORIENT_HORZ) != 0);
  RECT& rc = lpncsp->rgrc[0];
  rc.left += rectInside.left;
  rc.top += rectInside.top;
  rc.right += rectInside.right;
  rc.bottom += rectInside.bottom;
}

bool ToolBarSetSizes(HWND hWnd, SIZE sizeButton, SIZE sizeImage, CSize* pSizeButton,
                     CSize* pSizeImage) {
  *pSizeButton = sizeButton;
  *pSizeImage = sizeImage;
  if (hWnd == nullptr) return false;
  ::SendMessageA(hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
  ::SendMessageA(hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
  ::InvalidateRect(hWnd, nullptr, TRUE);
  return true;
}

BOOL ToolBarSetButtons(HWND hWnd, const UINT* lpIDArray, int nIDCount, int cxSeparator,
                       bool bBlankWithoutIds, int* pnAdded) {
  while (::SendMessageA(hWnd, TB_BUTTONCOUNT, 0, 0) > 0)
    ::SendMessageA(hWnd, TB_DELETEBUTTON, 0, 0);
  *pnAdded = 0;
  int iImage = 0;
  for (int i = 0; i < nIDCount; ++i) {
    TBBUTTON button = {};
    button.fsState = TBSTATE_ENABLED;
    button.iString = -1;
    if (lpIDArray == nullptr && bBlankWithoutIds) {
      button.fsStyle = TBSTYLE_BUTTON;
    } else if (lpIDArray == nullptr || lpIDArray[i] == ID_SEPARATOR) {
      button.fsStyle = TBSTYLE_SEP;
      button.iBitmap = cxSeparator;
    } else {
      button.fsStyle = TBSTYLE_BUTTON;
      button.idCommand = static_cast<int>(lpIDArray[i]);
      button.iBitmap = iImage++;
    }
    if (!::SendMessageA(hWnd, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) return FALSE;
    ++*pnAdded;
  }
  return TRUE;
}

BOOL ToolBarAddReplaceBitmap(HWND hWnd, HBITMAP hbmImageWell, int cxImage, HBITMAP* phbmImageWell) {
  BITMAP bm = {};
  if (::GetObjectA(hbmImageWell, sizeof bm, &bm) == 0 || cxImage <= 0) return FALSE;
  int nImages = bm.bmWidth / cxImage;
  if (*phbmImageWell == nullptr) {
    TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
    // The first bitmap's images are numbered from 0.
    if (::SendMessageA(hWnd, TB_ADDBITMAP, static_cast<WPARAM>(nImages),
                       reinterpret_cast<LPARAM>(&add)) != 0)
      return FALSE;
  } else {
    TBREPLACEBITMAP replace = {nullptr, reinterpret_cast<UINT_PTR>(*phbmImageWell), nullptr,
                               reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
    if (!::SendMessageA(hWnd, TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)))
      return FALSE;
    ::DeleteObject(*phbmImageWell);
  }
  *phbmImageWell = hbmImageWell;
  ::InvalidateRect(hWnd, nullptr, TRUE);
  return TRUE;
}

BOOL ToolBarGetButton(HWND hWnd, int nIndex, TBBUTTON* pButton) {
  *pButton = TBBUTTON{};
  return static_cast<BOOL>(::SendMessageA(hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex),
                                          reinterpret_cast<LPARAM>(pButton)));
}

int ToolBarCommandToIndex(HWND hWnd, UINT nIDFind) {
  return static_cast<int>(::SendMessageA(hWnd, TB_COMMANDTOINDEX, nIDFind, 0));
}

UINT ToolBarGetItemID(HWND hWnd, int nIndex) {
  TBBUTTON button;
  ToolBarGetButton(hWnd, nIndex, &button);
  return static_cast<UINT>(button.idCommand);
}

void ToolBarGetItemRect(HWND hWnd, int nIndex, LPRECT lpRect) {
  if (!::SendMessageA(hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                      reinterpret_cast<LPARAM>(lpRect)))
    ::SetRectEmpty(lpRect);
}

UINT ToolBarGetButtonStyle(HWND hWnd, int nIndex) {
  TBBUTTON button;
  ToolBarGetButton(hWnd, nIndex, &button);
  return ToolBarStyleWord(button);
}

void ToolBarGetButtonInfo(HWND hWnd, int nIndex, UINT& nID, UINT& nStyle, int& iImage) {
  TBBUTTON button;
  ToolBarGetButton(hWnd, nIndex, &button);
  nID = static_cast<UINT>(button.idCommand);
  nStyle = ToolBarStyleWord(button);
  iImage = button.iBitmap;
}

BOOL ToolBarReviseButton(HWND hWnd, int nIndex, UINT nID, UINT nStyle, int iImage,
                         TBBUTTON* pCurrent, TBBUTTON* pChanged) {
  if (!ToolBarGetButton(hWnd, nIndex, pCurrent)) return FALSE;
  *pChanged = *pCurrent;
  pChanged->idCommand = static_cast<int>(nID);
  SetToolBarStyleWord(pChanged, nStyle);
  pChanged->iBitmap = iImage;
  return TRUE;
}

bool ToolBarMeasuredRect(HWND hWnd, int nIndex, CRect* pRect) {
  return ::SendMessageA(hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                        reinterpret_cast<LPARAM>(static_cast<LPRECT>(pRect))) &&
         !pRect->IsRectEmpty();
}

DWORD ToolBarFixedMode(BOOL bStretch, BOOL bHorz) {
  return (bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0);
}

bool ToolBarDockedFixed(int nLength, DWORD nMode) {
  return nLength == -1 && (nMode & (LM_MRUWIDTH | LM_COMMIT)) == 0 &&
         (nMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0;
}

void ToolBarCommitLayout(CControlBar* pBar, int nLength) {
  DWORD dwStyle = pBar->GetBarStyle();
  DWORD dwMode = LM_VERTDOCK;
  if ((dwStyle & CBRS_SIZE_DYNAMIC) && (dwStyle & CBRS_FLOATING))
    dwMode = LM_HORZ | LM_MRUWIDTH;
  else if (dwStyle & CBRS_ORIENT_HORZ)
    dwMode = LM_HORZ | LM_HORZDOCK;
  pBar->CalcDynamicLayout(nLength, dwMode | LM_COMMIT);
}

void ToolBarRunDelayedLayout(CControlBar* pBar, BOOL* pbDelayed) {
  if (!*pbDelayed || pBar->m_hWnd == nullptr) return;
  *pbDelayed = FALSE;
  ToolBarCommitLayout(pBar, 0);
}

bool ToolBarWrapLength(const CControlBar& bar, DWORD dwMode, int nLength, int nMRUWidth,
                       int* pnWrap, bool* pbVert) {
  DWORD dwStyle = bar.GetBarStyle();
  if (dwStyle & CBRS_SIZE_FIXED) return false;
  bool bDynamic = (dwStyle & CBRS_SIZE_DYNAMIC) != 0;
  bool bFloating = (dwStyle & CBRS_FLOATING) != 0;
  bool bHorz = (dwMode & LM_HORZ) != 0;
  *pbVert = false;
  if (bDynamic && (dwMode & LM_MRUWIDTH)) {
    *pnWrap = nMRUWidth;
  } else if (bDynamic && (dwMode & LM_HORZDOCK)) {
    *pnWrap = kToolBarUnlimited;
  } else if (bDynamic && (dwMode & LM_VERTDOCK)) {
    *pnWrap = 0;
  } else if (bDynamic && nLength != -1) {
    // The length is the bar's; the buttons get it less the borders.
    CRect rectInside(0, 0, 0, 0);
    bar.CalcInsideRect(rectInside, bHorz);
    *pbVert = (dwMode & LM_LENGTHY) != 0;
    *pnWrap = nLength + (*pbVert ? rectInside.Height() : rectInside.Width());
  } else if (bDynamic && bFloating) {
    *pnWrap = nMRUWidth;
  } else {
    *pnWrap = bHorz ? kToolBarUnlimited : 0;
  }
  return true;
}

CSize ToolBarBarSize(CControlBar& bar, CSize sizeRows, DWORD dwMode) {
  BOOL bHorz = (dwMode & LM_HORZ) != 0;
  CRect rectInside(0, 0, 0, 0);
  bar.CalcInsideRect(rectInside, bHorz);
  sizeRows.cx -= rectInside.Width();
  sizeRows.cy -= rectInside.Height();
  CSize sizeLeast = bar.CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
  return CSize(std::max(sizeRows.cx, sizeLeast.cx), std::max(sizeRows.cy, sizeLeast.cy));
}
