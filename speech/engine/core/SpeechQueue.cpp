#include "speech/engine/core/SpeechQueue.h"

#include <algorithm>

namespace {

// Relative lengths of phonemes.
constexpr size_t kConsonantWeight = 2;
constexpr size_t kVowelWeight = 3;
constexpr size_t kStressedVowelWeight = 4;

size_t WeightOf(const NotationPhoneme& p) {
  if (p.kind == PhonemeKind::Consonant) return kConsonantWeight;
  return p.stress == Stress::Primary ? kStressedVowelWeight : kVowelWeight;
}

}  // namespace

void SpeechQueue::AddText(const std::string& text) {
  if (m_segments.empty() || !m_segments.back().markersAfter.empty())
    m_segments.emplace_back();
  m_segments.back().text += text;
}

void SpeechQueue::AddMarker(uint32_t marker) {
  if (m_segments.empty()) m_segments.emplace_back();
  m_segments.back().markersAfter.push_back(marker);
}

std::vector<SpeechSegment> SpeechQueue::Take() {
  std::vector<SpeechSegment> taken;
  taken.swap(m_segments);
  return taken;
}

std::vector<SpeechEvent> ScheduleSpeech(const std::vector<SpokenSegment>& segments,
                                        bool phonemeNotices) {
  std::vector<SpeechEvent> events;
  size_t start = 0;
  for (const SpokenSegment& segment : segments) {
    if (phonemeNotices && !segment.phonemes.empty()) {
      size_t total = 0;
      for (const NotationPhoneme& p : segment.phonemes) total += WeightOf(p);
      const size_t end = std::min(segment.voiced.end, segment.samples);
      const size_t begin = std::min(segment.voiced.begin, end);
      const size_t span = end - begin;
      size_t done = 0;
      for (const NotationPhoneme& p : segment.phonemes) {
        SpeechEvent e;
        e.at = start + begin + span * done / total;
        e.kind = SpeechEvent::Kind::Phoneme;
        e.phoneme = p;
        events.push_back(std::move(e));
        done += WeightOf(p);
      }
    }
    start += segment.samples;
    for (uint32_t marker : segment.markersAfter) {
      SpeechEvent e;
      e.at = start;
      e.marker = marker;
      events.push_back(std::move(e));
    }
  }
  return events;
}
