#include "shell/MyDockWindow.h"

#include "classlib/win/AfxMsg.h"
#include "classlib/win/MessageMap.h"
#include "shell/DockWindowHandoff.h"
#include "shell/ZultaEditApp.h"

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
  PassFocusOnAfterHide(m_kind == kKeyboardGuides ? dockfocus::Hidden::kKeyboardGuides
                                                 : dockfocus::Hidden::kGrammarTables);
}

LRESULT CMyDockWindow::OnHelpHitTest(WPARAM, LPARAM) { return BarHelpContext(m_barId); }

LRESULT CMyDockWindow::OnCommandHelp(WPARAM, LPARAM) {
  ShowBarHelp(m_barId);
  return TRUE;
}
