#include "lexicon/core/NounPatternForm.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounTableLookup.h"
#include "lexicon/core/PersonSuffixTables.h"
#include "lexicon/core/TemplateCodes.h"
#include "lexicon/generated/ClassIds.h"

using namespace GrammarLayout;

namespace {

constexpr int kMaxAlternatives = 4;
constexpr BYTE kSeparator = HebCode::Comma;
constexpr BYTE kNone = HebCode::ExplicitNoVowel;
// Noun patterns refer to six letters from the end (verb templates to five).
constexpr int kLastNounReference = 6;

// The 16-bit fields of a NounTableRec by their byte offsets.
namespace Field {
enum Offset : int {
  RecordId = 0,
  SingularPattern = 2,  // an alternative form of cell 0
  PausalPattern = 4,
  PluralPattern = 6,
  ConstructPattern = 8,
  ConstructPluralPattern = 10,
  PersonsPattern = 12,
  PluralPersonsPattern = 14,
  PersonsMask = 16,
  PluralPersonsMask = 18,
  MorePersonsPattern = 20,
  MorePluralPersonsPattern = 22,
  MorePersonsMask = 24,
  MorePluralPersonsMask = 26,
  Alternatives = 28,
  PluralAlternatives = 30,
};
}  // namespace Field

// Bits of the alternative words besides the person cells' bits 9-0.
constexpr int kConstructAlternativeBit = 11;
constexpr int kPluralAlternativeBit = 10;
// A person mask's suffix table selector.
constexpr int kSelectorShift = 12;

const BYTE kEmptyRecord[kNounTableRecSize] = {};

WORD ReadField(const BYTE* record, int offset) { return ReadU16LE(record + offset); }
int PersonCellBit(int cell) { return 12 - cell; }
bool HasBit(WORD word, int bit) { return (word >> bit) & 1; }

// A noun pattern as a template: up to seven letter codes and their vowels.
struct NounTemplate {
  BYTE letters[kNounPatternLength] = {};
  BYTE vowels[kNounPatternLength] = {};
  int length = 0;

  // The vowels end in "no vowel": the stem's last letter then takes the
  // suffix's connecting vowel.
  bool EndsWithoutVowel() const {
    int n = 0;
    while (n < kNounPatternLength && vowels[n]) ++n;
    return n > 0 && vowels[n - 1] == kNone;
  }
};

// Pattern number k (from 1) of the block; false for a number outside it.
bool LoadPattern(const NounPatternRequest& request, int number, NounTemplate& pattern) {
  pattern = NounTemplate();
  if (number == 0) return true;
  if (number < 0 || static_cast<DWORD>(number) > request.patternCount || !request.patterns)
    return false;
  const BYTE* rec = request.patterns + static_cast<size_t>(number - 1) * kNounPatternRecSize;
  while (pattern.length < kNounPatternLength && rec[pattern.length]) {
    pattern.letters[pattern.length] = rec[pattern.length];
    pattern.vowels[pattern.length] = rec[kNounPatternLength + pattern.length];
    ++pattern.length;
  }
  return true;
}

// The pattern and suffix a record gives a cell, and the cell and kind it
// counts as (the construct plural is built as the construct of the plural
// stem).
struct CellChoice {
  int cell = 0;
  int kind = 1;
  bool emptyResult = false;  // the cell has no form at all (no alternatives either)
  bool mainBuilt = true;     // false: the record gives no form of the cell
  NounTemplate pattern;
  PersonSuffixChoice suffix;
  // The hataf that the vowel repair made full before the shva two letters
  // from the end (בָּחֳנְךָ said בָּחָנְךָ); the pausal "your" opens its
  // syllable again and takes it back (בָּחֳנֶךָ).
  int repairedHatafAt = -1;
  int repairedHataf = 0;
};

bool IsNoConstructRecord(WORD recordId) {
  return ClassIds::Contains(ClassIds::kNounNoConstruct, recordId);
}

CellChoice ChooseCell(const NounPatternRequest& request, const BYTE* record, int cell, int kind,
                      bool compound) {
  CellChoice choice;
  choice.cell = cell;
  choice.kind = kind;
  WORD recordId = ReadField(record, Field::RecordId);
  bool noConstruct = compound || IsNoConstructRecord(recordId);
  int patternOffset = -1;
  switch (cell) {
    case DeclensionCell::Singular:
      patternOffset = Field::SingularPattern;
      choice.kind = DeclensionKind::SingularStem;
      break;
    case DeclensionCell::Pausal:
      patternOffset = Field::PausalPattern;
      choice.kind = DeclensionKind::SingularStem;
      break;
    case DeclensionCell::Construct:
    case DeclensionCell::ConstructPlural:
      if (noConstruct) {
        choice.emptyResult = true;
        return choice;
      }
      patternOffset = cell == DeclensionCell::Construct ? Field::ConstructPattern
                                                        : Field::ConstructPluralPattern;
      choice.cell = DeclensionCell::Construct;
      choice.kind = cell == DeclensionCell::Construct ? DeclensionKind::SingularStem
                                                      : DeclensionKind::PluralStem;
      break;
    case DeclensionCell::Plural:
      patternOffset = Field::PluralPattern;
      if (noConstruct) {
        patternOffset = Field::ConstructPluralPattern;
        choice.cell = DeclensionCell::Construct;
        choice.kind = DeclensionKind::PluralStem;
      }
      break;
    default:
      break;
  }
  if (DeclensionCell::IsPersonCell(cell)) {
    bool pluralStem = kind == DeclensionKind::PluralStem;
    bool singularStem =
        kind == DeclensionKind::SingularStem || kind == DeclensionKind::InfinitiveNoun;
    const int firstMask = pluralStem ? Field::PluralPersonsMask : Field::PersonsMask;
    const int moreMask = pluralStem ? Field::MorePluralPersonsMask : Field::MorePersonsMask;
    int bit = PersonCellBit(cell);
    WORD mask = 0;
    if (pluralStem || singularStem) {
      if (HasBit(ReadField(record, firstMask), bit)) {
        mask = ReadField(record, firstMask);
        patternOffset = pluralStem ? Field::PluralPersonsPattern : Field::PersonsPattern;
      } else if (HasBit(ReadField(record, moreMask), bit)) {
        mask = ReadField(record, moreMask);
        patternOffset = pluralStem ? Field::MorePluralPersonsPattern : Field::MorePersonsPattern;
      }
    }
    choice.suffix = GetPersonSuffixTemplate(pluralStem, mask >> kSelectorShift, cell);
  }
  if (patternOffset < 0) {
    choice.mainBuilt = false;
    return choice;
  }
  int number = static_cast<short>(ReadField(record, patternOffset));
  if (!LoadPattern(request, number, choice.pattern)) choice.mainBuilt = false;
  return choice;
}

// A letter unit of the word counted from its end: the letter, and whether a
// quote mark that goes with it follows.
struct LetterUnit {
  int position = 0;
  bool withQuote = false;
};

// Whether the yod at position p (without vowel) goes with the letter before
// it into one unit, by the record's id.
bool YodJoinsLetterBefore(const FormPlanes& word, int p, WORD recordId) {
  if (p < 1 || !IsYodForm(word.letters[p]) || !IsNoVowel(word.vowels[p])) return false;
  int before = word.vowels[p - 1];
  return (IsHiriqForm(before) && ClassIds::Contains(ClassIds::kNounYodUnitAfterHiriq, recordId)) ||
         (IsTsereForm(before) && ClassIds::Contains(ClassIds::kNounYodUnit, recordId));
}

LetterUnit FindUnit(const FormPlanes& source, int length, int k, WORD recordId) {
  LetterUnit unit;
  int p = length - 1;
  for (int counted = 0; counted < k; ++counted) {
    if (p < 0) {
      unit.position = 0;
      unit.withQuote = length > 1 && IsQuoteMark(source.letters[1]);
      return unit;
    }
    unit = LetterUnit{p, false};
    if (p > 0 && IsQuoteMark(source.letters[p]))
      unit = LetterUnit{p - 1, true};
    else if (YodJoinsLetterBefore(source, p, recordId))
      unit = LetterUnit{p - 1, false};
    p = unit.position - 1;
  }
  return unit;
}

// The reference number of a template letter code, 0 for a literal.
int ReferenceOf(int code) {
  using namespace TemplateCode;
  if (code >= kFirstReference && code <= kLastNounReference) return code;
  if (code > kWithoutDagesh && code <= kWithoutDagesh + kLastReference)
    return code - kWithoutDagesh;
  if (code > kWithDagesh && code <= kWithDagesh + kLastReference) return code - kWithDagesh;
  if (code > kBegadkefatDagesh && code <= kLastCode) return code - kBegadkefatDagesh;
  return 0;
}

int ReferencedLetter(int code, int letter, int k) {
  using namespace TemplateCode;
  if (k == 1) letter = FinalToRegularLetter(letter);
  if (code > kWithoutDagesh && code <= kWithoutDagesh + kLastReference)
    return IsHe(letter) ? letter : RemoveDagesh(letter);
  if (code > kWithDagesh && code <= kWithDagesh + kLastReference)
    return IsHe(letter) ? letter : AddDagesh(letter);
  if (code > kBegadkefatDagesh && code <= kLastCode)
    return IsBegadkefatLetter(letter) && IsDageshableLetter(letter) ? AddDagesh(letter) : letter;
  return letter;
}

void MakeLastLetterRegular(FormPlanes& word) {
  if (word.length > 0)
    word.letters[word.length - 1] =
        static_cast<BYTE>(FinalToRegularLetter(word.letters[word.length - 1]));
}

// Rewrites the end of the word (its first n letters are those of source) by
// the template.
void ApplyTemplate(const NounTemplate& pattern, const FormPlanes& source, WORD recordId,
                   WORD nounTableId, FormPlanes& word) {
  int n = word.length;
  int firstReference = ReferenceOf(pattern.letters[0]);
  int write = firstReference ? FindUnit(source, n, firstReference, recordId).position : 0;
  word.Truncate(write);
  bool first = true;
  for (int i = 0; i < pattern.length; ++i) {
    int code = pattern.letters[i];
    int vowel = pattern.vowels[i];
    int k = ReferenceOf(code);
    int letter = code;
    int quote = 0;
    if (k) {
      LetterUnit unit = FindUnit(source, n, k, recordId);
      letter = ReferencedLetter(code, source.letters[unit.position], k);
      if (unit.withQuote) quote = source.letters[unit.position + 1];
      if (k == 2 && IsYodForm(letter) && IsShva(vowel) &&
          ClassIds::Contains(ClassIds::kNounYodShvaVariant, nounTableId))
        vowel = HebCode::SilentShva;
    }
    if (!letter) continue;  // a reference into an empty word
    if (first && IsGutturalLetter(letter) && IsShva(vowel)) vowel = HebCode::HatafPatah;
    first = false;
    if (!word.Append(static_cast<BYTE>(letter), static_cast<BYTE>(vowel), 0)) return;
    if (quote && !word.Append(static_cast<BYTE>(quote), kNone, 0)) return;
  }
}

// The suffix of a person cell after the stem.
void AppendPersonSuffix(const CellChoice& choice, FormPlanes& word) {
  const SuffixTemplate& suffix = *choice.suffix.suffix;
  int stemEnd = word.length - 1;
  if (stemEnd >= 0 && choice.pattern.EndsWithoutVowel())
    word.vowels[stemEnd] = suffix.connectingVowel;
  for (int i = 0; i < suffix.SuffixLength(); ++i)
    if (!word.Append(suffix.suffix[i].letter, suffix.suffix[i].vowel, 0)) break;
  if (stemEnd >= 0 && IsGutturalLetter(word.letters[stemEnd]) && IsShva(word.vowels[stemEnd]))
    word.vowels[stemEnd] = HebCode::HatafPatah;
}

// A hataf before a shva becomes its full vowel; a word that is the
// template alone takes hataf patah on a guttural with shva after patah.
void RepairVowels(FormPlanes& word, int templateLength) {
  if (word.length == templateLength && word.length > 1) {
    int q = 1;
    if (IsYodForm(word.letters[0]) && IsYodForm(word.letters[1]) && IsNoVowel(word.vowels[1]))
      q = 2;
    if (q < word.length && IsPatahForm(word.vowels[0]) && IsGutturalLetter(word.letters[q]) &&
        IsShva(word.vowels[q]))
      word.vowels[q] = HebCode::HatafPatah;
  }
  for (int p = 0; p + 1 < word.length; ++p)
    if (IsHatafVowel(word.vowels[p]) && IsShva(word.vowels[p + 1]))
      word.vowels[p] = static_cast<BYTE>(HatafToFullVowel(word.vowels[p]));
}

// Two reduced vowels never follow each other: a hataf before another hataf
// becomes its full vowel (מָחֳאֲךָ is said מָחָאֲךָ). Done after the pausal
// copy of "your", which keeps its hataf before the full segol (מָחֳאֶךָ).
void ExpandHatafBeforeHataf(FormPlanes& word) {
  for (int p = 0; p + 1 < word.length; ++p)
    if (IsHatafVowel(word.vowels[p]) && IsHatafVowel(word.vowels[p + 1]))
      word.vowels[p] = static_cast<BYTE>(HatafToFullVowel(word.vowels[p]));
}

// The last letter of a form without suffix takes its final form.
void MakeLastLetterFinal(FormPlanes& word) {
  int last = word.length - 1;
  if (last > 0 && word.letters[last] == HebCode::Hyphen) --last;
  if (last < 0) return;
  int letter = word.letters[last];
  if (HasFinalForm(letter)) word.letters[last] = static_cast<BYTE>(RegularToFinalLetter(letter));
  if (IsFinalKafForm(word.letters[last]) && IsNoVowel(word.vowels[last]))
    word.vowels[last] = HebCode::SilentShva;
}

// Firm shvas become shvas; a mappiq stays only on a last he that is
// not the consonant of a vav vowel.
void SettleMarks(FormPlanes& word) {
  for (int p = 0; p < word.length; ++p) {
    if (word.vowels[p] == TemplateCode::kFirmShva) word.vowels[p] = HebCode::Shva;
    if (word.letters[p] == HebCode::HeMappiq &&
        (p < word.length - 1 || IsVavVowel(word.vowels[p])))
      word.letters[p] = HebCode::He;
  }
}

void AppendSeparator(FormPlanes& word) { word.Append(kSeparator, kNone, 0); }

// The vowel that gives way before the stressed segol of the pausal "your"
// (m.sg.): a segol, a hiriq, or a patah on a guttural, becomes a shva (a
// hataf patah on a guttural): בִּנְךָ בְּנֶךָ, נַעַרְךָ נַעֲרֶךָ. A vowel before a
// doubled letter stays: בִּתֶּךָ, עַמֶּךָ.
int PausalVowelBefore(int letter, int vowel, int next) {
  bool guttural = IsGutturalLetter(letter);
  bool reduces = IsSegolForm(vowel) || IsHiriqForm(vowel) || (guttural && IsPatahForm(vowel));
  if (!reduces || IsDageshLetter(next)) return vowel;
  return guttural ? HebCode::HatafPatah : HebCode::Shva;
}

// The pausal second form of a noun's "your" (m.sg.), and the short
// "their" of plurals in -ot.
void AppendBuiltInSecondForm(const CellChoice& choice, int tableType, FormPlanes& word) {
  int e = word.length;
  if (choice.cell == DeclensionCell::YourMs && tableType != TableType::Preposition && e >= 2 &&
      IsFinalKafForm(word.letters[e - 1]) && word.vowels[e - 1] == HebCode::Qamats &&
      (IsShva(word.vowels[e - 2]) || (e >= 3 && IsHatafVowel(word.vowels[e - 3])))) {
    FormPlanes copy = word;
    copy.vowels[e - 2] = HebCode::StressedSegol;
    if (e >= 3)
      copy.vowels[e - 3] = static_cast<BYTE>(
          e - 3 == choice.repairedHatafAt
              ? choice.repairedHataf
              : PausalVowelBefore(copy.letters[e - 3], copy.vowels[e - 3], copy.letters[e - 2]));
    // A hataf before the shva that gave way takes its full vowel (רַעַנְנֶךָ).
    if (e >= 4 && IsShva(copy.vowels[e - 3]) && IsHatafVowel(copy.vowels[e - 4]))
      copy.vowels[e - 4] = static_cast<BYTE>(HatafToFullVowel(copy.vowels[e - 4]));
    word.AppendAlternative(copy, kNone);
  } else if (choice.cell == DeclensionCell::TheirM && choice.suffix.pluralDefault && e >= 5 &&
             IsTav(word.letters[e - 4]) && word.vowels[e - 5] == HebCode::HolamMale) {
    FormPlanes copy = word;
    copy.vowels[e - 4] = HebCode::Qamats;
    copy.Truncate(e - 3);
    copy.Append(HebCode::FinalMem, kNone, 0);
    word.AppendAlternative(copy, kNone);
  }
}

// Whether record r of the run gives the cell (as chosen) an alternative.
bool HasAlternative(const NounTableRun& run, DWORD r, const CellChoice& choice) {
  const BYTE* record = run.records + static_cast<size_t>(r) * kNounTableRecSize;
  const BYTE* next = record + kNounTableRecSize;
  bool pluralStem = choice.kind == DeclensionKind::PluralStem;
  WORD bits = ReadField(record, pluralStem ? Field::PluralAlternatives : Field::Alternatives);
  switch (choice.cell) {
    case DeclensionCell::Singular:
      return ReadField(next, Field::SingularPattern) != 0;
    case DeclensionCell::Pausal:
      return ReadField(next, Field::PausalPattern) != 0;
    case DeclensionCell::Construct:
      return HasBit(bits, kConstructAlternativeBit);
    case DeclensionCell::Plural:
      return HasBit(ReadField(record, Field::PluralAlternatives), kPluralAlternativeBit);
    default:
      return DeclensionCell::IsPersonCell(choice.cell) &&
             HasBit(bits, PersonCellBit(choice.cell));
  }
}

// The number of records after the first with its id (at most four).
int CountAlternatives(const NounTableRun& run) {
  if (run.count == 0) return 0;
  WORD id = ReadField(run.records, Field::RecordId);
  int count = 0;
  while (count < kMaxAlternatives && static_cast<DWORD>(count) + 1 < run.count &&
         ReadField(run.records + static_cast<size_t>(count + 1) * kNounTableRecSize,
                   Field::RecordId) == id)
    ++count;
  return count;
}

// Stress of each form of the list by the code.
void StressEachForm(FormPlanes& list, int code) {
  int start = 0;
  for (int p = 0; p <= list.length; ++p) {
    if (p < list.length && list.letters[p] != kSeparator) continue;
    BYTE letters[kWordPlaneSize] = {};
    std::memcpy(letters, list.letters + start, p - start);
    ApplyStressPosition(letters, list.vowels + start, code);
    start = p + 1;
  }
}

// The cell's form of the word (cut at a compound's separator): its pattern,
// suffix, vowel repairs and final letters; false when the cell has no form
// at all.
bool BuildCellForm(const NounPatternRequest& request, const BYTE* record,
                   const FormPlanes& given, int separator, CellChoice& choice, FormPlanes& word) {
  bool compound = separator > 0;
  WORD recordId = ReadField(record, Field::RecordId);
  choice = ChooseCell(request, record, request.cell, request.kind, compound);
  if (choice.emptyResult) return false;
  word = given;
  if (compound) word.Truncate(separator);
  FormPlanes source = given;
  MakeLastLetterRegular(word);
  if (word.length > 0) source.letters[word.length - 1] = word.letters[word.length - 1];
  if (!choice.mainBuilt) {
    word.Clear();
    return true;
  }
  if (choice.pattern.length)
    ApplyTemplate(choice.pattern, source, recordId, request.nounTableId, word);
  int templateLength = choice.pattern.length;
  bool personCell = DeclensionCell::IsPersonCell(choice.cell) && choice.suffix.suffix;
  if (personCell) {
    AppendPersonSuffix(choice, word);
    templateLength += choice.suffix.suffix->SuffixLength();
  }
  if (choice.cell == DeclensionCell::Plural &&
      ClassIds::Contains(ClassIds::kNounSegolPlural, recordId) && word.length > 1 &&
      IsGutturalLetter(word.letters[1]))
    word.vowels[0] = HebCode::Segol;
  const int e = word.length;
  if (personCell && e >= 3 && IsHatafVowel(word.vowels[e - 3]) && IsShva(word.vowels[e - 2])) {
    choice.repairedHatafAt = e - 3;
    choice.repairedHataf = word.vowels[e - 3];
  }
  RepairVowels(word, templateLength);
  if (!personCell) MakeLastLetterFinal(word);
  SettleMarks(word);
  if (compound && choice.kind != DeclensionKind::InfinitiveNoun)
    word.AppendRange(given, separator, given.length - separator);
  return true;
}

// The position of a compound's first blank, hyphen or maqaf; 0 for a simple
// word (a separator in front does not count).
int FindCompoundSeparator(const FormPlanes& word) {
  for (int p = 1; p < word.length; ++p)
    if (IsSpaceHyphenOrMaqaf(word.letters[p])) return p;
  return 0;
}

// The form at a recursion level: alternatives are joined at level 0 only.
bool BuildAtLevel(const NounPatternRequest& request, int level, HebWordRec& result) {
  ClearWordRec(result);
  const BYTE* record = request.table.count ? request.table.records : kEmptyRecord;
  WORD recordId = ReadField(record, Field::RecordId);
  FormPlanes given;
  for (int p = 0; request.letters && request.letters[p] && p < kWordPlaneSize - 1; ++p)
    given.Append(request.letters[p], request.vowels ? request.vowels[p] : kNone, 0);
  int separator = request.tableType == TableType::Preposition ? 0 : FindCompoundSeparator(given);

  CellChoice choice;
  FormPlanes word;
  if (!BuildCellForm(request, record, given, separator, choice, word)) return false;
  if (separator > 0 && ClassIds::Contains(ClassIds::kNounCompound, recordId)) {
    // Declined again as one word, so that its last word takes the cell too.
    FormPlanes whole = word;
    if (!BuildCellForm(request, record, whole, 0, choice, word)) return false;
  }
  if (word.length > 0 && IsBegadkefatLetter(word.letters[0]) &&
      IsDageshableLetter(word.letters[0]))
    word.letters[0] = static_cast<BYTE>(AddDagesh(word.letters[0]));
  if (choice.mainBuilt) AppendBuiltInSecondForm(choice, request.tableType, word);
  ExpandHatafBeforeHataf(word);

  if (level == 0) {
    int alternatives = CountAlternatives(request.table);
    for (int i = 0; i < alternatives; ++i) {
      if (!HasAlternative(request.table, i, choice)) {
        if (i < alternatives - 1) AppendSeparator(word);
        continue;
      }
      NounPatternRequest alternative = request;
      alternative.table.records += static_cast<size_t>(i + 1) * kNounTableRecSize;
      alternative.table.count -= i + 1;
      HebWordRec form;
      BuildAtLevel(alternative, i + 1, form);
      const FormPlanes part = FormPlanes::FromRecord(form);
      if (!choice.mainBuilt)
        word = part;
      else if (!word.AppendAlternative(part, kNone))
        break;  // the list ends with the last whole form
    }
    while (word.length > 0 && word.letters[word.length - 1] == kSeparator)
      word.Truncate(word.length - 1);
  }

  if (choice.cell == DeclensionCell::Plural &&
      ClassIds::Contains(ClassIds::kNounStressConstructPlural, request.nounTableId))
    StressEachForm(word, kStressPenult);
  if (choice.cell == DeclensionCell::Construct && choice.kind == DeclensionKind::SingularStem &&
      ClassIds::Contains(ClassIds::kNounStressConstruct, request.nounTableId))
    StressEachForm(word, kStressAntepenult);

  std::memcpy(result.letters, word.letters, word.length);
  std::memcpy(result.vowels, word.vowels, word.length);
  if (level == 0) ClearVowelPlaceholders(result.vowels, word.length);
  return word.length > 0;
}

}  // namespace

NounTableRun GetNounTableRun(GrammarContext& context, int id) {
  NounTableRun run;
  const GrammarBlock& block = GetNounTableRecBlock();
  DWORD count = block.IsPresent() ? GetNounTableRecCount() : 0;
  if (static_cast<size_t>(count) * kNounTableRecSize > block.Size())
    count = static_cast<DWORD>(block.Size() / kNounTableRecSize);
  DWORD index = FindNounTableRecord(context, id);
  if (index >= count) return run;
  run.records = block.Data() + static_cast<size_t>(index) * kNounTableRecSize;
  run.count = count - index;
  return run;
}

bool BuildNounPatternForm(const NounPatternRequest& request, HebWordRec& result) {
  return BuildAtLevel(request, 0, result);
}
