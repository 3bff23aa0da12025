#include "tables/core/DeclensionFormSelector.h"

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/LittleEndian.h"
#include "tables/core/NumberRadios.h"

namespace {

// The person masks of a NounTableRec: the singular and plural stems'.
constexpr int kPersonsMaskOffset = 16;
constexpr int kPluralPersonsMaskOffset = 18;
constexpr int kSingleSet = 0;

}  // namespace

int DeclensionFormSelector(int tableType, const BYTE* tableRecord, int nounForms) {
  switch (tableType) {
    case TableType::Noun: return nounForms;
    case TableType::Preposition:
      if (!tableRecord || ReadU16LE(tableRecord + kPersonsMaskOffset) != 0) return kSingularForms;
      if (ReadU16LE(tableRecord + kPluralPersonsMaskOffset) != 0) return kPluralForms;
      return kNoDeclensionForms;
    default: return kSingleSet;
  }
}
