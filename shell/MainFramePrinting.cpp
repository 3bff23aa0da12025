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
