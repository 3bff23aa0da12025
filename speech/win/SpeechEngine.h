// The program's one door to the speech engine library: one engine instance
// for the whole run, the current voice and switches applied to it, and
// texts in the phonetic notation spoken word by word with markers that come
// back as window messages.
#pragma once

#include <windows.h>

#include <atomic>

#include "classlib/core/CString.h"
#include "hebtext/core/ProfileStore.h"
#include "speech/core/SpeechMessages.h"
#include "speech/core/SpeechQueue.h"
#include "speech/core/VoiceDef.h"
#include "speech/core/VoiceProfile.h"
#include "speech/win/SonsynLibrary.h"

// The speaking face shown while the engine speaks, as the application keeps
// it.
class ISpeakingFace {
 public:
  // Shows the face over hParent (made once, else told the new notify window).
  virtual void ShowFace(HWND hParent, HWND hNotify) = 0;
  virtual void CloseFace() = 0;
  // The face's window, nullptr when there is none. Called on the engine's
  // thread too.
  virtual HWND FaceWindow() = 0;
  virtual void StartFaceAnimation() = 0;
  // Stops the animation and repaints the face at rest.
  virtual void StopFaceAnimation() = 0;

 protected:
  ~ISpeakingFace() = default;
};

class CSpeechEngine {
 public:
  CSpeechEngine() = default;
  // Stops and closes the engine.
  ~CSpeechEngine();
  CSpeechEngine(const CSpeechEngine&) = delete;
  CSpeechEngine& operator=(const CSpeechEngine&) = delete;

  void SetSpeakingFace(ISpeakingFace* pFace) { m_pFace = pFace; }

  // Creates the engine instance through the library's functions (none for
  // a null module or a library that lacks one) and applies the profile's
  // current voice and switches. Without an engine the program runs without
  // speech; the refusals of the engine are reported in message boxes.
  void Init(HMODULE hLibrary, IProfileStore& profile);
  void Init(const SonsynCalls& calls, IProfileStore& profile);

  // Applies and keeps the voice and switches: everything when force is
  // set, else only what changed.
  void ApplyVoice(const CVoiceDef& voice, const SpeechSwitches& switches, bool force);

  // Speaks text (nullptr: the pending text) in the mode (kSpeakPendingMode:
  // the pending mode). Markers go to hNotify, the face is shown over
  // hFaceParent. While the engine is busy, the speech is aborted, the
  // request kept and WM_SPEECH_RESTART posted to the main window.
  void Speak(HWND hFaceParent, HWND hNotify, LPCSTR text, int mode);
  // TRUE when it stopped output in progress.
  BOOL Stop();
  // Destroys the engine instance.
  void Close();

  bool HasEngine() const { return m_handle != 0; }
  bool IsBusy() const;
  bool PhonemeNotices() const { return m_phonemeNotices; }
  const CVoiceDef& CurrentVoice() const { return m_voice; }
  const SpeechSwitches& Switches() const { return m_switches; }
  HWND FaceParent() const { return m_hFaceParent; }
  HWND NotifyWindow() const { return m_hNotify.load(); }
  void CloseFace();
  // Switches to another face and shows it over hWnd at once, which becomes
  // the window of the request (the Voice Settings dialog's face choice).
  // The face of kFaceNone, or one without phoneme notices, is only closed.
  void ChooseFace(HWND hWnd, int face);
  const CString& PendingText() const { return m_pendingText; }
  int PendingMode() const { return m_pendingMode; }

  // The notifier given to the engine, with the engine object as user data.
  static int SONSYN_CALL EngineCallback(SonsynHandle engine, int32_t kind, intptr_t value,
                                        void* userData);

 private:
  bool SetOption(int option, int value);
  void SetRequestWindows(HWND hFaceParent, HWND hNotify);
  // The face for this request: closed when shown for another window or
  // switched off, then shown over hFaceParent when it is wanted.
  void PrepareFace(HWND hFaceParent, HWND hNotify);
  // Says once a run that there is no speech without the library.
  void ReportMissingLibrary();

  SonsynCalls m_calls;
  SonsynHandle m_handle = 0;
  bool m_libraryMissing = false;
  bool m_missingReported = false;
  bool m_phonemeNotices = false;
  HWND m_hFaceParent = nullptr;
  HWND m_hFaceOwner = nullptr;
  // Read by the engine's callback on its own thread.
  std::atomic<HWND> m_hNotify{nullptr};
  CString m_pendingText;
  int m_pendingMode = kSpeakPlain;
  CVoiceDef m_voice;
  SpeechSwitches m_switches;
  ISpeakingFace* m_pFace = nullptr;
};

// Spoken by the Voice Settings dialog's Test.
constexpr const char* kVoiceTestText = "`[S0al1Om] `[x0av0Er1im]";
// Shown once a run when a speak command finds no engine library.
constexpr const char* kNoSpeechEngineMessage =
    "Speech is off: the speech engine (sonsyn.dll) is not installed.";
