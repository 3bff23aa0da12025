#include "tables/core/NumberRadios.h"

#include "lexicon/core/LittleEndian.h"

namespace {

// The NounTableRec fields the radios read, by byte offset: the plural
// pattern and the person patterns of the singular and plural stems.
constexpr int kPluralPatternOffset = 6;
constexpr int kPersonsPatternOffset = 12;
constexpr int kPluralPersonsPatternOffset = 14;
// A stem without a person pattern takes no person suffixes, as the noun
// builder reads the record.
constexpr WORD kNoPersonForms = 0;
// Ids from this on are read as their id less it, with no plural.
constexpr int kPluralLessIds = 10000;

}  // namespace

bool EnableNumberRadios(WORD tableId, bool pluralClass, const BYTE* tableRecord,
                        NumberRadios& radios) {
  if (tableId == kNoNounTable || tableId == kSingleFormNounTable) {
    radios.singularEnabled = !pluralClass && tableId == kNoNounTable;
    radios.pluralEnabled = tableId == kSingleFormNounTable;
    return true;
  }
  if (!tableRecord) return false;
  radios.singularEnabled =
      !pluralClass && ReadU16LE(tableRecord + kPersonsPatternOffset) != kNoPersonForms;
  // A plural word is its own plural: its table needs no plural pattern.
  const bool hasPlural =
      pluralClass || static_cast<short>(ReadU16LE(tableRecord + kPluralPatternOffset)) > 0;
  radios.pluralEnabled = ReadU16LE(tableRecord + kPluralPersonsPatternOffset) != kNoPersonForms &&
                         static_cast<short>(tableId) < kPluralLessIds && hasPlural;
  return true;
}

NumberChoice ChooseNumberForms(const NumberRadios& radios, int checked) {
  if (checked == kSingularForms || checked == kPluralForms) return {checked, checked};
  if (radios.singularEnabled) return {kSingularForms, kSingularForms};
  if (radios.pluralEnabled) return {kPluralForms, kPluralForms};
  return {kNoNumberForms, 0};
}
