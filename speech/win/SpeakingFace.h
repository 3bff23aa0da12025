// The application's speaking face as the engine wrapper shows and closes it:
// one face dialog, made over the window that asked for speech with the face
// the engine's switches name, and the engine's Stop as the way the speech
// popups stop speech while this object lives.
#pragma once

#include <atomic>
#include <memory>

#include "speech/win/CSpeakAnimDlg.h"
#include "speech/win/SpeechEngine.h"

class CSpeakingFace : public ISpeakingFace {
 public:
  explicit CSpeakingFace(CSpeechEngine& engine);
  ~CSpeakingFace();
  CSpeakingFace(const CSpeakingFace&) = delete;
  CSpeakingFace& operator=(const CSpeakingFace&) = delete;

  // Made once; shown again it only takes the new notify window.
  void ShowFace(HWND hParent, HWND hNotify) override;
  void CloseFace() override;
  HWND FaceWindow() override { return m_hFace.load(); }
  void StartFaceAnimation() override;
  void StopFaceAnimation() override;

  CSpeakAnimDlg* Dialog() const { return m_pDialog.get(); }

 private:
  CSpeechEngine& m_engine;
  std::unique_ptr<CSpeakAnimDlg> m_pDialog;
  std::atomic<HWND> m_hFace{nullptr};  // read on the engine's thread
};
