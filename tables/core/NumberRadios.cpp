#include "tables/core/NumberRadios.h"

#include "lexicon/core/LittleEndian.h"

namespace {

// The NounTableRec fields the radios read, by byte offset: the plural
// pattern and the person patterns of the singular and plural stems.
constexpr int kPluralPatternOffset = 6;
constexpr int kPersonsPatternOffset = 12;
constexpr int kPluralPersonsPatternOffset = 14;
// A person pattern of 1 means that the stem takes no person suffixes.
constexpr WORD kNoPersonForms = 1;
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
  radios.pluralEnabled = ReadU16LE(tableRecord + kPluralPersonsPatternOffset) != kNoPersonForms &&
                         static_cast<short>(tableId)<kPluralLessIds&& static_cast<short>(
                             ReadU16LE(tableRecord + kPluralPatternOffset))> 0;
  return true;
}

NumberChoice ChooseNumberForms(const NumberRadios& radios, int checked) {
  if (checked == kSingularForms || checked == kPluralForms) return {checked, checked};
  if (radios.singularEnabled) return {kSingularForms, kSingularForms};
  if (radios.pluralEnabled) return {kPluralForms, kPluralForms};
  return {kNoNumberForms, 0};
}
