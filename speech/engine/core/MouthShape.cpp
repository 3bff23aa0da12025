#include "speech/engine/core/MouthShape.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

struct ShapeRow {
  const char* letters;  // every notation letter (or quoted vowel) of the row
  MouthShape shape;
};

// Vowels by quoted spelling first, then single letters.
const ShapeRow kQuotedVowels[] = {
    {"aj", {200, 200}},
    {"oj", {150, 110}},
    {"o~", {160, 80}},
};
const ShapeRow kLetters[] = {
    {"aA", {230, 170}},    // open, neutral width
    {"eE", {130, 200}},    // half open, spread
    {"iI", {70, 235}},     // nearly closed, spread
    {"oO", {160, 80}},     // rounded
    {"uU", {80, 40}},      // small and rounded
    {"@", {110, 140}},     // neutral
    {"Y", {200, 200}},     // as "aj"
    {"bpm", {0, 128}},     // lips closed
    {"fv", {30, 150}},     // lip on teeth
    {"w", {40, 50}},       // rounded glide
    {"SZJC", {60, 90}},    // pushed-out lips
    {"j", {60, 200}},      // spread glide
    {"kgxGhq", {90, 130}}, // back of the mouth: jaw half open
    {"dtnlrszT", {60, 150}},
};

}  // namespace

MouthShape MouthShapeOf(const NotationPhoneme& phoneme) {
  for (const ShapeRow& row : kQuotedVowels)
    if (phoneme.letters == row.letters) return row.shape;
  if (phoneme.letters.size() == 1)
    for (const ShapeRow& row : kLetters)
      if (std::strchr(row.letters, phoneme.letters[0])) return row.shape;
  return kRestingMouth;
}

SonsynPhonemeRecord PhonemeRecordOf(const NotationPhoneme& phoneme) {
  SonsynPhonemeRecord record{};
  record.code = static_cast<uint8_t>(phoneme.letters.empty() ? 0 : phoneme.letters[0]);
  const size_t n = std::min(phoneme.letters.size(), sizeof(record.letters) - 1);
  std::memcpy(record.letters, phoneme.letters.data(), n);
  const MouthShape shape = MouthShapeOf(phoneme);
  record.opening = shape.opening;
  record.width = shape.width;
  return record;
}

SonsynPhonemeRecord SilenceRecord() {
  SonsynPhonemeRecord record{};
  record.code = kSonsynPhonemeSilence;
  record.opening = kRestingMouth.opening;
  record.width = kRestingMouth.width;
  return record;
}
