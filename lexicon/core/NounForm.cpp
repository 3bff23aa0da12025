#include "lexicon/core/NounForm.h"

#include <cstring>

#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/InfinitiveNounForms.h"
#include "lexicon/core/LittleEndian.h"

using namespace GrammarLayout;

namespace {

constexpr int kSingularPatternOffset = 2;
constexpr int kPausalPatternOffset = 4;
// Byte 31 of a NounTableRec: bit 2 gives plural classes a second form of
// cell 13.
constexpr int kFlagsOffset = 31;
constexpr BYTE kSecondPluralFlag = 0x04;
constexpr BYTE kSeparator = ',';

bool HasPattern(const NounTableRun& table, int offset) {
  return table.count && ReadU16LE(table.records + offset) != 0;
}

// The cell's form by the entry's records (the suffix builder) into word,
// which holds the entry's word on entry.
void BuildCell(const NounFormRequest& request, int cell, int tableType, HebWordRec& word) {
  int length = static_cast<int>(strnlen(reinterpret_cast<const char*>(word.letters),
                                        kWordPlaneSize - 1));
  MarkZeroBytes(word.vowels, length);
  PronominalSuffixRequest suffix;
  suffix.nounTableId = ReadU16LE(request.entry + kNounEntryTableIdOffset);
  suffix.records = request.table.records;
  suffix.recordCount = request.table.count;
  suffix.cell = cell;
  suffix.kind = request.kind;
  suffix.tableType = tableType;
  suffix.genderNumberClass = GetGenderNumberClass(request.entry);
  BuildPronominalSuffixForm(suffix, word.letters, word.vowels);
}

int LetterCount(const HebWordRec& word) {
  return static_cast<int>(strnlen(reinterpret_cast<const char*>(word.letters), kWordPlaneSize - 1));
}

// Appends letters and vowels of form from position from on when the record
// has room for all of them: a list ends with a whole form.
void AppendForm(HebWordRec& word, const HebWordRec& form, int from) {
  int at = LetterCount(word);
  int count = LetterCount(form) - from;
  if (count <= 0 || count > kWordPlaneSize - 1 - at) return;
  std::memcpy(word.letters + at, form.letters + from, count);
  std::memcpy(word.vowels + at, form.vowels + from, count);
}

}  // namespace

bool BuildNounForm(const NounFormRequest& request, HebWordRec& form) {
  ClearWordRec(form);
  if (!request.entry) return false;
  GetNounWord(request.entry, form.letters, form.vowels, kWordPlaneSize);
  const int cell = request.cell;
  const int type = request.tableType;
  if ((type == TableType::Preposition || type == TableType::Vocabulary) &&
      cell == DeclensionCell::Singular)
    return true;
  const BYTE* record = request.table.count ? request.table.records : nullptr;
  if (type == TableType::Noun) {
    if (cell == DeclensionCell::Pausal) {
      if (!HasPattern(request.table, kPausalPatternOffset)) {
        ClearWordRec(form);
        return false;
      }
      BuildCell(request, cell, TableType::Noun, form);
      return LetterCount(form) > 0;
    }
    if (cell == DeclensionCell::Singular) {
      if (!HasPattern(request.table, kSingularPatternOffset)) return true;
      HebWordRec second = form;
      BuildCell(request, cell, TableType::Noun, second);
      // The alternative with its separator, when both fit whole.
      const int count = LetterCount(second);
      if (count > 0 && LetterCount(form) + 1 + count <= kWordPlaneSize - 1) {
        HebWordRec separator = {};
        separator.letters[0] = kSeparator;
        AppendForm(form, separator, 0);
        AppendForm(form, second, 0);
      }
      return true;
    }
    if (cell == DeclensionCell::Plural && IsPatternClassPlural(request.entry)) {
      if (!record || !(record[kFlagsOffset] & kSecondPluralFlag)) return true;
      HebWordRec second = form;
      BuildCell(request, cell, TableType::Noun, second);
      const BYTE* comma = static_cast<const BYTE*>(
          std::memchr(second.letters, kSeparator, LetterCount(second)));
      if (comma) AppendForm(form, second, static_cast<int>(comma - second.letters));
      return true;
    }
  }
  if (!IsNounCellAvailable(record, request.kind, cell)) {
    ClearWordRec(form);
    return false;
  }
  BuildCell(request, cell, type, form);
  return LetterCount(form) > 0;
}
