#include "shell/MyDockWindow.h"

#include "classlib/win/AfxMsg.h"
#include "classlib/win/MessageMap.h"
#include "shell/MainFrame.h"
#include "shell/ZultaEditApp.h"
#include "shell/core/DockFocus.h"

namespace {
// Help contexts of the docking windows are their bar ids above this base.
constexpr LRESULT kBarHelpContextBase = 0x50000;
}  // namespace

BEGIN_MESSAGE_MAP(CMyDockWindow, CKWTabCtrlBar)
  ON_WM_SIZE()
  ON_WM_WINDOWPOSCHANGED()
  ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CMyDockWindow::~CMyDockWindow() = default;

void CMyDockWindow::OnSize(UINT nType, int cx, int cy) {
  CKWTabCtrlBar::OnSize(nType, cx, cy);
  if (m_kind != kGrammarTables) return;
  // Sizes that Full View caused are not the user's.
  if (theApp.m_grammarSizeSkipCount > 0) {
    --theApp.m_grammarSizeSkipCount;
    return;
  }
  m_recordedSize = CSize(cx, cy);
}

void CMyDockWindow::OnWindowPosChanged(WINDOWPOS* lpWndPos) {
  CKWTabCtrlBar::OnWindowPosChanged(lpWndPos);
  if ((lpWndPos->flags & SWP_HIDEWINDOW) == 0) return;
  auto* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
  if (pFrame == nullptr || pFrame->m_hWnd == nullptr) return;
  dockfocus::Windows windows;
  windows.editView = GetEditViewWindow() != nullptr;
  windows.grammarVisible = pFrame->GetGrammarWindow().IsWindowVisible() != FALSE;
  windows.lookupVisible = pFrame->GetLookupWindow().IsWindowVisible() != FALSE;
  windows.keyboardVisible = pFrame->GetKeyboardWindow().IsWindowVisible() != FALSE;
  const unsigned nCommand = dockfocus::CommandAfterHide(m_kind == kKeyboardGuides, windows);
  if (nCommand != 0) pFrame->PostMessage(WM_COMMAND, nCommand, 0);
}

LRESULT CMyDockWindow::OnHelpHitTest(WPARAM, LPARAM) {
  return kBarHelpContextBase + static_cast<LRESULT>(m_barId);
}

LRESULT CMyDockWindow::OnCommandHelp(WPARAM, LPARAM) {
  theApp.WinHelp(kBarHelpContextBase + m_barId, HELP_CONTEXT);
  return TRUE;
}
