#include "speech/win/SpeakingFace.h"

#include "speech/win/SpeechStop.h"

namespace {
CSpeechEngine* g_pStoppingEngine = nullptr;
BOOL StopEngine() { return g_pStoppingEngine != nullptr ? g_pStoppingEngine->Stop() : FALSE; }
}  // namespace

CSpeakingFace::CSpeakingFace(CSpeechEngine& engine) : m_engine(engine) {
  g_pStoppingEngine = &engine;
  SetSpeechStopper(StopEngine);
}

CSpeakingFace::~CSpeakingFace() {
  CloseFace();
  if (g_pStoppingEngine == &m_engine) {
    g_pStoppingEngine = nullptr;
    SetSpeechStopper(nullptr);
  }
}

void CSpeakingFace::ShowFace(HWND hParent, HWND hNotify) {
  if (m_pDialog == nullptr || !::IsWindow(m_pDialog->m_hWnd)) {
    m_pDialog = std::make_unique<CSpeakAnimDlg>(m_engine.Switches().face, CWnd::FromHandle(hParent));
    if (!m_pDialog->Create()) {
      m_pDialog.reset();
      return;
    }
    m_pDialog->ShowWindow(SW_SHOWNA);
    m_hFace = m_pDialog->m_hWnd;
  }
  m_pDialog->SetNotifyWindow(hNotify);
}

void CSpeakingFace::CloseFace() {
  m_hFace = nullptr;
  if (m_pDialog != nullptr && ::IsWindow(m_pDialog->m_hWnd)) m_pDialog->DestroyWindow();
  m_pDialog.reset();
}

void CSpeakingFace::StartFaceAnimation() {
  if (m_pDialog != nullptr) m_pDialog->StartAnimation();
}

void CSpeakingFace::StopFaceAnimation() {
  if (m_pDialog == nullptr) return;
  m_pDialog->StopAnimation();
  m_pDialog->Invalidate(FALSE);
}
