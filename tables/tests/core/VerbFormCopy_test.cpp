// What copying a verb table cell puts on the clipboard.
#include <gtest/gtest.h>

#include <string>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/VerbFormCopy.h"
#include "tables/tests/core/PointedHebrew.h"

namespace {

class VerbFormCopyTest : public lextest::GrammarSuite<VerbFormCopyTest> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("verbcopy");
  }

 protected:
  const VerbTableCell& Cell(const char* root, int binyan, int slot, bool ktivKhaser) {
    VerbTableRequest request;
    request.entry = lextest::EntryOfRoot(root);
    request.binyan = binyan;
    request.ktivKhaser = ktivKhaser;
    BuildVerbFormSet(context, request, table);
    return table.cells[slot];
  }

  GrammarContext context;
  VerbFormSetTable table;
};

TEST_F(VerbFormCopyTest, TheSpellingOfTheCurrentAlternateInBothFormats) {
  const VerbTableCell& cell = Cell("לקח", Binyan::Paal, FormSlot::Future1s, false);
  VerbFormCopy first = BuildVerbFormCopy(cell, kFirstSpelling, false, true);
  EXPECT_EQ(WideHebrewToUtf8(first.unicode), lextest::Canonical("אֶקַּח"));
  VerbFormCopy second = BuildVerbFormCopy(cell, 0, false, true);
  EXPECT_EQ(WideHebrewToUtf8(second.unicode), lextest::Canonical("אֶלְקַח"));
  // A missing alternative copies the nearest earlier one.
  EXPECT_EQ(BuildVerbFormCopy(cell, 3, false, true).text, second.text);
  // The program's codes: one letter code and one point code a letter.
  EXPECT_EQ(static_cast<BYTE>(second.text[0]), HebCode::Alef);
}

TEST_F(VerbFormCopyTest, NoMetegDropsTheStressMarks) {
  const VerbTableCell& cell = Cell("כתב", Binyan::Paal, FormSlot::Past1s, false);
  ASSERT_TRUE(HasStressMarks(CellSpelling(cell, kFirstSpelling, false)));
  VerbFormCopy plain = BuildVerbFormCopy(cell, kFirstSpelling, false, true);
  VerbFormCopy stressed = BuildVerbFormCopy(cell, kFirstSpelling, false, false);
  EXPECT_EQ(WideHebrewToUtf8(plain.unicode), lextest::Canonical("כָּתַבְתִּי"));
  EXPECT_NE(stressed.text, plain.text);
  EXPECT_NE(WideHebrewToUtf8(stressed.unicode), WideHebrewToUtf8(plain.unicode));
  EXPECT_FALSE(HasStressMarks(
      CellSpelling(Cell("כתב", Binyan::Paal, FormSlot::Past3fs, false), kFirstSpelling, false)));
}

TEST_F(VerbFormCopyTest, KtivKhaserCopiesTheRespelledFormUnpointed) {
  const VerbTableCell& cell = Cell("כתב", Binyan::Paal, FormSlot::Infinitive, true);
  VerbFormCopy plene = BuildVerbFormCopy(cell, kFirstSpelling, true, true);
  EXPECT_EQ(WideHebrewToUtf8(plene.unicode), "לכתוב");
  EXPECT_EQ(plene.text, "\xEC\xEB\xFA\xE5\xE1");
  EXPECT_EQ(WideHebrewToUtf8(BuildVerbFormCopy(cell, kFirstSpelling, false, true).unicode),
            lextest::Canonical("לִכְתֹּב"));
}

TEST_F(VerbFormCopyTest, AnEmptyCellCopiesNothing) {
  VerbTableCell empty;
  EXPECT_TRUE(BuildVerbFormCopy(empty, kFirstSpelling, false, false).text.IsEmpty());
  EXPECT_TRUE(BuildVerbFormCopy(empty, 2, true, false).unicode.empty());
}

}  // namespace
