#include "shell/ZultaEditApp.h"

#include "shell/MainFrame.h"

CZultaEditApp theApp;

BOOL CZultaEditApp::InitInstance() {
  auto* pFrame = new CMainFrame;
  if (!pFrame->Create()) {
    delete pFrame;
    return FALSE;
  }
  m_pMainWnd = pFrame;
  ::ShowWindow(pFrame->m_hWnd, SW_SHOWMAXIMIZED);
  ::UpdateWindow(pFrame->m_hWnd);
  return TRUE;
}
