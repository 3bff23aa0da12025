// The names rewrite of the text and of single words, and the respellings
// for speech.
#include "speech/core/LetterRules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"
#include "speech/tests/core/Pronounce.h"

namespace {

using namespace HebCode;

// yod he vav he, with vowels as often printed
constexpr const char* kName = u8"יְהוָה";
constexpr const char* kElohim = u8"אֱלוֹהִים";
// The spoken name as the respelling writes it: no vowel byte under the yod.
const PointedWord kAdonai{{Alef, HatafPatah}, {Dalet, Holam}, {Nun, Qamats}, {Yod, NoVowel}};

// The zero-terminated planes of a word or text up to their terminator.
struct Planes {
  std::vector<BYTE> letters, vowels;
};

Planes PlanesOf(const BYTE* letters, const BYTE* vowels) {
  const size_t length = strlen(reinterpret_cast<const char*>(letters));
  return Planes{std::vector<BYTE>(letters, letters + length + 1),
                std::vector<BYTE>(vowels, vowels + length + 1)};
}

template <typename Word>  // PointedLetters or PointedWord
void ExpectPlanes(const Planes& actual, const Word& expected) {
  EXPECT_EQ(actual.letters, expected.letters);
  EXPECT_EQ(actual.vowels, expected.vowels);
}

TEST(ApplyLetterRulesToText, DoesNothingWhileTheOptionIsOff) {
  const PointedLetters before = Pointed(u8"יְהוָה אֱלוֹהִים");
  PointedLetters text = before;
  EXPECT_EQ(ApplyLetterRulesToText(text.letters.data(), text.vowels.data(), false), 0);
  ExpectPlanes(PlanesOf(text.L(), text.V()), before);
}

TEST(ApplyLetterRulesToText, EachFourLetterNameShrinksTheTextByTwo) {
  PointedLetters text = Pointed(u8"יְהוָה A, יְהוָה");
  EXPECT_EQ(ApplyLetterRulesToText(text.letters.data(), text.vowels.data(), true), -4);
  ExpectPlanes(PlanesOf(text.L(), text.V()), Pointed(u8"ד' A, ד'"));
}

TEST(ApplyLetterRulesToText, ElohimTakesQofAndPunctuationPasses) {
  PointedLetters text = Pointed(u8"(-אֱלוֹהִים-)");
  EXPECT_EQ(ApplyLetterRulesToText(text.letters.data(), text.vowels.data(), true), 0);
  EXPECT_EQ(PlanesOf(text.L(), text.V()).letters, Pointed(u8"(-אֱלוֹקִים-)").letters);
}

struct NameCase {
  const char* what;
  const char* word;
  int change;
  const char* expected;  // its letters
};
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class RewriteNamesInWordTable : public ::testing::TestWithParam<NameCase> {};

TEST_P(RewriteNamesInWordTable, RewritesTheName) {
  const NameCase& c = GetParam();
  PointedLetters word = Pointed(c.word);
  const int length = word.Last() + 1;
  EXPECT_EQ(RewriteNamesInWord(word.letters.data(), word.vowels.data(), length, true), c.change);
  const std::vector<BYTE> letters(word.letters.begin(), word.letters.begin() + length + c.change);
  const PointedLetters expected = Pointed(c.expected);
  EXPECT_EQ(letters, std::vector<BYTE>(expected.letters.begin(), expected.letters.end() - 1));
}

INSTANTIATE_TEST_SUITE_P(Names, RewriteNamesInWordTable,
                         ::testing::Values(NameCase{"four-letter name", kName, -2, u8"ד'"},
                                           NameCase{"behind lamed", u8"לַיְהוָה", -2, u8"לַד'"},
                                           NameCase{"written Adonai", u8"אֲדֹנָי", -2, u8"ד'"},
                                           NameCase{"two yods", u8"יְיָ", 0, u8"ד'"},
                                           NameCase{"Elohim stem", kElohim, 0, u8"אלקים"},
                                           NameCase{"other word", u8"יֶלֶד", 0, u8"ילד"}));

TEST(RewriteNamesInWord, NothingWhileTheOptionIsOff) {
  PointedLetters word = Pointed(kName);
  EXPECT_EQ(RewriteNamesInWord(word.letters.data(), word.vowels.data(), 4, false), 0);
  EXPECT_EQ(word.letters, Pointed(kName).letters);
}

constexpr int kRecordCapacity = 70;  // a word record's plane

struct SpellingCase {
  const char* what;
  const char* word;
  bool filter;
  bool changed;
  const char* expected;  // null: kAdonai
};
void PrintTo(const SpellingCase& c, std::ostream* os) { *os << c.what; }

class AdjustWordSpellingTable : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(AdjustWordSpellingTable, RespellsForSpeech) {
  const SpellingCase& c = GetParam();
  const PointedLetters word = Pointed(c.word);
  std::vector<BYTE> letters(kRecordCapacity), vowels(kRecordCapacity);
  std::copy(word.letters.begin(), word.letters.end(), letters.begin());
  std::copy(word.vowels.begin(), word.vowels.end(), vowels.begin());
  EXPECT_EQ(AdjustWordSpelling(letters.data(), vowels.data(), kRecordCapacity, c.filter),
            c.changed);
  const Planes result = PlanesOf(letters.data(), vowels.data());
  if (c.expected == nullptr) {
    ExpectPlanes(result, kAdonai);
  } else {
    ExpectPlanes(result, Pointed(c.expected));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Words, AdjustWordSpellingTable,
    ::testing::Values(SpellingCase{"name, option off: Adonai", kName, false, true, nullptr},
                      SpellingCase{"name, option on: Adoshem", kName, true, true, u8"אֲדוֹשֶֽׁם"},
                      SpellingCase{"behind vav with patah: the alef loses its vowel", u8"וַיְהוָה",
                                   true, true, u8"וַאדוֹשֶֽׁם"},
                      SpellingCase{"short written form", u8"ה'", false, true, nullptr},
                      SpellingCase{"hu written for hi", u8"הִוא", false, true, u8"הִיא"},
                      SpellingCase{"Elohim with the option on", kElohim, true, true, u8"אֱלוֹקִים"},
                      SpellingCase{"Elohim with the option off", kElohim, false, false, kElohim},
                      SpellingCase{"punctuation is dropped around the name", u8"\"יְהוָה.", false,
                                   true, nullptr},
                      SpellingCase{"one letter", u8"ה", true, false, u8"ה"}));

}  // namespace
