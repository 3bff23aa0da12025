// The floating frame of a control bar: a mini frame around a floating dock
// bar, sized to the bars in it. Dragging its caption drags the bar, its
// edges resize a bar that wraps its items, a double click on the caption
// docks the bar again and closing it hides the bar. A frame's
// m_pFloatingFrameClass names the class to make, so derived frames can be
// made by their run-time class.
#pragma once

#include "classlib/win/CDockBar.h"
#include "classlib/win/CMiniFrameWnd.h"

class CMiniDockFrameWnd : public CMiniFrameWnd {
  DECLARE_DYNCREATE(CMiniDockFrameWnd)
 public:
  CMiniDockFrameWnd();

  // A hidden floating frame owned by pParent (the dock site); dwBarStyle:
  // the floating dock bar's CBRS_ALIGN_TOP or CBRS_ALIGN_LEFT, CBRS_FLOAT_MULTI,
  // CBRS_SIZE_DYNAMIC for resizing edges.
  virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
  // Sizes the frame to its bars and hides it when none is visible.
  void RecalcLayout(BOOL bNotify = TRUE) override;
  // The first bar in the frame, or nullptr.
  CControlBar* GetContainedBar() const;

  // Posted by the dock bar when a bar left it: an empty frame goes.
  static constexpr UINT WM_FLOATCONTENTCHANGED = 0x036F;

  CDockBar m_wndDockBar;

 protected:
  afx_msg void OnClose();
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  afx_msg LRESULT OnFloatContentChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
