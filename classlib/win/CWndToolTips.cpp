// Tooltips for the tools of windows that enable them: one tooltip control per
// thread, told about the tool under the mouse as the mouse moves.
#include "classlib/win/AfxState.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

BOOL CWnd::EnableToolTips(BOOL bEnable) {
  if (!bEnable) {
    RemoveLastTool();
    m_nFlags &= ~WF_TOOLTIPS;
    return TRUE;
  }
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hWndToolTip == nullptr) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    pState->m_hWndToolTip = ::CreateWindowExA(
        0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
    if (pState->m_hWndToolTip == nullptr) return FALSE;
  }
  m_nFlags |= WF_TOOLTIPS;
  return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
  HWND hChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
  if (hChild == nullptr || hChild == m_hWnd) return -1;
  // The text is asked for with TTN_NEEDTEXT when the tip shows.
  pTI->hwnd = m_hWnd;
  pTI->uId = reinterpret_cast<UINT_PTR>(hChild);
  pTI->uFlags |= TTF_IDISHWND;
  pTI->lpszText = LPSTR_TEXTCALLBACKA;
  return ::GetDlgCtrlID(hChild);
}

namespace {
void DeleteLastTool(AFX_THREAD_STATE* pState) {
  if (pState->m_hWndLastTool == nullptr) return;
  TOOLINFOA ti = {};
  ti.cbSize = sizeof ti;
  ti.hwnd = pState->m_hWndLastTool;
  ti.uId = pState->m_nLastToolId;
  ::SendMessageA(pState->m_hWndToolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  pState->m_hWndLastTool = nullptr;
  pState->m_nLastHit = -1;
}
}  // namespace

void CWnd::RemoveLastTool() {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hWndLastTool == m_hWnd) DeleteLastTool(pState);
}

void CWnd::FilterToolTipMessage(MSG* pMsg) {
  switch (pMsg->message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: break;
    default: return;
  }
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hWndToolTip == nullptr) return;
  CPoint point = pMsg->pt;
  ScreenToClient(&point);
  TOOLINFOA ti = {};
  ti.cbSize = sizeof ti;
  INT_PTR nHit = OnToolHitTest(point, &ti);
  if (nHit != pState->m_nLastHit || pState->m_hWndLastTool != ti.hwnd) {
    DeleteLastTool(pState);
    if (nHit != -1) {
      ::SendMessageA(pState->m_hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
      pState->m_hWndLastTool = ti.hwnd;
      pState->m_nLastToolId = ti.uId;
      pState->m_nLastHit = nHit;
    }
  }
  if (nHit != -1)
    ::SendMessageA(pState->m_hWndToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
