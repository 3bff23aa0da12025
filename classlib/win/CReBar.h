// A bar of bands: a rebar common control laid out as a control bar, each
// band holding a bar or another window that the user can move and size
// within it. The bar is as high as its rows of bands.
#pragma once

#include "classlib/win/CControlBar.h"

class CBitmap;

class CReBar : public CControlBar {
  DECLARE_DYNAMIC(CReBar)
 public:
  // dwCtrlStyle: RBS_* styles of the control; dwStyle: the window and CBRS_* style.
  BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
              UINT nID = AFX_IDW_REBAR);
  // A new last band around pBar, with a label and a picture behind it; a
  // control bar gives the band its least size.
  BOOL AddBar(CWnd* pBar, LPCSTR pszText = nullptr, CBitmap* pbmp = nullptr,
              DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  // The control paints its bands.
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  // The bands took another height: the frame lays its bars out again at idle time.
  afx_msg void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()
};
