// The number cell's text in Ktiv-Khaser spelling and on the clipboard.
#include "tables/core/NumberCellText.h"

#include <gtest/gtest.h>

#include <string>

#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/tests/core/PointedHebrew.h"

namespace number_cell_text_test {

TEST(NumberCellText, KtivKhaserRespellsEachWordAndKeepsTheSeparators) {
  struct Case {
    const char* pointed;
    const char* plene;
  } const cases[] = {
      {"שְׁלֹשָׁה", "שלושה"}, {"שָׁלֹשׁ", "שלוש"},           {"עֶשְׂרִים וְאֶחָד", "עשרים ואחד"},
      {"אֶלֶף", "אלף"},    {"שְׁלֹשׁ-מֵאוֹת", "שלוש-מאות"}, {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PointedHebrew(c.plene), RespellNumberText(PointedHebrew(c.pointed))) << c.plene;
}

TEST(NumberCellText, CopiesWithOrWithoutTheStressMarks) {
  const std::string stressed = PointedHebrew("אַֽחַת");
  ASSERT_TRUE(NumberTextHasStress(stressed));
  EXPECT_FALSE(NumberTextHasStress(PointedHebrew("אַחַת")));

  const NumberTextCopy plain = BuildNumberTextCopy(stressed, true);
  EXPECT_EQ(PointedHebrew("אַחַת"), std::string(plain.text, plain.text.GetLength()));
  EXPECT_EQ(lextest::Canonical("אַחַת"), WideHebrewToUtf8(plain.unicode));
  const NumberTextCopy marked = BuildNumberTextCopy(stressed, false);
  EXPECT_EQ(stressed, std::string(marked.text, marked.text.GetLength()));
  EXPECT_NE(WideHebrewToUtf8(marked.unicode), WideHebrewToUtf8(plain.unicode));

  EXPECT_TRUE(BuildNumberTextCopy("", false).text.IsEmpty());
}

}  // namespace number_cell_text_test
