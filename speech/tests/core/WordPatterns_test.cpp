// The prefix test, word-pattern matching with its inflected variants, and
// the syllable count.
#include "speech/core/WordPatterns.h"

#include <gtest/gtest.h>

#include "hebtext/tests/core/PointedWord.h"
#include "speech/core/PointedInput.h"

namespace {

struct PrefixCase {
  const char* word;
  int kind;
  BOOL strict;
  int expected;
};

class TestWordPrefixTable : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(TestWordPrefixTable, RecognisesChainsOfPrefixLetters) {
  const PrefixCase& c = GetParam();
  const PointedLetters w = PointedLettersFromUtf8(c.word);
  EXPECT_EQ(TestWordPrefix(w.L(), w.V(), c.kind, c.strict), c.expected) << c.word;
}

INSTANTIATE_TEST_SUITE_P(
    Chains, TestWordPrefixTable,
    ::testing::Values(
        PrefixCase{u8"וְהַיֶּלֶד", 1, FALSE, 1},     // conjunction vav
        PrefixCase{u8"וְהַיֶּלֶד", 2, FALSE, 2},     // vav + article
        PrefixCase{u8"הַבַּיִת", 1, FALSE, 1},        // article
        PrefixCase{u8"בַּבַּיִת", 1, FALSE, 1},       // bet with the article's patah
        PrefixCase{u8"לְיֶלֶד", 1, FALSE, 1},         // lamed
        PrefixCase{u8"מִבַּיִת", 1, FALSE, 1},        // mem
        PrefixCase{u8"שֶׁהַיֶּלֶד", 2, FALSE, 2},     // shin + article
        PrefixCase{u8"כְּשֶׁהַיֶּלֶד", 3, FALSE, 3},  // kaf + shin + article
        PrefixCase{u8"וּכְשֶׁהַיֶּלֶד", 4, FALSE, 4}, // vav + kaf + shin + article
        PrefixCase{u8"מֵהַבַּיִת", 2, FALSE, 2},      // mem + article
        PrefixCase{u8"שָׁלוֹם", 1, FALSE, 0},         // shin with qamats: no prefix
        PrefixCase{u8"שָׁלוֹם", 1, TRUE, 1},          // strict: any vowel
        PrefixCase{u8"הֵם", 1, FALSE, 0},             // he with tsere is no article
        PrefixCase{u8"בְּ", 1, FALSE, 0},             // nothing behind the prefix
        PrefixCase{u8"וְהַיֶּלֶד", 3, FALSE, 0},     // not three
        PrefixCase{u8"וְהַיֶּלֶד", 0, FALSE, 0},
        PrefixCase{u8"וְהַיֶּלֶד", 5, FALSE, 0}));

const WordPattern kOneWord[] = {
    {{233, 236, 227}, {198, 198, 1}},  // yeled
    {},
};

int Match(const PointedWord& w, const WordPattern* list, int flags, int* offset) {
  return MatchWordPatternList(w.L(), w.V(), w.Length() - 1, list, offset, flags);
}

TEST(MatchWordPatternList, MatchesTheWordAndTheWordBehindAPrefix) {
  int offset = -1;
  EXPECT_EQ(Match(PointedWord{{233, 198}, {236, 198}, {227, 1}}, kOneWord, 0, &offset), 1);
  EXPECT_EQ(offset, 0);
  // ha-yeled
  EXPECT_EQ(Match(PointedWord{{228, 199}, {233, 198}, {236, 198}, {227, 1}}, kOneWord, 0, &offset),
            1);
  EXPECT_EQ(offset, 1);
  // yeled with a trailing comma
  EXPECT_EQ(Match(PointedWord{{233, 198}, {236, 198}, {227, 1}, {',', 0}}, kOneWord, 0, &offset),
            1);
  // no vowel written (0) against the explicit none (1)
  EXPECT_EQ(Match(PointedWord{{233, 198}, {236, 198}, {227, 0}}, kOneWord, 0, &offset), 1);
  EXPECT_EQ(Match(PointedWord{{233, 198}, {236, 198}, {240, 1}}, kOneWord, 0, &offset), 0);
  EXPECT_EQ(offset, 0);
}

TEST(MatchWordPatternList, NeverMatchesWithoutAnOffsetOrForLongWords) {
  const PointedWord yeled{{233, 198}, {236, 198}, {227, 1}};
  EXPECT_EQ(Match(yeled, kOneWord, 0, nullptr), 0);
  PointedWord longWord{{233, 198}, {236, 198}, {227, 1}};
  for (int i = 0; i < 20; ++i) {
    longWord.letters.insert(longWord.letters.begin(), 236);
    longWord.vowels.insert(longWord.vowels.begin(), 199);
  }
  int offset = 0;
  EXPECT_EQ(Match(longWord, kOneWord, kVariantAll, &offset), 0);
}

TEST(MatchWordPatternList, MaterLectionisAndHatafStandForTheBareVowel) {
  const WordPattern list[] = {{{238, 227, 233, 240, 228}, {192, 196, 1, 200, 1}}, {}};  // medina
  int offset = 0;
  // written without the yod
  EXPECT_EQ(Match(PointedWord{{238, 192}, {227, 196}, {240, 200}, {228, 1}}, list, 0, &offset), 1);
  // hataf patah against shva
  EXPECT_EQ(Match(PointedWord{{238, 194}, {227, 196}, {233, 1}, {240, 200}, {228, 1}}, list, 0,
                  &offset),
            1);
}

// -ai list entry "sabai" (grandfatherly) given as its -it and -im forms.
TEST(MatchWordPatternList, AiListEntryInItFormNeedsTheItVariant) {
  const PointedWord sabait{{241, 199}, {161, 200}, {224, 196}, {233, 1}, {250, 1}};
  int offset = 0;
  EXPECT_EQ(Match(sabait, kAiWordList, kVariantIt | kVariantOtUt, &offset), 1);
  EXPECT_EQ(Match(sabait, kAiWordList, kVariantIm, &offset), 0);
  EXPECT_EQ(Match(sabait, kAiWordList, 0, &offset), 0);
  const PointedWord sabaim{{241, 199}, {161, 200}, {224, 196}, {233, 1}, {237, 1}};
  EXPECT_EQ(Match(sabaim, kAiWordList, kVariantIm, &offset), 1);
  EXPECT_EQ(Match(sabaim, kAiWordList, kVariantAll, &offset), 1);
}

TEST(MatchWordPatternList, AhEntryMatchesItsOtAndUtForms) {
  const WordPattern list[] = {{{241, 161, 240, 233, 228}, {199, 206, 196, 200, 1}}, {}};
  int offset = 0;
  const PointedWord ot{{241, 199}, {161, 206}, {240, 196}, {233, 206}, {250, 1}};
  EXPECT_EQ(Match(ot, list, kVariantOtUt, &offset), 1);
  EXPECT_EQ(Match(ot, list, kVariantIt, &offset), 0);
  const PointedWord ut{{241, 199}, {161, 206}, {240, 196}, {233, 202}, {250, 1}};
  EXPECT_EQ(Match(ut, list, kVariantOtUt, &offset), 1);
}

TEST(CountStressDigits, CountsZerosAndOnesOnly) {
  EXPECT_EQ(CountStressDigits("`[m0Il1Ax9I]"), 2);
  EXPECT_EQ(CountStressDigits(""), 0);
  EXPECT_EQ(CountStressDigits(static_cast<LPCSTR>(nullptr)), 0);
  EXPECT_EQ(CountStressDigits(CString("0101")), 4);
}

}  // namespace
