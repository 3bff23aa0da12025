// Queued texts and markers, split at the markers, and when each marker and
// phoneme of an utterance is reached.
#include "speech/engine/core/SpeechQueue.h"

#include <gtest/gtest.h>

namespace SpeechQueue_test {

TEST(SpeechQueue, TextsBetweenMarkersAreSpokenInOnePiece) {
  SpeechQueue queue;
  queue.AddMarker(7);  // before any text
  queue.AddText("`[S1a]");
  queue.AddText(" `[l1O]");
  queue.AddMarker(1);
  queue.AddMarker(2);
  queue.AddText(" `[d1a]");
  queue.AddMarker(0x80000000u);
  const std::vector<SpeechSegment> segments = queue.Take();
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_EQ(segments[0].text, "");
  EXPECT_EQ(segments[0].markersAfter, (std::vector<uint32_t>{7}));
  EXPECT_EQ(segments[1].text, "`[S1a] `[l1O]");
  EXPECT_EQ(segments[1].markersAfter, (std::vector<uint32_t>{1, 2}));
  EXPECT_EQ(segments[2].text, " `[d1a]");
  EXPECT_EQ(segments[2].markersAfter, (std::vector<uint32_t>{0x80000000u}));
  EXPECT_TRUE(queue.Empty());
  EXPECT_TRUE(queue.Take().empty());
}

SpokenSegment Spoken(const char* text, size_t samples, SampleSpan voiced,
                     std::vector<uint32_t> markers) {
  return SpokenSegment{ParseNotation(text), samples, voiced, std::move(markers)};
}

struct Expected {
  size_t at;
  SpeechEvent::Kind kind;
  const char* letters;  // phonemes
  uint32_t marker;      // markers
};

void ExpectEvents(const std::vector<SpeechEvent>& events, const std::vector<Expected>& expected) {
  ASSERT_EQ(events.size(), expected.size());
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].at, expected[i].at) << i;
    EXPECT_EQ(events[i].kind, expected[i].kind) << i;
    if (events[i].kind == SpeechEvent::Kind::Marker)
      EXPECT_EQ(events[i].marker, expected[i].marker) << i;
    else
      EXPECT_EQ(events[i].phoneme.letters, expected[i].letters) << i;
  }
}

using K = SpeechEvent::Kind;

TEST(SpeechQueue, PhonemesSpreadOverTheVoiceAndMarkersFollowTheirSound) {
  // weights: consonant 2, vowel 3, stressed vowel 4; "S1a" is 6 in all
  const std::vector<SpokenSegment> segments = {
      Spoken("", 0, {}, {5}),
      Spoken("`[S1a.d0E]", 2000, {100, 1100}, {1}),
      Spoken(" `[l1O]", 1000, {0, 600}, {0x80000000u}),
  };
  ExpectEvents(ScheduleSpeech(segments, true),
               {{0, K::Marker, "", 5},
                {100, K::Phoneme, "S", 0},
                {100 + 1000 * 2 / 11, K::Phoneme, "a", 0},
                {100 + 1000 * 6 / 11, K::Phoneme, "d", 0},
                {100 + 1000 * 8 / 11, K::Phoneme, "E", 0},
                {2000, K::Marker, "", 1},
                {2000, K::Phoneme, "l", 0},
                {2000 + 600 * 2 / 6, K::Phoneme, "O", 0},
                {3000, K::Marker, "", 0x80000000u}});
}

TEST(SpeechQueue, WithoutNoticesOnlyMarkers) {
  const std::vector<SpokenSegment> segments = {
      Spoken("`[S1a]", 500, {10, 400}, {0}),
      Spoken(" `[l1O]", 700, {0, 600}, {}),
      Spoken("`2", 0, {}, {9}),
  };
  ExpectEvents(ScheduleSpeech(segments, false),
               {{500, K::Marker, "", 0}, {1200, K::Marker, "", 9}});
}

TEST(SpeechQueue, AVoicedSpanBeyondTheSoundIsHeldToIt) {
  const std::vector<SpokenSegment> segments = {Spoken("`[a1]", 100, {300, 900}, {3})};
  ExpectEvents(ScheduleSpeech(segments, true), {{100, K::Phoneme, "a", 0}, {100, K::Marker, "", 3}});
}

}  // namespace SpeechQueue_test
