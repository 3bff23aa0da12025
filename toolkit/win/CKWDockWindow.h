// A control bar that docks on any side, floats, resizes and hosts one child
// window filling its inside. Docked it draws a gripper or caption strip with
// the window text and two caption buttons (hide, expand/contract); its sizes
// for each docking state are kept and stored in the profile as one record.
#pragma once

#include "classlib/win/CToolTipCtrl.h"
#include "toolkit/core/KWDockWindowChrome.h"
#include "toolkit/core/KWDockWindowSizes.h"
#include "toolkit/win/CKWButton.h"
#include "toolkit/win/CKWControlBar.h"

class CKWDockBar;
class CKWDockWindow;
class CView;
class CDocument;
struct CCreateContext;

// A caption button: draws its icon in the caption's colours. Its icons are
// the docking window's, which destroys them.
class CKWBarButton : public CKWButton {
  DECLARE_DYNAMIC(CKWBarButton)

 public:
  explicit CKWBarButton(CKWDockWindow* pDockWindow) : m_pDockWindow(pDockWindow) {}

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void DrawIcon(CDC* pDC, UINT nState, const CRect& rect) override;
  // Shows one of the docking window's icons.
  void SetBarIcon(HICON hIcon);
  HICON GetBarIcon() const { return m_hBarIcon; }

 private:
  bool IsOwnerActive() const;

  CKWDockWindow* m_pDockWindow;
  HICON m_hBarIcon = nullptr;
};

// The profile record of a docking window's sizes and flags.
struct DockWindowSizeRecord {
  BYTE bytes[kKWDockSizeRecordBytes];
};

class CKWDockWindow : public CKWControlBar {
  DECLARE_DYNAMIC(CKWDockWindow)

 public:
  // The caption-button strip's icons: hide, then the expand arrows.
  static constexpr int kIconCount = 9;
  static constexpr int kIconSize = 10;

  CKWDockWindow();
  ~CKWDockWindow() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  // Hiding gives an expanded window's row back first.
  void DelayShow(BOOL bShow) override;
  void DoPaint(CDC* pDC) override;
  BOOL ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) override;
  void DrawBorders(CDC* pDC, CRect& rect) override;
  // Everything is drawn in the client area; nothing outside it.
  void DrawNonClient() override {}

  virtual BOOL Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszTitle, CSize size, DWORD dwStyle,
                      DWORD dwExStyle);
  virtual void GetInsideRect(CRect& rect) const;
  virtual int GetMinLength() const;
  virtual BOOL IsExpanded() const { return m_sizes.bExpanded; }
  virtual BOOL IsOnlyInRow() const { return m_sizes.bOnlyInRow; }
  // Set by the dock bar's layout pass: a lone window in its row has nothing
  // to expand over.
  void SetOnlyInRow(BOOL bOnlyInRow);
  virtual void SetBarSize(CSize size) { m_sizes.SetBarSize(Place(), size); }
  virtual void RestoreFloatSize() { m_sizes.desired = m_sizes.floating; }
  // Docked on the side of a dock bar (horizontal or not) from where it is.
  virtual void DockOnSide(BOOL bHorz) {
    m_sizes.DockAt(Place(), bHorz ? KWDockPlace::kTopBottom : KWDockPlace::kLeftRight);
  }
  virtual void RestoreLength() { m_sizes.RestoreLength(Place()); }
  virtual int MinimizeLength() { return m_sizes.MinimizeLength(Place(), GetMinLength()); }
  virtual void ExpandLength(int n) { m_sizes.ExpandLength(Place(), n); }
  virtual int GetDesiredWidth() const { return m_sizes.desired.cx; }
  virtual int GetDesiredHeight() const { return m_sizes.desired.cy; }
  // A view (or any window class) made as the child, owned by the parent
  // frame; nullptr when its window cannot be made.
  virtual CWnd* CreateChild(CRuntimeClass* pViewClass, CDocument* pDocument,
                            CCreateContext* pContext);
  virtual void SetChild(CWnd* pWnd) { m_pChild = pWnd; }
  // Sizes and flags from a record; the extended style stays as it is.
  virtual void SetSizeRecord(const DockWindowSizeRecord& record);
  virtual CRect GetGripperRect() const;
  virtual CRect GetButtonRect() const;
  virtual void DrawGripperStrip(CDC* pDC);
  virtual void DrawCaption(CDC* pDC, const CRect& rect);
  virtual void UpdateButtonStyles();

  DockWindowSizeRecord GetSizeRecord() const;
  void SaveBarPosition(LPCSTR lpszSection);
  // A stored record shorter than its sizes and flags is ignored.
  void LoadBarPosition(LPCSTR lpszSection);
  void SetActive(BOOL bActive);
  void SetCaptionText(LPCSTR lpszText);

  BOOL IsActive() const { return m_bActive; }
  CWnd* GetChild() const { return m_pChild; }
  CKWBarButton* GetHideButton() const { return m_pHideButton; }
  CKWBarButton* GetExpandButton() const { return m_pExpandButton; }
  int GetExpandButtonState() const { return m_nExpandState; }
  const KWDockWindowSizes& GetSizes() const { return m_sizes; }
  HICON GetIcon(int nIndex) const { return m_hIcons[nIndex]; }

 protected:
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  afx_msg void OnHideDocked();
  afx_msg void OnExpandDocked();
  afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDeferredInit(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  KWDockPlace Place() const;
  KWDockStyle Style() const;
  CSize ClientSize() const;
  void LoadIcons();
  void UpdateExpandButton();
  void ShowButtons(BOOL bShow);
  // The toolkit's dock bar holding the window, nullptr when floating.
  CKWDockBar* GetKWDockBar() const;

  KWDockWindowSizes m_sizes;
  int m_nExpandState = 0;
  CWnd* m_pChild = nullptr;
  CKWBarButton* m_pHideButton = nullptr;
  CKWBarButton* m_pExpandButton = nullptr;
  CToolTipCtrl m_toolTip;
  BOOL m_bActive = FALSE;
  BOOL m_bSysMenuRemoved = FALSE;
  CWnd* m_pParentWnd = nullptr;
  HICON m_hIcons[kIconCount] = {};
  int m_nInitCounter = 1;
};
