// Plays an utterance on the sound device through winmm; with no device, a
// clock runs over it at the same pace, so that whoever follows the position
// sees the same timing either way.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>

#include "speech/engine/core/WaveData.h"

class SoundOutput {
 public:
  SoundOutput() = default;
  ~SoundOutput() { Stop(); }
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Starts playing from the first sample; the sound must outlive the output.
  void Start(const Pcm& pcm);
  // Samples played so far, at most the sound's length.
  size_t Position() const;
  bool Finished() const { return Position() >= m_length; }
  // How long until the position reaches a sample, as far as the clock can say.
  std::chrono::milliseconds TimeUntil(size_t sample) const;
  // Silences the output at once.
  void Stop();
  bool OnDevice() const { return m_device != nullptr; }

 private:
  // Starts the sound on the device; no device when that fails.
  void OpenDevice(const Pcm& pcm);

  HWAVEOUT m_device = nullptr;
  WAVEHDR m_header{};
  size_t m_length = 0;
  int m_rate = 0;
  std::chrono::steady_clock::time_point m_start;
};
