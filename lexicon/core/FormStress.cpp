#include "lexicon/core/FormStress.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/generated/ClassIds.h"

using namespace HebCode;
using namespace FormSlot;

namespace {

using ClassIds::IdRange;

// A registered set of class ids, whatever its number of ranges.
struct IdSet {
  template <int N>
  constexpr IdSet(const IdRange (&list)[N]) : ranges(list), count(N) {}
  const IdRange* ranges;
  int count;
};

struct RootSets {
  IdSet a, b, c;
};

const RootSets kRootSets[Binyan::kCount] = {
    {ClassIds::kPaalSetA, ClassIds::kPaalSetB, ClassIds::kPaalSetC},
    {ClassIds::kNifalSetA, ClassIds::kNifalSetB, ClassIds::kNifalSetC},
    {ClassIds::kPielSetA, ClassIds::kPielSetB, ClassIds::kPielSetC},
    {ClassIds::kPualSetA, ClassIds::kPualSetB, ClassIds::kPualSetC},
    {ClassIds::kHitpaelSetA, ClassIds::kHitpaelSetB, ClassIds::kHitpaelSetC},
    {ClassIds::kHifilSetA, ClassIds::kHifilSetB, ClassIds::kHifilSetC},
    {ClassIds::kHufalSetA, ClassIds::kHufalSetB, ClassIds::kHufalSetC},
};

// The root id is the record's whole word: a range that runs to the last
// class id also takes the words whose bits above the class id are set.
bool InSet(const IdSet& set, int id) {
  for (int i = 0; i < set.count; ++i) {
    const IdRange& r = set.ranges[i];
    if (id >= r.first && (id <= r.last || r.last == GrammarLayout::kBinyanClassMask)) return true;
  }
  return false;
}

int Length(const BYTE* letters) {
  return static_cast<int>(std::strlen(reinterpret_cast<const char*>(letters)));
}

int IsRealVowel(int v) { return !IsNoVowel(v) && !IsShva(v); }

}  // namespace

bool IsRootInSetA(const BinyanRootRec& record, int binyan) {
  return binyan >= 0 && binyan < Binyan::kCount && InSet(kRootSets[binyan].a, record.rootId);
}
bool IsRootInSetB(const BinyanRootRec& record, int binyan) {
  return binyan >= 0 && binyan < Binyan::kCount && InSet(kRootSets[binyan].b, record.rootId);
}
bool IsRootInSetC(const BinyanRootRec& record, int binyan) {
  return binyan >= 0 && binyan < Binyan::kCount && InSet(kRootSets[binyan].c, record.rootId);
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
  if (code < kStressLast || code > kStressFourthFromEnd) return 0;
  int n = Length(letters);
  if (n > 0 && letters[n - 1] == ',') --n;
  ClearStressMarks(vowels, n);
  int wanted = code - kStressLast + 1;
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
      (vq == HolamMale || vq == Holam || vq == HolamVariant || vq == Patah))
    return 0;
  if (IsGutturalLetter(letters[last]) && !IsAlef(letters[last])) {
    if (!IsPatahForm(vp) && !IsSegolForm(vp)) return 0;
    return IsSegolForm(vp) && (vq == HolamVariant || vq == Segol || vq == Holam || vq == HolamMale)
               ? 1
               : 0;
  }
  if (!IsYodForm(letters[last]) && IsGutturalLetter(letters[p]))
    return vp == Segol || (vp == Patah && vq == Patah) ? 1 : 0;
  if (vp != Segol) return 0;
  if (vq == HolamVariant || vq == Tsere || vq == Segol || vq == Holam || vq == HolamMale) return 1;
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
  } else if (IsOneOf(slot, {Infinitive, PresentFs, Past2fs, ParticipleFs})) {
    code = IsSegolatePattern(letters, vowels) ? kStressPenult : kStressLast;
  } else if (IsOneOf(slot,
                     {PresentMs, PresentMp, PresentFp, ParticipleMs, ParticipleMp, ParticipleFp})) {
    code = kStressLast;
  } else if (slot == Past1s || slot == Past2ms) {
    code = stressArgument == 0 || setA ? kStressPenult : kStressLast;
  } else if (IsOneOf(slot, {Past1p, Future2fp3fp, ImperativeFp})) {
    code = kStressPenult;
  } else if (group == TenseGroup::Past && stressArgument != 0 && !setA &&
             !(binyan == Binyan::Hifil && slot == Past3p &&
               EndsWithYodVavShuruk(letters, vowels))) {
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
                  ((binyan == Binyan::Hifil && !setA) ||
                   ((binyan == Binyan::Paal || binyan == Binyan::Nifal) && (setB || setC2)) ||
                   (binyan == Binyan::Hufal && setC2));
    if (search) {
      code = kStressLast;
      for (int i = (heEnding || yodEnding) ? n - 3 : n - 2; i >= 0; --i)
        if (IsSyllableVowel(vowels[i]) && marks[i]) {
          code = kStressPenult;
          break;
        }
    } else if (IsOneOf(slot, {Past2mp, Past2fp, Future1s, Future2ms, Future3ms, Future1p})) {
      code = kStressLast;
    } else {
      int wanted = rootLength - 1;
      if (setB && group != TenseGroup::Present &&
          IsOneOf(binyan, {Binyan::Paal, Binyan::Nifal, Binyan::Hifil, Binyan::Hufal}))
        wanted = 1;
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
