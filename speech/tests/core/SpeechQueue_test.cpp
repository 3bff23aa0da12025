// The words and markers a text is spoken with, in each marker mode.
#include "speech/core/SpeechQueue.h"

#include <gtest/gtest.h>

#include <string>

namespace SpeechQueue_test {

// A queue written out: markers as "<hex>", texts as they are.
std::string Written(const std::vector<SpeechQueueItem>& queue) {
  std::string text;
  for (const SpeechQueueItem& item : queue) {
    if (item.isMarker) {
      char marker[16];
      snprintf(marker, sizeof(marker), "<%x>", static_cast<unsigned>(item.marker));
      text += marker;
    } else {
      text += std::string("{") + static_cast<LPCSTR>(item.text) + "}";
    }
  }
  return text;
}

struct LackCase {
  const char* word;
  bool lacks;
};

class LacksStressMarkTable : public testing::TestWithParam<LackCase> {};

TEST_P(LacksStressMarkTable, OneStressedSyllableOrOneDigit) {
  EXPECT_EQ(LacksStressMark(GetParam().word), GetParam().lacks) << GetParam().word;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, LacksStressMarkTable, testing::Values(
  LackCase{"`[S0al1Om]", false},
  LackCase{"`[d1Od]", false},
  LackCase{"`[d0Od]", false},
  LackCase{"`[t0O.r0a]", true},
  LackCase{"`[t0O.r2a]", true},
  LackCase{"`[sefer]", true},
  LackCase{"", true},
  LackCase{"(Anothing)", false}));
// clang-format on

struct QueueCase {
  const char* text;
  int mode;
  const char* queued;
};

class BuildSpeechQueueTable : public testing::TestWithParam<QueueCase> {};

TEST_P(BuildSpeechQueueTable, WordsAndMarkersInOrder) {
  EXPECT_EQ(Written(BuildSpeechQueue(GetParam().text, GetParam().mode)), GetParam().queued)
      << GetParam().text << " mode " << GetParam().mode;
}

#define PHRASE "`2 `[m0I.l1A] `[l1O] `3 `[m0U.k1Er.E0t] `/"

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, BuildSpeechQueueTable, testing::Values(
  QueueCase{"`[S0al1Om] `[x0av0Er1im]", kSpeakPlain, "{`[S0al1Om]}{ `[x0av0Er1im]}"},
  QueueCase{"  `[a1] `[b1]  ", kSpeakWords, "<0>{`[a1]}<0>{ `[b1]}<80000000>"},
  QueueCase{"`[a1]   `[b1]", kSpeakSentence, "<1>{`[a1]}<1>{ `[b1]}<80000000>"},
  QueueCase{"`[a1] `[b1]", kSpeakSelection, "<0>{`[a1]}<0>{ `[b1]}"},
  // An unspeakable word becomes the phrase, an empty text too.
  QueueCase{"`[a1] `[bb] `[c1]", kSpeakWords,
            "<0>{`[a1]}<10000>{ " PHRASE "}<0>{ `[c1]}<80000000>"},
  QueueCase{"", kSpeakPlain, "{" PHRASE "}"},
  QueueCase{"", kSpeakSentence, "<10001>{" PHRASE "}<80000000>"},
  // An acronym item: its content without "(A" and ")", never tested.
  QueueCase{"(A`[r0O]) `[b1]", kSpeakWords, "<20000>{`[r0O]}<0>{ `[b1]}<80000000>"},
  QueueCase{"(Xa b) `[b1]", kSpeakWords, "<0>{a b}<0>{ `[b1]}<80000000>"},
  QueueCase{"(A`[r1O])", kSpeakSelection, "<20000>{`[r1O]}"},
  QueueCase{"() `[b1]", kSpeakSelection, "<0><0>{ `[b1]}"},
  // Only a group's first word is marked; a word with two marks is its own group.
  QueueCase{"\x01`[a1] `[b1] `[c1]\x01 `[d1]", kSpeakWords,
            "<0>{`[a1]}{ `[b1]}{ `[c1]}<0>{ `[d1]}<80000000>"},
  QueueCase{"\x01`[a1]\x01 `[b1]", kSpeakSentence, "<1>{`[a1]}<1>{ `[b1]}<80000000>"}));
// clang-format on

}  // namespace SpeechQueue_test
