#include "shell/ZultaEditApp.h"

#include "classlib/win/CWnd.h"
#include "resources/ShellIds.h"
#include "shell/MainFrame.h"

CZultaEditApp theApp;

BEGIN_MESSAGE_MAP(CZultaEditApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_COMMAND_RANGE(ID_EDIT_CLEAR, ID_EDIT_UNDO, OnEditCommand)
  ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_CLEAR, ID_EDIT_UNDO, OnUpdateEditCommand)
END_MESSAGE_MAP()

namespace {
// The message each Edit command sends to the focused window; 0 for the
// commands of the range that the shell does not offer.
UINT EditMessageOf(UINT nID) {
  switch (nID) {
    case ID_EDIT_PASTE: return WM_PASTE;
    case ID_EDIT_COPY: return WM_COPY;
    case ID_EDIT_CUT: return WM_CUT;
    case ID_EDIT_CLEAR: return WM_CLEAR;
    case ID_EDIT_UNDO: return WM_UNDO;
    default: return 0;
  }
}
}  // namespace

BOOL CZultaEditApp::InitInstance() {
  SetRegistryKey("Pomlar Software");
  auto* pFrame = new CMainFrame;
  if (!pFrame->LoadFrame(IDR_MAINFRAME)) return FALSE;  // the frame has deleted itself
  m_pMainWnd = pFrame;
  pFrame->ShowWindow(SW_SHOWMAXIMIZED);
  pFrame->UpdateWindow();
  return TRUE;
}

void CZultaEditApp::OnAppAbout() { AfxMessageBox(IDR_MAINFRAME, MB_OK | MB_ICONINFORMATION); }

void CZultaEditApp::OnEditCommand(UINT nID) {
  HWND hWndFocus = ::GetFocus();
  UINT message = EditMessageOf(nID);
  if (hWndFocus != nullptr && message != 0) ::SendMessageA(hWndFocus, message, 0, 0);
}

void CZultaEditApp::OnUpdateEditCommand(CCmdUI* pCmdUI) {
  // While the frame itself has the focus there is nothing to edit.
  HWND hWndFocus = ::GetFocus();
  pCmdUI->Enable(EditMessageOf(pCmdUI->m_nID) != 0 && hWndFocus != nullptr &&
                 (m_pMainWnd == nullptr || hWndFocus != m_pMainWnd->m_hWnd));
}
