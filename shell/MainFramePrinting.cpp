#include "shell/MainFrame.h"

void CMainFrame::SetGrammarPreviewEnded() {
  m_bGrammarPreviewEnded = TRUE;
  SetTimer(kGrammarPreviewTimerId, kGrammarPreviewPauseMs, nullptr);
}

BOOL CMainFrame::TakeGrammarPreviewEnded() {
  const BOOL bEnded = m_bGrammarPreviewEnded;
  m_bGrammarPreviewEnded = FALSE;
  KillTimer(kGrammarPreviewTimerId);
  return bEnded;
}

void CMainFrame::ForgetGrammarFullView() {
  m_grammarWindow.m_fullSize = CSize(0, 0);
  m_grammarWindow.m_fullViewTab = -1;
  m_grammarWindow.m_fullViewFloating = -1;
}
