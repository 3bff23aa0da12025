#include "lexicon/core/FormStress.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormSlots.h"

using namespace HebCode;

namespace {

struct IdRange {
  int from, to;  // to excluded
};

struct RootSets {
  IdRange a[4], b[2], c[2];
};

// Per binyan; empty ranges are {0, 0}.
const RootSets kRootSets[7] = {
    {{{121, 122}, {125, 126}, {127, 128}, {308, 380}}, {{460, 518}, {640, 670}}, {{518, 570}, {5200, 0x10000}}},
    {{{200, 260}}, {{300, 340}}, {{340, 380}, {3400, 0x10000}}},
    {{{130, 150}}, {{190, 230}}, {{230, 250}}},
    {{{160, 180}}, {{220, 250}}, {{250, 270}}},
    {{{240, 260}}, {{280, 320}}, {{320, 340}}},
    {{{180, 230}, {410, 411}}, {{270, 348}}, {{348, 400}}},
    {{{160, 190}}, {{210, 260}}, {{260, 280}}},
};

template <int N>
bool InRanges(const IdRange (&ranges)[N], int id) {
  for (const IdRange& r : ranges)
    if (id >= r.from && id < r.to) return true;
  return false;
}

int Length(const BYTE* letters) { return static_cast<int>(std::strlen(reinterpret_cast<const char*>(letters))); }

int IsRealVowel(int v) { return !IsNoVowel(v) && !IsShva(v); }

}  // namespace

bool IsRootInSetA(const BinyanRootRec& record, int binyan) {
  return binyan >= 0 && binyan < 7 && InRanges(kRootSets[binyan].a, record.rootId);
}
bool IsRootInSetB(const BinyanRootRec& record, int binyan) {
  return binyan >= 0 && binyan < 7 && InRanges(kRootSets[binyan].b, record.rootId);
}
bool IsRootInSetC(const BinyanRootRec& record, int binyan) {
  return binyan >= 0 && binyan < 7 && InRanges(kRootSets[binyan].c, record.rootId);
}

int IsSyllableVowel(int vowel) {
  vowel &= 0xFF;
  return vowel != 0 && vowel != ExplicitNoVowel && !IsShva(vowel) && !IsHatafVowel(vowel);
}

void ClearStressMarks(BYTE* vowels, int count) {
  for (int i = 0; i < count; ++i) vowels[i] = static_cast<BYTE>(RemoveStressMark(vowels[i]));
}

int HasStressedVowel(const BYTE* vowels, int count) {
  for (int i = 0; i < count; ++i)
    if (IsStressedVowel(vowels[i])) return 1;
  return 0;
}

int ApplyStressPosition(const BYTE* letters, BYTE* vowels, int code) {
  if (code < 100 || code > 103) return 0;
  int n = Length(letters);
  if (n > 0 && letters[n - 1] == ',') --n;
  ClearStressMarks(vowels, n);
  int wanted = code - 99;
  int count = 0;
  for (int i = n - 1; i >= 0; --i) {
    if (!IsSyllableVowel(vowels[i])) continue;
    ++count;
    if (code == kStressLast) break;
    if (count == wanted) {
      if (IsStressableVowel(vowels[i])) vowels[i] = static_cast<BYTE>(AddStressMark(vowels[i]));
      break;
    }
  }
  return 1;
}

int StressLastOrPenult(BYTE* vowels, int position, int count) {
  for (int i = position + 1; i < count; ++i)
    if (IsSyllableVowel(vowels[i])) return kStressPenult;
  vowels[position] = static_cast<BYTE>(RemoveStressMark(vowels[position]));
  return kStressLast;
}

int EndsWithYodVavShuruk(const BYTE* letters, const BYTE* vowels) {
  int n = Length(letters);
  if (n < 3) return 0;
  int last = vowels[n - 1];
  if ((IsHiriqForm(vowels[n - 3]) || IsNoVowel(vowels[n - 3])) && IsYodForm(letters[n - 2]) &&
      vowels[n - 2] == ExplicitNoVowel && last == Shuruk)
    return 1;
  return vowels[n - 2] == Hiriq && last == Shuruk ? 1 : 0;
}

int IsSegolatePattern(const BYTE* letters, const BYTE* vowels) {
  int n = Length(letters);
  if (n < 3 || IsRealVowel(vowels[n - 1])) return 0;
  int last = n - 1, p = last - 1, q = last - 2;
  int vp = vowels[p], vq = vowels[q];
  if (letters[last] == He && vp == Segol &&
      (vq == HolamMale || vq == Holam || vq == 145 || vq == Patah))
    return 0;
  if (IsGutturalLetter(letters[last]) && !IsAlef(letters[last])) {
    if (!IsPatahForm(vp) && !IsSegolForm(vp)) return 0;
    return IsSegolForm(vp) && (vq == 145 || vq == Segol || vq == Holam || vq == HolamMale) ? 1 : 0;
  }
  if (!IsYodForm(letters[last]) && IsGutturalLetter(letters[p]))
    return vp == Segol || (vp == Patah && vq == Patah) ? 1 : 0;
  if (vp != Segol) return 0;
  if (vq == 145 || vq == Tsere || vq == Segol || vq == Holam || vq == HolamMale) return 1;
  if (vq == Qamats)
    return (IsKaf(letters[p]) || IsHe(letters[p])) &&
                   (letters[last] == FinalMem || letters[last] == FinalNun)
               ? 0
               : 1;
  return 0;
}

int DetermineStressPosition(const BYTE* letters, BYTE* vowels, const BYTE* marks, int slot,
                            int binyan, const BinyanRootRec& record, const BYTE* entry,
                            int stressArgument) {
  int rootLength = GetEntryRootLength(entry);
  int n = Length(letters);
  if (n == 0) return kStressLast;
  for (int i = 0; i < n; ++i)
    if (IsStressedVowel(vowels[i])) return StressLastOrPenult(vowels, i, n);

  int code = kStressLast;
  bool setA = IsRootInSetA(record, binyan), setB = IsRootInSetB(record, binyan);
  int group = GetTenseGroup(slot);
  int last = n - 1;
  bool decided = true;
  if (IsGutturalLetter(letters[last]) && IsPatahForm(vowels[last])) {
    code = kStressPenult;
  } else if (slot == 0 || slot == 2 || slot == 7 || slot == 27) {
    code = IsSegolatePattern(letters, vowels) ? kStressPenult : kStressLast;
  } else if (slot == 1 || slot == 3 || slot == 4 || slot == 26 || slot == 28 || slot == 29) {
    code = kStressLast;
  } else if (slot == 5 || slot == 6) {
    code = stressArgument == 0 || setA ? kStressPenult : kStressLast;
  } else if (slot == 10 || slot == 20 || slot == 25) {
    code = kStressPenult;
  } else if (group == 1 && stressArgument != 0 && !setA &&
             !(binyan == 5 && slot == 13 && EndsWithYodVavShuruk(letters, vowels))) {
    code = kStressLast;
  } else {
    decided = false;
  }

  if (!decided) {
    int lastMark = 0;
    for (int i = 0; i < n; ++i)
      if (marks[i]) lastMark = marks[i];
    int beforeLast = n >= 2 ? vowels[n - 2] : 0;
    bool noEndVowel = IsNoVowelOrShva(vowels[last]);
    bool heEnding = letters[last] == He && noEndVowel && IsQamatsForm(beforeLast);
    bool yodEnding = IsYodForm(letters[last]) && noEndVowel && IsHiriqForm(beforeLast);
    bool shurukEnding = IsShuruk(vowels[last]);
    bool setC2 = IsRootInSetC(record, binyan) && lastMark == 2;
    bool search = (heEnding || yodEnding || shurukEnding) &&
                  ((binyan == 5 && !setA) || ((binyan == 0 || binyan == 1) && (setB || setC2)) ||
                   (binyan == 6 && setC2));
    if (search) {
      code = kStressLast;
      for (int i = (heEnding || yodEnding) ? n - 3 : n - 2; i >= 0; --i)
        if (IsSyllableVowel(vowels[i]) && marks[i]) {
          code = kStressPenult;
          break;
        }
    } else if (slot == 11 || slot == 12 || slot == 14 || slot == 15 || slot == 17 || slot == 18) {
      code = kStressLast;
    } else {
      int wanted = rootLength - 1;
      if (setB && group != 0 && (binyan == 0 || binyan == 1 || binyan == 5 || binyan == 6)) wanted = 1;
      int position = -1;
      bool seenMark = false;
      for (int i = 0; i < n; ++i) {
        if (marks[i] >= 5) continue;
        if (marks[i] == wanted && wanted > 0) {
          if (IsSyllableVowel(vowels[i])) {
            position = i;
            break;
          }
          seenMark = true;
        } else if (seenMark && IsSyllableVowel(vowels[i])) {
          position = i;
          break;
        }
      }
      if (position < 0) {
        code = kStressLast;
      } else {
        vowels[position] = static_cast<BYTE>(AddStressMark(vowels[position]));
        return StressLastOrPenult(vowels, position, n);
      }
    }
  }
  ApplyStressPosition(letters, vowels, code);
  return code;
}
