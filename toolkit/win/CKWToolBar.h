// The toolkit's toolbar: a toolkit control bar around the toolbar common
// control. It loads its buttons from a toolbar resource, wraps them into rows
// for every side and for floating, hides the trailing buttons a docked row
// has no room for behind its chevron, paints through a memory DC with the
// renderer of the current look, follows the frame's update handlers, and
// carries drop-down buttons and controls placed over separators.
#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "classlib/win/CToolBar.h"
#include "classlib/win/ToolBarButtonState.h"
#include "classlib/win/ToolBarControl.h"
#include "toolkit/core/KWToolBarLayout.h"
#include "toolkit/win/CKWControlBar.h"

class CKWExpButton;

// A plain drop-down button without menu was pressed: sent to the owner with
// the TBN_DROPDOWN notification and the button's screen rectangle.
constexpr UINT KWM_TOOLBAR_DROPDOWN = 0x7F7;

// What a drop-down button drops: a menu (its resource id), else the owner is told.
struct CKWDropDownButton {
  UINT nCommand = 0;
  UINT nMenuId = 0;
  BOOL bColorButton = FALSE;
  BOOL bShowColorBar = FALSE;
  DWORD dwPopupStyle = 0;
  COLORREF clrDefault = CLR_DEFAULT;
  COLORREF clrCurrent = CLR_DEFAULT;
};

// A button as loaded, kept for customisation, with what is attached to it.
struct CKWToolButtonEntry {
  TBBUTTON button = {};
  CWnd* pControl = nullptr;  // not owned
  BOOL bBold = FALSE;
  BOOL bInitiallyHidden = FALSE;
  std::unique_ptr<CKWDropDownButton> pDropDown;
};

class CKWToolBar;

// A toolkit toolbar's button as the update handlers see it.
class CKWToolCmdUI : public CToolBarButtonCmdUI<CKWToolBar> {
 public:
  using CToolBarButtonCmdUI<CKWToolBar>::CToolBarButtonCmdUI;
};

class CKWToolBar : public CKWControlBar {
  DECLARE_DYNAMIC(CKWToolBar)

 public:
  CKWToolBar();
  ~CKWToolBar() override;

  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                      UINT nID = AFX_IDW_TOOLBAR) {
    return CreateEx(pParentWnd, 0, dwStyle, GetBorders(), nID);
  }
  virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                        CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

  // ---- Buttons and images.
  // FALSE, with the buttons unchanged, when the resource is missing, does not
  // hold the ids it announces, or its bitmap does not load.
  BOOL LoadToolBar(UINT nIDResource);
  BOOL LoadBitmap(UINT nIDResource);
  BOOL SetBitmap(HBITMAP hbmImageWell);
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
  void SetSizes(SIZE sizeButton, SIZE sizeImage);
  int CommandToIndex(UINT nIDFind) const { return ToolBarCommandToIndex(m_hWnd, nIDFind); }
  UINT GetItemID(int nIndex) const { return ToolBarGetItemID(m_hWnd, nIndex); }
  virtual void GetItemRect(int nIndex, LPRECT lpRect) const {
    RunDelayedLayout();
    ToolBarGetItemRect(m_hWnd, nIndex, lpRect);
  }
  UINT GetButtonStyle(int nIndex) const { return ToolBarGetButtonStyle(m_hWnd, nIndex); }
  void SetButtonStyle(int nIndex, UINT nStyle) { SetToolBarButtonStyle(this, nIndex, nStyle); }
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    ToolBarGetButtonInfo(m_hWnd, nIndex, nID, nStyle, iImage);
  }
  void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
  BOOL SetButtonText(int nIndex, LPCSTR lpszText);
  CString GetButtonText(int nIndex) const;
  virtual void SetOwner(CWnd* pOwnerWnd);
  int GetButtonCount() const;

  // ---- Layout.
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override {
    return CalcLayout(ToolBarFixedMode(bStretch, bHorz));
  }
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
  INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
  BOOL GetBandChildSize(REBARBANDINFOA* pInfo, BOOL bHorz) override;
  void OnBandChildResize(NMREBARCHILDSIZE* pInfo, BOOL bHorz) override;
  BOOL CanDragFullWindow() const override { return TRUE; }

  // A docked row nNeeded long has nAvailable: trailing buttons hide until the
  // bar fits. Returns nNeeded, the bar's length in the row.
  int HideButtonsToFit(int nNeeded, int nAvailable, BOOL bHorz);
  // The row grew: hidden buttons come back in order while they fit. Returns
  // the bar's length in the row.
  int ShowHiddenButtons(int nNeeded, int nAvailable, BOOL bHorz);
  int GetMinBandSize() const;
  // Fills pTarget with the hidden buttons in rows nWidth wide, lending it
  // their controls.
  void CopyHiddenButtons(CKWToolBar* pTarget, int nWidth);
  virtual BOOL HasChevron() const { return !m_bNoChevron; }
  virtual BOOL HasHiddenButtons() const { return !m_hidden.empty(); }
  virtual BOOL IsHorizontal() const { return IsInReBar() || IsHorzDocked(); }
  virtual BOOL IsFlatPainted() const;
  CKWExpButton* GetChevron() const { return m_pChevron; }

  // ---- Drop-down buttons and controls.
  // FALSE, and no record, when no button has the command.
  BOOL AddDropDownButton(UINT nCommand, UINT nMenuId, BOOL bArrow);
  CKWDropDownButton* FindDropDown(UINT nCommand) const;
  virtual void TrackDropDown(NMTOOLBARA* pNotify, UINT nCommand, const CRect& rectButton);
  // Places the control over the button of its id, as a separator its width.
  virtual BOOL AttachControl(CWnd* pControl, BOOL bBold);
  virtual void PositionControl(CWnd* pControl);
  virtual void ReattachControls();

  // ---- Painting.
  virtual void PaintToolBar();
  virtual void DrawSeparators(CDC* pDC);
  virtual BOOL DrawButton(CDC* pDC, NMTBCUSTOMDRAW* pDraw);
  virtual void FillWrapGaps(CDC* pDC);

  CSize m_sizeImage;
  CSize m_sizeButton;
  BOOL m_bCustomize = FALSE;
  BOOL m_bEmbossDisabled = FALSE;
  int m_nDropDownIndex = -1;
  DWORD m_dwDrawTextMask = 0;
  DWORD m_dwDrawTextFlags = 0;
  // Cleared in a toolbar that receives a copy of hidden buttons.
  BYTE m_bSourceBar = 1;
  BYTE m_bNoChevron = 0;

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  CSize CalcLayout(DWORD dwMode, int nLength = -1);
  void RunDelayedLayout() const {
    ToolBarRunDelayedLayout(const_cast<CKWToolBar*>(this), &m_bDelayedButtonLayout);
  }

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnNcHitTest(CPoint point) { return HTCLIENT; }
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  afx_msg void OnSysColorChange();
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnPaint() { PaintToolBar(); }
  afx_msg LRESULT OnSetSizeMessage(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetDrawTextFlags(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnHotItemChange(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL GetButton(int nIndex, TBBUTTON* pButton) const {
    return ToolBarGetButton(m_hWnd, nIndex, pButton);
  }
  void SetButton(int nIndex, const TBBUTTON& button);
  BOOL AddReplaceBitmap(HBITMAP hbmImageWell);
  std::vector<KWToolButton> ReadButtons(std::vector<TBBUTTON>* pButtons) const;
  KWRowMetrics RowMetrics(BOOL bHorz) const;
  int InsideAlong(BOOL bHorz) const;
  void SetHiddenStates(const std::vector<KWToolButton>& buttons);
  void PlaceChevron(int nLength, BOOL bHorz);
  void UnhideAll();
  CKWToolButtonEntry* EntryOf(UINT nCommand);
  void DrawPlainSeparator(CDC* pDC, int nIndex, const TBBUTTON& button);

  std::vector<CKWToolButtonEntry> m_entries;
  // The buttons hidden for a short row, by index, with their widths.
  std::map<int, int> m_hidden;
  mutable BOOL m_bDelayedButtonLayout = TRUE;
  HBITMAP m_hbmImageWell = nullptr;  // owned
  UINT m_nBitmapId = 0;              // 0 when set from a handle
  // The texts added to the control, with their string indexes.
  std::vector<std::pair<CString, int>> m_strings;
  BOOL m_bInCustomDraw = FALSE;
  BYTE m_bCapture = 0;
  CKWExpButton* m_pChevron = nullptr;  // deletes itself with its window
};
