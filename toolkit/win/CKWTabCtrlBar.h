// A docking window whose child is a tab control with its tabs at the bottom:
// each tab holds a view. The tab operations are passed to the tab control,
// the frame hears of tab changes under the bar's own id, and the frame's
// active view goes back to the document view when the focus leaves the bar.
#pragma once

#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWTabCtrl.h"

class CImageList;

class CKWTabCtrlBar : public CKWDockWindow {
  DECLARE_DYNAMIC(CKWTabCtrlBar)

 public:
  static constexpr UINT kTabCtrlId = 0x3020;
  static constexpr DWORD kTabCtrlStyle =
      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TCS_TOOLTIPS | TCS_BOTTOM;

  CKWTabCtrlBar();
  ~CKWTabCtrlBar() override;

  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  virtual CKWTabCtrl& GetTabCtrl() { return m_tabCtrl; }
  // The previous image list.
  virtual CImageList* SetImageList(CImageList* pImageList);
  virtual void SetTabMenu(UINT nMenuId, int nSubMenu) { m_tabCtrl.SetTabMenu(nMenuId, nSubMenu); }
  virtual UINT GetTabMenuId() const { return m_tabCtrl.GetTabMenuId(); }
  virtual void GetClientArea(CRect& rect) { m_tabCtrl.GetClientArea(rect); }
  virtual void SizeView(CWnd* pWnd) { m_tabCtrl.SizeView(pWnd); }
  virtual void UpdateFont() { m_tabCtrl.UpdateFont(); }
  virtual BOOL ModifyTabStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return m_tabCtrl.ModifyTabStyle(dwRemove, dwAdd, nFlags);
  }
  virtual CToolTipCtrl* GetToolTips() const { return m_tabCtrl.GetToolTips(); }
  virtual void SetToolTips(CToolTipCtrl* pTip) { m_tabCtrl.SetToolTips(pTip); }
  virtual void AddTool(int nToolId, LPCSTR lpszText) { m_tabCtrl.AddTool(nToolId, lpszText); }
  virtual void SetTipTextByClass(CRuntimeClass* pClass, LPCSTR lpszText) {
    m_tabCtrl.SetTipTextByClass(pClass, lpszText);
  }
  virtual void SetTipText(int nIndex, LPCSTR lpszText) { m_tabCtrl.SetTipText(nIndex, lpszText); }
  virtual void RenumberTools() { m_tabCtrl.RenumberTools(); }
  virtual BOOL EnableToolTips(BOOL bEnable) { return m_tabCtrl.EnableToolTips(bEnable); }
  virtual BOOL AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex, int nIcon) {
    return m_tabCtrl.AddControl(lpszLabel, pWnd, nIndex, nIcon);
  }
  // A tab's image is its index.
  virtual BOOL AddView(LPCSTR lpszLabel, CRuntimeClass* pViewClass, CDocument* pDoc,
                       CCreateContext* pContext = nullptr, int nIndex = -1) {
    return m_tabCtrl.AddView(lpszLabel, pViewClass, pDoc, pContext, nIndex, -1);
  }
  virtual BOOL AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex = -1) {
    return m_tabCtrl.AddControl(lpszLabel, pWnd, nIndex, -1);
  }
  virtual CWnd* GetView(int nIndex) const { return m_tabCtrl.GetView(nIndex); }
  virtual CWnd* GetViewByClass(CRuntimeClass* pClass) const {
    return m_tabCtrl.GetViewByClass(pClass);
  }
  virtual CWnd* GetActiveView() const { return m_tabCtrl.GetActiveView(); }
  virtual void SetActiveView(int nIndex) { m_tabCtrl.SetActiveView(nIndex); }
  virtual void SetActiveViewWnd(CWnd* pWnd) { m_tabCtrl.SetActiveViewWnd(pWnd); }
  virtual void SetActiveViewClass(CRuntimeClass* pClass) { m_tabCtrl.SetActiveViewClass(pClass); }
  virtual void DeleteViewByClass(CRuntimeClass* pClass, BOOL bDestroy) {
    m_tabCtrl.DeleteViewByClass(pClass, bDestroy);
  }
  virtual void DeleteViewWnd(CWnd* pWnd, BOOL bDestroy) { m_tabCtrl.DeleteViewWnd(pWnd, bDestroy); }
  virtual void DeleteView(int nIndex, BOOL bDestroy) { m_tabCtrl.DeleteView(nIndex, bDestroy); }
  virtual LPCSTR GetViewTitleByClass(CRuntimeClass* pClass) const {
    return m_tabCtrl.GetViewTitleByClass(pClass);
  }
  virtual LPCSTR GetViewTitle(int nIndex) const { return m_tabCtrl.GetViewTitle(nIndex); }
  virtual BOOL DeleteAllViews() { return m_tabCtrl.DeleteAllViews(); }
  virtual int HitTestTab(CPoint point) const { return m_tabCtrl.HitTestTab(point); }
  virtual BOOL IsView(CWnd* pWnd) const { return m_tabCtrl.IsView(pWnd); }
  // The tab control's notices, passed on under the bar's own id.
  virtual void OnTabActivated(WPARAM wParam, LPARAM lParam);
  virtual void OnTabChanging(WPARAM wParam, LPARAM lParam);

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  afx_msg LRESULT OnTabActivatedMsg(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnTabChangingMsg(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void NotifyOwner(UINT nMessage, LPARAM lParam);

  CKWTabCtrl m_tabCtrl;
};
