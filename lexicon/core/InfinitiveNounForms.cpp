// The infinitive-noun declension of a verb and the pronominal-suffix forms
// of nouns, on top of the noun-form builder.
#include "lexicon/core/InfinitiveNounForms.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/WordCompare.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounPatternForm.h"
#include "lexicon/generated/ClassIds.h"

namespace {

using namespace HebCode;

constexpr int kConstructCell = 1;
// Piel class whose infinitive noun is written with pe for its first letter.
constexpr int kPielPeClass = 17;
// The NounTableRec word that keeps a construct base's stress when it is 1.
constexpr int kKeepStressWordOffset = 8;

// The gender/number classes whose base ends in a plural ending.
bool IsPluralEndingClass(int genderNumberClass) {
  return IsOneOf(genderNumberClass, {5, 6, 7, 11});
}
constexpr int kSingularWithEndingClass = 4;

int Length(const BYTE* letters) {
  int n = 0;
  while (n < kWordPlaneSize - 1 && letters[n]) ++n;
  return n;
}

// The root is these three letters, plain, dagesh and final forms alike.
bool IsRoot(const BYTE* root, int first, int second, int third) {
  if (!root || Length(root) < 3) return false;
  BYTE given[3];
  for (int i = 0; i < 3; ++i) given[i] = static_cast<BYTE>(FinalToRegularLetter(root[i]));
  const BYTE letters[] = {static_cast<BYTE>(first), static_cast<BYTE>(second),
                          static_cast<BYTE>(third)};
  return CompareLetterRuns(given, letters, 3) == 0;
}

bool IsThreeLetterRoot(const BYTE* root) { return root && Length(root) == 3; }
bool IsAlefRoot(const BYTE* root) { return IsThreeLetterRoot(root) && IsAlef(root[2]); }
int RootLetter(const BYTE* root, int i) { return root && Length(root) > i ? root[i] : 0; }

// The Paal classes and the noun-table ids of their infinitive nouns (ids of
// the registry's infinitive-noun range).
WORD PaalInfinitiveNoun(int c, const BYTE* root) {
  switch (c) {
    case 1:
      if (!IsThreeLetterRoot(root)) return 4010;
      if (IsGutturalLetter(root[1])) {
        if (IsRoot(root, Gimel, Alef, Lamed) || IsRoot(root, Nun, Alef, Mem)) return 4060;
        if (IsRoot(root, Bet, Het, Resh) || IsRoot(root, Mem, Alef, Samekh)) return 4061;
        if (IsRoot(root, Resh, Het, Tsadi) || IsRoot(root, Tsadi, Ayin, Dalet)) return 4071;
        return 4070;
      }
      if (IsBegadkefatLetter(FinalToRegularLetter(root[2]))) {
        if (IsRoot(root, Bet, Gimel, Dalet)) return 4031;
        if (IsRoot(root, ShinShinDot, Kaf, Bet)) return 4033;
        if (IsRoot(root, Alef, Samekh, Pe) || IsRoot(root, ShinShinDot, Pe, Kaf)) return 4021;
        return 4020;
      }
      if (IsRoot(root, Mem, Kaf, Resh) || IsRoot(root, Nun, Pe, Lamed)) return 4032;
      if (IsRoot(root, ShinShinDot, Bet, Resh)) return 4031;
      if (IsRoot(root, Qof, Tsadi, Resh)) return 4040;
      if (IsRoot(root, Mem, Het, Alef)) return 4151;
      if (IsRoot(root, Mem, Tsadi, Alef)) return 4152;
      return 4010;
    case 2: return 4050;
    case 3:
    case 4: return 4011;
    case 5:
      if (IsThreeLetterRoot(root)) {
        if (IsRoot(root, Bet, Tet, Het) || IsRoot(root, Pe, Tav, Het)) return 4031;
        if (IsRoot(root, Nun, Samekh, Ayin)) return 4140;
      }
      return 4080;
    case 6: return 4081;
    case 7:
    case 8: return 4090;
    case 9:
    case 37: return IsRoot(root, He, Lamed, Kaf) ? 4101 : 4100;
    case 10: return 4110;
    case 11: return IsRoot(root, Nun, ShinSinDot, Alef) ? 4150 : 4120;
    case 12:
    case 13:
    case 14:
    case 24:
    case 30: return IsRoot(root, He, Yod, He) ? 4160 : 2;
    case 15:
    case 16:
    case 17:
    case 18:
    case 21:
    case 25:
    case 27:
    case 32: return 2;
    case 19:
    case 31:
      if (IsThreeLetterRoot(root)) {
        if (IsRoot(root, Resh, Nun, Nun) || IsRoot(root, Het, Nun, Nun)) return 4260;
        if (IsRoot(root, Het, Gimel, Gimel)) return 4261;
      }
      return IsGutturalLetter(RootLetter(root, 1)) || IsResh(RootLetter(root, 1)) ? 4250 : 4240;
    case 20: return 4121;
    case 23: return 4270;
    default: return 0;
  }
}

WORD PielInfinitiveNoun(int c, const BYTE* root) {
  if (c == 1 || c == 2) {
    if (!IsThreeLetterRoot(root)) return 5010;
    if (IsAlefRoot(root)) return 5020;
    return IsRoot(root, Pe, Resh, ShinSinDot) ? 5011 : 5010;
  }
  if (c == 3) return IsThreeLetterRoot(root) && IsRoot(root, ShinShinDot, Lamed, Het) ? 5021 : 5020;
  if (IsOneOf(c, {4, 8, 9, 10, 13, 19})) return 5020;
  if (IsOneOf(c, {5, 11, 15, 21})) return 5030;
  if (IsOneOf(c, {6, 7, 14, 16, 17, 20, 23, 24, 25, 26})) return 5010;
  return 0;
}

WORD NifalInfinitiveNoun(int c, const BYTE* root) {
  if (IsOneOf(c, {1, 2, 12})) return IsAlefRoot(root) ? 5020 : 5010;
  if (IsOneOf(c, {3, 4, 13})) return 5020;
  if (IsOneOf(c, {5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 21, 22, 23, 24, 26})) return 5030;
  return 0;
}

WORD HitpaelInfinitiveNoun(int c, const BYTE* root) {
  if (c == 1 || c == 2) return IsAlefRoot(root) ? 5020 : 5010;
  if (IsOneOf(c, {3, 4, 9, 10, 11, 17, 21})) return 5020;
  if (IsOneOf(c, {5, 6, 12, 22})) return 5030;
  if (IsOneOf(c, {7, 8, 14, 16, 18, 20, 23, 24})) return 5010;
  return 0;
}

WORD HifilInfinitiveNoun(int c) {
  if ((c >= 1 && c <= 19) || (c >= 23 && c <= 25)) return 5030;
  return 0;
}

void AddDageshAt(BYTE* letters, int i) {
  if (IsDageshableLetter(letters[i])) letters[i] = static_cast<BYTE>(AddDagesh(letters[i]));
}

}  // namespace

WORD GetInfinitiveNounPattern(int binyan, int verbClass, const BYTE* root) {
  const int c = static_cast<SHORT>(verbClass);
  switch (Binyan::LowByte(binyan)) {
    case Binyan::Paal: return PaalInfinitiveNoun(c, root);
    case Binyan::Nifal: return NifalInfinitiveNoun(c, root);
    case Binyan::Piel: return PielInfinitiveNoun(c, root);
    case Binyan::Hitpael: return HitpaelInfinitiveNoun(c, root);
    case Binyan::Hifil: return HifilInfinitiveNoun(c);
    default: return 0;
  }
}

void PrepareInfinitiveNounBase(BYTE* letters, BYTE* vowels, int binyan, int verbClass, int cell,
                               const BYTE* root) {
  const int n = Length(letters);
  if (n == 0) return;
  binyan = Binyan::LowByte(binyan);
  if (cell != kConstructCell && IsFinalLetter(letters[n - 1]))
    letters[n - 1] = static_cast<BYTE>(FinalToRegularLetter(letters[n - 1]));
  if (IsNoVowelOrShva(vowels[0])) vowels[0] = IsGutturalLetter(letters[0]) ? HatafPatah : Shva;
  const bool pielPe = binyan == Binyan::Piel && verbClass == kPielPeClass;
  if (!pielPe && IsBegadkefatLetter(letters[0])) AddDageshAt(letters, 0);
  if (binyan == Binyan::Paal) {
    if (n > 1 && IsDageshLetter(letters[1]))
      letters[1] = static_cast<BYTE>(RemoveDagesh(letters[1]));
    return;
  }
  if (cell == kConstructCell) return;
  if (binyan == Binyan::Nifal) {
    if (IsOneOf(verbClass, {9, 10, 17, 18, 26}) && n > 2) {
      vowels[1] = Patah;
      AddDageshAt(letters, 2);
    } else if (verbClass >= 21 && verbClass <= 24 && n > 2) {
      AddDageshAt(letters, 2);
    }
  } else if (binyan == Binyan::Hifil && IsOneOf(verbClass, {12, 13, 14, 15})) {
    vowels[0] = IsGutturalLetter(RootLetter(root, 0)) ? Patah : HatafPatah;
    const int second = RootLetter(root, 1);
    if (IsOneOf(verbClass, {14, 15}) && n > 2 && !IsGutturalLetter(second) && !IsResh(second)) {
      vowels[1] = Hiriq;
      AddDageshAt(letters, 2);
    }
  }
}

void BuildPronominalSuffixForm(const PronominalSuffixRequest& r, BYTE* letters, BYTE* vowels) {
  const int binyan = Binyan::LowByte(r.binyan);
  const bool infinitive = r.kind == SuffixKind::InfinitiveNoun;
  auto writePielPe = [&] {
    if (infinitive && binyan == Binyan::Piel && r.verbClass == kPielPeClass && letters[0])
      letters[0] = Pe;
  };
  letters[kWordPlaneSize - 1] = 0;
  vowels[kWordPlaneSize - 1] = 0;
  if (infinitive) {
    PrepareInfinitiveNounBase(letters, vowels, binyan, r.verbClass, r.cell, r.rootLetters);
    const bool goesOn =
        binyan == Binyan::Paal &&
        (IsRoot(r.rootLetters, Alef, Mem, Resh) || IsRoot(r.rootLetters, He, Yod, He) ||
         IsRoot(r.rootLetters, Nun, Samekh, Ayin) || IsRoot(r.rootLetters, Nun, ShinSinDot, Alef));
    // The prepared infinitive is its own construct form.
    if (r.cell == kConstructCell && !goesOn) {
      writePielPe();
      return;
    }
  }

  int n = Length(letters);
  const bool keepStress = r.cell == kConstructCell && r.records && r.recordCount > 0 &&
                          ReadU16LE(r.records + kKeepStressWordOffset) == 1;
  if (!keepStress) {
    int end = 0;
    while (end < n && !IsSpaceOrHyphen(letters[end])) ++end;
    ClearStressMarks(vowels, end);
  }

  if (IsPluralEndingClass(r.genderNumberClass)) {
    bool cutOne = ClassIds::Contains(ClassIds::kNounCutOneLetter, r.nounTableId) ||
                  (n >= 2 && letters[n - 1] == Tav && vowels[n - 2] == HolamMale);
    int cut = cutOne ? 1 : 2;
    n = n > cut ? n - cut : 0;
  } else if (r.genderNumberClass == kSingularWithEndingClass &&
             !ClassIds::Contains(ClassIds::kNounKeepLastLetter, r.nounTableId)) {
    n = n > 0 ? n - 1 : 0;
  }
  letters[n] = 0;
  vowels[n] = 0;

  NounPatternRequest request;
  request.letters = letters;
  request.vowels = vowels;
  request.nounTableId = r.nounTableId;
  const GrammarBlock& patterns = GetNounPatternBlock();
  request.patterns = patterns.Data();
  request.patternCount = GetNounPatternCount();
  request.table.records = r.records;
  request.table.count = r.records ? r.recordCount : 0;
  request.kind = r.kind;
  request.cell = r.cell;
  request.tableType = r.tableType;
  HebWordRec form;
  BuildNounPatternForm(request, form);
  std::memcpy(letters, form.letters, kWordPlaneSize);
  std::memcpy(vowels, form.vowels, kWordPlaneSize);
  n = Length(letters);
  if (n > 0 && HasFinalForm(letters[n - 1]) && IsNoVowel(vowels[n - 1]))
    letters[n - 1] = static_cast<BYTE>(RegularToFinalLetter(letters[n - 1]));
  writePielPe();
}
