#include "classlib/win/CMDIChildWnd.h"

#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CMDIFrameWnd.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CMultiDocTemplate.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
  ON_WM_SIZE()
  ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
  ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::~CMDIChildWnd() {
  if (m_hMenuOwned != nullptr) ::DestroyMenu(m_hMenuOwned);
}

// ---- Creation.

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style |= WS_CHILD;
  return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
  if (pParentWnd == nullptr) {
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
      pParentWnd = static_cast<CMDIFrameWnd*>(pMainWnd);
  }
  if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr) {
    PostNcDestroy();
    return FALSE;
  }
  CREATESTRUCTA cs = {};
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
  cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
  cs.hwndParent = pParentWnd->m_hWndMDIClient;
  cs.hInstance = AfxGetInstanceHandle();
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  // Made hidden: the frame shows once its views are ready (ActivateFrame).
  MDICREATESTRUCTA mcs = {};
  mcs.szClass = cs.lpszClass;
  mcs.szTitle = cs.lpszName;
  mcs.hOwner = cs.hInstance;
  mcs.x = cs.x;
  mcs.y = cs.y;
  mcs.cx = cs.cx;
  mcs.cy = cs.cy;
  mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
  mcs.lParam = reinterpret_cast<LPARAM>(pContext);
  AfxHookWindowCreate(this);
  auto hWnd = reinterpret_cast<HWND>(::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0,
                                                    reinterpret_cast<LPARAM>(&mcs)));
  if (!AfxUnhookWindowCreate()) PostNcDestroy();
  if (hWnd == nullptr) return FALSE;
  if (cs.style & WS_VISIBLE)
    ShowWindow((cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
  LoadTitle(nIDResource);
  // The frames of one template share its menu and accelerators.
  CDocTemplate* pTemplate = pContext != nullptr ? pContext->m_pNewDocTemplate : nullptr;
  if (pTemplate != nullptr && pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
    auto* pMultiTemplate = static_cast<CMultiDocTemplate*>(pTemplate);
    SetHandles(pMultiTemplate->m_hMenuShared, pMultiTemplate->m_hAccelTable);
  } else {
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    m_hMenuOwned = ::LoadMenuA(AfxFindResourceHandle(lpszResource, RT_MENU), lpszResource);
    m_hMenuShared = m_hMenuOwned;
    LoadAccelTable(lpszResource);
  }
  CMDIFrameWnd* pMDIFrame = nullptr;
  if (pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
    pMDIFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
  LPCSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
  if (!Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pMDIFrame, pContext))
    return FALSE;  // the frame has deleted itself
  if (pContext == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

BOOL CMDIChildWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  // The MDI client takes the child off its list and activates the next one;
  // the object is gone afterwards.
  MDIDestroy();
  return TRUE;
}

// ---- The MDI client's operations on this child.

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  HWND hWndClient = ::GetParent(m_hWnd);
  CWnd* pFrame =
      CWnd::FromHandlePermanent(hWndClient != nullptr ? ::GetParent(hWndClient) : nullptr);
  return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
             ? static_cast<CMDIFrameWnd*>(pFrame)
             : nullptr;
}

void CMDIChildWnd::MDIDestroy() {
  ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate() {
  ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
  ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
  ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::SetHandles(HMENU hMenu, HACCEL hAccel) {
  m_hMenuShared = hMenu;
  m_hAccelTable = hAccel;
}

// ---- Activation, title and menu.

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
  CMDIFrameWnd* pMDIFrame = GetMDIFrame();
  BOOL bMaximized = FALSE;
  CMDIChildWnd* pActiveChild =
      pMDIFrame != nullptr ? pMDIFrame->MDIGetActive(&bMaximized) : nullptr;
  if (nCmdShow == -1) {
    // A new child opens maximised when the one before it was.
    if (!IsWindowVisible())
      nCmdShow = pActiveChild != nullptr && pActiveChild != this && bMaximized ? SW_SHOWMAXIMIZED
                                                                                : SW_SHOWNORMAL;
    else if (IsIconic())
      nCmdShow = SW_RESTORE;
  }
  if (nCmdShow != -1) ShowWindow(nCmdShow);
  if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && pMDIFrame != nullptr &&
      pMDIFrame->MDIGetActive() != this)
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (GetStyle() & FWS_ADDTOTITLE) {
    // The document's name, numbered when the document has several windows.
    CDocument* pDocument = GetActiveDocument();
    CString strTitle = pDocument != nullptr ? pDocument->GetTitle() : m_strTitle;
    if (m_nWindow > 0) {
      CString strNumber;
      strNumber.Format(":%d", m_nWindow);
      strTitle += strNumber;
    }
    CString strOld;
    GetWindowText(strOld);
    if (bAddToTitle && strOld != strTitle) {
      SetWindowText(strTitle);
      // The Window menu's entry keeps the old name until the list is rebuilt.
      ::SendMessageA(::GetParent(m_hWnd), WM_MDIREFRESHMENU, 0, 0);
    }
  }
  if (CMDIFrameWnd* pMDIFrame = GetMDIFrame()) pMDIFrame->OnUpdateFrameTitle(bAddToTitle);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt) {
  CMDIFrameWnd* pMDIFrame = GetMDIFrame();
  if (pMDIFrame == nullptr) return;
  HMENU hMenu = nullptr;
  if (bActive)
    hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuShared;
  else if (pActivateWnd == nullptr)
    hMenu = pMDIFrame->m_hMenuDefault;  // the last child went: the frame's own menu
  // Another child being activated puts up its own menu.
  if (hMenu == nullptr) return;
  HMENU hWindowMenu = pMDIFrame->GetWindowMenuPopup(hMenu);
  pMDIFrame->MDISetMenu(CMenu::FromHandle(hMenu),
                        hWindowMenu != nullptr ? CMenu::FromHandle(hWindowMenu) : nullptr);
  pMDIFrame->DrawMenuBar();
}

LRESULT CMDIChildWnd::OnMDIActivate(WPARAM, LPARAM lParam) {
  Default();
  auto hWndActivate = reinterpret_cast<HWND>(lParam);
  BOOL bActivate = hWndActivate == m_hWnd;
  CView* pActiveView = GetActiveView();
  if (!bActivate && pActiveView != nullptr)
    pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
  // The last child going leaves the main frame's title without a document.
  OnUpdateFrameTitle(bActivate || hWndActivate != nullptr);
  // The view takes the focus only while the program is the one in front.
  CMDIFrameWnd* pMDIFrame = GetMDIFrame();
  if (bActivate && pActiveView != nullptr && pMDIFrame != nullptr &&
      ::GetActiveWindow() == pMDIFrame->m_hWnd)
    pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
  OnUpdateFrameMenu(bActivate, CWnd::FromHandle(hWndActivate), nullptr);
  return 0;
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  int nResult = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
  CMDIFrameWnd* pMDIFrame = GetMDIFrame();
  if (pMDIFrame != nullptr && pMDIFrame->MDIGetActive() != this) MDIActivate();
  return nResult;
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy) {
  CFrameWnd::OnSize(nType, cx, cy);
  if (CMDIFrameWnd* pMDIFrame = GetMDIFrame()) pMDIFrame->DelayUpdateFrameTitle();
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  CMDIFrameWnd* pMDIFrame = GetMDIFrame();
  return m_hAccelTable != nullptr && pMDIFrame != nullptr && pMsg->message >= WM_KEYFIRST &&
         pMsg->message <= WM_KEYLAST &&
         ::TranslateAcceleratorA(pMDIFrame->m_hWnd, m_hAccelTable, pMsg);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return CFrameWnd::DefWindowProc(message, wParam, lParam);
  return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}
