// The tabs of the toolkit's tab control, each owning a window (usually a
// view): selecting a tab shows its window and hides the others, keeps the
// frame's active view in step, gives each tab a tooltip, shortens labels
// that do not fit and cycles the tabs.
#pragma once

#include <memory>
#include <vector>

#include "classlib/core/CString.h"
#include "toolkit/win/CKWTabPainter.h"

class CDocument;
class CFrameWnd;
class CToolTipCtrl;
class CView;
struct CCreateContext;

// Sent to the tab control's owner before the selection changes and after a
// new tab became active (wParam: the control's id, lParam: the control).
constexpr UINT KWM_TABSELCHANGING = 0x7FD;
constexpr UINT KWM_TABSELCHANGED = 0x7FC;

struct KWTabItem {
  CWnd* pWnd = nullptr;
  // The window's handle: a window that went (a view deletes itself) is
  // known by it without touching the object.
  HWND hWnd = nullptr;
  CString strLabel;
  CString strTip;
  int nToolId = 0;
  CString strShown;
};

class CKWTabCtrlBase : public CKWTabPainter {
 public:
  CKWTabCtrlBase();
  ~CKWTabCtrlBase() override;

  virtual void UpdateFont();
  virtual CToolTipCtrl* GetToolTips() const;
  virtual void SetToolTips(CToolTipCtrl* pTip);
  virtual void AddTool(int nToolId, LPCSTR lpszText);
  virtual void SetTipTextByClass(CRuntimeClass* pClass, LPCSTR lpszText);
  virtual void SetTipText(int nIndex, LPCSTR lpszText);
  virtual void RenumberTools();
  virtual BOOL EnableToolTips(BOOL bEnable);
  virtual BOOL AddView(LPCSTR lpszLabel, CRuntimeClass* pViewClass, CDocument* pDoc,
                       CCreateContext* pContext, int nIndex, int nIcon);
  virtual BOOL AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex = -1, int nIcon = -1);
  virtual CWnd* GetView(int nIndex) const;
  virtual CWnd* GetViewByClass(CRuntimeClass* pClass) const;
  virtual CWnd* GetActiveView() const;
  virtual void ActivateView(CWnd* pWnd);
  virtual void SetActiveView(int nIndex);
  virtual void SetActiveViewWnd(CWnd* pWnd);
  virtual void SetActiveViewClass(CRuntimeClass* pClass);
  virtual void DeleteViewByClass(CRuntimeClass* pClass, BOOL bDestroy);
  virtual void DeleteViewWnd(CWnd* pWnd, BOOL bDestroy);
  virtual void DeleteView(int nIndex, BOOL bDestroy);
  virtual LPCSTR GetViewTitleByClass(CRuntimeClass* pClass) const;
  virtual LPCSTR GetViewTitle(int nIndex) const;
  virtual void SizeView(CWnd* pWnd);
  virtual void RemoveItem(int nPosition, BOOL bDestroy);
  virtual BOOL DeleteAllViews();
  virtual int HitTestTab(CPoint point) const;
  virtual BOOL IsView(CWnd* pWnd) const { return IndexOf(pWnd) >= 0; }
  virtual BOOL ModifyTabStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags);
  virtual void SetTabMenu(UINT nMenuId, int nSubMenu);
  virtual UINT GetTabMenuId() const { return m_nMenuId; }
  virtual void SetAutoInitialUpdate(BOOL b) { m_bAutoInitialUpdate = b; }
  virtual void OnSelChanging();
  virtual void OnSelChange();
  virtual CWnd* CreateTabView(CRuntimeClass* pViewClass, CDocument* pDoc,
                              CCreateContext* pContext);

  void EnableLabelShortening(BOOL b);
  void FitTabLabels();
  // A new text for the tab, its tooltip and its label; only a text that is
  // not empty, and only while the tooltip control exists.
  void SetTabText(int nIndex, LPCSTR lpszText);
  void SetTabTextWnd(CWnd* pWnd, LPCSTR lpszText) { SetTabText(IndexOf(pWnd), lpszText); }
  void SetTabTextClass(CRuntimeClass* pClass, LPCSTR lpszText) {
    SetTabText(IndexOfClass(pClass), lpszText);
  }
  void NextTab();
  void PrevTab();
  int GetTabItemCount() const { return static_cast<int>(m_items.size()); }
  const KWTabItem& GetTabItem(int nIndex) const { return *m_items[nIndex]; }
  CFrameWnd* GetFrame() const { return m_pFrame; }
  // The view active before a tab's view took over, while it still is that
  // window; else nullptr.
  CView* GetSavedView() const;

 protected:
  // Deferred initialisation, armed on creation or subclassing.
  void ArmDeferredInit();
  LRESULT OnDeferredInit(LPARAM lParam);
  void InitialLayout();
  // The frame's tab view gives way to the view active before it.
  void RestoreFrameView(CWnd* pTabWnd);
  // Every item's window is closed and the items dropped.
  void CloseAllItems();
  void SizeAllViews();
  void NotifyOwner(UINT nMessage);
  // The item's window while it is still the same window, else nullptr.
  CWnd* LiveWindow(int nIndex) const;
  int IndexOf(const CWnd* pWnd) const;
  int IndexOfClass(CRuntimeClass* pClass) const;
  int TabCount() const;

  CView* m_pSavedView = nullptr;
  HWND m_hSavedView = nullptr;
  CWnd* m_pParent = nullptr;
  CFrameWnd* m_pFrame = nullptr;
  int m_nSubMenu = 0;
  UINT m_nMenuId = 0;
  BOOL m_bAutoInitialUpdate = FALSE;
  BOOL m_bShortenLabels = FALSE;
  std::vector<std::unique_ptr<KWTabItem>> m_items;
  int m_nInitCounter = 1;
  BOOL m_bInitPending = FALSE;
  int m_nPrevSel = -1;
};
