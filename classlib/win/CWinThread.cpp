#include "classlib/win/CWinThread.h"

#include "classlib/win/AfxState.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/HandleMap.h"
#include "classlib/win/WndProcException.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {
// The caret's blink timer, which Windows posts without cause for idle work.
constexpr UINT WM_SYSTIMER = 0x0118;
}  // namespace

CWinThread::CWinThread() {
  m_hThread = ::GetCurrentThread();
  m_nThreadID = ::GetCurrentThreadId();
}

CWinThread::~CWinThread() {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_pCurrentWinThread == this) pState->m_pCurrentWinThread = nullptr;
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

int CWinThread::Run() {
  AfxGetThreadState()->m_pCurrentWinThread = this;
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  for (;;) {
    while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(lIdleCount++)) bIdle = FALSE;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWinThread::PumpMessage() {
  if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;
  // Window procedures catch what their handlers throw; PreTranslateMessage
  // runs handlers of its own, outside them.
  AfxCallCatchingExceptions(m_msgCur, [this] {
    if (!PreTranslateMessage(&m_msgCur)) {
      ::TranslateMessage(&m_msgCur);
      ::DispatchMessageA(&m_msgCur);
    }
    return LRESULT{0};
  });
  return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  // Thread messages have no window to translate them.
  if (pMsg->hwnd == nullptr) return FALSE;
  CWnd* pMainWnd = GetMainWnd();
  HWND hWndMain = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
  if (CWnd::WalkPreTranslateTree(hWndMain, pMsg)) return TRUE;
  // A window outside the main window (a modeless dialog, a floating frame)
  // still gets the main window's accelerators.
  if (hWndMain != nullptr && pMsg->hwnd != hWndMain && !::IsChild(hWndMain, pMsg->hwnd))
    return pMainWnd->PreTranslateMessage(pMsg);
  return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
    if (m_nMsgLast == pMsg->message && m_ptCursorLast.x == pMsg->pt.x &&
        m_ptCursorLast.y == pMsg->pt.y)
      return FALSE;
    m_ptCursorLast = pMsg->pt;
    m_nMsgLast = pMsg->message;
    return TRUE;
  }
  return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}

namespace {
// The window and its descendants show the state of their commands.
void IdleUpdateWindow(CWnd* pWnd) {
  AfxCallWndProc(pWnd, pWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
  pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}
}  // namespace

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    // Menus and bars of a visible, unminimised main window show the state
    // of their commands.
    CWnd* pMainWnd = GetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible() &&
        !pMainWnd->IsIconic())
      IdleUpdateWindow(pMainWnd);
    // So do the other frames on their own (floating bars, further top-level frames);
    // frames inside the main window were updated with it.
    for (CFrameWnd* pFrame = CFrameWnd::GetFirstFrame(); pFrame != nullptr;
         pFrame = pFrame->GetNextFrame()) {
      if (pFrame == pMainWnd || pFrame->m_hWnd == nullptr || !pFrame->IsWindowVisible()) continue;
      if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsChild(pFrame)) continue;
      IdleUpdateWindow(pFrame);
    }
    return TRUE;
  }
  CHandleMapBase::DeleteAllTemp();
  return FALSE;
}

CWinThread* AfxGetThread() {
  CWinThread* pThread = AfxGetThreadState()->m_pCurrentWinThread;
  return pThread != nullptr ? pThread : AfxGetApp();
}

void AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }
