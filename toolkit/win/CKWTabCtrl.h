// The toolkit's tab control: a tab control whose tabs each own a window, with
// Ctrl+Tab and F6 cycling, a right-click menu, commands offered to the
// active tab's view first, and painting through a memory DC.
#pragma once

#include "classlib/win/CTabCtrl.h"
#include "toolkit/win/CKWTabCtrlBase.h"

class CKWTabCtrl : public CTabCtrl, public CKWTabCtrlBase {
  DECLARE_DYNAMIC(CKWTabCtrl)

 public:
  CKWTabCtrl();

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL EnableToolTips(BOOL bEnable) override { return CKWTabCtrlBase::EnableToolTips(bEnable); }
  using CKWTabCtrlBase::GetToolTips;
  using CKWTabCtrlBase::SetToolTips;

 protected:
  void PreSubclassWindow() override;
  afx_msg void OnDestroy();
  afx_msg void OnSelChangeReflect(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnSelChangingReflect(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  afx_msg void OnPaint() { CKWTabPainter::OnPaint(); }
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg void OnSysColorChange();
  afx_msg LRESULT OnDeferredInitMsg(WPARAM, LPARAM lParam) { return OnDeferredInit(lParam); }
  afx_msg LRESULT OnInitialUpdateMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
