#include "tables/core/DeclensionCellsToBuild.h"

#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarData.h"

namespace {

// A negative table id (below the single form's -1) declines only the base
// and plural and their construct forms.
constexpr short kSingleFormId = -1;

bool IsNumberCell(int cell) {
  return cell == DeclensionCell::Singular || cell == DeclensionCell::Construct ||
         cell == DeclensionCell::Plural || cell == DeclensionCell::ConstructPlural;
}

// For a noun with a table id of its own: a multi-word entry has no
// construct or suffixed forms.
bool NounBuildsCell(int cell, short id, bool multiWord) {
  if (multiWord) return cell == DeclensionCell::Singular || cell == DeclensionCell::Plural;
  return id >= kSingleFormId || IsNumberCell(cell);
}

}  // namespace

std::vector<int> DeclensionCellsToBuild(int tableType, WORD tableId, bool multiWord,
                                        const NumberRadios& radios) {
  const bool noun = tableType == TableType::Noun;
  const int typeFirst = NounTableFirstCell(tableType);
  const int typeLast = NounTableLastCell(tableType);
  if (tableId == kNoNounTable) return {typeFirst};
  if (tableId == kSingleFormNounTable)
    return {typeLast >= DeclensionCell::Plural ? DeclensionCell::Plural : typeFirst};
  const int first = noun && !radios.singularEnabled ? DeclensionCell::kFirstPerson : typeFirst;
  const int last = noun && !radios.pluralEnabled ? DeclensionCell::kLastPerson : typeLast;
  std::vector<int> cells;
  for (int cell = first; cell <= last; ++cell)
    if (!noun || NounBuildsCell(cell, static_cast<short>(tableId), multiWord))
      cells.push_back(cell);
  return cells;
}
