#include "speech/win/SpeechEngine.h"

#include <vector>

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

namespace {

constexpr const char* kCannotInitialize = "Cannot Initialize Vocarin";
constexpr const char* kCannotSetDialect = "Cannot set Vocarin Language Dialect";
constexpr const char* kCannotSetInputType = "Cannot set Vocarin Input Type";
constexpr int kOptionOn = 1;
constexpr int kOptionOff = 0;
// The one voice bank the engine has.
constexpr int kVoiceBank = 0;

}  // namespace

CSpeechEngine::~CSpeechEngine() {
  Stop();
  Close();
}

void CSpeechEngine::Init(HMODULE hLibrary, IProfileStore& profile) {
  const SonsynCalls calls = BindSonsynCalls(hLibrary);
  m_libraryMissing = !calls.IsWhole();
  Init(calls, profile);
}

void CSpeechEngine::Init(const SonsynCalls& calls, IProfileStore& profile) {
  m_calls = calls;
  if (!m_calls.IsWhole()) return;
  m_handle = m_calls.create();
  if (m_handle == 0) {
    AfxMessageBox(kCannotInitialize, MB_OK);
    return;
  }
  const struct {
    int option, value;
    const char* refusal;
  } required[] = {{kSonsynOptionDialect, kSonsynDialectHebrew, kCannotSetDialect},
                  {kSonsynOptionInputType, kSonsynInputPhonetic, kCannotSetInputType}};
  for (const auto& setting : required) {
    if (!SetOption(setting.option, setting.value)) {
      AfxMessageBox(setting.refusal, MB_OK);
      Close();
      return;
    }
  }
  // A refused rate falls back to 11025 Hz, then to 8000 Hz.
  if (!SetOption(kSonsynOptionSampleRate, m_switches.sampleRate)) {
    m_switches.sampleRate = kSampleRate11025;
    if (!SetOption(kSonsynOptionSampleRate, m_switches.sampleRate)) {
      m_switches.sampleRate = kSampleRate8000;
      SetOption(kSonsynOptionSampleRate, m_switches.sampleRate);
    }
  }
  if (SetOption(kSonsynOptionPhonemeNotices, kOptionOn)) m_phonemeNotices = true;
  m_calls.setNotifier(m_handle, &CSpeechEngine::EngineCallback, this);
  CVoiceDef voice;
  ReadVoiceDef(profile, kCurrentVoiceKey, voice);
  ApplyVoice(voice, ReadSpeechSwitches(profile), true);
}

bool CSpeechEngine::SetOption(int option, int value) {
  return m_calls.setOption(m_handle, option, value) != kSonsynOptionRefused;
}

void CSpeechEngine::ApplyVoice(const CVoiceDef& voice, const SpeechSwitches& switches, bool force) {
  if (m_handle != 0) {
    if (force || switches.sampleRate != m_switches.sampleRate)
      SetOption(kSonsynOptionSampleRate, switches.sampleRate);
    for (int i = 0; i < kVoiceValueCount; ++i) {
      if (force || voice.m_values[i] != m_voice.m_values[i])
        m_calls.setVoiceValue(m_handle, kVoiceBank, i, voice.m_values[i]);
    }
    // The face moves only with phoneme notices.
    const bool wantNotices = switches.face != kFaceNone;
    const bool hadNotices = m_switches.face != kFaceNone;
    if (force || wantNotices != hadNotices) {
      if (SetOption(kSonsynOptionPhonemeNotices, wantNotices ? kOptionOn : kOptionOff))
        m_phonemeNotices = wantNotices;
    }
  }
  m_voice = voice;
  m_switches = switches;
}

bool CSpeechEngine::IsBusy() const { return m_handle != 0 && m_calls.isBusy(m_handle) != 0; }

void CSpeechEngine::ReportMissingLibrary() {
  if (!m_libraryMissing || m_missingReported) return;
  m_missingReported = true;
  AfxMessageBox(kNoSpeechEngineMessage, MB_OK | MB_ICONINFORMATION);
}

void CSpeechEngine::SetRequestWindows(HWND hFaceParent, HWND hNotify) {
  m_hFaceParent = hFaceParent;
  m_hNotify = hNotify;
}

void CSpeechEngine::CloseFace() {
  if (m_pFace != nullptr) m_pFace->CloseFace();
  m_hFaceOwner = nullptr;
}

void CSpeechEngine::ChooseFace(HWND hWnd, int face) {
  CloseFace();
  if (face == kFaceNone || !m_phonemeNotices || m_pFace == nullptr) return;
  m_switches.face = face;
  SetRequestWindows(hWnd, hWnd);
  m_hFaceOwner = hWnd;
  m_pFace->ShowFace(hWnd, hWnd);
}

void CSpeechEngine::Speak(HWND hFaceParent, HWND hNotify, LPCSTR text, int mode) {
  if (m_handle == 0) {
    ReportMissingLibrary();
    return;
  }
  if (m_switches.voiceOn == 0) return;
  SetRequestWindows(hFaceParent, hNotify);
  if (IsBusy()) {
    m_calls.abort(m_handle);
    // A restart that still finds the engine busy keeps the request it restarts.
    if (text != nullptr || mode != kSpeakPendingMode) {
      m_pendingText = text ? text : "";
      m_pendingMode = mode;
    }
    if (CWnd* pMain = AfxGetMainWnd()) pMain->PostMessage(WM_SPEECH_RESTART, 0, 0);
    return;
  }
  PrepareFace(hFaceParent, hNotify);
  const CString spoken = text ? CString(text) : m_pendingText;
  const int spokenMode = mode == kSpeakPendingMode ? m_pendingMode : mode;
  for (const SpeechQueueItem& item : BuildSpeechQueue(spoken, spokenMode)) {
    if (item.isMarker)
      m_calls.queueMarker(m_handle, item.marker);
    else
      m_calls.queueText(m_handle, item.text);
  }
  m_calls.startOutput(m_handle);
}

void CSpeechEngine::PrepareFace(HWND hFaceParent, HWND hNotify) {
  if (m_pFace == nullptr) return;
  if ((m_hFaceOwner != nullptr && m_hFaceOwner != hFaceParent) || m_switches.face == kFaceNone)
    CloseFace();
  if (hFaceParent != nullptr && m_switches.face != kFaceNone && m_phonemeNotices) {
    m_pFace->ShowFace(hFaceParent, hNotify);
    m_hFaceOwner = hFaceParent;
    m_pFace->StartFaceAnimation();
  }
}

BOOL CSpeechEngine::Stop() {
  if (!IsBusy()) return FALSE;
  m_calls.abort(m_handle);
  if (m_pFace != nullptr && m_pFace->FaceWindow() != nullptr) m_pFace->StopFaceAnimation();
  return TRUE;
}

void CSpeechEngine::Close() {
  if (m_handle == 0) return;
  m_calls.destroy(m_handle);
  m_handle = 0;
}

int SONSYN_CALL CSpeechEngine::EngineCallback(SonsynHandle, int32_t kind, intptr_t value,
                                              void* userData) {
  auto* engine = static_cast<CSpeechEngine*>(userData);
  if (kind == kSonsynNoticeMarker) {
    if (HWND hNotify = engine->m_hNotify.load())
      ::PostMessageA(hNotify, WM_SPEECH_INDEX, 0,
                     static_cast<LPARAM>(static_cast<DWORD>(static_cast<uint32_t>(value))));
  } else if (kind == kSonsynNoticePhoneme && value != 0) {
    HWND hFace = engine->m_pFace ? engine->m_pFace->FaceWindow() : nullptr;
    if (hFace != nullptr) {
      // The record lives only during this call: its bytes go into the message.
      const auto* record = reinterpret_cast<const SonsynPhonemeRecord*>(value);
      const PhonemeNotice notice{record->code, record->opening, record->width};
      ::PostMessageA(hFace, WM_SPEECH_PHONEME, 0, PackPhonemeNotice(notice));
    }
  }
  return 1;
}
