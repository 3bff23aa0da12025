#include "lexicon/core/SearchVariants.h"

#include <cstring>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/WordCompare.h"

namespace {

using namespace HebCode;

enum class Change {
  kNone,
  kSwapVav,        // qubuts and shuruk
  kToggleYod,      // the yod after hiriq or tsere added or dropped
  kToQamatsQatan,  // holam male
  kToHolamMale,    // holam, qamats qatan
  kDropSecondYod,  // unpointed doubled yod
  kDropVav,        // unpointed vav before yod: qubuts on the letter before
};

int Length(const BYTE* letters) {
  return static_cast<int>(std::strlen(reinterpret_cast<const char*>(letters)));
}

bool IsBareYodAt(const HebWordRec& w, int i, int length) {
  return i < length && IsYodForm(w.letters[i]) && IsNoVowel(w.vowels[i]);
}

// Why the position can be spelled otherwise.
Change ChangeAt(const HebWordRec& w, int i, int length, bool unpointed) {
  const int v = w.vowels[i];
  if (IsQubutsForm(v) || IsShuruk(v) || v == StressedShuruk) return Change::kSwapVav;
  if (IsHiriqForm(v) || IsTsereForm(v)) return Change::kToggleYod;
  if (IsHolamMale(v)) return Change::kToQamatsQatan;
  if (IsHolamForm(v) || IsQamatsQatan(v)) {
    const bool last = i + 1 >= length;
    const int next = last ? 0 : w.letters[i + 1];
    const int nextVowel = last ? 0 : w.vowels[i + 1];
    const bool beforeVavVowel = IsVav(next) && IsVavVowel(nextVowel);
    const bool beforeBareFinalHe = IsHe(next) && IsNoVowel(nextVowel) && i + 2 >= length;
    const bool beforeBareInnerAlef = IsAlef(next) && IsNoVowel(nextVowel) && i + 2 < length;
    if (!beforeVavVowel && !beforeBareFinalHe && !beforeBareInnerAlef) return Change::kToHolamMale;
  }
  if (!unpointed) return Change::kNone;
  if (IsYodForm(w.letters[i]) && i + 1 < length && IsYodForm(w.letters[i + 1]))
    return Change::kDropSecondYod;
  if (IsVav(w.letters[i]) && i >= 2 && !IsVav(w.letters[i - 1]) && i + 1 < length &&
      IsYodForm(w.letters[i + 1]))
    return Change::kDropVav;
  return Change::kNone;
}

int BitsOf(Change change) {
  return change == Change::kToQamatsQatan ? 2 : change == Change::kNone ? 0 : 1;
}

}  // namespace

int GetSearchVariant(const HebWordRec& word, int* firstChanged, HebWordRec* variant, int number) {
  const int length = Length(word.letters);
  const bool unpointed = IsUnpointed(word.letters, word.vowels) != 0;
  std::vector<Change> changes(length);
  int bits = 0;
  int first = length;
  for (int i = 0; i < length; ++i) {
    changes[i] = ChangeAt(word, i, length, unpointed);
    if (bits + BitsOf(changes[i]) > kMaxSearchVariantBits) changes[i] = Change::kNone;
    if (changes[i] != Change::kNone && first == length) first = i;
    bits += BitsOf(changes[i]);
  }
  if (firstChanged) *firstChanged = first;
  const int count = bits == 0 ? 0 : (1 << bits) - 1;
  if (variant == nullptr) return count;
  if (number < 1 || number > count) return 0;

  std::vector<BYTE> letters;
  std::vector<BYTE> vowels;
  int bit = 0;
  for (int i = 0; i < length; ++i) {
    int letter = word.letters[i];
    int vowel = word.vowels[i];
    const bool chosen = changes[i] != Change::kNone && (number >> bit & 1) != 0;
    bit += BitsOf(changes[i]);
    bool skip = false;
    bool yodAfter = false;
    if (chosen) {
      switch (changes[i]) {
        case Change::kSwapVav:
          vowel = vowel == Qubuts           ? Shuruk
                  : vowel == StressedQubuts ? StressedShuruk
                  : vowel == StressedShuruk ? StressedQubuts
                                            : Qubuts;
          break;
        case Change::kToggleYod:
          if (IsBareYodAt(word, i + 1, length)) {
            letters.push_back(static_cast<BYTE>(letter));
            vowels.push_back(static_cast<BYTE>(vowel));
            ++i;
            continue;
          }
          yodAfter = true;
          break;
        case Change::kToQamatsQatan:
          vowel = vowel == StressedHolamMale ? StressedQamatsQatan : QamatsQatan;
          break;
        case Change::kToHolamMale:
          vowel = IsStressedVowel(vowel) ? StressedHolamMale : HolamMale;
          break;
        case Change::kDropSecondYod:
          letters.push_back(static_cast<BYTE>(letter));
          vowels.push_back(static_cast<BYTE>(vowel));
          ++i;
          continue;
        case Change::kDropVav:
          if (!vowels.empty()) vowels.back() = Qubuts;
          skip = true;
          break;
        case Change::kNone: break;
      }
    }
    if (skip) continue;
    letters.push_back(static_cast<BYTE>(letter));
    vowels.push_back(static_cast<BYTE>(vowel));
    if (yodAfter) {
      letters.push_back(Yod);
      vowels.push_back(NoVowel);
    }
  }
  if (static_cast<int>(letters.size()) >= kWordPlaneSize) return 0;
  *variant = word;
  std::memset(variant->letters, 0, sizeof variant->letters);
  std::memset(variant->vowels, 0, sizeof variant->vowels);
  std::memset(variant->marks, 0, sizeof variant->marks);
  std::memcpy(variant->letters, letters.data(), letters.size());
  std::memcpy(variant->vowels, vowels.data(), vowels.size());
  return 1;
}
