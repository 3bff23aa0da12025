#include "tables/core/DeclensionCellsToBuild.h"

#include <gtest/gtest.h>

#include <vector>

#include "lexicon/core/GrammarData.h"

namespace {

struct CellsCase {
  int tableType;
  WORD id;
  bool multiWord;
  bool singular;
  bool plural;
  std::vector<int> cells;
};

std::vector<int> Span(int first, int last) {
  std::vector<int> cells;
  for (int cell = first; cell <= last; ++cell) cells.push_back(cell);
  return cells;
}

TEST(DeclensionCellsToBuild, RangeByTypeIdRadiosAndWords) {
  const CellsCase cases[] = {
      // No table: the base form alone, whatever the radios.
      {TableType::Noun, 0, false, false, false, {0}},
      {TableType::Adjective, 0, false, true, true, {1}},
      // A single form: the noun's "Plural" cell; the first cell elsewhere.
      {TableType::Noun, 0xFFFF, false, false, true, {13}},
      {TableType::Preposition, 0xFFFF, false, false, false, {0}},
      // A noun table: the radios narrow the range.
      {TableType::Noun, 40, false, true, true, Span(0, 14)},
      {TableType::Noun, 40, false, false, true, Span(3, 14)},
      {TableType::Noun, 40, false, true, false, Span(0, 12)},
      {TableType::Noun, 40, false, false, false, Span(3, 12)},
      // Multi-word entries and negative ids build the number cells only.
      {TableType::Noun, 40, true, true, true, {0, 13}},
      {TableType::Noun, 40, true, false, true, {13}},
      {TableType::Noun, static_cast<WORD>(-5), false, true, true, {0, 1, 13, 14}},
      {TableType::Noun, static_cast<WORD>(-5), true, true, true, {0, 13}},
      // Other types keep their own range; the radios are the noun's.
      {TableType::Preposition, 40, true, false, false, Span(0, 12)},
      {TableType::Adjective, 40, false, false, false, Span(1, 4)},
      {TableType::Vocabulary, 40, false, false, false, {0}},
  };
  for (const CellsCase& c : cases) {
    NumberRadios radios;
    radios.singularEnabled = c.singular;
    radios.pluralEnabled = c.plural;
    EXPECT_EQ(DeclensionCellsToBuild(c.tableType, c.id, c.multiWord, radios), c.cells)
        << c.tableType << " id " << c.id << " multi " << c.multiWord << " radios " << c.singular
        << c.plural;
  }
}

}  // namespace
