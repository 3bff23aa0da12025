// A stand-in for the speech engine library's functions that records each
// call as a line, and a speaking face that records what it is asked: the
// engine wrapper's tests read what the program asked of the engine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "speech/win/SpeechEngine.h"

constexpr SonsynHandle kStandInHandle = 77;
// refusedRate: every sample rate is refused.
constexpr int kRefuseEveryRate = -2;

struct StandInRecorder {
  std::vector<std::string> calls;
  bool busy = false;
  int refusedOption = 0;  // an option number the stand-in refuses
  int refusedRate = -1;   // a sample rate it refuses, or kRefuseEveryRate
  SonsynNotifier notifier = nullptr;
  void* userData = nullptr;
};
extern StandInRecorder g_standIn;

SonsynCalls StandInCalls();

// The speaking face as a plain popup window.
class RecordingFace : public ISpeakingFace {
 public:
  ~RecordingFace();
  void ShowFace(HWND hParent, HWND hNotify) override;
  void CloseFace() override;
  HWND FaceWindow() override { return m_hWnd; }
  void StartFaceAnimation() override;
  void StopFaceAnimation() override;

 private:
  HWND m_hWnd = nullptr;
};
