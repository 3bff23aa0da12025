// A toolbar common control seen through its window: reading and changing its
// buttons and images, and the wrapping step of a bar's layout, for every bar
// class that is such a control.
#pragma once

#include <vector>

#include "classlib/core/ToolBarLayout.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CControlBar.h"

// The sizes of a new bar's buttons and of their images; a button is
// kToolBarButtonMargin larger than its image, each way.
constexpr int kToolBarButtonWidth = 23;
constexpr int kToolBarButtonHeight = 22;
constexpr int kToolBarImageWidth = 16;
constexpr int kToolBarImageHeight = 15;
constexpr int kToolBarButtonMargin = 7;
// The width of a separator between buttons.
constexpr int kToolBarSeparatorWidth = 8;

// ---- The window.

// Creates the bar's toolbar control: the bar keeps the borders and dwStyle's
// CBRS_* bits (the standard toolbar hides while an item is edited in place);
// the window gets the other bits and dwCtrlStyle, and leaves placing and
// sizing to the bar.
BOOL ToolBarCreateControl(CControlBar* pBar, CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle,
                          const CRect& rcBorders, UINT nID);

// Shrinks the client area of WM_NCCALCSIZE to where the bar's buttons go,
// for the side it is on.
void ToolBarCalcClient(const CControlBar& bar, NCCALCSIZE_PARAMS* lpncsp);

// ---- Buttons and images.

// Stores the sizes and, once there is a window, gives them to the control
// and repaints it. Returns whether the control took them (its rows are due).
bool ToolBarSetSizes(HWND hWnd, SIZE sizeButton, SIZE sizeImage, CSize* pSizeButton,
                     CSize* pSizeImage);

// Replaces the buttons by one per id, images numbered in order; id 0 is a
// separator cxSeparator wide. Without ids, nIDCount separators, or empty
// buttons when bBlankWithoutIds. *pnAdded counts the buttons the control took.
BOOL ToolBarSetButtons(HWND hWnd, const UINT* lpIDArray, int nIDCount, int cxSeparator,
                       bool bBlankWithoutIds, int* pnAdded);

// Gives the control the images of hbmImageWell, one per cxImage of its
// width: added when *phbmImageWell is null, else in place of that bitmap's,
// which is deleted. *phbmImageWell then owns hbmImageWell.
BOOL ToolBarAddReplaceBitmap(HWND hWnd, HBITMAP hbmImageWell, int cxImage, HBITMAP* phbmImageWell);

// ---- One button.

// An empty button and FALSE when there is none at nIndex.
BOOL ToolBarGetButton(HWND hWnd, int nIndex, TBBUTTON* pButton);
int ToolBarCommandToIndex(HWND hWnd, UINT nIDFind);
UINT ToolBarGetItemID(HWND hWnd, int nIndex);
// In the control's client coordinates; empty when there is no such button.
void ToolBarGetItemRect(HWND hWnd, int nIndex, LPRECT lpRect);
UINT ToolBarGetButtonStyle(HWND hWnd, int nIndex);
void ToolBarGetButtonInfo(HWND hWnd, int nIndex, UINT& nID, UINT& nStyle, int& iImage);
// *pCurrent: the button at nIndex; *pChanged: it with the id nID, the style
// word nStyle and the image iImage. FALSE when there is no button there.
BOOL ToolBarReviseButton(HWND hWnd, int nIndex, UINT nID, UINT nStyle, int iImage,
                         TBBUTTON* pCurrent, TBBUTTON* pChanged);
// Gives the button at nIndex of a bar with SetButtonInfo another style word,
// its id and image kept.
template <class TBar>
void SetToolBarButtonStyle(TBar* pBar, int nIndex, UINT nStyle) {
  TBBUTTON button;
  if (ToolBarGetButton(pBar->m_hWnd, nIndex, &button))
    pBar->SetButtonInfo(nIndex, static_cast<UINT>(button.idCommand), nStyle, button.iBitmap);
}

// ---- Items.

// Points pState at each button of the control that is not a separator in
// turn, for update() to bring it up to date.
template <class Update>
void UpdateToolBarButtons(HWND hWnd, CCmdUI* pState, Update update) {
  pState->m_nIndexMax = static_cast<UINT>(::SendMessageA(hWnd, TB_BUTTONCOUNT, 0, 0));
  for (pState->m_nIndex = 0; pState->m_nIndex < pState->m_nIndexMax; ++pState->m_nIndex) {
    TBBUTTON button;
    ToolBarGetButton(hWnd, static_cast<int>(pState->m_nIndex), &button);
    if (button.fsStyle & TBSTYLE_SEP) continue;
    pState->m_nID = static_cast<UINT>(button.idCommand);
    update();
  }
}

// The command of the bar's button (not a separator) under point, its
// rectangle (GetItemRect's) grown by nEdge right and down; -1 when there is
// none or it has no command. pTI, when given, gets the button's window,
// rectangle and a tip asked for when it shows.
template <class TBar>
INT_PTR ToolBarHitTest(const TBar& bar, CPoint point, int nEdge, TOOLINFOA* pTI) {
  int nCount = static_cast<int>(::SendMessageA(bar.m_hWnd, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < nCount; ++i) {
    TBBUTTON button;
    ToolBarGetButton(bar.m_hWnd, i, &button);
    if (button.fsStyle & TBSTYLE_SEP) continue;
    CRect rect;
    bar.GetItemRect(i, &rect);
    rect.right += nEdge;
    rect.bottom += nEdge;
    if (!rect.PtInRect(point)) continue;
    if (button.idCommand == 0) return -1;
    if (pTI != nullptr) {
      pTI->hwnd = bar.m_hWnd;
      pTI->rect = rect;
      pTI->uId = static_cast<UINT_PTR>(button.idCommand);
      pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return button.idCommand;
  }
  return -1;
}

// ---- Layout.

// The mode (LM_*) of a fixed layout.
DWORD ToolBarFixedMode(BOOL bStretch, BOOL bHorz);
// Whether a dynamic layout is the fixed one: docked, with nothing to be kept.
bool ToolBarDockedFixed(int nLength, DWORD nMode);
// Wraps the bar's buttons for the side it is on now (one row along the top
// or bottom, one column on the left or right, the most recent width when
// it floats), for nLength.
void ToolBarCommitLayout(CControlBar* pBar, int nLength);
// The delayed wrapping, once *pbDelayed asks for it and there is a window.
void ToolBarRunDelayedLayout(CControlBar* pBar, BOOL* pbDelayed);

// Where the control has laid out the button; false when it has not (the
// rectangle is then empty or unknown).
bool ToolBarMeasuredRect(HWND hWnd, int nIndex, CRect* pRect);

// How the bar's buttons wrap for the layout mode dwMode (LM_*) and length
// nLength: the length a row may take (kToolBarUnlimited for one row, 0 for
// one column) and whether nLength runs down the bar. False when the bar
// keeps the rows it was given.
bool ToolBarWrapLength(const CControlBar& bar, DWORD dwMode, int nLength, int nMRUWidth,
                       int* pnWrap, bool* pbVert);

// The bar's size for rows of sizeRows: its borders added, and never less
// than a bar without buttons.
CSize ToolBarBarSize(CControlBar& bar, CSize sizeRows, DWORD dwMode);

// One item per button, with the button's separator, hidden and wrap bits;
// the buttons as they are in *pButtons.
template <class Item>
std::vector<Item> ReadToolBarItems(HWND hWnd, std::vector<TBBUTTON>* pButtons) {
  int nCount = static_cast<int>(::SendMessageA(hWnd, TB_BUTTONCOUNT, 0, 0));
  std::vector<Item> items(static_cast<size_t>(nCount > 0 ? nCount : 0));
  pButtons->resize(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    TBBUTTON& button = (*pButtons)[i];
    ToolBarGetButton(hWnd, static_cast<int>(i), &button);
    items[i].bSeparator = (button.fsStyle & TBSTYLE_SEP) != 0;
    items[i].bHidden = (button.fsState & TBSTATE_HIDDEN) != 0;
    items[i].bWrap = (button.fsState & TBSTATE_WRAP) != 0;
  }
  return items;
}

// The buttons given the rows the items were wrapped into.
template <class Item>
void ApplyToolBarWraps(const std::vector<Item>& items, std::vector<TBBUTTON>* pButtons) {
  for (size_t i = 0; i < items.size(); ++i) {
    BYTE& fsState = (*pButtons)[i].fsState;
    fsState =
        static_cast<BYTE>(items[i].bWrap ? (fsState | TBSTATE_WRAP) : (fsState & ~TBSTATE_WRAP));
  }
}
