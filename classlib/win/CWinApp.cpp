#include "classlib/win/CWinApp.h"

#include "classlib/win/CWnd.h"

namespace {
CWinApp* g_pApp = nullptr;
}

IMPLEMENT_DYNAMIC(CWinApp, CObject)

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName) { g_pApp = this; }

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

BOOL CWinApp::OnIdle(LONG) { return FALSE; }

int CWinApp::Run() {
  LONG idleCount = 0;
  for (;;) {
    while (!::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) {
        ::WaitMessage();
        idleCount = 0;
      }
    }
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) break;
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageA(&m_msgCur);
  }
  ExitInstance();
  return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() { return g_pApp ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr); }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->m_hInstance = hInstance;
  app->m_lpCmdLine = lpCmdLine;
  app->m_nCmdShow = nCmdShow;
  if (!app->InitInstance()) {
    // A start-up that gives up has its own exit processing to run.
    if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}
