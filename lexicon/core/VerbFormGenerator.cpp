#include "lexicon/core/VerbFormGenerator.h"

#include "classlib/core/CString.h"
#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HitpaelRewrite.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/RootPreparation.h"

using namespace HebCode;
using namespace GrammarLayout;

namespace {

// The first bit of each group's field in the 32-bit alternative word (-1:
// the 16-bit word of the participle group).
const int kAlternativeBit[6] = {28, 16, 8, 4, 0, -1};

constexpr UINT kBinyanNameString = 950;
constexpr BYTE kFirmShva = 8;     // a shva that never becomes a hataf
constexpr BYTE kSilentShva = 157;
constexpr BYTE kYodShva = 156;
constexpr BYTE kTavDagesh = 186;
constexpr BYTE kNunDagesh = 176;

bool HasAlternative(const BinyanRootRec& record, int group, int bit) {
  if (kAlternativeBit[group] < 0) return (record.participleAlternativeBits >> bit) & 1;
  return (record.alternativeBits >> (kAlternativeBit[group] + bit)) & 1;
}

// The pattern record of the slot, or null when the block does not hold it.
const BYTE* PatternRecord(int row, int group, int number, int slot) {
  const GrammarBlock& block = GetVerbPatternBlock(row, group);
  if (!block.IsPresent() || number < 1) return nullptr;
  size_t record = static_cast<size_t>(number - 1) * GetGroupSlotCount(group) + (slot - GetGroupFirstSlot(group));
  size_t count = GetVerbPatternCount(row, group);
  if (record >= count || (record + 1) * kVerbPatternRecSize > block.Size()) return nullptr;
  return block.Data() + record * kVerbPatternRecSize;
}

void Substitute(FormPlanes& form, const BYTE* pattern, const BYTE* root, int table) {
  for (int i = 0; i < kTemplateLength && pattern[i]; ++i) {
    int code = pattern[i];
    BYTE vowel = pattern[kTemplateLength + i];
    int letter = code;
    BYTE mark = 0;
    if (code >= 1 && code <= 25 && (code <= 5 || code >= 11)) {
      int k = code <= 5 ? code : code <= 15 ? code - 10 : code <= 20 ? code - 15 : code - 20;
      letter = root[k - 1];
      mark = static_cast<BYTE>(k);
      // A root letter the root does not have leaves no position.
      if (!letter) continue;
      if (code >= 11 && code <= 15 && IsDageshLetter(letter)) letter = RemoveDagesh(letter);
      if (code >= 16 && code <= 20 && (!IsHe(letter) || table == 1)) letter = AddDagesh(letter);
      if (code >= 21 && IsBegadkefatLetter(letter)) letter = AddDagesh(letter);
    }
    form.Append(static_cast<BYTE>(letter), vowel, mark);
  }
}

void CleanVowels(FormPlanes& form) {
  for (int i = 0; i < form.length; ++i) {
    BYTE& letter = form.letters[i];
    BYTE& vowel = form.vowels[i];
    // A shva before a letter with dagesh closes its syllable, so a guttural
    // keeps it there; elsewhere a guttural's shva is a hataf patah.
    bool closesSyllable = i + 1 < form.length && IsDageshLetter(form.letters[i + 1]);
    if (IsGutturalLetter(letter) && vowel == Shva && !closesSyllable) vowel = HatafPatah;
    if (vowel == kFirmShva) vowel = Shva;
    if (letter == HeMappiq &&
        (i != form.length - 1 || IsHolamMale(vowel) || IsShuruk(vowel)))
      letter = He;
  }
}

void MakeLastLetterFinal(FormPlanes& form) {
  if (form.length == 0) return;
  BYTE& letter = form.letters[form.length - 1];
  BYTE& vowel = form.vowels[form.length - 1];
  if (IsNoVowelOrShva(vowel) && HasFinalForm(letter))
    letter = static_cast<BYTE>(RegularToFinalLetter(letter));
  if (IsFinalKafForm(letter) && vowel == ExplicitNoVowel) vowel = kSilentShva;
}

bool IsBareLetter(const FormPlanes& form, int i, int (*test)(int)) {
  return i >= 0 && i < form.length && test(form.letters[i]) && IsNoVowelOrShva(form.vowels[i]);
}

// Suffixes that begin with the letter that ends the stem merge with it.
void MergeSuffixes(FormPlanes& form, int slot, bool noMerge) {
  int n = form.length;
  if (!noMerge) {
    if (IsOneOf(slot, {5, 11, 12}) && IsBareLetter(form, n - 3, IsTav)) {
      form.letters[n - 3] = kTavDagesh;
      form.vowels[n - 3] = form.vowels[n - 2];
      form.Remove(n - 2);
      return;
    }
    if (IsOneOf(slot, {6, 7}) && IsBareLetter(form, n - 2, IsTav)) {
      form.letters[n - 2] = kTavDagesh;
      form.vowels[n - 2] = form.vowels[n - 1];
      form.Remove(n - 1);
      return;
    }
    if (slot == 10 && IsBareLetter(form, n - 2, IsNun)) {
      form.letters[n - 2] = kNunDagesh;
      form.vowels[n - 2] = Shuruk;
      form.Remove(n - 1);
      return;
    }
    if (IsOneOf(slot, {20, 25}) && IsBareLetter(form, n - 3, IsNun)) {
      form.letters[n - 3] = kNunDagesh;
      form.vowels[n - 3] = Qamats;
      form.letters[n - 2] = He;
      form.vowels[n - 2] = ExplicitNoVowel;
      form.marks[n - 2] = 0;
      form.Remove(n - 1);
      return;
    }
  }
  if (IsOneOf(slot, {20, 25}) && n >= 3 && (IsAlef(form.letters[n - 3]) || IsYodForm(form.letters[n - 3])) &&
      IsShva(form.vowels[n - 3]))
    form.vowels[n - 3] = ExplicitNoVowel;
}

void YodShvaVariant(FormPlanes& form, int position) {
  int i = position - 1;
  if (i >= 0 && i < form.length && IsYodForm(form.letters[i]) && form.vowels[i] == Shva)
    form.vowels[i] = kYodShva;
}

void ApplyBinyanRules(FormPlanes& form, int binyan, int slot, int rootLength, WORD rootId, int level) {
  if (binyan == 2) {
    if (IsOneOf(slot, {3, 4, 16, 19, 21})) YodShvaVariant(form, rootLength);
    if (IsOneOf(slot, {9, 13, 23, 24})) YodShvaVariant(form, rootLength - 1);
  } else if (binyan == 3) {
    if (IsOneOf(slot, {9, 13})) YodShvaVariant(form, rootLength - 1);
    if (IsOneOf(slot, {16, 19, 21})) YodShvaVariant(form, rootLength);
  } else if (binyan == 4) {
    if (slot != 0) {
      RewriteHitpaelForm(form, slot, rootId, level);
    } else if (form.length > 0) {
      FormPlanes rest;
      rest.AppendRange(form, 1, form.length - 1);
      RewriteHitpaelForm(rest, slot, rootId, level);
      FormPlanes whole;
      whole.Append(form.letters[0], form.vowels[0], form.marks[0]);
      whole.AppendRange(rest, 0, rest.length);
      form = whole;
    }
  }
}

}  // namespace

bool TakesPronominalSuffix(int slot, int binyan) {
  return ((slot >= 5 && slot <= 21) || slot == 30) && binyan != 3 && binyan != 6;
}

void GetBinyanName(int binyan, CString& text) {
  text.Empty();
  if (binyan < 0 || binyan >= kBinyanim) return;
  text.LoadString(kBinyanNameString + binyan);
  text.Remove('&');
}

bool IsVavInversiveShortRoot(const BinyanRootRec& record, int binyan) {
  int id = record.rootId & kBinyanClassMask;
  if (binyan == 0) return id >= 170 && id <= 219;
  if (binyan == 5) return id >= 90 && id <= 129;
  return false;
}

int VavInversiveSlot(int slot, int binyan) {
  int base = binyan == 0 ? 1 : binyan == 5 ? 22 : -1;
  if (base < 0) return 0;
  switch (slot) {
    case 14: return base;
    case 15:
    case 30: return base + 1;
    case 17: return base + 2;
    case 18: return base + 3;
    default: return 0;
  }
}

bool IsVavInversiveSlot(int slot) { return IsOneOf(slot, {14, 15, 17, 18, 30}); }

int SkipFormForDatabase(WORD binyanWord, WORD rootId, int binyan, int slot, int mode) {
  if (binyan == 3 && rootId == 181 && slot != 11) return 1;
  if (binyan == 3 && rootId == 241 && slot != 8 && slot != 13) return 1;
  if (binyan == 0 && rootId == 276 && slot != 8 && slot != 10 && slot != 13) return 1;
  bool restricted = (binyanWord & 0x8000) != 0;
  if (restricted && slot >= 26 && slot <= 29) return 1;
  if (restricted && (binyan == 6 || binyan == 5 || binyan == 3 || binyan == 1) && (slot < 1 || slot > 4))
    return 1;
  if (mode == 1 && !TakesPronominalSuffix(slot, binyan)) return 1;
  return mode == 2 ? 1 : 0;
}

const HebWordRec* BuildVerbForm(GrammarContext& context, const VerbRootRun& run, int index,
                                const BYTE* entry, const BYTE* root, int slot, int binyan,
                                int noMerge, int level, int table, int stressArgument) {
  HebWordRec& result = context.verbForm;
  if (slot == 30) slot = 15;
  WORD patternNumbers[4] = {};
  if (level != 0)
    for (int k = 0; k < 4; ++k) patternNumbers[k] = result.patternNumbers[k];
  ClearWordRec(result);
  for (int k = 0; k < 4; ++k) result.patternNumbers[k] = patternNumbers[k];

  int group = GetTenseGroup(slot);
  int row = table == 1 ? kShortFutureRow : binyan;
  if (group < 0 || row < 0 || row >= kPatternRows || index < 0 || index >= run.count || !entry ||
      !root)
    return &result;
  const BinyanRootRec& record = run.records[index];
  BYTE letters[6];
  PrepareRootLetters(root, letters, record, binyan, level, slot);
  int number = record.patterns[group];
  const BYTE* pattern = PatternRecord(row, group, number, slot);
  if (!pattern) return &result;

  FormPlanes form;
  Substitute(form, pattern, letters, table);
  CleanVowels(form);
  if (binyan == 5 && group == 1 && IsRootInSetB(record, 5) && form.length > 1 &&
      IsGutturalLetter(form.letters[1]) && IsOneOf(slot, {5, 6, 7, 10, 11, 12}) &&
      form.vowels[0] == HatafPatah)
    form.vowels[0] = Patah;
  MakeLastLetterFinal(form);
  MergeSuffixes(form, slot, noMerge != 0);
  ApplyBinyanRules(form, binyan, slot, GetEntryRootLength(entry), record.rootId, level);
  DetermineStressPosition(form.letters, form.vowels, form.marks, slot, binyan, record, entry,
                          stressArgument);

  if (level == 0) {
    int separators = 0;
    int following = run.count - index - 1;
    for (int k = 0; k < following && k < 4; ++k) {
      const BinyanRootRec& bits = run.records[index + k];
      if (bits.alternativeBits == 0 && bits.participleAlternativeBits == 0) continue;
      if (!HasAlternative(bits, group, slot - GetGroupFirstSlot(group))) continue;
      const HebWordRec* alternative =
          BuildVerbForm(context, run, index + k + 1, entry, root, slot, binyan, noMerge, k + 1,
                        table, stressArgument);
      FormPlanes part = FormPlanes::FromRecord(*alternative);
      for (int p = 0; p < 4; ++p) patternNumbers[p] = alternative->patternNumbers[p];
      for (; separators <= k; ++separators) form.Append(',', ExplicitNoVowel, 0);
      form.AppendRange(part, 0, part.length);
    }
  }

  ClearWordRec(result);
  form.ToRecord(result);
  result.binyan = static_cast<BYTE>(binyan);
  result.formSlot = static_cast<WORD>(slot);
  result.rootId = record.rootId;
  for (int k = 0; k < 4; ++k) result.patternNumbers[k] = patternNumbers[k];
  if (level < 4) result.patternNumbers[level] = static_cast<WORD>(number);
  if (level == 0) ClearVowelPlaceholders(result.vowels, form.length);
  return &result;
}

void RespellFormList(int rootLetters, HebWordRec& word, int start, int slot, int binyan, int code,
                     int yodDoubling) {
  FormPlanes all = FormPlanes::FromRecord(word);
  FormPlanes out;
  bool fits = true;
  int i = 0;
  while (i <= all.length && fits) {
    int end = i;
    while (end < all.length && all.letters[end] != ',' && all.letters[end] != ' ') ++end;
    int skip = end - i > start ? start : 0;
    fits = out.AppendRange(all, i, skip);
    FormPlanes part;
    part.AppendRange(all, i + skip, end - i - skip);
    ConvertToPleneSpelling(rootLetters, part, slot, binyan, code, yodDoubling);
    if (fits) fits = out.AppendRange(part, 0, part.length);
    if (end < all.length && fits) fits = out.Append(all.letters[end], 0, 0);
    i = end + 1;
  }
  if (!fits) return;
  out.ToRecord(word);
}
