// The preposition tables built from the grammar in data/: a preposition
// typed as the search edit takes it is found in the list, and its cells
// hold its pronominal-suffix forms; one without a table holds its base form
// alone; a second spelling colours its cell and counts as an alternate; the
// Ktiv-Khaser build copies out unpointed and plene.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/DeclensionEntryList.h"
#include "tables/core/DeclensionTableContent.h"
#include "tables/tests/core/PointedHebrew.h"
#include "tables/core/VerbFormCopy.h"

namespace declension_table_content_test {

constexpr int kPrepositionCells = DeclensionCell::kLastPerson + 1;

class DeclensionTableContent : public lextest::GrammarSuite<DeclensionTableContent> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("declensiontable");
  }

 protected:
  // The preposition the typed word leads the list to.
  static const BYTE* FindPreposition(const char* utf8) {
    const GrammarBlock& block = GetNounTableBlock(TableType::Preposition);
    const int count = static_cast<int>(GetNounTableCount(TableType::Preposition));
    const DeclensionEntryRows rows = ListDeclensionEntries(block.Data(), count, kNoCategoryFilter);
    auto entryOf = [&](int row) {
      return block.Data() + static_cast<size_t>(rows.rowEntries[static_cast<size_t>(row)]) *
                                GrammarLayout::kNounEntrySize;
    };
    const int row = IncrementalSearchRow(
        TypedEntryWord(PointedHebrew(utf8).c_str()), static_cast<int>(rows.rowEntries.size()),
        [&](int r, EntrySearchWord& word) {
          if (r < 0 || r >= static_cast<int>(rows.rowEntries.size())) return false;
          word = DeclensionEntryWord(entryOf(r));
          return true;
        });
    return row >= 0 && row < static_cast<int>(rows.rowEntries.size()) ? entryOf(row) : nullptr;
  }

  const DeclensionTable& Build(const char* preposition, bool ktivKhaser = false) {
    DeclensionTableRequest request;
    request.entry = FindPreposition(preposition);
    request.tableType = TableType::Preposition;
    request.ktivKhaser = ktivKhaser;
    EXPECT_TRUE(BuildDeclensionTable(context, request, table)) << preposition;
    return table;
  }

  GrammarContext context;
  DeclensionTable table;
};

// The cells 0-12 as the first spellings, "-" for an empty cell.
std::vector<std::string> FirstSpellings(const DeclensionTable& table) {
  std::vector<std::string> cells;
  for (int cell = 0; cell < kPrepositionCells; ++cell)
    cells.push_back(table.cells[cell].filled
                        ? WordToUtf8(CellSpelling(table.cells[cell], kFirstSpelling, false))
                        : "-");
  return cells;
}

std::vector<std::string> Expected(const std::string& cells) {
  std::vector<std::string> words = lextest::CanonicalWords(cells);
  for (std::string& word : words)
    if (word == lextest::Canonical("-")) word = "-";
  return words;
}

TEST_F(DeclensionTableContent, APrepositionShowsItsPersonForms) {
  struct Case {
    const char* preposition;
    const char* cells;  // 0 base, 1 construct, 2 pausal, 3-12 S1 to P3F
  };
  // clang-format off
  const Case cases[] = {
    {"עַל", "עַל - - עָלַי עָלֶיךָ עָלַיִךְ עָלָיו עָלֶיהָ עָלֵינוּ עֲלֵיכֶם עֲלֵיכֶן עֲלֵיהֶם עֲלֵיהֶן"},
    {"בְּ", "בְּ - - בִּי בְּךָ בָּךְ בּוֹ בָּהּ בָּנוּ בָּכֶם בָּכֶן בָּהֶם בָּהֶן"},
    {"לְ", "לְ - - לִי לְךָ לָךְ לוֹ לָהּ לָנוּ לָכֶם לָכֶן לָהֶם לָהֶן"},
    {"אֵצֶל", "אֵצֶל - - אֶצְלִי אֶצְלְךָ אֶצְלֵךְ אֶצְלוֹ אֶצְלָהּ אֶצְלֵנוּ אֶצְלְכֶם אֶצְלְכֶן אֶצְלָם אֶצְלָן"},
    {"לְלֹא", "לְלֹא - - - - - - - - - - - -"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preposition);
    EXPECT_EQ(FirstSpellings(Build(c.preposition)), Expected(c.cells));
  }
}

TEST_F(DeclensionTableContent, ASecondSpellingIsAnAlternateInRed) {
  const DeclensionTable& built = Build("אוֹדוֹת");
  EXPECT_EQ(built.highestAlternate, 0);
  const VerbTableCell& theirs = built.cells[DeclensionCell::TheirM];
  EXPECT_EQ(theirs.colour, VerbTableColour::kWithAlternates);
  EXPECT_EQ(WordToUtf8(CellSpelling(theirs, 0, false)), lextest::Canonical("אוֹדוֹתָם"));
  EXPECT_EQ(built.cells[DeclensionCell::His].colour, VerbTableColour::kPlain);
  EXPECT_EQ(Build("עַל").highestAlternate, kFirstSpelling);
}

TEST_F(DeclensionTableContent, KtivKhaserCopiesThePleneSpellingUnpointed) {
  const DeclensionTable& built = Build("עַל", true);
  VerbFormCopy copy =
      BuildVerbFormCopy(built.cells[DeclensionCell::His], kFirstSpelling, true, false);
  EXPECT_EQ(std::string(copy.text, copy.text.GetLength()), PointedHebrew("עליו"));
  // The pointed form stays the source.
  EXPECT_EQ(WordToUtf8(CellSpelling(built.cells[DeclensionCell::His], kFirstSpelling, false)),
            lextest::Canonical("עָלָיו"));
}

TEST_F(DeclensionTableContent, NoEntryBuildsNothing) {
  DeclensionTableRequest request;
  request.tableType = TableType::Preposition;
  EXPECT_FALSE(BuildDeclensionTable(context, request, table));
  for (const VerbTableCell& cell : table.cells) EXPECT_FALSE(cell.filled);
}

}  // namespace declension_table_content_test
