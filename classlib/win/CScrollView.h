// A view larger than its window: the document has a total size, the window
// shows a part of it and the scroll bars move that part.
//
// SetScrollSizes gives the total size and the page and line steps in
// logical units of the mapping mode (MM_TEXT: pixels); OnPrepareDC moves
// the DC's origin so that OnDraw draws in document coordinates whatever
// the scroll position. The bars come and go with the window's size: a bar
// shows only while the document does not fit that way.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CView.h"

class CScrollView : public CView {
  DECLARE_DYNAMIC(CScrollView)
 public:
  // The page and line steps SetScrollSizes takes when none are given: a
  // tenth of the total size per page and a tenth of a page per line.
  static const SIZE sizeDefault;

  // nMapMode must be MM_TEXT or another mode with fixed units.
  void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                      const SIZE& sizeLine = sizeDefault);

  // The top-left corner of what the window shows, in logical units.
  CPoint GetScrollPosition() const;
  // ...and in device units (the bars' positions).
  CPoint GetDeviceScrollPosition() const;
  // Scrolls so that pt (logical) is the top-left corner, as far as the document allows.
  void ScrollToPosition(POINT pt);
  CSize GetTotalSize() const { return m_totalLog; }
  void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage,
                            SIZE& sizeLine) const;

  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

  // A scroll request: the low byte of nScrollCode is the horizontal bar's
  // SB_* code and the high byte the vertical bar's, 0xFF where that bar does
  // not move; nPos is the thumb position of SB_THUMBTRACK/SB_THUMBPOSITION.
  // bDoScroll FALSE only answers whether the view could scroll.
  virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
  // Scrolls by sizeScroll device units, kept within the document.
  virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

 protected:
  // Moves to a device position, scrolling the window's contents.
  void ScrollToDevicePosition(POINT ptDev);
  // Shows, hides and sets the bars for the current size and position.
  void UpdateBars();
  // The width of a vertical bar and the height of a horizontal one.
  void GetScrollBarSizes(CSize& sizeSb);
  // The client size as if no bar showed; TRUE when the window can hold
  // bars of sizeSb at all.
  BOOL GetTrueClientSize(CSize& size, CSize& sizeSb);

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

  int m_nMapMode = 0;  // 0 until SetScrollSizes
  CSize m_totalLog;    // the document's size in logical units
  CSize m_totalDev;    // ...and in device units
  CSize m_pageDev;     // one page step in device units
  CSize m_lineDev;     // one line step in device units
  // Set while the bars are being updated: the sizes this causes are ignored.
  BOOL m_bInsideUpdate = FALSE;

  DECLARE_MESSAGE_MAP()
};
