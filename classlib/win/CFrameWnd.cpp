#include "classlib/win/CFrameWnd.h"

#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_SIZE()
  ON_WM_INITMENUPOPUP()
  ON_WM_MENUSELECT()
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace {
// The prompts of system-menu commands are strings from this id on, one per command.
constexpr UINT AFX_IDS_SCFIRST = 0xEF00;
}  // namespace

// ---- Creation.

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.lpszClass == nullptr) return FALSE;
  }
  // The document's name goes before the application's.
  if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
  return TRUE;
}

LPCSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource) {
  LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
  HICON hIcon = ::LoadIconA(AfxFindResourceHandle(lpszName, RT_GROUP_ICON), lpszName);
  if (hIcon == nullptr) return nullptr;
  // The class this frame would use, with the icon added.
  CREATESTRUCTA cs = {};
  cs.style = static_cast<LONG>(dwDefaultStyle);
  if (!PreCreateWindow(cs) || cs.lpszClass == nullptr) return nullptr;
  WNDCLASSA wc;
  if (!::GetClassInfoA(AfxGetInstanceHandle(), cs.lpszClass, &wc)) return nullptr;
  return AfxRegisterWndClass(wc.style, wc.hCursor, wc.hbrBackground, hIcon);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
  HMENU hMenu = nullptr;
  if (lpszMenuName != nullptr) {
    hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
    if (hMenu == nullptr) {
      PostNcDestroy();
      return FALSE;
    }
  }
  // rectDefault leaves position and size to the system.
  bool bDefault = rect.left == CW_USEDEFAULT;
  int nWidth = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
  int nHeight = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, nWidth,
                nHeight, SafeHwnd(pParentWnd), hMenu, pContext)) {
    if (hMenu != nullptr) ::DestroyMenu(hMenu);
    return FALSE;
  }
  return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  // The resource's string: the title, then the document strings.
  CString strFullString;
  if (strFullString.LoadString(nIDResource)) {
    int nNewline = strFullString.Find('\n');
    m_strTitle = nNewline < 0 ? strFullString : strFullString.Left(nNewline);
  }
  LPCSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
  if (!Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd,
              MAKEINTRESOURCEA(nIDResource), 0, pContext))
    return FALSE;  // the frame has deleted itself
  m_hMenuDefault = ::GetMenu(m_hWnd);
  LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
  if (pContext == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName) {
  if (m_hAccelTable != nullptr) return FALSE;  // loaded once
  m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR),
                                      lpszResourceName);
  return m_hAccelTable != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (!OnCreateClient(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams)))
    return -1;
  // The status line starts with the idle prompt.
  PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  RecalcLayout();
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) { return TRUE; }

void CFrameWnd::OnClose() { DestroyWindow(); }

// Frames are made with new and go with their window.
void CFrameWnd::PostNcDestroy() { delete this; }

// ---- Layout and title.

void CFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout) return;
  m_bInRecalcLayout = TRUE;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) {
  m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }

void CFrameWnd::OnUpdateFrameTitle(BOOL) { UpdateFrameTitleForDocument(nullptr); }

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  CString strTitle = m_strTitle;
  if (lpszDocName != nullptr && *lpszDocName != '\0') {
    if (GetStyle() & FWS_PREFIXTITLE)
      strTitle = CString(lpszDocName) + " - " + m_strTitle;
    else
      strTitle = m_strTitle + " - " + lpszDocName;
  }
  // Setting the same text again would make the caption flicker.
  CString strOld;
  GetWindowText(strOld);
  if (strOld != strTitle) SetWindowText(strTitle);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  UINT nFlags = m_nIdleFlags;
  m_nIdleFlags = 0;
  if (nFlags & idleLayout) RecalcLayout((nFlags & idleNotify) != 0);
  if (nFlags & idleTitle) OnUpdateFrameTitle(TRUE);
  return 0;
}

// ---- Commands and menus.

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The frame itself, then the application.
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
  return FALSE;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu) {
  if (bSysMenu) return;
  CCmdUI state;
  state.m_pMenu = pMenu;
  state.m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(pMenu->m_hMenu));
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = ::GetMenuItemID(pMenu->m_hMenu, static_cast<int>(state.m_nIndex));
    if (state.m_nID == 0) continue;  // a separator
    if (state.m_nID == static_cast<UINT>(-1)) {
      // A popup follows the command of its first item but is never greyed.
      HMENU hSubMenu = ::GetSubMenu(pMenu->m_hMenu, static_cast<int>(state.m_nIndex));
      if (hSubMenu == nullptr) continue;
      state.m_pSubMenu = CMenu::FromHandle(hSubMenu);
      state.m_nID = ::GetMenuItemID(hSubMenu, 0);
      if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
      state.DoUpdate(this, FALSE);
    } else {
      state.m_pSubMenu = nullptr;
      // System commands are left to the system.
      state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
    }
    // An update handler may have added or removed items.
    UINT nCount = static_cast<UINT>(::GetMenuItemCount(pMenu->m_hMenu));
    if (nCount < state.m_nIndexMax) {
      state.m_nIndex -= state.m_nIndexMax - nCount;
      while (state.m_nIndex < nCount &&
             ::GetMenuItemID(pMenu->m_hMenu, static_cast<int>(state.m_nIndex)) == state.m_nID)
        ++state.m_nIndex;
    }
    state.m_nIndexMax = nCount;
  }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
  if (nFlags == 0xFFFF && hSysMenu == nullptr) {
    m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
  } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP))) {
    m_nIDTracking = 0;
  } else if (nItemID >= 0xF000 && nItemID < 0xF1F0) {
    m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);
  } else {
    m_nIDTracking = nItemID;
  }
  if (m_nIDTracking != m_nIDLastMessage) SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

// ---- The status line.

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
  SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
  rMessage.Empty();
  CString strFull;
  if (!strFull.LoadString(nID)) return;
  int nNewline = strFull.Find('\n');
  rMessage = nNewline < 0 ? strFull : strFull.Left(nNewline);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  UINT nIDLast = m_nIDLastMessage;
  m_nFlags &= ~WF_NOPOPMSG;
  if (CWnd* pMessageBar = GetMessageBar()) {
    CString strMessage;
    if (lParam != 0)
      strMessage = reinterpret_cast<LPCSTR>(lParam);
    else if (wParam != 0)
      GetMessageString(static_cast<UINT>(wParam), strMessage);
    pMessageBar->SetWindowText(strMessage);
    pMessageBar->UpdateWindow();
  }
  m_nIDLastMessage = static_cast<UINT>(wParam);
  m_nIDTracking = static_cast<UINT>(wParam);
  return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam) {
  if (m_nFlags & WF_NOPOPMSG) return 0;
  return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}
