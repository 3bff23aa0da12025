// CWnd's message dispatch: the message map, commands and notifications,
// reflection to child controls, owner-drawn menus, and the default handlers.
#include "classlib/win/AfxState.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CScrollBar.h"
#include "classlib/win/CWnd.h"

namespace {

// Only records whether an update handler leaves the command enabled.
class CTestCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCSTR) override {}
  BOOL m_bEnabled = TRUE;
};

// The permanent menu object of the menu (among hMenu and its popups) that
// holds the item nID.
CMenu* FindPopupMenuFromID(HMENU hMenu, UINT nID) {
  if (hMenu == nullptr) return nullptr;
  int nCount = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < nCount; ++i) {
    if (HMENU hSubMenu = ::GetSubMenu(hMenu, i)) {
      if (CMenu* pFound = FindPopupMenuFromID(hSubMenu, nID)) return pFound;
    } else if (::GetMenuItemID(hMenu, i) == nID) {
      return CMenu::FromHandlePermanent(hMenu);
    }
  }
  return nullptr;
}

// The list or combo box that an item message of its parent is about.
HWND ItemMessageControl(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMPAREITEM: return reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_DELETEITEM: return reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: return reinterpret_cast<HWND>(lParam);
    default: return nullptr;
  }
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;
  BOOL bHandled = FALSE;
  // Sorting, deleting and key messages about an item go to the control's own
  // object first, as owner drawing does.
  if (HWND hWndItem = ItemMessageControl(message, lParam)) {
    if (ReflectLastMsg(hWndItem, pResult)) return TRUE;
  }
  if (message == WM_COMMAND) {
    bHandled = OnCommand(wParam, lParam);
    lResult = 1;
  } else if (message == WM_NOTIFY) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    bHandled = pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult);
  } else if (const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), message, 0, 0)) {
    AFX_MSGARGS args = {0, wParam, lParam, nullptr, 0};
    pEntry->pfnCall(this, args);
    lResult = args.result;
    bHandled = TRUE;
  }
  if (bHandled && pResult != nullptr) *pResult = lResult;
  return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  auto hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl == nullptr) {
    // From a menu or an accelerator: a command disabled since is ignored.
    if (nID == 0) return FALSE;
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
    if (!state.m_bEnabled) return TRUE;
    nCode = CN_COMMAND;
  } else {
    // The control may handle its own notification.
    if (ReflectLastMsg(hWndCtrl)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  HWND hWndCtrl = pNMHDR->hwndFrom;
  UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
  if (ReflectLastMsg(hWndCtrl, pResult)) return TRUE;
  AFX_NOTIFY notify = {pResult, pNMHDR};
  return OnCmdMsg(nID, static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pWnd = FromHandlePermanent(hWndChild);
  return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
      // Only this window's own map: a reflected command is not routed on.
      int nCode = HIWORD(wParam);
      if (CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND)),
                               nullptr, nullptr)) {
        if (pResult != nullptr) *pResult = 1;
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
      AFX_NOTIFY notify = {pResult, pNMHDR};
      return CCmdTarget::OnCmdMsg(
          0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)), &notify,
          nullptr);
    }
    default: return FALSE;
  }
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct->CtlType == ODT_MENU) {
    // For menus the item's window is the menu.
    CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
    if (pMenu != nullptr) {
      pMenu->DrawItem(lpDrawItemStruct);
      return;
    }
  } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem)) {
    return;
  }
  Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct->CtlType == ODT_MENU) {
    // The message does not name the menu: it is the popup being tracked by
    // this window, or one in this window's menu.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HMENU hMenu = pState->m_hTrackingWindow == m_hWnd ? pState->m_hTrackingMenu : ::GetMenu(m_hWnd);
    if (CMenu* pMenu = FindPopupMenuFromID(hMenu, lpMeasureItemStruct->itemID)) {
      pMenu->MeasureItem(lpMeasureItemStruct);
      return;
    }
  } else {
    CWnd* pChild = GetDescendantWindow(static_cast<int>(lpMeasureItemStruct->CtlID), TRUE);
    if (pChild != nullptr && pChild->SendChildNotifyLastMsg()) return;
  }
  Default();
}

// Windows tells only top-level windows about colour and setting changes; their
// descendants of the class library hear it from them.
void CWnd::OnSysColorChange() {
  if (!(GetStyle() & WS_CHILD)) SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
  Default();
}

void CWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
  if (!(GetStyle() & WS_CHILD))
    SendMessageToDescendants(WM_SETTINGCHANGE, uFlags, reinterpret_cast<LPARAM>(lpszSection), TRUE,
                             TRUE);
  Default();
}

// ---- The default handlers: the window's default processing.

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
int CWnd::OnSetText(LPCSTR) { return static_cast<int>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnFontChange() { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }
// A scroll bar control may scroll by itself.
void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar == nullptr || !ReflectLastMsg(pScrollBar->m_hWnd)) Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar == nullptr || !ReflectLastMsg(pScrollBar->m_hWnd)) Default();
}
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
