#include "speech/engine/win/SonsynEngine.h"

#include <cstdio>

#include "speech/engine/core/MouthShape.h"
#include "speech/engine/core/PhoneticNotation.h"
#include "speech/engine/win/EspeakProcess.h"
#include "speech/engine/win/SoundOutput.h"
#include "speech/engine/win/SpeechTrace.h"

namespace {

// Quiet kept before and after the voice of each piece espeak-ng speaks: a
// pause between words, not between sentences.
constexpr int kLeadInMs = 20;
constexpr int kWordGapMs = 90;
constexpr int kMsPerSecond = 1000;

std::string Hex(uint32_t value) {
  char text[16];
  snprintf(text, sizeof(text), "0x%lx", static_cast<unsigned long>(value));
  return text;
}

// The sound of one segment at the instance's sample rate; silence when
// espeak-ng fails.
Pcm SegmentSound(const std::vector<NotationPhoneme>& phonemes, const EngineSettings& settings,
                 const EspeakPause& pause) {
  const int rate = SampleRateHz(settings.sampleRate);
  const std::string input = EspeakPhonemeInput(phonemes);
  Pcm sound;
  if (input.empty()) return Pcm{rate, {}};
  const std::vector<std::string> arguments = EspeakVoiceArguments(settings);
  std::string line = "espeak";
  for (const std::string& a : arguments) line += " " + a;
  TraceLine(line + " " + input);
  if (!RunEspeak(arguments, input, pause, sound)) {
    TraceLine("espeak gave no sound");
    return Pcm{rate, {}};
  }
  const Pcm resampled = Resample(sound, rate);
  return TrimSilence(resampled, static_cast<size_t>(rate) * kLeadInMs / kMsPerSecond,
                     static_cast<size_t>(rate) * kWordGapMs / kMsPerSecond);
}

}  // namespace

int32_t SonsynEngine::SetOption(int32_t option, int32_t value) {
  std::lock_guard<std::mutex> hold(m_lock);
  const int32_t result = ApplyOption(m_settings, option, value);
  TraceLine("option " + std::to_string(option) + " " + std::to_string(value) + " -> " +
            std::to_string(result));
  return result;
}

bool SonsynEngine::SetVoiceValue(int32_t bank, int32_t index, int32_t value) {
  std::lock_guard<std::mutex> hold(m_lock);
  TraceLine("voice " + std::to_string(index) + " " + std::to_string(value));
  return ApplyVoiceValue(m_settings, bank, index, value);
}

void SonsynEngine::QueueText(const char* text) {
  if (!text) return;
  std::lock_guard<std::mutex> hold(m_lock);
  TraceLine(std::string("text \"") + text + "\"");
  m_queue.AddText(text);
}

void SonsynEngine::QueueMarker(uint32_t marker) {
  std::lock_guard<std::mutex> hold(m_lock);
  TraceLine("marker " + Hex(marker));
  m_queue.AddMarker(marker);
}

void SonsynEngine::SetNotifier(SonsynNotifier notifier, void* userData) {
  std::lock_guard<std::mutex> hold(m_lock);
  m_notifier = notifier;
  m_userData = userData;
}

void SonsynEngine::StartOutput() {
  // The output thread cannot replace itself.
  if (OnOutputThread()) return;
  std::vector<SpeechSegment> segments;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    segments = m_queue.Take();
  }
  StopOutput();
  std::lock_guard<std::mutex> hold(m_lock);
  TraceLine("start");
  m_aborting = false;
  m_busy = true;
  m_output = std::thread(&SonsynEngine::Speak, this, std::move(segments), m_settings, m_notifier,
                         m_userData);
}

void SonsynEngine::Abort() {
  {
    std::lock_guard<std::mutex> hold(m_lock);
    m_queue.Take();
  }
  StopOutput();
}

void SonsynEngine::StopOutput() {
  {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_busy) {
      TraceLine("abort");
      m_aborting = true;
    }
  }
  m_wake.notify_all();
  // A notifier that aborts runs on the output thread, which cannot wait for itself.
  if (m_output.joinable() && !OnOutputThread()) m_output.join();
}

bool SonsynEngine::OnOutputThread() const { return m_output.get_id() == std::this_thread::get_id(); }

template <typename Reached, typename Remaining>
bool SonsynEngine::WaitFor(Reached reached, Remaining remaining) {
  std::unique_lock<std::mutex> hold(m_lock);
  while (!m_aborting && !reached()) m_wake.wait_for(hold, remaining());
  return !m_aborting;
}

void SonsynEngine::Speak(std::vector<SpeechSegment> segments, EngineSettings settings,
                         SonsynNotifier notifier, void* userData) {
  auto notify = [&](int32_t kind, intptr_t value) {
    if (notifier) notifier(m_handle, kind, value, userData);
  };
  auto aborted = [&] {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_aborting;
  };

  auto pause = [&](std::chrono::milliseconds time) {
    std::unique_lock<std::mutex> hold(m_lock);
    m_wake.wait_for(hold, time, [&] { return m_aborting; });
    return !m_aborting;
  };

  // Each segment is spoken alone so that its markers fall where its sound ends.
  Pcm utterance{SampleRateHz(settings.sampleRate), {}};
  std::vector<SpokenSegment> spoken;
  for (SpeechSegment& segment : segments) {
    if (aborted()) break;
    SpokenSegment s;
    s.phonemes = ParseNotation(segment.text);
    const Pcm sound = SegmentSound(s.phonemes, settings, pause);
    s.samples = sound.samples.size();
    s.voiced = VoicedSpan(sound.samples);
    s.markersAfter = std::move(segment.markersAfter);
    utterance.samples.insert(utterance.samples.end(), sound.samples.begin(), sound.samples.end());
    spoken.push_back(std::move(s));
  }
  TraceUtterance(utterance);

  SoundOutput output;
  if (!aborted()) {
    output.Start(utterance);
    TraceLine(output.OnDevice() ? "playing on the sound device" : "playing by the clock");
    for (const SpeechEvent& event : ScheduleSpeech(spoken, settings.phonemeNotices)) {
      if (!WaitFor([&] { return output.Position() >= event.at; },
                   [&] { return output.TimeUntil(event.at); }))
        break;
      if (event.kind == SpeechEvent::Kind::Marker) {
        TraceLine("reached marker " + Hex(event.marker));
        notify(kSonsynNoticeMarker, static_cast<intptr_t>(event.marker));
      } else {
        const SonsynPhonemeRecord record = PhonemeRecordOf(event.phoneme);
        notify(kSonsynNoticePhoneme, reinterpret_cast<intptr_t>(&record));
      }
    }
    WaitFor([&] { return output.Finished(); },
            [&] { return output.TimeUntil(utterance.samples.size()); });
  }
  output.Stop();
  if (settings.phonemeNotices) {
    const SonsynPhonemeRecord silence = SilenceRecord();
    notify(kSonsynNoticePhoneme, reinterpret_cast<intptr_t>(&silence));
  }
  TraceLine(aborted() ? "output aborted" : "output finished");
  m_busy = false;
}
