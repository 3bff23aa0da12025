// The cells of each declension table type, their rectangles for
// hit-testing, the entry's class byte, and which cells a record fills.
#include "lexicon/core/DeclensionCells.h"

#include <gtest/gtest.h>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"

namespace {

struct TypeCells {
  int type;
  int first;
  int last;
  int count;
};

// clang-format off
const TypeCells kTypeCells[] = {
    {TableType::Noun, 0, 14, 15},
    {TableType::Preposition, 0, 12, 13},
    {TableType::Adjective, 1, 4, 5},
    {TableType::Vocabulary, 0, 0, 1},
    {GridTableType::VerbGrid, 0, 14, 31},
    {GridTableType::SuffixGrid, 0, 14, 13},
    {0, 0, 14, 15},
};
// clang-format on

TEST(DeclensionCells, EachTypeHasItsFirstLastAndCount) {
  for (const TypeCells& t : kTypeCells) {
    EXPECT_EQ(NounTableFirstCell(t.type), t.first) << t.type;
    EXPECT_EQ(NounTableLastCell(t.type), t.last) << t.type;
    EXPECT_EQ(NounTableCellCount(t.type), t.count) << t.type;
  }
}

TEST(DeclensionCells, EveryPrepositionCellHasARectangle) {
  CellRects block;
  ResetCellRects(block, TableType::Preposition);
  RECT rect = {10, 20, 30, 40};
  SetCellRect(block, rect, 12);
  RECT found;
  ASSERT_TRUE(GetCellRect(block, found, 12, TableType::Preposition));
  EXPECT_EQ(found.left, 10);
  EXPECT_EQ(HitTestCellRects(block, 15, 25, found, TableType::Preposition), 12);
  EXPECT_FALSE(GetCellRect(block, found, 13, TableType::Preposition));
  SetCellRect(block, rect, 13);  // beyond the block: ignored
  SetCellRect(block, rect, -1);
}

TEST(DeclensionCells, AdjectivesStartAtCellOne) {
  CellRects block;
  ResetCellRects(block, TableType::Adjective);
  RECT rect = {0, 0, 100, 100};
  SetCellRect(block, rect, 0);
  SetCellRect(block, rect, 2);
  RECT found = {1, 1, 1, 1};
  EXPECT_FALSE(GetCellRect(block, found, 0, TableType::Adjective));
  EXPECT_EQ(found.right, 0);
  EXPECT_EQ(HitTestCellRects(block, 50, 50, found, TableType::Adjective), 2);
}

TEST(DeclensionCells, UnsetRectanglesAreNeverHit) {
  CellRects block;
  ResetCellRects(block, TableType::Noun);
  RECT found;
  EXPECT_EQ(HitTestCellRects(block, 0, -1, found, TableType::Noun), -1);
  RECT rect;
  ASSERT_TRUE(GetCellRect(block, rect, 3, TableType::Noun));
  EXPECT_EQ(rect.top, kUnsetRectTop);
  FreeCellRects(block);
  EXPECT_FALSE(GetCellRect(block, rect, 3, TableType::Noun));
}

TEST(DeclensionCells, TheClassByteHoldsClassAndFlag) {
  BYTE entry[GrammarLayout::kNounEntrySize] = {};
  const struct {
    BYTE classByte;
    int genderNumberClass;
    bool flagged;
    bool plural;
  } cases[] = {{1, 1, false, false}, {0x84, 4, true, true}, {11, 11, false, true},
               {8, 8, false, false}, {0x87, 7, true, true}};
  for (const auto& c : cases) {
    entry[GrammarLayout::kNounEntryClassOffset] = c.classByte;
    EXPECT_EQ(GetGenderNumberClass(entry), c.genderNumberClass);
    EXPECT_EQ(IsPatternFlagged(entry), c.flagged);
    EXPECT_EQ(IsPatternClassPlural(entry), c.plural);
  }
}

TEST(DeclensionCells, ARecordFillsTheCellsItNamesPatternsFor) {
  BYTE record[GrammarLayout::kNounTableRecSize] = {};
  record[6] = 1;   // plural
  record[12] = 1;  // person cells on the singular stem
  EXPECT_TRUE(IsNounCellAvailable(record, 1, 13));
  EXPECT_TRUE(IsNounCellAvailable(record, 5, 13));
  EXPECT_TRUE(IsNounCellAvailable(record, 1, 3));
  EXPECT_FALSE(IsNounCellAvailable(record, 2, 3));
  EXPECT_FALSE(IsNounCellAvailable(record, 1, 1));
  EXPECT_FALSE(IsNounCellAvailable(record, 1, 14));
  record[8] = record[10] = record[14] = 1;
  EXPECT_TRUE(IsNounCellAvailable(record, 2, 12));
  EXPECT_TRUE(IsNounCellAvailable(record, 2, 1));
  EXPECT_TRUE(IsNounCellAvailable(record, 1, 14));
  EXPECT_FALSE(IsNounCellAvailable(record, 3, 3));
  EXPECT_FALSE(IsNounCellAvailable(nullptr, 1, 13));
}

}  // namespace
