#include "classlib/win/CFrameWnd.h"

#include "classlib/win/CControlBar.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_NCDESTROY()
  ON_WM_CLOSE()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_ACTIVATE()
  ON_WM_DROPFILES()
  ON_WM_INITMENUPOPUP()
  ON_WM_MENUSELECT()
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
  ON_MESSAGE(WM_RECALCPARENT, OnRecalcParent)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
  ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
  ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
  ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
  ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace {
// Views get a border, which they turn into a sunken edge.
constexpr DWORD kDefaultViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
// Print preview can hide and restore this many control bars, one bit each.
constexpr UINT kPreviewBarCount = 32;

// The frames of this thread, newest first.
thread_local CFrameWnd* t_pFirstFrame = nullptr;
}  // namespace

CFrameWnd::~CFrameWnd() { RemoveFromFrameList(); }

CFrameWnd* CFrameWnd::GetFirstFrame() { return t_pFirstFrame; }

void CFrameWnd::AddToFrameList() {
  RemoveFromFrameList();
  m_pNextFrameWnd = t_pFirstFrame;
  t_pFirstFrame = this;
}

void CFrameWnd::RemoveFromFrameList() {
  for (CFrameWnd** ppFrame = &t_pFirstFrame; *ppFrame != nullptr;
       ppFrame = &(*ppFrame)->m_pNextFrameWnd) {
    if (*ppFrame == this) {
      *ppFrame = m_pNextFrameWnd;
      break;
    }
  }
  m_pNextFrameWnd = nullptr;
}

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

void CFrameWnd::LoadTitle(UINT nIDResource) {
  m_nIDHelp = nIDResource;
  // The resource's string: the title, then the document strings.
  CString strFullString;
  if (strFullString.LoadString(nIDResource)) {
    int nNewline = strFullString.Find('\n');
    m_strTitle = nNewline < 0 ? strFullString : strFullString.Left(nNewline);
  }
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
  LoadTitle(nIDResource);
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
  AddToFrameList();
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // An MDI child's context comes inside the MDI creation record.
  void* pParams = lpCreateStruct->lpCreateParams;
  if ((lpCreateStruct->dwExStyle & WS_EX_MDICHILD) && pParams != nullptr)
    pParams = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTA*>(pParams)->lParam);
  if (!OnCreateClient(lpCreateStruct, static_cast<CCreateContext*>(pParams))) return -1;
  // The status line starts with the idle prompt.
  PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  RecalcLayout();
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
    return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
  return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
  CObject* pObject = pContext->m_pNewViewClass->CreateObject();
  if (pObject == nullptr) return nullptr;
  if (!pObject->IsKindOf(RUNTIME_CLASS(CWnd))) {
    delete pObject;
    return nullptr;
  }
  auto* pView = static_cast<CWnd*>(pObject);
  // A view that fails to be created deletes itself with its window.
  if (!pView->Create(nullptr, nullptr, kDefaultViewStyle, CRect(0, 0, 0, 0), this, nID, pContext))
    return nullptr;
  // The view's sunken edge replaces the frame's.
  if (pView->GetExStyle() & WS_EX_CLIENTEDGE) ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
  return pView;
}

void CFrameWnd::OnDestroy() {
  // The menu on the bar may be a document template's, which outlives the frame.
  HMENU hMenuCurrent = ::GetMenu(m_hWnd);
  if (m_hMenuDefault != nullptr && hMenuCurrent != nullptr && hMenuCurrent != m_hMenuDefault &&
      (GetStyle() & WS_CHILD) == 0)
    ::SetMenu(m_hWnd, m_hMenuDefault);
  CWnd::OnDestroy();
}

void CFrameWnd::OnNcDestroy() {
  RemoveFromFrameList();
  CWnd::OnNcDestroy();
}

void CFrameWnd::OnClose() {
  if (m_lpfnCloseProc != nullptr) {
    m_lpfnCloseProc(this);
    return;
  }
  // The active document may refuse to lose its last frame (Cancel).
  CDocument* pDocument = GetActiveDocument();
  if (pDocument != nullptr && !pDocument->CanCloseFrame(this)) return;
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr && pApp->m_pMainWnd == this) {
    // The main frame ends the program: every document may refuse first.
    if (pDocument == nullptr && !pApp->SaveAllModified()) return;
    pApp->CloseAllDocuments(FALSE);
    // A document's frame may have been the main window, now gone with it.
    if (pApp->m_pMainWnd != this) return;
  }
  if (pDocument != nullptr && pDocument->m_bAutoDelete) {
    // The document's last frame takes the document with it.
    BOOL bOtherFrame = FALSE;
    POSITION pos = pDocument->GetFirstViewPosition();
    while (pos != nullptr && !bOtherFrame) {
      CView* pView = pDocument->GetNextView(pos);
      bOtherFrame = pView->GetParentFrame() != this;
    }
    if (!bOtherFrame) {
      pDocument->OnCloseDocument();
      return;
    }
    pDocument->PreCloseFrame(this);
  }
  DestroyWindow();
}

// Frames are made with new and go with their window.
void CFrameWnd::PostNcDestroy() { delete this; }

// ---- Layout and title.

void CFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout) return;
  m_bInRecalcLayout = TRUE;
  // A layout now makes a delayed one unnecessary.
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  m_bInRecalcLayout = FALSE;
}

LRESULT CFrameWnd::OnRecalcParent(WPARAM, LPARAM lParam) {
  auto* lpRectClient = reinterpret_cast<LPCRECT>(lParam);
  if (lpRectClient == nullptr) {
    RecalcLayout();
    return 0;
  }
  // A bar asks for this client size: the frame grows or shrinks around it.
  CRect rect(*lpRectClient);
  ::AdjustWindowRectEx(&rect, GetStyle(), ::GetMenu(m_hWnd) != nullptr && !(GetStyle() & WS_CHILD),
                       GetExStyle());
  SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) {
  m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  CDocument* pDocument = GetActiveDocument();
  UpdateFrameTitleForDocument(bAddToTitle && pDocument != nullptr ? LPCSTR(pDocument->GetTitle())
                                                                  : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  CString strTitle = m_strTitle;
  if (lpszDocName != nullptr && *lpszDocName != '\0') {
    CString strDocName = lpszDocName;
    // One of several windows on the document.
    if (m_nWindow > 0) {
      CString strNumber;
      strNumber.Format(":%d", m_nWindow);
      strDocName += strNumber;
    }
    if (GetStyle() & FWS_PREFIXTITLE)
      strTitle = strDocName + " - " + m_strTitle;
    else
      strTitle = m_strTitle + " - " + strDocName;
  }
  // Setting the same text again would make the caption flicker.
  CString strOld;
  GetWindowText(strOld);
  if (strOld != strTitle) SetWindowText(strTitle);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt) {
  m_hMenuAlt = hMenuAlt;
  m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  // Child frames have no menu bar of their own.
  if (GetStyle() & WS_CHILD) return;
  HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
  if (hMenu != nullptr && ::GetMenu(m_hWnd) != hMenu) ::SetMenu(m_hWnd, hMenu);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  UINT nFlags = m_nIdleFlags;
  m_nIdleFlags = 0;
  if (nFlags & idleMenu) OnUpdateFrameMenu(m_hMenuAlt);
  if (nFlags & idleTitle) OnUpdateFrameTitle(TRUE);
  if (nFlags & idleLayout) {
    RecalcLayout((nFlags & idleNotify) != 0);
    UpdateWindow();
  }
  // A prompt asked for while the status line could not show it.
  if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
  return 0;
}

// ---- Views and activation.

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
  CView* pViewOld = m_pViewActive;
  if (pViewNew == pViewOld) return;
  // No view is active while the two are told, so neither sees itself as active twice.
  m_pViewActive = nullptr;
  if (bNotify && pViewOld != nullptr) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
  m_pViewActive = pViewNew;
  if (bNotify && pViewNew != nullptr) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
  CView* pView = GetActiveView();
  return pView != nullptr ? pView->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) {
    if (!IsWindowVisible())
      nCmdShow = SW_SHOWNORMAL;
    else if (IsIconic())
      nCmdShow = SW_RESTORE;
  }
  if (nCmdShow != -1) ShowWindow(nCmdShow);
  if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
      nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
    BringWindowToTop();
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
  // A frame without an active view makes its first pane the active one.
  CView* pView = GetActiveView();
  if (pView == nullptr) {
    CWnd* pPane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    if (pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView))) {
      pView = static_cast<CView*>(pPane);
      SetActiveView(pView, FALSE);
    }
  }
  if (bMakeVisible) {
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    // A view that keeps a focus control (a form) remembers it before the frame shows.
    if (pView != nullptr) pView->OnActivateFrame(WA_INACTIVE, nullptr);
    // The main window opens as the program was started (maximised, minimised).
    int nCmdShow = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
      nCmdShow = pApp->m_nCmdShow;
      pApp->m_nCmdShow = -1;
    }
    ActivateFrame(nCmdShow);
    if (pView != nullptr) pView->OnActivateView(TRUE, pView, pView);
  }
  if (pDoc != nullptr) pDoc->UpdateFrameCounts();
  OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
  if (m_pViewActive != nullptr)
    m_pViewActive->SetFocus();
  else
    CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CWnd::OnActivate(nState, pWndOther, bMinimized);
  // The view in front (this frame's or its active child's) follows the frame.
  CView* pActiveView = GetActiveView();
  if (pActiveView == nullptr) pActiveView = GetActiveFrame()->GetActiveView();
  if (pActiveView == nullptr) return;
  if (nState != WA_INACTIVE && !bMinimized)
    pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
  pActiveView->OnActivateFrame(nState, this);
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo) {
  SetActiveWindow();
  CWinApp* pApp = AfxGetApp();
  UINT nFiles = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
  for (UINT iFile = 0; iFile < nFiles && pApp != nullptr; ++iFile) {
    char szFileName[MAX_PATH];
    if (::DragQueryFileA(hDropInfo, iFile, szFileName, MAX_PATH) != 0)
      pApp->OpenDocumentFile(szFileName);
  }
  ::DragFinish(hDropInfo);
}

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) {
  // The bars swap visibility with the saved states: preview hides them all
  // but the status bar, which shows the preview's page description; leaving
  // it shows again those that were visible.
  DWORD dwWasVisible = 0;
  UINT nBar = 0;
  for (POSITION pos = m_listControlBars.GetHeadPosition();
       pos != nullptr && nBar < kPreviewBarCount; ++nBar) {
    auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (pBar->GetDlgCtrlID() == AFX_IDW_STATUS_BAR) continue;
    DWORD dwMask = 1UL << nBar;
    if (pBar->IsVisible()) dwWasVisible |= dwMask;
    if ((pBar->m_dwStyle & CBRS_HIDE_INPLACE) == 0)
      ShowControlBar(pBar, !bPreview && (pState->dwStates & dwMask) != 0, TRUE);
  }
  pState->dwStates = dwWasVisible;
  if (bPreview) {
    pState->hWndFocus = ::GetFocus();
    // The preview takes the main pane's place: the pane is hidden under another id.
    HWND hWndPane = ::GetDlgItem(m_hWnd, static_cast<int>(pState->nIDMainPane));
    if (hWndPane != nullptr) {
      ::ShowWindow(hWndPane, SW_HIDE);
      ::SetWindowLongPtrA(hWndPane, GWLP_ID, AFX_IDW_PANE_SAVE);
    }
    pState->hMenu = ::GetMenu(m_hWnd);
    if (pState->hMenu != nullptr) ::SetMenu(m_hWnd, nullptr);
    m_nIdleFlags &= ~idleMenu;
    pState->hAccelTable = m_hAccelTable;
    m_hAccelTable = nullptr;
    m_lpfnCloseProc = pState->lpfnCloseProc;
  } else {
    HWND hWndPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_SAVE);
    if (hWndPane != nullptr) {
      ::SetWindowLongPtrA(hWndPane, GWLP_ID, static_cast<LONG_PTR>(pState->nIDMainPane));
      ::ShowWindow(hWndPane, SW_SHOW);
    }
    if (pState->hMenu != nullptr) ::SetMenu(m_hWnd, pState->hMenu);
    m_hAccelTable = pState->hAccelTable;
    m_lpfnCloseProc = nullptr;
    if (pState->hWndFocus != nullptr && ::IsWindow(pState->hWndFocus))
      ::SetFocus(pState->hWndFocus);
  }
  RecalcLayout();
}

// ---- Control bars.

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (static_cast<UINT>(pBar->GetDlgCtrlID()) == nID) return pBar;
  }
  return nullptr;
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
  CControlBar* pBar = GetControlBar(nID);
  if (pBar == nullptr) return FALSE;
  ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
  return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
  CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
  if (pBar == nullptr) {
    pCmdUI->ContinueRouting();
    return;
  }
  pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
  int nVirtKey = pCmdUI->m_nID == ID_INDICATOR_CAPS  ? VK_CAPITAL
                 : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                     : VK_SCROLL;
  // The low bit is the key's toggle state.
  pCmdUI->Enable(::GetKeyState(nVirtKey) & 1);
}

// ---- Help.

LRESULT CFrameWnd::OnCommandHelp(WPARAM, LPARAM lParam) {
  // Without a context: the command tracked in a menu, else the frame in front.
  if (lParam == 0) {
    if (m_nIDTracking != 0 && m_nIDTracking != AFX_IDS_IDLEMESSAGE)
      lParam = HID_BASE_COMMAND + m_nIDTracking;
    else if (GetActiveFrame()->m_nIDHelp != 0)
      lParam = HID_BASE_RESOURCE + GetActiveFrame()->m_nIDHelp;
  }
  if (lParam == 0) return FALSE;
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) pApp->WinHelp(static_cast<DWORD_PTR>(lParam));
  return TRUE;
}

LRESULT CFrameWnd::OnHelpHitTest(WPARAM, LPARAM) {
  return m_nIDHelp != 0 ? HID_BASE_RESOURCE + m_nIDHelp : 0;
}

// ---- Commands and menus.

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The active view (and through it its document), the frame, then the application.
  CView* pView = GetActiveView();
  if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  // A frame inside another (an MDI child) hands on to that frame's own route,
  // which ends with the application.
  if (GetStyle() & WS_CHILD) {
    if (CFrameWnd* pParentFrame = GetParentFrame())
      return pParentFrame->CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
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
  } else if (nItemID >= AFX_IDM_FIRST_MDICHILD) {
    m_nIDTracking = AFX_IDS_MDICHILD;  // one prompt for every entry of the child list
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
