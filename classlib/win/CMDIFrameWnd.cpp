#include "classlib/win/CMDIFrameWnd.h"

#include "classlib/win/CDocTemplate.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CMDIChildWnd.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
  ON_WM_SIZE()
  ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
  ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
  ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
  ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
  ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

namespace {
// The MDI client and its scroll bars for children moved out of sight.
constexpr DWORD kClientStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES;
}  // namespace

// ---- Creation.

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  HMENU hWindowMenu = GetWindowMenuPopup(lpcs->hMenu);
  return CreateClient(lpcs, hWindowMenu != nullptr ? CMenu::FromHandle(hWindowMenu) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu) {
  CLIENTCREATESTRUCT ccs = {};
  ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr;
  ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
  // The sunken edge goes round the children, not round the bars.
  DWORD dwExStyle = 0;
  if (GetExStyle() & WS_EX_CLIENTEDGE) {
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    dwExStyle = WS_EX_CLIENTEDGE;
  }
  m_hWndMDIClient = ::CreateWindowExA(dwExStyle, "MDICLIENT", nullptr, kClientStyle, 0, 0, 0, 0,
                                      m_hWnd, reinterpret_cast<HMENU>(AFX_IDW_PANE_FIRST),
                                      AfxGetInstanceHandle(), &ccs);
  return m_hWndMDIClient != nullptr;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
  if (hMenuBar == nullptr) return nullptr;
  // From the right, where the Window menu usually is.
  for (int iPopup = ::GetMenuItemCount(hMenuBar) - 1; iPopup >= 0; --iPopup) {
    HMENU hPopup = ::GetSubMenu(hMenuBar, iPopup);
    if (hPopup == nullptr) continue;
    int nItems = ::GetMenuItemCount(hPopup);
    for (int iItem = 0; iItem < nItems; ++iItem) {
      UINT nID = ::GetMenuItemID(hPopup, iItem);
      if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST) return hPopup;
    }
  }
  return nullptr;
}

// ---- The MDI client's operations.

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
  BOOL bMaximized = FALSE;
  HWND hWndActive = m_hWndMDIClient == nullptr
                        ? nullptr
                        : reinterpret_cast<HWND>(::SendMessageA(
                              m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                              reinterpret_cast<LPARAM>(&bMaximized)));
  CWnd* pWnd = CWnd::FromHandlePermanent(hWndActive);
  if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) {
    pWnd = nullptr;
    bMaximized = FALSE;
  }
  if (pbMaximized != nullptr) *pbMaximized = bMaximized;
  return static_cast<CMDIChildWnd*>(pWnd);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
  ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd),
                 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) {
  ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd) {
  ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, FALSE); }
void CMDIFrameWnd::MDIPrev() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, TRUE); }
void CMDIFrameWnd::MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
void CMDIFrameWnd::MDITile() { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) {
  ::SendMessageA(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}
void CMDIFrameWnd::MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDICascade(int nType) {
  ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, static_cast<WPARAM>(nType), 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu) {
  auto hMenuOld = reinterpret_cast<HMENU>(::SendMessageA(
      m_hWndMDIClient, WM_MDISETMENU,
      reinterpret_cast<WPARAM>(pFrameMenu != nullptr ? pFrameMenu->m_hMenu : nullptr),
      reinterpret_cast<LPARAM>(pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr)));
  return hMenuOld != nullptr ? CMenu::FromHandle(hMenuOld) : nullptr;
}

// ---- Frame behaviour.

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* pActiveChild = MDIGetActive();
  return pActiveChild != nullptr ? static_cast<CFrameWnd*>(pActiveChild) : this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  // A maximised child's name is already in the caption, where the system puts it.
  BOOL bMaximized = FALSE;
  CMDIChildWnd* pActiveChild = MDIGetActive(&bMaximized);
  if (!bAddToTitle || pActiveChild == nullptr || bMaximized) {
    UpdateFrameTitleForDocument(nullptr);
    return;
  }
  CDocument* pDocument = pActiveChild->GetActiveDocument();
  UpdateFrameTitleForDocument(pDocument != nullptr ? LPCSTR(pDocument->GetTitle())
                                                   : LPCSTR(pActiveChild->GetTitle()));
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (CMDIChildWnd* pActiveChild = MDIGetActive()) {
    pActiveChild->OnUpdateFrameMenu(TRUE, pActiveChild, hMenuAlt);
    return;
  }
  HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
  if (hMenu == nullptr) return;
  HMENU hWindowMenu = GetWindowMenuPopup(hMenu);
  MDISetMenu(CMenu::FromHandle(hMenu),
             hWindowMenu != nullptr ? CMenu::FromHandle(hWindowMenu) : nullptr);
  DrawMenuBar();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The active child routes through its view and itself back to this frame.
  if (CMDIChildWnd* pActiveChild = MDIGetActive())
    return pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  CMDIChildWnd* pActiveChild = MDIGetActive();
  // Ctrl+F4, Ctrl+F6 and the child's system menu keys, in a child.
  if (pActiveChild != nullptr && ::IsChild(m_hWndMDIClient, pMsg->hwnd) &&
      ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
    return TRUE;
  // The active child's accelerators come before the frame's own.
  if (pActiveChild != nullptr && pActiveChild->m_hAccelTable != nullptr &&
      ::TranslateAcceleratorA(m_hWnd, pActiveChild->m_hAccelTable, pMsg))
    return TRUE;
  return m_hAccelTable != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int) {
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

// ---- The Window menu's commands.

void CMDIFrameWnd::OnWindowNew() {
  CMDIChildWnd* pActiveChild = MDIGetActive();
  CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
  CDocTemplate* pTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
  if (pTemplate == nullptr) return;
  // Another frame on the same document, like the active one.
  CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild);
  if (pFrame == nullptr) return;
  pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
  switch (nID) {
    case ID_WINDOW_ARRANGE:
      MDIIconArrange();
      return TRUE;
    case ID_WINDOW_CASCADE:
      MDICascade();
      return TRUE;
    case ID_WINDOW_TILE_HORZ:
      MDITile(MDITILE_HORIZONTAL);
      return TRUE;
    case ID_WINDOW_TILE_VERT:
      MDITile(MDITILE_VERTICAL);
      return TRUE;
    default:
      return FALSE;
  }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) {
  pCmdUI->Enable(MDIGetActive() != nullptr);
}
