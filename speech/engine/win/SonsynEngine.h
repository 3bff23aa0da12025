// One engine instance: its settings, the queue of texts and markers, and the
// output thread that makes the sound, plays it and calls the notifier as
// playback reaches each marker and phoneme.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "speech/engine/SonsynApi.h"
#include "speech/engine/core/EngineSettings.h"
#include "speech/engine/core/SpeechQueue.h"

class SonsynEngine {
 public:
  explicit SonsynEngine(SonsynHandle handle) : m_handle(handle) {}
  // Output in progress is aborted.
  ~SonsynEngine() { Abort(); }
  SonsynEngine(const SonsynEngine&) = delete;
  SonsynEngine& operator=(const SonsynEngine&) = delete;

  int32_t SetOption(int32_t option, int32_t value);
  bool SetVoiceValue(int32_t bank, int32_t index, int32_t value);
  void QueueText(const char* text);
  void QueueMarker(uint32_t marker);
  void SetNotifier(SonsynNotifier notifier, void* userData);
  // Speaks what is queued on the output thread; output still in progress
  // is aborted first. Busy from here until the last notice has been given.
  // Not from within a notice.
  void StartOutput();
  // Drops the queue and silences the output; when it returns, no notice of
  // that output is given any more (unless called from within a notice).
  void Abort();
  bool IsBusy() const { return m_busy; }

 private:
  void Speak(std::vector<SpeechSegment> segments, EngineSettings settings, SonsynNotifier notifier,
             void* userData);
  // Waits until the position is reached or output is aborted; false when aborted.
  template <typename Reached, typename Remaining>
  bool WaitFor(Reached reached, Remaining remaining);
  // Aborts the output in progress and waits for its thread to end.
  void StopOutput();
  bool OnOutputThread() const;

  const SonsynHandle m_handle;
  std::mutex m_lock;  // settings, queue, notifier and the abort flag
  std::condition_variable m_wake;
  EngineSettings m_settings;
  SpeechQueue m_queue;
  SonsynNotifier m_notifier = nullptr;
  void* m_userData = nullptr;
  bool m_aborting = false;
  std::atomic<bool> m_busy{false};
  std::thread m_output;
};
