// The prefix test, word-pattern matching with its inflected variants, and
// the syllable count.
#include "speech/core/WordPatterns.h"

#include <gtest/gtest.h>

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"
#include "speech/tests/core/Pronounce.h"

namespace {

using namespace HebCode;

struct PrefixCase {
  const char* word;
  int kind;
  bool strict;
  int expected;
};

class TestWordPrefixTable : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(TestWordPrefixTable, RecognisesChainsOfPrefixLetters) {
  const PrefixCase& c = GetParam();
  const PointedLetters w = Pointed(c.word);
  EXPECT_EQ(TestWordPrefix(w.L(), w.V(), c.kind, c.strict), c.expected) << c.word;
}

INSTANTIATE_TEST_SUITE_P(
    Chains, TestWordPrefixTable,
    ::testing::Values(PrefixCase{u8"וְהַיֶּלֶד", 1, false, 1},    // conjunction vav
                      PrefixCase{u8"וְהַיֶּלֶד", 2, false, 2},    // vav + article
                      PrefixCase{u8"הַבַּיִת", 1, false, 1},     // article
                      PrefixCase{u8"בַּבַּיִת", 1, false, 1},     // bet with the article's patah
                      PrefixCase{u8"לְיֶלֶד", 1, false, 1},     // lamed
                      PrefixCase{u8"מִבַּיִת", 1, false, 1},     // mem
                      PrefixCase{u8"שֶׁהַיֶּלֶד", 2, false, 2},    // shin + article
                      PrefixCase{u8"כְּשֶׁהַיֶּלֶד", 3, false, 3},   // kaf + shin + article
                      PrefixCase{u8"וּכְשֶׁהַיֶּלֶד", 4, false, 4},  // vav + kaf + shin + article
                      PrefixCase{u8"כְּשֶׁשָּׁמַר", 2, false, 2},   // kaf + shin: "when"
                      PrefixCase{u8"וּכְשֶׁשָּׁמַר", 3, false, 3},  // vav + kaf + shin
                      PrefixCase{u8"כְּשֶׁשָּׁמַר", 3, false, 0},   // the stem's shin is no prefix
                      PrefixCase{u8"כְּשֵׁרִים", 2, false, 0},    // kasher: shin with tsere
                      PrefixCase{u8"מֵהַבַּיִת", 2, false, 2},    // mem + article
                      PrefixCase{u8"שָׁלוֹם", 1, false, 0},     // shin with qamats: no prefix
                      PrefixCase{u8"שָׁלוֹם", 1, true, 1},      // strict: any vowel
                      PrefixCase{u8"הֵם", 1, false, 0},       // he with tsere is no article
                      PrefixCase{u8"בְּ", 1, false, 0},        // nothing behind the prefix
                      PrefixCase{u8"וְהַיֶּלֶד", 3, false, 0},    // not three
                      PrefixCase{u8"וְהַיֶּלֶד", 0, false, 0}, PrefixCase{u8"וְהַיֶּלֶד", 5, false, 0}));

const WordPattern kOneWord[] = {
    {{Yod, Lamed, Dalet}, {Segol, Segol, ExplicitNoVowel}},  // yeled
    {},
};

template <typename Word>  // PointedLetters or PointedWord
int Match(const Word& w, const WordPattern* list, int flags, int* offset) {
  return MatchWordPatternList(w.L(), w.V(), static_cast<int>(w.letters.size()) - 2, list, offset,
                              flags);
}

int Match(const char* word, const WordPattern* list, int flags, int* offset) {
  return Match(Pointed(word), list, flags, offset);
}

TEST(MatchWordPatternList, MatchesTheWordAndTheWordBehindAPrefix) {
  int offset = -1;
  EXPECT_EQ(Match(u8"יֶלֶד", kOneWord, 0, &offset), 1);
  EXPECT_EQ(offset, 0);
  EXPECT_EQ(Match(u8"הַיֶלֶד", kOneWord, 0, &offset), 1);
  EXPECT_EQ(offset, 1);
  EXPECT_EQ(Match(u8"יֶלֶד,", kOneWord, 0, &offset), 1);
  // no vowel written (0) against the explicit none of the list
  EXPECT_EQ(
      Match(PointedWord{{Yod, Segol}, {Lamed, Segol}, {Dalet, NoVowel}}, kOneWord, 0, &offset), 1);
  EXPECT_EQ(Match(u8"יֶלֶנ", kOneWord, 0, &offset), 0);
  EXPECT_EQ(offset, 0);
}

TEST(MatchWordPatternList, NeverMatchesWithoutAnOffsetOrForLongWords) {
  EXPECT_EQ(Match(u8"יֶלֶד", kOneWord, 0, nullptr), 0);
  std::string longWord;
  for (int i = 0; i < 20; ++i) longWord += u8"לַ";
  longWord += u8"יֶלֶד";
  int offset = 0;
  EXPECT_EQ(Match(longWord.c_str(), kOneWord, kVariantAll, &offset), 0);
}

TEST(MatchWordPatternList, MaterLectionisAndHatafStandForTheBareVowel) {
  const WordPattern medina[] = {
      {{Mem, Dalet, Yod, Nun, He}, {Shva, Hiriq, ExplicitNoVowel, Qamats, ExplicitNoVowel}}, {}};
  int offset = 0;
  EXPECT_EQ(Match(u8"מְדִנָה", medina, 0, &offset), 1);   // written without the yod
  EXPECT_EQ(Match(u8"מֲדִינָה", medina, 0, &offset), 1);  // hataf patah against shva
}

// -ai list entry "sabai" (grandfatherly) given as its -it and -im forms.
TEST(MatchWordPatternList, AiListEntryInItFormNeedsTheItVariant) {
  const char* sabait = u8"סַבָּאִית";
  int offset = 0;
  EXPECT_EQ(Match(sabait, AiWords(), kVariantIt | kVariantOtUt, &offset), 1);
  EXPECT_EQ(Match(sabait, AiWords(), kVariantIm, &offset), 0);
  EXPECT_EQ(Match(sabait, AiWords(), 0, &offset), 0);
  const char* sabaim = u8"סַבָּאִים";
  EXPECT_EQ(Match(sabaim, AiWords(), kVariantIm, &offset), 1);
  EXPECT_EQ(Match(sabaim, AiWords(), kVariantAll, &offset), 1);
}

TEST(MatchWordPatternList, AhEntryMatchesItsOtAndUtForms) {
  // sabonia
  const WordPattern list[] = {
      {{Samekh, BetDagesh, Nun, Yod, He}, {Patah, HolamMale, Hiriq, Qamats, ExplicitNoVowel}}, {}};
  int offset = 0;
  EXPECT_EQ(Match(u8"סַבּוֹנִיוֹת", list, kVariantOtUt, &offset), 1);
  EXPECT_EQ(Match(u8"סַבּוֹנִיוֹת", list, kVariantIt, &offset), 0);
  EXPECT_EQ(Match(u8"סַבּוֹנִיוּת", list, kVariantOtUt, &offset), 1);
}

TEST(WordPatternList, ReadsPointedWordsThenTheGivenPatterns) {
  const WordPattern coded{{GimelGeresh, Lamed}, {Patah, ExplicitNoVowel}};
  const WordPatternList list({u8"יֶלֶד"}, {coded});
  const WordPattern* p = list.Patterns();
  const BYTE yeledLetters[10] = {Yod, Lamed, Dalet};
  const BYTE yeledVowels[10] = {Segol, Segol, ExplicitNoVowel};
  EXPECT_EQ(memcmp(p[0].letters, yeledLetters, sizeof(yeledLetters)), 0);
  EXPECT_EQ(memcmp(p[0].vowels, yeledVowels, sizeof(yeledVowels)), 0);
  EXPECT_EQ(memcmp(&p[1], &coded, sizeof(coded)), 0);
  EXPECT_EQ(p[2].letters[0], 0);
}

TEST(CountStressDigits, CountsZerosAndOnesOnly) {
  EXPECT_EQ(CountStressDigits("`[m0Il1Ax9I]"), 2);
  EXPECT_EQ(CountStressDigits(""), 0);
  EXPECT_EQ(CountStressDigits(static_cast<LPCSTR>(nullptr)), 0);
  EXPECT_EQ(CountStressDigits(CString("0101")), 4);
}

}  // namespace
