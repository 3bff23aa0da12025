// The main frame's side of speech: the Voice Settings command and the
// messages that restart and cancel speech.
#include "hebtext/win/AppProfileStore.h"
#include "shell/MainFrame.h"
#include "shell/ZultaEditApp.h"
#include "speech/win/CVoiceSettingsDlg.h"

void CMainFrame::OnVoiceSettings() { RunVoiceSettingsDialog(this); }

void CMainFrame::RunVoiceSettingsDialog(CWnd* pParent) {
  m_speechEngine.Stop();
  theApp.CloseSpeakAnim();
  CAppProfileStore profile(&theApp);
  CVoiceSettingsDlg dialog(m_speechEngine, profile, pParent);
  dialog.DoModal();
}

LRESULT CMainFrame::OnSpeechRestart(WPARAM, LPARAM) {
  m_speechEngine.Speak(m_speechEngine.FaceParent(), m_speechEngine.NotifyWindow(), nullptr,
                       kSpeakPendingMode);
  return 0;
}

LRESULT CMainFrame::OnSpeechCancel(WPARAM, LPARAM) {
  m_speechEngine.Stop();
  theApp.CloseSpeakAnim();
  return 0;
}
