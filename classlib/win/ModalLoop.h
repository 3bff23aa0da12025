// What dialogs and property sheets share to run modally: the owner they
// disable while they run, and the message loop that ends when they say so.
#pragma once

#include <windows.h>

class CWnd;

// The top-level window that owns a modal window opened over pParentWnd (over
// the main window when pParentWnd is nullptr); nullptr when there is none.
HWND AfxGetModalOwner(CWnd* pParentWnd);

class CModalLoop {
 public:
  // Disables hWndOwner (unless it already is) for the time the window runs.
  // Called before the window is created, so an end asked for while it is
  // being initialised is kept.
  void Begin(HWND hWndOwner);
  // Dispatches this thread's messages through the thread's PreTranslateMessage
  // until End is called, pWnd's window is gone, or pfnContinue(pWnd) says
  // no. A hidden window is shown once the queue first runs empty.
  void Run(CWnd* pWnd, BOOL (*pfnContinue)(CWnd* pWnd));
  // Ends the loop with nResult as the window's result.
  void End(HWND hWnd, int nResult);
  // Hides and destroys the window, enables the owner again and gives it
  // back the activation.
  void Finish(CWnd* pWnd);

  BOOL IsRunning() const { return m_bContinue; }
  int GetResult() const { return m_nResult; }

 private:
  BOOL m_bContinue = FALSE;
  int m_nResult = -1;
  HWND m_hWndOwner = nullptr;
  BOOL m_bOwnerDisabled = FALSE;
};
