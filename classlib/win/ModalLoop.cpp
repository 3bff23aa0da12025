#include "classlib/win/ModalLoop.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

HWND AfxGetModalOwner(CWnd* pParentWnd) {
  HWND hWnd = CWnd::SafeHwnd(pParentWnd);
  if (hWnd == nullptr) hWnd = CWnd::SafeHwnd(AfxGetMainWnd());
  // A child window cannot own a popup: its top-level window does.
  while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
    hWnd = ::GetParent(hWnd);
  return hWnd;
}

void CModalLoop::Begin(HWND hWndOwner) {
  m_hWndOwner = hWndOwner;
  m_bOwnerDisabled = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
  if (m_bOwnerDisabled) ::EnableWindow(hWndOwner, FALSE);
  m_nResult = -1;
  m_bContinue = TRUE;
}

void CModalLoop::Run(CWnd* pWnd, BOOL (*pfnContinue)(CWnd* pWnd)) {
  BOOL bShown = (pWnd->GetStyle() & WS_VISIBLE) != 0;
  CWinThread* pThread = AfxGetThread();
  auto keepGoing = [&] { return m_bContinue && ::IsWindow(pWnd->m_hWnd) && pfnContinue(pWnd); };
  while (keepGoing()) {
    MSG msg;
    if (!bShown && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      pWnd->ShowWindow(SW_SHOWNORMAL);
      pWnd->UpdateWindow();
      bShown = TRUE;
    }
    BOOL bGotMessage =
        pThread != nullptr ? pThread->PumpMessage() : ::GetMessageA(&msg, nullptr, 0, 0);
    if (!bGotMessage) {
      // WM_QUIT ends the modal window and is posted again, with its exit
      // code, for the outer loop.
      const MSG& quit = pThread != nullptr ? pThread->m_msgCur : msg;
      AfxPostQuitMessage(static_cast<int>(quit.wParam));
      m_nResult = -1;
      break;
    }
    if (pThread == nullptr && !::IsDialogMessageA(pWnd->m_hWnd, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  m_bContinue = FALSE;
}

void CModalLoop::End(HWND hWnd, int nResult) {
  m_nResult = nResult;
  if (m_bContinue) {
    m_bContinue = FALSE;
    // Wakes the loop, which may be waiting for a message.
    ::PostMessageA(hWnd, WM_NULL, 0, 0);
  }
}

void CModalLoop::Finish(CWnd* pWnd) {
  if (pWnd->m_hWnd != nullptr)
    ::SetWindowPos(pWnd->m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  // The owner is enabled before the window goes, so the system does not give
  // the activation to another program's window.
  if (m_bOwnerDisabled) ::EnableWindow(m_hWndOwner, TRUE);
  if (m_hWndOwner != nullptr && ::GetActiveWindow() == pWnd->m_hWnd) ::SetActiveWindow(m_hWndOwner);
  m_bOwnerDisabled = FALSE;
  pWnd->DestroyWindow();
}
