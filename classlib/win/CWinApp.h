// The application object: start-up, the message loop and exit.
#pragma once

#include "classlib/core/CObject.h"

class CWnd;

class CWinApp : public CObject {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  // Start-up; FALSE ends the program before the message loop.
  virtual BOOL InitInstance();
  // The message loop with idle processing; returns ExitInstance's result.
  virtual int Run();
  virtual BOOL OnIdle(LONG lCount);
  virtual int ExitInstance();

  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  LPCSTR m_pszAppName = nullptr;
  CWnd* m_pMainWnd = nullptr;
  MSG m_msgCur = {};
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
CWnd* AfxGetMainWnd();

// The program's entry, reached from WinMain.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
