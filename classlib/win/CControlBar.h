// The base of the bars a frame lays out around its client: status bars,
// toolbars, dialog bars and the dock bars that hold docked bars. A bar keeps
// its CBRS_* style, takes its room from the frame's client rectangle when
// the frame lays out (WM_SIZEPARENT), and at idle time lets the frame's
// handlers update its items (WM_IDLEUPDATECMDUI).
//
// A bar that EnableDocking made dockable sits in one of its frame's dock bars
// (m_pDockBar) or floats in a small frame of its own; its dock context drags
// it between them. Showing and hiding a docked bar is delayed to the next
// layout so that the bars around it move once.
#pragma once

#include "classlib/win/AfxMsg.h"
#include "classlib/win/CWnd.h"

class CControlBarInfo;
class CDockBar;
class CDockContext;
class CFrameWnd;

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  CControlBar() = default;
  ~CControlBar() override;

  // ---- Layout.
  // The bar's size when docked: bStretch makes it as long as the frame
  // (32767 along bHorz's direction), its thickness comes from the borders.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  // The size for nLength along the direction nMode (LM_*) names, or for the
  // docked or most-recent floating width; LM_COMMIT keeps the result. The
  // default is the fixed layout.
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  // Shrinks rect (the bar's client area) to where the items go.
  virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

  // ---- Items and painting.
  // Updates the bar's items from pTarget's update handlers.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
  // Paints the items; the default paints nothing, the borders are drawn around.
  virtual void DoPaint(CDC* pDC);
  // The edges named by the CBRS_BORDER_* bits, in the bar's colours; rect
  // shrinks by them.
  virtual void DrawBorders(CDC* pDC, CRect& rect);
  // The grip of a docked bar with CBRS_GRIPPER, at the start of rect.
  virtual void DrawGripper(CDC* pDC, const CRect& rect);
  // Shows the prompt of tool nHit (-1: the idle prompt) on the frame's
  // status line; FALSE when the bar has no frame to show it on.
  virtual BOOL SetStatusText(int nHit);

  // ---- Style.
  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBarStyle(DWORD dwStyle);
  // After the style changed: the bar adjusts its layout.
  virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
  // The room left between the bar's edge and its items.
  void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
  void SetBorders(LPCRECT lpRect) {
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  CRect GetBorders() const {
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
  }
  int GetCount() const { return m_nCount; }

  // ---- Visibility: a docked bar shows or hides at the next layout.
  virtual BOOL IsVisible() const;
  virtual void DelayShow(BOOL bShow);
  // Carries out a delayed show or hide within a layout pass (a layout query
  // only looks ahead); returns the window style the bar has after it.
  virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

  // ---- Docking.
  // Allows docking on the CBRS_ALIGN_* sides of dwDockStyle (0 forbids it);
  // CBRS_FLOAT_MULTI lets the bar share a floating frame.
  void EnableDocking(DWORD dwDockStyle);
  virtual BOOL IsDockBar() const;
  BOOL IsFloating() const;
  // The frame the bar docks in: its dock site, else its parent frame.
  CFrameWnd* GetDockingFrame() const;
  // The bar's place (docked, floating, visible, most recent positions) for
  // saving, and putting it back.
  virtual void GetBarInfo(CControlBarInfo* pInfo);
  virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

  // ---- Messages.
  // Commands, notifications and item messages the bar does not handle go to
  // its owner, the frame that acts on them.
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
  // Tooltips and fly-by prompts of the tool under the mouse.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // The tool at point; pTI may be null when only the id is wanted.
  INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

  // Delayed visibility and fly-by state, bits of m_nStateFlags.
  enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };

  // Bars made with new set this so that they go with their window.
  BOOL m_bAutoDelete = FALSE;
  int m_cxLeftBorder = 0;
  int m_cxRightBorder = 0;
  int m_cyTopBorder = 0;
  int m_cyBottomBorder = 0;
  // The room between items, and the least thickness of a bar.
  int m_cxDefaultGap = 2;
  // The most recent width of a floating bar that wraps its items.
  int m_nMRUWidth = kDefaultMRUWidth;
  // The bar's elements: m_nCount of them at m_pData, each of the size the
  // bar allocated (AllocElements).
  int m_nCount = 0;
  void* m_pData = nullptr;
  UINT m_nStateFlags = 0;
  DWORD m_dwStyle = 0;      // CBRS_* bits
  DWORD m_dwDockStyle = 0;  // the CBRS_ALIGN_* sides it may dock to, CBRS_FLOAT_MULTI
  CFrameWnd* m_pDockSite = nullptr;
  CDockBar* m_pDockBar = nullptr;
  CDockContext* m_pDockContext = nullptr;

  static constexpr int kDefaultMRUWidth = 32767;

 protected:
  // Replaces the elements with nElements zeroed ones of cbElement bytes.
  BOOL AllocElements(int nElements, int cbElement);

  // Bars without a class of their own get one with the face colour behind them.
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void PostNcDestroy() override;

  // Leaves the dock bar and drops the dock context when the bar goes.
  void ReleaseDocking();

  // The bar joins its frame's list of bars while it has a window.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  // A press starts dragging a dockable bar; a double click docks or floats it.
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  // WM_INITIALUPDATE: the frame around the bar is built.
  afx_msg void OnInitialUpdate();
  DECLARE_MESSAGE_MAP()

 private:
  // The frame whose handlers update the items: the owner, else the parent frame.
  CFrameWnd* GetCommandTarget() const;
  // Gives a tooltip the second line of its command's string when the owner gave none.
  void FillToolTipText(NMHDR* pNMHDR) const;

  // The tool whose prompt the fly-by shows, -1 for none.
  int m_nFlybyHit = -1;
};
