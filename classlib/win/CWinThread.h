// A thread with a message loop: start-up, the loop with idle processing, and
// exit. The application object is the main thread's.
#pragma once

#include "classlib/win/CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread();
  ~CWinThread() override;

  // Start-up; FALSE ends the thread before its message loop.
  virtual BOOL InitInstance();
  // The message loop: idle processing whenever the queue runs empty, until
  // WM_QUIT; returns ExitInstance's result.
  virtual int Run();
  // lCount counts the calls since the last message; TRUE asks for more idle
  // time. Call 0 updates the user-interface items (WM_IDLEUPDATECMDUI) of
  // the main window and of the other visible frames, call 1 deletes the
  // temporary handle objects.
  virtual BOOL OnIdle(LONG lCount);
  virtual int ExitInstance();
  // Takes one message from the queue and dispatches it; FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Lets the windows from the message's window up to the main window
  // translate it (accelerators, dialog keys) before it is dispatched.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // FALSE for messages that should not restart idle processing (mouse moves
  // that do not move, paints, the caret's timer).
  virtual BOOL IsIdleMessage(MSG* pMsg);
  virtual CWnd* GetMainWnd();

  CWnd* m_pMainWnd = nullptr;
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  MSG m_msgCur = {};

 private:
  POINT m_ptCursorLast = {-1, -1};
  UINT m_nMsgLast = 0;
};

CWinThread* AfxGetThread();
void AfxPostQuitMessage(int nExitCode);
