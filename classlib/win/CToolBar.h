// The toolbar: a row of image buttons, a toolbar common control laid out as
// a control bar. Its buttons come from a toolbar resource (LoadToolBar) or
// from a list of command ids and a bitmap of images; their enabled, checked
// and indeterminate states follow the frame's update handlers at idle time.
// It wraps its buttons into rows for the side it docks to: one row along the
// top or bottom, one column along the left or right, and the most recent
// width when it floats.
#pragma once

#include <vector>

#include "classlib/core/ToolBarLayout.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CToolBarCtrl.h"
#include "classlib/win/ToolBarControl.h"

// The resource type of a toolbar's buttons (the resource script's TOOLBAR).
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCEA(241)
#endif

// Button style words: the TBSTYLE_* bits in the low word and the state
// (TBSTATE_*) in the high word, with the enabled bit turned into a disabled one.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)
 public:
  CToolBar();
  ~CToolBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
              UINT nID = AFX_IDW_TOOLBAR) {
    return CreateEx(pParentWnd, 0, dwStyle, GetBorders(), nID);
  }
  // dwCtrlStyle: TBSTYLE_* styles of the control; rcBorders: the bar's borders.
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

  // ---- Buttons and images.
  // The buttons and images of a toolbar resource and the bitmap of the same
  // name; FALSE, with the buttons unchanged, when either is missing or bad.
  BOOL LoadToolBar(LPCSTR lpszResourceName);
  BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
  // The images, one per sizeImage.cx of the bitmap's width, grey shades
  // turned into the system's button colours.
  BOOL LoadBitmap(LPCSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
  // Takes the bitmap over.
  BOOL SetBitmap(HBITMAP hbmImageWell);
  // One button per id, images in order; id 0 (ID_SEPARATOR) is a separator.
  // A null lpIDArray makes nIDCount empty buttons for SetButtonInfo.
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
  // The size of a button and of its image (the button is 7 larger each way).
  void SetSizes(SIZE sizeButton, SIZE sizeImage);

  // ---- One button.
  int CommandToIndex(UINT nIDFind) const { return ToolBarCommandToIndex(m_hWnd, nIDFind); }
  UINT GetItemID(int nIndex) const { return ToolBarGetItemID(m_hWnd, nIndex); }
  // Where the button is, in the bar's client coordinates.
  virtual void GetItemRect(int nIndex, LPRECT lpRect) const {
    Layout();
    ToolBarGetItemRect(m_hWnd, nIndex, lpRect);
  }
  UINT GetButtonStyle(int nIndex) const { return ToolBarGetButtonStyle(m_hWnd, nIndex); }
  void SetButtonStyle(int nIndex, UINT nStyle) { SetToolBarButtonStyle(this, nIndex, nStyle); }
  // A separator's iImage is its width.
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    ToolBarGetButtonInfo(m_hWnd, nIndex, nID, nStyle, iImage);
  }
  void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

  // The bar's window as its common control.
  CToolBarCtrl& GetToolBarCtrl() const;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override {
    return CalcLayout(ToolBarFixedMode(bStretch, bHorz));
  }
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
  // The button under point: its command id, its rectangle and a tip asked
  // for when it shows.
  INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

  // The size of a button and of its image.
  CSize m_sizeButton;
  CSize m_sizeImage;

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  // Wraps the buttons for dwMode (LM_*) and nLength; LM_COMMIT gives the
  // control the wrapping. The size includes the borders.
  CSize CalcLayout(DWORD dwMode, int nLength = -1);
  // Wraps the buttons for the bar's side before they are measured or painted.
  void Layout() const {
    ToolBarRunDelayedLayout(const_cast<CToolBar*>(this), &m_bDelayedButtonLayout);
  }

  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg void OnNcPaint();
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

 private:
  BOOL GetButton(int nIndex, TBBUTTON* pButton) const {
    return ToolBarGetButton(m_hWnd, nIndex, pButton);
  }
  // Replaces the button at nIndex when it differs.
  void SetButton(int nIndex, const TBBUTTON& button);
  std::vector<ToolBarItem> ReadItems(std::vector<TBBUTTON>* pButtons) const;
  // Adds a bitmap of images or replaces the current one.
  BOOL AddReplaceBitmap(HBITMAP hbmImageWell);

  // The buttons are wrapped again before the next measure or paint.
  mutable BOOL m_bDelayedButtonLayout = TRUE;
  HBITMAP m_hbmImageWell = nullptr;  // owned
  // A view of the bar's window through the control's interface.
  mutable CToolBarCtrl m_ctrl;
};
