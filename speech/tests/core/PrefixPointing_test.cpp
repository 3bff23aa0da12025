// Vowels given to unpointed prefix letters.
#include "speech/core/PrefixPointing.h"

#include <gtest/gtest.h>

#include "speech/tests/core/Pronounce.h"

namespace {

struct PointingCase {
  const char* what;
  const char* word;  // prefix letters without points
  int prefixLength;
  ArticleMode articleMode;
  const char* expected;
};
void PrintTo(const PointingCase& c, std::ostream* os) { *os << c.what; }

class PointPrefixLettersTable : public ::testing::TestWithParam<PointingCase> {};

TEST_P(PointPrefixLettersTable, PointsThePrefix) {
  const PointingCase& c = GetParam();
  PointedLetters word = Pointed(c.word);
  PointPrefixLetters(word.letters.data(), word.vowels.data(), c.prefixLength, c.articleMode);
  const PointedLetters expected = Pointed(c.expected);
  EXPECT_EQ(word.letters, expected.letters);
  EXPECT_EQ(word.vowels, expected.vowels);
}

constexpr ArticleMode Decide = kArticleDecide, No = kArticleNotAbsorbed, Yes = kArticleAbsorbed;

INSTANTIATE_TEST_SUITE_P(
    Prefixes, PointPrefixLettersTable,
    ::testing::Values(
        PointingCase{"vav before bet with shva: shuruk", u8"ובְּרֵכָה", 1, No, u8"וּבְּרֵכָה"},
        PointingCase{"vav before a letter with a full vowel: shva", u8"ולֶיֶד", 1, No, u8"וְלֶיֶד"},
        PointingCase{"vav before yod with shva: hiriq", u8"ויְלַ", 1, No, u8"וִיְלַ"},
        PointingCase{"lamed before hataf patah: patah", u8"לחֲלוֹם", 1, No, u8"לַחֲלוֹם"},
        PointingCase{"lamed before shva: hiriq", u8"למְדִ", 1, No, u8"לִמְדִ"},
        PointingCase{"bet at the start takes its dagesh", u8"בלֶיֶ", 1, No, u8"בְּלֶיֶ"},
        PointingCase{"article before alef: qamats", u8"האִישׁ", 1, No, u8"הָאִישׁ"},
        PointingCase{"article before het with qamats: segol", u8"החָכָּם", 1, No, u8"הֶחָכָּם"},
        PointingCase{"article before hem: qamats", u8"ההֵם", 1, No, u8"הָהֵם"},
        PointingCase{"article before another letter: patah", u8"היֶלֶ", 1, No, u8"הַיֶלֶ"},
        PointingCase{"absorbed article: bet takes patah and dagesh", u8"בבַּיִת", 1, Yes, u8"בַּבַּיִת"},
        PointingCase{"mem before a guttural: tsere", u8"מעִיר", 1, No, u8"מֵעִיר"},
        PointingCase{"relative shin: segol", u8"שׁיֶלֶ", 1, No, u8"שֶׁיֶלֶ"},
        PointingCase{"bet after shin takes the article", u8"שׁבבַּיִת", 2, Decide, u8"שֶׁבַּבַּיִת"},
        PointingCase{"kaf + shin + article", u8"כשׁהיֶלֶ", 3, Decide, u8"כְּשֶׁהַיֶלֶ"},
        PointingCase{"a letter with a vowel keeps it", u8"לַמְדִ", 1, No, u8"לַמְדִ"},
        PointingCase{"no prefix", u8"למְ", 0, No, u8"למְ"},
        PointingCase{"prefix as long as the word", u8"ל", 3, No, u8"ל"}));

TEST(IsArticleQamatsWord, HemHenHenaHema) {
  for (const char* word : {u8"הֵם", u8"הֵֽנָּה"}) {
    const PointedLetters w = Pointed(word);
    EXPECT_TRUE(IsArticleQamatsWord(w.L(), w.V())) << word;
  }
  for (const char* word : {u8"הֵםת", u8"הָר"}) {
    const PointedLetters w = Pointed(word);
    EXPECT_FALSE(IsArticleQamatsWord(w.L(), w.V())) << word;
  }
}

}  // namespace
