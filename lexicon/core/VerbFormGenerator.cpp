#include "lexicon/core/VerbFormGenerator.h"

#include "classlib/core/CString.h"
#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HitpaelRewrite.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/RootPreparation.h"
#include "lexicon/core/TemplateCodes.h"
#include "lexicon/generated/ClassIds.h"

using namespace HebCode;
using namespace GrammarLayout;
using namespace FormSlot;
using namespace TemplateCode;

namespace {

constexpr UINT kBinyanNameString = 950;

static_assert(ClassIds::Contains(ClassIds::kPualDatabaseSkip, ClassIds::kPualOnlyPast2mp) &&
                  ClassIds::Contains(ClassIds::kPualDatabaseSkip, ClassIds::kPualOnlyPast3ms3p) &&
                  ClassIds::Contains(ClassIds::kPaalDatabaseSkip, ClassIds::kPaalOnlyPast3ms1p3p),
              "the database-skip classes lie in the registry's database-skip ranges");

bool HasAlternative(const BinyanRootRec& record, int group, int bit) {
  if (kAlternativeFirstBit[group] < 0) return (record.participleAlternativeBits >> bit) & 1;
  return (record.alternativeBits >> (kAlternativeFirstBit[group] + bit)) & 1;
}

// The pattern record of the slot, or null when the block does not hold it.
const BYTE* PatternRecord(int row, int group, int number, int slot) {
  const GrammarBlock& block = GetVerbPatternBlock(row, group);
  if (!block.IsPresent() || number < 1) return nullptr;
  size_t record = static_cast<size_t>(number - 1) * GetGroupSlotCount(group) +
                  (slot - GetGroupFirstSlot(group));
  size_t count = GetVerbPatternCount(row, group);
  if (record >= count || (record + 1) * kVerbPatternRecSize > block.Size()) return nullptr;
  return block.Data() + record * kVerbPatternRecSize;
}

// The base of a root letter reference (TemplateCodes.h), or -1 for a letter.
int ReferenceBase(int code) {
  for (int base : {0, kWithoutDagesh, kWithDagesh, kBegadkefatDagesh})
    if (code >= base + kFirstReference && code <= base + kLastReference) return base;
  return -1;
}

void Substitute(FormPlanes& form, const BYTE* pattern, const BYTE* root, bool shortForms) {
  for (int i = 0; i < kTemplateLength && pattern[i]; ++i) {
    int code = pattern[i];
    BYTE vowel = pattern[kTemplateLength + i];
    int letter = code;
    BYTE mark = 0;
    int base = ReferenceBase(code);
    if (base >= 0) {
      int k = code - base;
      letter = root[k - 1];
      mark = static_cast<BYTE>(k);
      // A root letter the root does not have leaves no position.
      if (!letter) continue;
      if (base == kWithoutDagesh && IsDageshLetter(letter)) letter = RemoveDagesh(letter);
      if (base == kWithDagesh && (!IsHe(letter) || shortForms)) letter = AddDagesh(letter);
      if (base == kBegadkefatDagesh && IsBegadkefatLetter(letter)) letter = AddDagesh(letter);
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
    if (letter == HeMappiq && (i != form.length - 1 || IsHolamMale(vowel) || IsShuruk(vowel)))
      letter = He;
  }
}

void MakeLastLetterFinal(FormPlanes& form) {
  if (form.length == 0) return;
  BYTE& letter = form.letters[form.length - 1];
  BYTE& vowel = form.vowels[form.length - 1];
  if (IsNoVowelOrShva(vowel) && HasFinalForm(letter))
    letter = static_cast<BYTE>(RegularToFinalLetter(letter));
  if (IsFinalKafForm(letter) && vowel == ExplicitNoVowel) vowel = SilentShva;
}

bool IsBareLetter(const FormPlanes& form, int i, int (*test)(int)) {
  return i >= 0 && i < form.length && test(form.letters[i]) && IsNoVowelOrShva(form.vowels[i]);
}

// Suffixes that begin with the letter that ends the stem merge with it.
void MergeSuffixes(FormPlanes& form, int slot, bool noMerge) {
  int n = form.length;
  if (!noMerge) {
    if (IsOneOf(slot, {Past1s, Past2mp, Past2fp}) && IsBareLetter(form, n - 3, IsTav)) {
      form.letters[n - 3] = TavDagesh;
      form.vowels[n - 3] = form.vowels[n - 2];
      form.Remove(n - 2);
      return;
    }
    if (IsOneOf(slot, {Past2ms, Past2fs}) && IsBareLetter(form, n - 2, IsTav)) {
      form.letters[n - 2] = TavDagesh;
      form.vowels[n - 2] = form.vowels[n - 1];
      form.Remove(n - 1);
      return;
    }
    if (slot == Past1p && IsBareLetter(form, n - 2, IsNun)) {
      form.letters[n - 2] = NunDagesh;
      form.vowels[n - 2] = Shuruk;
      form.Remove(n - 1);
      return;
    }
    if (IsOneOf(slot, {Future2fp3fp, ImperativeFp}) && IsBareLetter(form, n - 3, IsNun)) {
      form.letters[n - 3] = NunDagesh;
      form.vowels[n - 3] = Qamats;
      form.letters[n - 2] = He;
      form.vowels[n - 2] = ExplicitNoVowel;
      form.marks[n - 2] = 0;
      form.Remove(n - 1);
      return;
    }
  }
  if (IsOneOf(slot, {Future2fp3fp, ImperativeFp}) && n >= 3 &&
      (IsAlef(form.letters[n - 3]) || IsYodForm(form.letters[n - 3])) && IsShva(form.vowels[n - 3]))
    form.vowels[n - 3] = ExplicitNoVowel;
}

void YodShvaVariant(FormPlanes& form, int position) {
  int i = position - 1;
  if (i >= 0 && i < form.length && IsYodForm(form.letters[i]) && form.vowels[i] == Shva)
    form.vowels[i] = VocalShva;
}

void ApplyBinyanRules(FormPlanes& form, int binyan, int slot, int rootLength, WORD rootId,
                      int level) {
  if (binyan == Binyan::Piel) {
    if (IsOneOf(slot, {PresentMp, PresentFp, Future2fs, Future2mp, Future3mp}))
      YodShvaVariant(form, rootLength);
    if (IsOneOf(slot, {Past3fs, Past3p, ImperativeFs, ImperativeMp}))
      YodShvaVariant(form, rootLength - 1);
  } else if (binyan == Binyan::Pual) {
    if (IsOneOf(slot, {Past3fs, Past3p})) YodShvaVariant(form, rootLength - 1);
    if (IsOneOf(slot, {Future2fs, Future2mp, Future3mp})) YodShvaVariant(form, rootLength);
  } else if (binyan == Binyan::Hitpael) {
    if (slot != Infinitive) {
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
  return (IsSlotBetween(slot, Past1s, Future3mp) || slot == Future3fs) && binyan != Binyan::Pual &&
         binyan != Binyan::Hufal;
}

void GetBinyanName(int binyan, CString& text) {
  text.Empty();
  if (binyan < 0 || binyan >= kBinyanim) return;
  text.LoadString(kBinyanNameString + binyan);
  text.Remove('&');
}

bool IsVavInversiveShortRoot(const BinyanRootRec& record, int binyan) {
  int id = record.rootId & kBinyanClassMask;
  if (binyan == Binyan::Paal) return ClassIds::Contains(ClassIds::kPaalShortFuture, id);
  if (binyan == Binyan::Hifil) return ClassIds::Contains(ClassIds::kHifilShortFuture, id);
  return false;
}

int VavInversiveSlot(int slot, int binyan) {
  // The short Paal forms stand in the present group, the short Hifil ones
  // in the imperative group.
  int base = binyan == Binyan::Paal ? PresentMs : binyan == Binyan::Hifil ? ImperativeMs : -1;
  if (base < 0) return 0;
  switch (slot) {
    case Future1s: return base;
    case Future2ms:
    case Future3fs: return base + 1;
    case Future3ms: return base + 2;
    case Future1p: return base + 3;
    default: return 0;
  }
}

bool IsVavInversiveSlot(int slot) {
  return IsOneOf(slot, {Future1s, Future2ms, Future3ms, Future1p, Future3fs});
}

int SkipFormForDatabase(WORD binyanWord, WORD rootId, int binyan, int slot, int mode) {
  if (binyan == Binyan::Pual && rootId == ClassIds::kPualOnlyPast2mp && slot != Past2mp) return 1;
  if (binyan == Binyan::Pual && rootId == ClassIds::kPualOnlyPast3ms3p &&
      !IsOneOf(slot, {Past3ms, Past3p}))
    return 1;
  if (binyan == Binyan::Paal && rootId == ClassIds::kPaalOnlyPast3ms1p3p &&
      !IsOneOf(slot, {Past3ms, Past1p, Past3p}))
    return 1;
  bool restricted = (binyanWord & kBinyanRestricted) != 0;
  if (restricted && IsSlotBetween(slot, ParticipleMs, ParticipleFp)) return 1;
  if (restricted && IsOneOf(binyan, {Binyan::Hufal, Binyan::Hifil, Binyan::Pual, Binyan::Nifal}) &&
      !IsSlotBetween(slot, PresentMs, PresentFp))
    return 1;
  if (mode == 1 && !TakesPronominalSuffix(slot, binyan)) return 1;
  return mode == 2 ? 1 : 0;
}

const HebWordRec* BuildVerbForm(GrammarContext& context, const VerbRootRun& run, int index,
                                const BYTE* entry, const BYTE* root, int slot, int binyan,
                                const VerbFormOptions& options) {
  const int level = options.alternativeLevel;
  HebWordRec& result = context.verbForm;
  if (slot == Future3fs) slot = Future2ms;
  WORD patternNumbers[4] = {};
  if (level != 0)
    for (int k = 0; k < 4; ++k) patternNumbers[k] = result.patternNumbers[k];
  ClearWordRec(result);
  for (int k = 0; k < 4; ++k) result.patternNumbers[k] = patternNumbers[k];

  int group = GetTenseGroup(slot);
  int row = options.shortForms ? kShortFutureRow : binyan;
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
  Substitute(form, pattern, letters, options.shortForms);
  CleanVowels(form);
  // The reduced prefix of a hollow or geminate Hifil takes patah before a
  // guttural (הַעַפְתֶּם, הַחַלְתֶּם).
  if (binyan == Binyan::Hifil && group == TenseGroup::Past &&
      (IsRootInSetB(record, binyan) || IsRootInSetC(record, binyan)) && form.length > 1 &&
      IsGutturalLetter(form.letters[1]) &&
      IsOneOf(slot, {Past1s, Past2ms, Past2fs, Past1p, Past2mp, Past2fp}) &&
      form.vowels[0] == HatafPatah)
    form.vowels[0] = Patah;
  MakeLastLetterFinal(form);
  MergeSuffixes(form, slot, options.keepSuffixesApart);
  ApplyBinyanRules(form, binyan, slot, GetEntryRootLength(entry), record.rootId, level);
  DetermineStressPosition(form.letters, form.vowels, form.marks, slot, binyan, record, entry,
                          options.stressArgument);

  if (level == 0) {
    int separators = 0;
    int following = run.count - index - 1;
    for (int k = 0; k < following && k < 4; ++k) {
      const BinyanRootRec& bits = run.records[index + k];
      if (bits.alternativeBits == 0 && bits.participleAlternativeBits == 0) continue;
      if (!HasAlternative(bits, group, slot - GetGroupFirstSlot(group))) continue;
      VerbFormOptions alternativeOptions = options;
      alternativeOptions.alternativeLevel = k + 1;
      const HebWordRec* alternative =
          BuildVerbForm(context, run, index + k + 1, entry, root, slot, binyan, alternativeOptions);
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

void RespellFormList(HebWordRec& word, int start, const PleneOptions& options) {
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
    ConvertToPleneSpelling(part, options);
    if (fits) fits = out.AppendRange(part, 0, part.length);
    if (end < all.length && fits) fits = out.Append(all.letters[end], 0, 0);
    i = end + 1;
  }
  if (!fits) return;
  out.ToRecord(word);
}
