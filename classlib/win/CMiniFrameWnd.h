// A frame with a small caption: a thin frame, a caption of the small caption
// height with the window's text and a close button, and, with
// MFS_THICKFRAME, edges that resize it. The frame draws and hit-tests its
// non-client area itself, so it looks and behaves the same whether or not a
// window manager decorates top-level windows.
#pragma once

#include "classlib/win/CFrameWnd.h"

// Mini frame styles, in the low word of the window style.
#define MFS_SYNCACTIVE 0x0100L   // the caption shows active with its owner
#define MFS_4THICKFRAME 0x0200L  // a thick frame that does not resize
#define MFS_THICKFRAME 0x0400L   // edges that resize the frame
#define MFS_MOVEFRAME 0x0800L    // the edges move the frame like the caption

class CMiniFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMiniFrameWnd)
 public:
  CMiniFrameWnd() = default;

  // dwStyle: WS_POPUP with WS_CAPTION (the small caption), WS_SYSMENU (its
  // close button), WS_THICKFRAME or MFS_* bits; pParentWnd owns the frame.
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd = nullptr, UINT nID = 0);
  // Grows a client rectangle by the frame and caption of a mini frame of
  // dwStyle (WS_THICKFRAME or MFS_THICKFRAME: the resizing edges).
  static void CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
                          DWORD dwExStyle = 0);
  // The window rectangle around lpClientRect for this frame's style.
  void CalcWindowRect(LPRECT lpClientRect) const;

 protected:
  // The small caption and its close button, in window coordinates.
  CRect GetCaptionRect() const;
  CRect GetCloseButtonRect() const;
  BOOL HasCaption() const { return m_bCaption; }

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcPaint();
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL m_bCaption = FALSE;
  BOOL m_bSysMenu = FALSE;
};
