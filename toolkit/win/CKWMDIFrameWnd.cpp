#include "toolkit/win/CKWMDIFrameWnd.h"

#include "classlib/win/CMenu.h"
#include "toolkit/win/CKWMDIChildWnd.h"
#include "toolkit/win/CKWWindowListDlg.h"
#include "toolkit/win/KWRegisteredMessages.h"

namespace {

// Registered in every source file that handles it.
const UINT s_nBarContextMenuMessage = KWBarContextMenuMessage();

}  // namespace

IMPLEMENT_DYNCREATE(CKWMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CKWMDIFrameWnd, CMDIFrameWnd)
  ON_WM_SYSCOLORCHANGE()
  ON_WM_SETTINGCHANGE()
  ON_WM_INITMENUPOPUP()
  ON_REGISTERED_MESSAGE(s_nBarContextMenuMessage, OnBarContextMenu)
  ON_COMMAND(ID_KW_CUSTOMIZE, OnCustomize)
  ON_COMMAND(ID_KW_MORE_WINDOWS, OnMoreWindows)
END_MESSAGE_MAP()

void CKWMDIFrameWnd::LoadBarState(LPCSTR lpszProfileName) {
  CKWFrameImpl::LoadBarState(lpszProfileName, this);
}
void CKWMDIFrameWnd::SaveBarState(LPCSTR lpszProfileName) {
  CKWFrameImpl::SaveBarState(lpszProfileName, this);
}
BOOL CKWMDIFrameWnd::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf) {
  return CKWFrameImpl::DockControlBarLeftOf(pBar, pLeftOf, this);
}
CMenu* CKWMDIFrameWnd::GetMenu() { return CKWFrameImpl::GetMenu(this); }
BOOL CKWMDIFrameWnd::RemoveMenuCommand(UINT nID) {
  return CKWFrameImpl::RemoveMenuCommand(nID, this);
}
BOOL CKWMDIFrameWnd::AddMenuCommand(UINT nID) { return CKWFrameImpl::AddMenuCommand(nID, this); }
BOOL CKWMDIFrameWnd::RemoveMenuCommands(const UINT* pIDs, int nCount) {
  return CKWFrameImpl::RemoveMenuCommands(pIDs, nCount, this);
}
BOOL CKWMDIFrameWnd::AddMenuCommands(const UINT* pIDs, int nCount) {
  return CKWFrameImpl::AddMenuCommands(pIDs, nCount, this);
}
void CKWMDIFrameWnd::SetDockState(const CDockState& state) {
  CKWFrameImpl::SetDockState(state, this);
}
void CKWMDIFrameWnd::GetDockState(CDockState& state) { CKWFrameImpl::GetDockState(state, this); }
BOOL CKWMDIFrameWnd::PreCreateWindowWithIcon(CREATESTRUCTA& cs, UINT nIDIcon) {
  return CMDIFrameWnd::PreCreateWindow(cs) &&
         CKWFrameImpl::PreCreateWindowWithIcon(cs, nIDIcon, this);
}
void CKWMDIFrameWnd::EnableDocking(DWORD dwDockStyle) {
  CKWFrameImpl::EnableDocking(dwDockStyle, this);
}
void CKWMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarFlags) {
  CKWFrameImpl::EnableDocking(dwDockStyle, dwDockBarFlags, this);
}
BOOL CKWMDIFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  return CKWFrameImpl::DockControlBar(pBar, pDockBar, lpRect, this);
}
BOOL CKWMDIFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
  return CKWFrameImpl::DockControlBar(pBar, nDockBarID, lpRect, this);
}
BOOL CKWMDIFrameWnd::InstallCoolMenus(const UINT* pIDs, int nCount) {
  return CKWFrameImpl::InstallCoolMenus(pIDs, nCount, this);
}
BOOL CKWMDIFrameWnd::InstallCoolMenu(UINT nID) { return CKWFrameImpl::InstallCoolMenu(nID, this); }
void CKWMDIFrameWnd::UpdateMenuBar() {
  DrawMenuBar();
  CKWFrameImpl::UpdateMenuBar(this);
}

BOOL CKWMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  return CKWFrameImpl::PreTranslateMessage(pMsg, this) || CMDIFrameWnd::PreTranslateMessage(pMsg);
}

void CKWMDIFrameWnd::OnSysColorChange() {
  CMDIFrameWnd::OnSysColorChange();
  CKWFrameImpl::OnSysColorChange(this);
}

void CKWMDIFrameWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
  CMDIFrameWnd::OnSettingChange(uFlags, lpszSection);
  CKWFrameImpl::OnSettingChange(this);
}

void CKWMDIFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  // The system's own shortcuts (Alt+F4) are in no accelerator table.
  if (!bSysMenu) {
    CFrameWnd* pActive = GetActiveFrame();
    if (pActive != nullptr && pActive->IsKindOf(RUNTIME_CLASS(CKWMDIChildWnd)))
      static_cast<CKWMDIChildWnd*>(pActive)->CKWFrameImpl::OnInitMenuPopup(pPopupMenu->m_hMenu,
                                                                           pActive);
    else
      CKWFrameImpl::OnInitMenuPopup(pPopupMenu->m_hMenu, this);
  }
  CMDIFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

LRESULT CKWMDIFrameWnd::OnBarContextMenu(WPARAM wParam, LPARAM) {
  return CKWFrameImpl::OnBarContextMenu(wParam, this);
}

void CKWMDIFrameWnd::OnCustomize() { CKWFrameImpl::OnCustomize(this); }

void CKWMDIFrameWnd::OnMoreWindows() {
  CKWWindowListDlg dlg(this);
  auto hIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL, 0));
  if (hIcon == nullptr) hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(m_hWnd, GCLP_HICONSM));
  dlg.SetDialogIcon(hIcon);
  dlg.DoModal();
}
