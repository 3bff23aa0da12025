// The form-type tables by binyan and conjugation pattern number.
#include "lexicon/core/SuffixFormTypes.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"

namespace {

using namespace HebCode;
using FormSlot::Future1s;
using FormSlot::Future2fp3fp;
using FormSlot::Future3ms;
using FormSlot::Future3mp;
using FormSlot::ImperativeFs;
using FormSlot::ImperativeFp;
using FormSlot::Past3fs;

// One row of a selector: the patterns that give a form type.
struct FormTypeRow {
  std::initializer_list<int> patterns;
  int type;
};

int Lookup(std::initializer_list<FormTypeRow> rows, int pattern) {
  for (const FormTypeRow& row : rows)
    if (IsOneOf(pattern, row.patterns)) return row.type;
  return 0;
}

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

// The letter as the root tables compare it: regular form, no dagesh, a shin
// with either dot as the plain shin.
int PlainRootLetter(int letter) {
  letter = FinalToRegularLetter(RemoveDagesh(letter));
  if (IsShin(letter) || IsShinWithShinDot(letter) || IsShinWithSinDot(letter)) return Shin;
  return letter;
}

bool IsThreeLetterRoot(const BYTE* root) { return root && std::strlen((const char*)root) == 3; }

// The geminate roots that take the geminate form types.
int GeminateRootType(const BYTE* root, int otherwise) {
  if (IsRoot(root, Het, Gimel, Gimel) || IsRoot(root, Bet, Zayin, Zayin) ||
      IsRoot(root, Bet, Resh, Resh) || IsRoot(root, Het, Nun, Nun))
    return 52;
  if (IsRoot(root, Gimel, Resh, Resh)) return 53;
  return otherwise;
}

}  // namespace

bool IsRoot(const BYTE* root, int first, int second, int third) {
  if (!IsThreeLetterRoot(root)) return false;
  return PlainRootLetter(root[0]) == PlainRootLetter(first) &&
         PlainRootLetter(root[1]) == PlainRootLetter(second) &&
         PlainRootLetter(root[2]) == PlainRootLetter(third);
}

int SelectInfinitiveFormType(int binyan, int p, const BYTE* root) {
  switch (binyan) {
    case Binyan::Paal:
      if (InRange(p, 1, 6)) {
        if (IsRoot(root, Alef, Samekh, Pe) || IsRoot(root, Resh, Kaf, Bet)) return 22;
        if (IsRoot(root, Bet, Qof, Ayin) || IsRoot(root, Pe, Gimel, Ayin) ||
            IsRoot(root, Pe, Tav, Het) || IsRoot(root, Resh, Bet, Ayin))
          return 23;
        return 1;
      }
      if (p == 19) {
        if (IsRoot(root, Bet, Zayin, Zayin) || IsRoot(root, Bet, Resh, Resh) ||
            IsRoot(root, Het, Gimel, Gimel) || IsRoot(root, Het, Nun, Nun))
          return 52;
        return IsRoot(root, Gimel, Resh, Resh) ? 53 : 7;
      }
      return Lookup({{{7}, 1}, {{9}, 49}, {{10}, 62}, {{11}, 57}, {{12, 13, 14, 24, 30}, 4},
                     {{15, 16, 17, 18}, 5}, {{20}, 55}, {{27}, 63}, {{32}, 56}, {{41}, 58}},
                    p);
    case Binyan::Piel:
      if (p == 1 || p == 2) return IsThreeLetterRoot(root) && IsAlef(root[2]) ? 3 : 1;
      return Lookup({{{3, 4, 9, 10}, 2}, {{5, 11, 21, 22, 27}, 4}, {{6, 7, 16, 24, 26}, 1},
                     {{8}, 14}, {{13}, 3}, {{14}, 18}, {{15}, 17}},
                    p);
    case Binyan::Hitpael: return Lookup({{{1, 2, 7}, 1}, {{3}, 2}, {{6}, 4}}, p);
    case Binyan::Hifil:
      return Lookup({{{1, 2, 4, 6, 7, 16, 17, 24}, 1}, {{3, 5, 8}, 2}, {{9, 10, 11, 19}, 4},
                     {{12}, 5}, {{13}, 41}, {{14}, 7}, {{15}, 8}, {{18, 25}, 10}},
                    p);
    default: return 0;
  }
}

int SelectPresentFormType(int binyan, int p) {
  switch (binyan) {
    case Binyan::Paal:
      return Lookup({{{1, 21, 28}, 1}, {{6}, 2}, {{7}, 3}, {{8}, 4}, {{9}, 5}, {{10}, 7}}, p);
    case Binyan::Piel:
      return Lookup({{{1, 2, 9}, 1}, {{3, 4, 13}, 2}, {{5, 6}, 3}, {{7, 8, 24}, 4},
                     {{10, 19, 28}, 13}, {{11, 12, 16}, 14}, {{15}, 16}, {{17}, 18}, {{18}, 17},
                     {{26}, 19}},
                    p);
    case Binyan::Hitpael: return Lookup({{{1, 2, 9}, 1}, {{3}, 2}, {{24}, 4}}, p);
    case Binyan::Hifil:
      return Lookup({{{1, 2, 3, 4, 5, 6, 7, 16, 17, 21}, 1}, {{8, 9, 10, 11, 24, 25}, 4},
                     {{12, 18}, 5}, {{13, 28, 29}, 7}, {{14, 15}, 9}, {{23}, 10}},
                    p);
    default: return 0;
  }
}

int SelectPastThirdFormType(int binyan, int p, const BYTE* root, int slot) {
  switch (binyan) {
    case Binyan::Paal:
      if (p == 35) return IsRoot(root, Yod, Resh, Shin) ? 24 : 0;
      return Lookup({{{1, 2, 7, 9, 10, 15}, 1}, {{3}, 3}, {{4}, 3 | kFormTypeVariant},
                     {{5, 16}, 4}, {{6, 21}, 1 | kFormTypeVariant}, {{8, 18, 22}, 5},
                     {{11, 30, 31}, 7}, {{12}, 6}, {{14, 23, 34}, 12}},
                    p);
    case Binyan::Piel:
      if (p == 18) return slot == Past3fs ? 1 : 0;
      return Lookup({{{1, 2, 10}, 1}, {{3, 4, 5, 14, 15, 19}, 2}, {{6, 7}, 3}, {{8, 9, 31}, 4},
                     {{11, 26, 36, 37, 39, 40}, 13}, {{12, 13}, 14}, {{17}, 16}, {{20}, 21},
                     {{23, 29, 30}, 18}, {{24, 25}, 17}, {{33, 35}, 19}, {{41, 42}, 20}},
                    p);
    case Binyan::Hitpael: return Lookup({{{1, 2, 9}, 1}, {{3}, 2}, {{8}, 4}}, p);
    case Binyan::Hifil:
      return Lookup({{{1, 2, 3, 4, 5, 6, 7, 9, 10}, 1}, {{8, 28}, 10}, {{11, 12, 27, 30, 34}, 3},
                     {{13, 14, 15, 16, 17, 31}, 4}, {{18, 19, 20, 21, 29, 41}, 5},
                     {{22, 23, 24, 25}, 7}, {{26}, 9}, {{39}, 11}, {{40, 46}, 8}},
                    p);
    default: return 0;
  }
}

int SelectFutureFormType(int binyan, int p, const BYTE* root, int slot) {
  switch (binyan) {
    case Binyan::Paal:
      if (p == 57) return slot == Future2fp3fp ? 39 : 0;
      if (p == 60) return slot == Future2fp3fp ? 57 : 0;
      if (p == 40 || p == 41) {
        if (slot != Future2fp3fp) return 0;
        if (IsRoot(root, Bet, Vav, Alef)) return 56;
        p = 27;
      }
      if (p == 27) {
        if (IsRoot(root, Het, Nun, Nun)) return 51;
        return GeminateRootType(root, 7);
      }
      // The a of a guttural third letter's future (5 yishma, 8 yikkah) stays
      // qamats before the suffix as in the other a-futures: yishmaeni,
      // yikkaheni, like yilbasheni.
      return Lookup({{{1, 4, 38, 52}, 31}, {{2, 5, 7, 8, 14, 16}, 34}, {{3}, 32},
                     {{6, 15, 36}, 35}, {{9}, 38}, {{10}, 49}, {{11}, 50}, {{12}, 47},
                     {{13, 30, 32, 42}, 48}, {{17, 19, 35, 45}, 4}, {{18}, 42}, {{20}, 43},
                     {{21}, 44}, {{22}, 45}, {{23, 24}, 39}, {{25, 26}, 40}, {{28}, 46},
                     {{33}, 55}, {{37}, 37}, {{43}, 58}, {{44}, 57}, {{51}, 56}, {{53}, 61},
                     {{55}, 60}, {{59}, 59}},
                    p);
    case Binyan::Piel:
      return Lookup({{{1, 2, 7, 8, 18, 25, 27}, 1}, {{3, 4, 10, 11}, 2}, {{5, 6, 23}, 4},
                     {{9}, 14}, {{12, 13, 15}, 3}, {{16}, 18}, {{17}, 17}},
                    p);
    case Binyan::Hitpael: return Lookup({{{1, 2, 7}, 1}, {{3}, 2}, {{6}, 4}}, p);
    case Binyan::Hifil:
      if (p == 19) return slot == Future2fp3fp ? 5 : 0;
      if (p == 20) {
        if (IsRoot(root, Yod, Dalet, He) && IsOneOf(slot, {Future1s, Future3ms, Future3mp}))
          return 4;
        if (slot != Future2fp3fp) return 0;
        return IsRoot(root, Kaf, Tav, Tav) ? 10 : 7;
      }
      if (p == 21) {
        if (slot != Future2fp3fp) return 0;
        return root && std::strlen((const char*)root) >= 2 && IsResh(root[1]) ? 7 : 8;
      }
      return Lookup({{{1, 2, 4, 6, 7, 17, 18, 25}, 1}, {{3, 5, 8, 22, 23, 26}, 2},
                     {{9, 10, 11, 16, 28}, 4}, {{12, 24, 34}, 5}, {{13}, 41}, {{14, 33}, 7},
                     {{15}, 8}, {{27}, 10}},
                    p);
    default: return 0;
  }
}

int SelectImperativeFormType(int binyan, int p, const BYTE* root, int slot) {
  switch (binyan) {
    case Binyan::Paal:
      if (p == 38) return slot == ImperativeFp ? 57 : 0;
      if (p == 42) return slot == ImperativeFp ? 55 : 0;
      if (p == 16 || p == 28 || (p == 34 && slot == ImperativeFp) ||
          (p == 40 && slot == ImperativeFs)) {
        if (IsRoot(root, Bet, Vav, Alef)) return 0;
        return GeminateRootType(root, 7);
      }
      return Lookup({{{1, 74}, 31}, {{2, 9, 10}, 34}, {{3, 23}, 32}, {{4}, 35}, {{5}, 64},
                     {{7, 41}, 49}, {{8}, 50}, {{11, 21}, 4}, {{12, 13, 25}, 39},
                     {{14, 15, 37}, 40}, {{17}, 54}, {{18}, 55}, {{22}, 65}, {{26}, 58},
                     {{27}, 57}, {{31}, 56}, {{35}, 61}},
                    p);
    case Binyan::Piel:
      return Lookup({{{1, 2, 7, 8, 18, 26, 28, 29}, 1}, {{3, 4, 10, 11}, 2}, {{5, 6, 23}, 4},
                     {{9}, 14}, {{12, 13, 15}, 3}, {{16}, 18}, {{17}, 17}},
                    p);
    case Binyan::Hitpael: return Lookup({{{1, 2, 7}, 1}, {{3}, 2}, {{6}, 4}}, p);
    case Binyan::Hifil:
      return Lookup({{{1, 2, 5, 7, 8, 17, 18}, 1}, {{3, 4, 6, 9, 19, 20, 21, 22, 23}, 2},
                     {{10, 11, 12, 26, 34}, 4}, {{13}, 5}, {{14}, 41}, {{15, 31}, 7}, {{16}, 8},
                     {{24}, 10}},
                    p);
    default: return 0;
  }
}

int SelectFixedFormType(int binyan, int p) {
  if (binyan == Binyan::Paal && p == 12) return 6;
  if (binyan == Binyan::Hifil && (p == 8 || p == 28)) return 10;
  if (binyan == Binyan::Hifil && p == 39) return 11;
  return 0;
}
