#include "shell/ZultaEditApp.h"

#include "classlib/win/CWnd.h"
#include "resources/ShellIds.h"
#include "shell/MainFrame.h"

CZultaEditApp theApp;

BEGIN_MESSAGE_MAP(CZultaEditApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_COMMAND_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_COPY, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_CUT, ID_EDIT_CUT, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_CLEAR, ID_EDIT_CLEAR, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_UNDO, ID_EDIT_UNDO, OnEditCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditCommand)
END_MESSAGE_MAP()

namespace {
// The message each Edit command sends to the focused window.
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
  LoadPreferences();
  SetupProgramFolder();
  LoadSystemColors();
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
  if (hWndFocus != nullptr) ::SendMessageA(hWndFocus, EditMessageOf(nID), 0, 0);
}

void CZultaEditApp::OnUpdateEditCommand(CCmdUI* pCmdUI) {
  // While the frame itself has the focus there is nothing to edit.
  HWND hWndFocus = ::GetFocus();
  pCmdUI->Enable(hWndFocus != nullptr &&
                 (m_pMainWnd == nullptr || hWndFocus != m_pMainWnd->m_hWnd));
}
