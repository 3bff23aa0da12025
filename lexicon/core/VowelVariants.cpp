#include "lexicon/core/VowelVariants.h"

#include <algorithm>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormPlanes.h"

namespace {

constexpr BYTE kPartSeparator = ',';
constexpr int kChoosingPositions = 3;
// The count doubles with every variable vowel; beyond this many it would
// not fit an int (a part may be a whole phrase).
constexpr int kMaxCountedVowels = 30;

// Which of the first three variable vowels variant k changes: bit 0 the
// first. The seven variants are the seven non-empty choices, each once, so
// the last is the third vowel alone rather than a second copy of variant 1
// (first and third), which would leave that spelling unfiled.
// clang-format off
constexpr BYTE kVariantChoices[] = {
    0b111, 0b101, 0b110, 0b011, 0b001, 0b010, 0b100,
};
// clang-format on
static_assert(sizeof kVariantChoices == kVowelVariantChoices, "one choice per variant");

int PlainReading(int vowel) {
  if (IsVowelVariant(vowel)) return VowelVariantToPlain(vowel);
  if (IsQamatsPatahVariant(vowel)) return QamatsPatahVariantToPlain(vowel);
  return HebCode::QamatsQatanVariant;
}

int PartEnd(const HebWordRec& word, int offset) {
  int end = offset;
  while (end < kWordPlaneSize - 1 && word.letters[end] != 0 && word.letters[end] != kPartSeparator)
    ++end;
  return end;
}

bool IsOffsetInWord(int offset) { return offset >= 0 && offset < kWordPlaneSize - 1; }

}  // namespace

bool IsVariableVowel(int vowel) {
  return IsVowelVariant(vowel) || IsQamatsPatahVariant(vowel) ||
         (IsQamatsQatan(vowel) && vowel != HebCode::QamatsQatanVariant);
}

int CountVowelVariants(const HebWordRec& word, int offset) {
  if (!IsOffsetInWord(offset)) return 0;
  int variable = 0;
  const int end = PartEnd(word, offset);
  for (int i = offset; i < end; ++i) variable += IsVariableVowel(word.vowels[i]);
  return (1 << std::min(variable, kMaxCountedVowels)) - 1;
}

int BuildVowelVariant(const HebWordRec& word, int offset, HebWordRec& out, int k) {
  if (k < 0 || k >= CountVowelVariants(word, offset) || k >= kVowelVariantChoices) return 0;
  HebWordRec variant = {};
  const int end = PartEnd(word, offset);
  int seen = 0;
  for (int i = offset; i < end; ++i) {
    const int at = i - offset;
    variant.letters[at] = word.letters[i];
    variant.vowels[at] = word.vowels[i];
    variant.marks[at] = word.marks[i];
    if (!IsVariableVowel(word.vowels[i]) || seen >= kChoosingPositions) continue;
    if (kVariantChoices[k] & (1 << seen)) variant.vowels[at] = PlainReading(word.vowels[i]);
    ++seen;
  }
  variant.binyan = word.binyan;
  variant.formSlot = word.formSlot;
  out = variant;
  return 1;
}

void DropHeAfterFirstLetter(HebWordRec& word) {
  FormPlanes form = FormPlanes::FromRecord(word);
  for (int start = 0; start < form.length;) {
    if (start + 1 < form.length && IsHe(form.letters[start + 1]) &&
        form.letters[start] != kPartSeparator) {
      form.vowels[start] = form.vowels[start + 1];
      form.Remove(start + 1);
    }
    while (start < form.length && form.letters[start] != kPartSeparator) ++start;
    ++start;
  }
  form.ToRecord(word);
}
