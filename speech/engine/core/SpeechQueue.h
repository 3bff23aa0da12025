// The texts and markers queued for one utterance, and when, in samples of
// its sound, each marker and phoneme is reached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "speech/engine/core/PhoneticNotation.h"
#include "speech/engine/core/WaveData.h"

// The text between two markers is spoken in one piece; its markers are
// reached when its sound has been played. The first segment may have no
// text: markers queued before any text.
struct SpeechSegment {
  std::string text;
  std::vector<uint32_t> markersAfter;
};

class SpeechQueue {
 public:
  void AddText(const std::string& text);
  void AddMarker(uint32_t marker);
  bool Empty() const { return m_segments.empty(); }
  // The queued segments; the queue is empty afterwards.
  std::vector<SpeechSegment> Take();

 private:
  std::vector<SpeechSegment> m_segments;
};

// A segment once spoken: its phonemes, its sound's length and where in it
// the voice is heard.
struct SpokenSegment {
  std::vector<NotationPhoneme> phonemes;
  size_t samples = 0;
  SampleSpan voiced;
  std::vector<uint32_t> markersAfter;
};

struct SpeechEvent {
  enum class Kind { Marker, Phoneme };
  size_t at = 0;  // sample of the whole utterance
  Kind kind = Kind::Marker;
  uint32_t marker = 0;
  NotationPhoneme phoneme;
};

// Events in the order they are reached: each segment's phonemes spread over
// its voiced span by their usual lengths (stressed vowels longest,
// consonants shortest), then its markers at its end. Phonemes only when
// notices are on.
std::vector<SpeechEvent> ScheduleSpeech(const std::vector<SpokenSegment>& segments,
                                        bool phonemeNotices);
