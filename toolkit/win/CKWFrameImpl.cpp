#include "toolkit/win/CKWFrameImpl.h"

#include "classlib/core/CResourceException.h"
#include "classlib/win/CDockState.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"
#include "toolkit/core/KWAccelText.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWDockState.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMiniDockFrameWnd.h"
#include "toolkit/win/CKWProfileStore.h"
#include "toolkit/win/CKWToolBar.h"

namespace {

// The frame's dock bars, in the order a bar without one looks for its side.
struct DockBarSide {
  UINT nID;
  DWORD dwStyle;  // alignment and the border towards the frame's middle
};
constexpr DockBarSide kDockBarSides[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};
constexpr DWORD kDockBarWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Bar ids in a saved layout; placeholders carry flags above them.
constexpr UINT kBarIdMask = 0xFFFF;
constexpr char kBarSection[] = "%s-Bar%d";
constexpr char kBarIdEntry[] = "BarID";
constexpr int kNoBarId = -1;
// A new floating frame's size before its bars lay it out.
constexpr int kFloatingFrameStart = 10;
constexpr int kMaxMenuText = 256;
constexpr UINT kNotPlainString = MFT_BITMAP | MFT_SEPARATOR | MFT_OWNERDRAW;

// The toolbar whose context menu was opened last; a window, so that one
// destroyed since is not reached.
HWND s_hWndCustomizeBar = nullptr;

CDockBar* DockBarOf(CFrameWnd* pFrame, UINT nID) {
  CControlBar* pBar = pFrame->GetControlBar(nID);
  return pBar != nullptr && pBar->IsDockBar() ? static_cast<CDockBar*>(pBar) : nullptr;
}

// Runs apply(docking window, its "<name>-Bar<n>" section) for each docking
// window of the frame whose section is found by its "BarID"; FALSE when a
// section without an id ends the walk first.
template <typename Apply>
BOOL ForEachDockWindowSection(LPCSTR lpszProfileName, CFrameWnd* pFrame, Apply apply) {
  CKWProfileStore store(HKEY_CURRENT_USER);
  for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    if (!CKWFrameImpl::IsDockWindow(pBar)) continue;
    const int nID = static_cast<int>(static_cast<UINT>(pBar->GetDlgCtrlID()) & kBarIdMask);
    for (int n = 0;; ++n) {
      CString strSection;
      strSection.Format(kBarSection, lpszProfileName, n);
      const int nSavedID = store.GetInt(strSection, kBarIdEntry, kNoBarId);
      if (nSavedID == kNoBarId) return FALSE;
      if (nSavedID == nID) {
        apply(static_cast<CKWDockWindow*>(pBar), strSection);
        break;
      }
    }
  }
  return TRUE;
}

}  // namespace

void CKWFrameImpl::EnableDocking(DWORD dwDockStyle, CFrameWnd* pFrame) {
  pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CKWMiniDockFrameWnd);
  for (const DockBarSide& side : kDockBarSides) {
    if ((side.dwStyle & dwDockStyle & CBRS_ALIGN_ANY) == 0 ||
        pFrame->GetControlBar(side.nID) != nullptr)
      continue;
    auto* pDockBar = new CKWDockBar;
    if (!pDockBar->Create(pFrame, kDockBarWindowStyle | side.dwStyle, side.nID)) {
      delete pDockBar;
      AfxThrowResourceException();
    }
    pDockBar->m_bAutoDelete = TRUE;
  }
}

void CKWFrameImpl::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarFlags, CFrameWnd* pFrame) {
  EnableDocking(dwDockStyle, pFrame);
  for (const DockBarSide& side : kDockBarSides) {
    CDockBar* pDockBar = DockBarOf(pFrame, side.nID);
    if (pDockBar != nullptr && pDockBar->IsKindOf(RUNTIME_CLASS(CKWDockBar)))
      static_cast<CKWDockBar*>(pDockBar)->m_dwExStyle = dwDockBarFlags;
  }
}

BOOL CKWFrameImpl::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect,
                                  CFrameWnd* pFrame) {
  if (pDockBar == nullptr) {
    const DWORD dwAlign = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    for (const DockBarSide& side : kDockBarSides) {
      if ((side.dwStyle & CBRS_ALIGN_ANY) != dwAlign) continue;
      pDockBar = DockBarOf(pFrame, side.nID);
      break;
    }
    // A bar aligned to no single side, or a side docking was not enabled on.
    if (pDockBar == nullptr) return FALSE;
  }
  // The toolkit's dock bar replaces the class library's step of the same name.
  if (pDockBar->IsKindOf(RUNTIME_CLASS(CKWDockBar)))
    static_cast<CKWDockBar*>(pDockBar)->DockControlBar(pBar, lpRect);
  else
    pDockBar->DockControlBar(pBar, lpRect);
  return TRUE;
}

BOOL CKWFrameImpl::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect,
                                  CFrameWnd* pFrame) {
  CDockBar* pDockBar = nullptr;
  if (nDockBarID != 0) {
    pDockBar = DockBarOf(pFrame, nDockBarID);
    if (pDockBar == nullptr) return FALSE;
  }
  return DockControlBar(pBar, pDockBar, lpRect, pFrame);
}

BOOL CKWFrameImpl::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf,
                                        CFrameWnd* pFrame) {
  pFrame->RecalcLayout(TRUE);
  CRect rect;
  pLeftOf->GetWindowRect(&rect);
  rect.OffsetRect(1, 0);
  const DWORD dwStyle = pLeftOf->GetBarStyle();
  UINT nDockBarID = 0;
  for (const DockBarSide& side : kDockBarSides) {
    if ((dwStyle & side.dwStyle & CBRS_ALIGN_ANY) == 0) continue;
    nDockBarID = side.nID;
    break;
  }
  return DockControlBar(pBar, nDockBarID, &rect, pFrame);
}

void CKWFrameImpl::LoadBarState(LPCSTR lpszProfileName, CFrameWnd* pFrame) {
  CKWDockState state;
  state.LoadState(lpszProfileName);
  // Saved by an older program or on another screen: the bars and sides the
  // frame still has are restored, the rest dropped, nothing off the screen.
  state.FitToFrame(pFrame);
  const BOOL bAllFound = ForEachDockWindowSection(
      lpszProfileName, pFrame, [](CKWDockWindow* pWindow, const CString& strSection) {
        pWindow->LoadBarPosition(strSection);
      });
  if (bAllFound) SetDockState(state, pFrame);
}

void CKWFrameImpl::SaveBarState(LPCSTR lpszProfileName, CFrameWnd* pFrame) {
  CKWDockState state;
  GetDockState(state, pFrame);
  state.SaveState(lpszProfileName);
  ForEachDockWindowSection(lpszProfileName, pFrame,
                           [](CKWDockWindow* pWindow, const CString& strSection) {
                             pWindow->SaveBarPosition(strSection);
                           });
}

void CKWFrameImpl::SetDockState(const CDockState& state, CFrameWnd* pFrame) {
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    if (pInfo->m_bFloating) {
      CMiniDockFrameWnd* pFloat =
          pFrame->CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
      CRect rect(pInfo->m_pointPos, CSize(kFloatingFrameStart, kFloatingFrameStart));
      pFloat->CalcWindowRect(&rect);
      pFloat->SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      pInfo->m_pBar = &pFloat->m_wndDockBar;
    } else {
      pInfo->m_pBar = pFrame->GetControlBar(pInfo->m_nBarID);
    }
    if (pInfo->m_pBar != nullptr) pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
  }
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    if (pInfo->m_pBar != nullptr) pInfo->m_pBar->SetBarInfo(pInfo, pFrame);
  }
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    if (!pInfo->m_bFloating || pInfo->m_pBar == nullptr) continue;
    auto* pDockBar = static_cast<CDockBar*>(pInfo->m_pBar);
    if (pDockBar->GetDockedVisibleCount() == 0) continue;
    auto* pFloat = static_cast<CMiniDockFrameWnd*>(pDockBar->GetParent());
    pFloat->RecalcLayout();
    pFloat->ShowWindow(SW_SHOWNA);
  }
  pFrame->DelayRecalcLayout(TRUE);
}

void CKWFrameImpl::GetDockState(CDockState& state, CFrameWnd* pFrame) const {
  pFrame->GetDockState(state);
}

BOOL CKWFrameImpl::PreCreateWindowWithIcon(CREATESTRUCTA& cs, UINT nIDIcon, CFrameWnd*) {
  LPCSTR lpszIcon = MAKEINTRESOURCEA(nIDIcon);
  HICON hIcon = ::LoadIconA(AfxFindResourceHandle(lpszIcon, RT_GROUP_ICON), lpszIcon);
  cs.lpszClass = AfxRegisterWndClass(0, nullptr, nullptr, hIcon);
  return TRUE;
}

void CKWFrameImpl::OnSysColorChange(CFrameWnd*) { KWGetGlobalData().UpdateSysColors(); }

void CKWFrameImpl::OnSettingChange(CFrameWnd*) { KWGetGlobalData().UpdateSysColors(); }

LRESULT CKWFrameImpl::OnBarContextMenu(WPARAM wParam, CFrameWnd*) {
  s_hWndCustomizeBar = nullptr;
  auto* pBar = reinterpret_cast<CControlBar*>(wParam);
  if (pBar == nullptr) return -1;
  if (pBar->IsKindOf(RUNTIME_CLASS(CKWToolBar))) s_hWndCustomizeBar = pBar->m_hWnd;
  return 0;
}

void CKWFrameImpl::OnCustomize(CFrameWnd*) {
  if (s_hWndCustomizeBar == nullptr) return;
  const HWND hWnd = s_hWndCustomizeBar;
  s_hWndCustomizeBar = nullptr;
  if (::IsWindow(hWnd)) ::SendMessageA(hWnd, TB_CUSTOMIZE, 0, 0);
}

void CKWFrameImpl::OnInitMenuPopup(HMENU hPopup, CFrameWnd*) {
  if (!m_accelManager.IsInitialized()) return;
  const int nCount = ::GetMenuItemCount(hPopup);
  for (int nPos = 0; nPos < nCount; ++nPos) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_TYPE | MIIM_SUBMENU;
    if (!::GetMenuItemInfoA(hPopup, static_cast<UINT>(nPos), TRUE, &info)) continue;
    // A popup item's text stays: rewriting it would cut its popup off.
    if ((info.fType & kNotPlainString) != 0 || info.hSubMenu != nullptr) continue;
    char szText[kMaxMenuText + 1] = "";
    if (::GetMenuStringA(hPopup, static_cast<UINT>(nPos), szText, sizeof szText, MF_BYPOSITION) <=
        0)
      continue;
    CString text(szText);
    CString shortcuts;
    m_accelManager.GetAccelText(info.wID, shortcuts);
    if (!KWMenuTextWithShortcut(text, shortcuts)) continue;
    // Only the text changes; the item's state and id stay.
    MENUITEMINFOA change = {};
    change.cbSize = sizeof change;
    change.fMask = MIIM_TYPE;
    change.fType = info.fType;
    change.dwTypeData = const_cast<LPSTR>(static_cast<LPCSTR>(text));
    ::SetMenuItemInfoA(hPopup, static_cast<UINT>(nPos), TRUE, &change);
  }
}

BOOL CKWFrameImpl::PreTranslateMessage(MSG* pMsg, CFrameWnd*) {
  return m_menuBar.m_hWnd != nullptr && m_menuBar.TranslateFrameMessage(pMsg);
}

BOOL CKWFrameImpl::InstallCoolMenus(const UINT* pIDs, int nCount, CFrameWnd* pFrame) {
  KWGetGlobalData().bCoolMenusInstalled = TRUE;
  m_coolMenu.Install(pFrame);
  return m_coolMenu.LoadToolbars(pIDs, nCount);
}

BOOL CKWFrameImpl::InstallCoolMenu(UINT nID, CFrameWnd* pFrame) {
  return InstallCoolMenus(&nID, 1, pFrame);
}

BOOL CKWFrameImpl::AddMenuCommands(const UINT* pIDs, int nCount, CFrameWnd*) {
  const BOOL bAdded = m_menuBar.AddHiddenCommands(pIDs, nCount);
  if (KWGetGlobalData().bCoolMenusInstalled) m_coolMenu.AddHiddenCommands(pIDs, nCount);
  return bAdded;
}

BOOL CKWFrameImpl::AddMenuCommand(UINT nID, CFrameWnd* pFrame) {
  return AddMenuCommands(&nID, 1, pFrame);
}

BOOL CKWFrameImpl::RemoveMenuCommands(const UINT* pIDs, int nCount, CFrameWnd*) {
  return m_coolMenu.RemoveHiddenCommands(pIDs, nCount);
}

BOOL CKWFrameImpl::RemoveMenuCommand(UINT nID, CFrameWnd*) {
  return m_coolMenu.RemoveHiddenCommand(nID);
}

void CKWFrameImpl::UpdateMenuBar(CFrameWnd* pFrame) {
  if (m_menuBar.m_hWnd == nullptr) return;
  // One menu, shown by the bar alone.
  HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
  ::SetMenu(pFrame->m_hWnd, nullptr);
  m_menuBar.SetBarMenu(hMenu, m_menuBar.GetWindowMenu());
}

CMenu* CKWFrameImpl::GetMenu(CFrameWnd* pFrame) {
  HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
  return CMenu::FromHandle(hMenu != nullptr ? hMenu : m_menuBar.GetBarMenu());
}

BOOL CKWFrameImpl::IsDockWindow(CControlBar* pBar) {
  return pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow));
}
