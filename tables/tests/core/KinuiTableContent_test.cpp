// The suffix table built from the model verbs' grammar: a handed-over past
// form with its ten object suffixes, an infinitive noun with its possessive
// suffixes, the root, the Ktiv-Khaser spelling beside the pointed source,
// and the verbs that give no table.
#include "tables/core/KinuiTableContent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexicon/core/FormSlots.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/AlternateSpelling.h"

namespace kinui_table_content_test {

class KinuiTableContent : public lextest::GrammarSuite<KinuiTableContent> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("kinuitable");
  }

 protected:
  KinuiRequest Request(const char* root, int binyan, int slot, KinuiMode mode) {
    KinuiRequest request;
    request.mode = mode;
    request.entry = lextest::EntryOfRoot(root);
    EXPECT_NE(request.entry, nullptr) << root;
    request.binyan = binyan;
    request.slot = slot;
    request.given = GenerateVerbForm(context, request.entry, binyan, slot);
    return request;
  }

  // Each cell's spellings joined by ',' ("-" for an empty cell), from the
  // shown or the source record.
  std::vector<std::string> Cells(bool source = false) const {
    std::vector<std::string> cells;
    for (const GrammarCell& cell : table.cells) {
      if (IsGrammarCellEmpty(cell)) {
        cells.push_back("-");
        continue;
      }
      const LONG(&offsets)[kCellAlternates] = source ? cell.sourceAlternates : cell.shownAlternates;
      std::string text;
      for (int k = kFirstSpelling; k < kCellAlternates; ++k) {
        if (k >= 0 && offsets[k] <= 0) break;
        text += (text.empty() ? "" : ",") + WordToUtf8(KinuiCellText(cell, k, source));
      }
      cells.push_back(text);
    }
    return cells;
  }

  GrammarContext context;
  KinuiTable table;
};

std::vector<std::string> Expected(const std::string& cells) {
  std::vector<std::string> words = lextest::CanonicalWords(cells);
  for (std::string& word : words)
    if (word == lextest::Canonical("-")) word = "-";
  return words;
}

TEST_F(KinuiTableContent, PastFormTakesTheTenObjectSuffixesUnderItsRoot) {
  ASSERT_TRUE(
      BuildKinuiTable(context, Request("כתב", 0, FormSlot::Past3ms, kKinuiSuffixForms), table));
  EXPECT_EQ(Cells(), Expected("כָּתַב כְּתָבַנִי כְּתָבְךָ כְּתָבֵךְ כְּתָבוֹ,כְּתָבָהוּ כְּתָבָהּ "
                              "כְּתָבָנוּ כְּתַבְכֶם כְּתַבְכֶן כְּתָבָם כְּתָבָן כתב"));
  EXPECT_EQ(Cells(true), Cells());
  EXPECT_EQ(table.highestAlternate, 0);
}

TEST_F(KinuiTableContent, AVavInversiveFormTakesItsSuffixesAfterTheVav) {
  KinuiRequest request = Request("כתב", 0, FormSlot::Future3ms, kKinuiSuffixForms);
  request.vavInversive = true;
  request.given = VavInversiveVerbForm(context, request.entry, request.given);
  ASSERT_TRUE(BuildKinuiTable(context, request, table));
  const std::vector<std::string> cells = Cells();
  EXPECT_EQ(cells[0], lextest::Canonical("וַיִּכְתֹּב"));
  // "and he wrote them" (on the tablets)
  EXPECT_EQ(cells[9], lextest::Canonical("וַיִּכְתְּבֵם"));
}

TEST_F(KinuiTableContent, PersonsWithoutAFormStayEmptyAndTheRootEndsInItsFinalLetter) {
  // "I blessed me" and "I blessed us" are no forms.
  ASSERT_TRUE(
      BuildKinuiTable(context, Request("ברך", 2, FormSlot::Past1s, kKinuiSuffixForms), table));
  const std::vector<std::string> cells = Cells();
  EXPECT_EQ(cells[1], "-");
  EXPECT_EQ(cells[6], "-");
  EXPECT_EQ(cells[4], lextest::Canonical("בֵּרַכְתִּיו") + "," + lextest::Canonical("בֵּרַכְתִּיהוּ"));
  EXPECT_EQ(cells[kKinuiRootCell], "ברך");
}

TEST_F(KinuiTableContent, InfinitiveNounTakesThePossessiveSuffixes) {
  ASSERT_TRUE(BuildKinuiTable(
      context, Request("כתב", 0, FormSlot::Infinitive, kKinuiInfinitiveNoun), table));
  EXPECT_EQ(Cells(), Expected("כְּתֹב כָּתְבִי כְּתָבְךָ,כְּתָבֶךָ כָּתְבֵךְ כָּתְבוֹ כָּתְבָהּ "
                              "כָּתְבֵנוּ כְּתָבְכֶם כְּתָבְכֶן כָּתְבָם כָּתְבָן כתב"));
  EXPECT_EQ(table.highestAlternate, 0);
}

TEST_F(KinuiTableContent, KtivKhaserShowsThePleneSpellingAndKeepsThePointedSource) {
  KinuiRequest request = Request("כתב", 0, FormSlot::Infinitive, kKinuiInfinitiveNoun);
  ASSERT_TRUE(BuildKinuiTable(context, request, table));
  const std::vector<std::string> pointed = Cells();
  request.ktivKhaser = true;
  ASSERT_TRUE(BuildKinuiTable(context, request, table));
  EXPECT_EQ(Cells(true), pointed);
  const std::vector<std::string> plene = Cells();
  // The holam and the qamats qatan are written with a vav.
  EXPECT_EQ(plene[0], lextest::Canonical("כְּתוֹב"));
  EXPECT_EQ(plene[1], lextest::Canonical("כּוֹתְבִי"));
  EXPECT_EQ(plene[kKinuiRootCell], "כתב");
}

TEST_F(KinuiTableContent, AVerbWithoutTheBinyanLeavesTheTableAsItWas) {
  ASSERT_TRUE(
      BuildKinuiTable(context, Request("כתב", 0, FormSlot::Past3ms, kKinuiSuffixForms), table));
  const std::vector<std::string> before = Cells();
  // כתב has no Piel.
  KinuiRequest request = Request("כתב", 2, FormSlot::Past3ms, kKinuiSuffixForms);
  request.given = table.cells[0].source;
  EXPECT_FALSE(BuildKinuiTable(context, request, table));
  EXPECT_FALSE(BuildKinuiTable(context, KinuiRequest{}, table));
  EXPECT_EQ(Cells(), before);
}

TEST_F(KinuiTableContent, TheAlternateIndexShowsTheNearestEarlierSpelling) {
  ASSERT_TRUE(
      BuildKinuiTable(context, Request("כתב", 0, FormSlot::Past3ms, kKinuiSuffixForms), table));
  const GrammarCell& him = table.cells[4];
  const GrammarCell& her = table.cells[5];
  EXPECT_EQ(WordToUtf8(KinuiCellText(him, 0, true)), lextest::Canonical("כְּתָבָהוּ"));
  EXPECT_EQ(WordToUtf8(KinuiCellText(him, 3, false)), lextest::Canonical("כְּתָבָהוּ"));
  EXPECT_EQ(WordToUtf8(KinuiCellText(her, 2, false)), lextest::Canonical("כְּתָבָהּ"));
  GrammarCell empty;
  ClearGrammarCell(empty);
  EXPECT_EQ(KinuiCellText(empty, -1, false).letters[0], 0);
}

}  // namespace kinui_table_content_test
