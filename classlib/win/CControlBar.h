// The base of the bars a frame lays out around its client: the status bar
// now, the toolbars and docking windows later. A bar keeps its CBRS_* style,
// takes its room from the frame's client rectangle when the frame lays out
// (WM_SIZEPARENT), and at idle time lets the frame's handlers update its
// items (WM_IDLEUPDATECMDUI).
#pragma once

#include "classlib/win/CWnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  CControlBar() = default;
  ~CControlBar() override;

  // The bar's size for the given room: the full length of a stretched bar,
  // its thickness from the borders.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  // Updates the bar's items from pTarget's update handlers.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

  DWORD GetBarStyle() const { return m_dwStyle; }
  virtual void SetBarStyle(DWORD dwStyle);
  // The room left between the bar's edge and its items.
  void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
  void SetBorders(LPCRECT lpRect) {
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  CRect GetBorders() const {
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
  }
  BOOL IsVisible() const;
  // The frame the bar belongs to: its dock site, else its parent frame.
  CFrameWnd* GetDockingFrame() const;

  // Bars made with new set this so that they go with their window.
  BOOL m_bAutoDelete = FALSE;
  CFrameWnd* m_pDockSite = nullptr;
  DWORD m_dwStyle = 0;  // CBRS_* bits

 protected:
  int m_cxLeftBorder = 0;
  int m_cxRightBorder = 0;
  int m_cyTopBorder = 0;
  int m_cyBottomBorder = 0;
  // The smallest thickness a horizontal bar takes.
  int m_cyDefaultGap = 2;

  // Bars without a class of their own get one with the face colour behind them.
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void PostNcDestroy() override;
  // The area inside the borders, for painting the items.
  virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
  // The edges named by the CBRS_BORDER_* bits, in the bar's colours.
  void DrawBorders(CDC* pDC, CRect& rect);

  // The bar joins its frame's list of bars while it has a window.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
