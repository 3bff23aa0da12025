#include "speech/tests/win/SonsynStandIn.h"

#include <cstdarg>
#include <cstdio>

StandInRecorder g_standIn;

namespace {

void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Record(const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  g_standIn.calls.push_back(line);
}

SonsynHandle SONSYN_CALL Create() {
  Record("create");
  return kStandInHandle;
}
void SONSYN_CALL Destroy(SonsynHandle) { Record("destroy"); }
int32_t SONSYN_CALL SetOption(SonsynHandle, int32_t option, int32_t value) {
  Record("option %d=%d", option, value);
  const bool refused =
      option == g_standIn.refusedOption ||
      (option == kSonsynOptionSampleRate &&
       (g_standIn.refusedRate == kRefuseEveryRate || value == g_standIn.refusedRate));
  return refused ? kSonsynOptionRefused : 0;
}
int32_t SONSYN_CALL SetVoiceValue(SonsynHandle, int32_t, int32_t index, int32_t value) {
  Record("voice %d=%d", index, value);
  return 0;
}
int32_t SONSYN_CALL QueueText(SonsynHandle, const char* text) {
  Record("text '%s'", text);
  return 0;
}
int32_t SONSYN_CALL QueueMarker(SonsynHandle, uint32_t marker) {
  Record("marker %x", marker);
  return 0;
}
int32_t SONSYN_CALL StartOutput(SonsynHandle) {
  Record("start");
  return 0;
}
int32_t SONSYN_CALL Abort(SonsynHandle) {
  Record("abort");
  return 0;
}
int32_t SONSYN_CALL IsBusy(SonsynHandle) { return g_standIn.busy ? 1 : 0; }
int32_t SONSYN_CALL SetNotifier(SonsynHandle, SonsynNotifier notifier, void* userData) {
  Record("notifier");
  g_standIn.notifier = notifier;
  g_standIn.userData = userData;
  return 0;
}

}  // namespace

SonsynCalls StandInCalls() {
  SonsynCalls calls;
  calls.create = Create;
  calls.destroy = Destroy;
  calls.setOption = SetOption;
  calls.setVoiceValue = SetVoiceValue;
  calls.queueText = QueueText;
  calls.queueMarker = QueueMarker;
  calls.startOutput = StartOutput;
  calls.abort = Abort;
  calls.isBusy = IsBusy;
  calls.setNotifier = SetNotifier;
  return calls;
}

RecordingFace::~RecordingFace() {
  if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

void RecordingFace::ShowFace(HWND hParent, HWND) {
  Record("face shown");
  if (m_hWnd == nullptr)
    m_hWnd = ::CreateWindowExA(0, "STATIC", "face", WS_POPUP, 0, 0, 10, 10, hParent, nullptr,
                               nullptr, nullptr);
}

void RecordingFace::CloseFace() {
  if (m_hWnd == nullptr) return;
  Record("face closed");
  ::DestroyWindow(m_hWnd);
  m_hWnd = nullptr;
}

void RecordingFace::StartFaceAnimation() { Record("face animated"); }
void RecordingFace::StopFaceAnimation() { Record("face stopped"); }
