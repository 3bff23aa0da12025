// The names rewrite of the text and of single words, and the respellings
// for speech.
#include "speech/core/LetterRules.h"

#include <gtest/gtest.h>

#include <vector>

#include "hebtext/tests/core/PointedWord.h"

namespace {

// yod he vav he, with vowels as often printed
const PointedWord kName{{233, 192}, {228, 1}, {229, 200}, {228, 1}};
const PointedWord kElohim{{224, 193}, {236, 206}, {228, 196}, {233, 1}, {237, 1}};

// Words joined by the given separators, as one text.
PointedWord Join(std::initializer_list<PointedWord> words, int separator = ' ') {
  PointedWord text{};
  text.letters.clear();
  text.vowels.clear();
  bool first = true;
  for (const PointedWord& w : words) {
    if (!first) {
      text.letters.push_back(static_cast<BYTE>(separator));
      text.vowels.push_back(0);
    }
    first = false;
    text.letters.insert(text.letters.end(), w.letters.begin(), w.letters.end() - 1);
    text.vowels.insert(text.vowels.end(), w.vowels.begin(), w.vowels.end() - 1);
  }
  text.letters.push_back(0);
  text.vowels.push_back(0);
  return text;
}

TEST(ApplyLetterRulesToText, DoesNothingWhileTheOptionIsOff) {
  PointedWord text = Join({kName, kElohim});
  const PointedWord before = text;
  EXPECT_EQ(ApplyLetterRulesToText(text.letters.data(), text.vowels.data(), FALSE), 0);
  EXPECT_EQ(text.letters, before.letters);
  EXPECT_EQ(text.vowels, before.vowels);
}

TEST(ApplyLetterRulesToText, EachFourLetterNameShrinksTheTextByTwo) {
  PointedWord text = Join({kName, PointedWord{{'A', 0}, {',', 0}}, kName});
  EXPECT_EQ(ApplyLetterRulesToText(text.letters.data(), text.vowels.data(), TRUE), -4);
  text.letters.resize(text.Length() - 4 + 1);
  text.vowels.resize(text.letters.size());
  const PointedWord expected{{227, 1}, {'\'', 1}, {' ', 0}, {'A', 0}, {',', 0}, {' ', 0},
                             {227, 1}, {'\'', 1}};
  EXPECT_EQ(text.letters, expected.letters);
  EXPECT_EQ(text.vowels, expected.vowels);
}

TEST(ApplyLetterRulesToText, ElohimTakesQofAndPunctuationPasses) {
  PointedWord text = Join({PointedWord{{'(', 0}}, kElohim, PointedWord{{')', 0}}}, '-');
  EXPECT_EQ(ApplyLetterRulesToText(text.letters.data(), text.vowels.data(), TRUE), 0);
  const PointedWord expected{{'(', 0}, {'-', 0}, {224, 193}, {236, 206}, {247, 196}, {233, 1},
                             {237, 1}, {'-', 0}, {')', 0}};
  EXPECT_EQ(text.letters, expected.letters);
}

struct NameCase {
  const char* what;
  PointedWord word;
  int change;
  PointedWord expected;
};
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class RewriteNamesInWordTable : public ::testing::TestWithParam<NameCase> {};

TEST_P(RewriteNamesInWordTable, RewritesTheName) {
  const NameCase& c = GetParam();
  PointedWord word = c.word;
  const int length = word.Length();
  EXPECT_EQ(RewriteNamesInWord(word.letters.data(), word.vowels.data(), length, TRUE), c.change);
  word.letters.resize(length + c.change);
  word.vowels.resize(length + c.change);
  word.letters.push_back(0);
  word.vowels.push_back(0);
  EXPECT_EQ(word.letters, c.expected.letters);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RewriteNamesInWordTable,
    ::testing::Values(
        NameCase{"four-letter name", kName, -2, {{227, 1}, {'\'', 1}}},
        NameCase{"behind lamed", {{236, 199}, {233, 192}, {228, 1}, {229, 200}, {228, 1}}, -2,
                 {{236, 199}, {227, 1}, {'\'', 1}}},
        NameCase{"written Adonai", {{224, 194}, {227, 201}, {240, 200}, {233, 1}}, -2,
                 {{227, 1}, {'\'', 1}}},
        NameCase{"two yods", {{233, 192}, {233, 200}}, 0, {{227, 1}, {'\'', 1}}},
        NameCase{"Elohim stem", kElohim, 0, {{224, 0}, {236, 0}, {247, 0}, {233, 0}, {237, 0}}},
        NameCase{"other word", {{233, 198}, {236, 198}, {227, 1}}, 0,
                 {{233, 0}, {236, 0}, {227, 0}}}));

TEST(RewriteNamesInWord, NothingWhileTheOptionIsOff) {
  PointedWord word = kName;
  EXPECT_EQ(RewriteNamesInWord(word.letters.data(), word.vowels.data(), 4, FALSE), 0);
  EXPECT_EQ(word.letters, kName.letters);
}

struct Planes {
  BYTE letters[70] = {};
  BYTE vowels[70] = {};
  explicit Planes(const PointedWord& w) {
    std::copy(w.letters.begin(), w.letters.end(), letters);
    std::copy(w.vowels.begin(), w.vowels.end(), vowels);
  }
  PointedWord Word() const {
    PointedWord w{};
    w.letters.clear();
    w.vowels.clear();
    for (int i = 0; letters[i] != 0; ++i) {
      w.letters.push_back(letters[i]);
      w.vowels.push_back(vowels[i]);
    }
    w.letters.push_back(0);
    w.vowels.push_back(0);
    return w;
  }
};

struct SpellingCase {
  const char* what;
  PointedWord word;
  BOOL filter;
  int changed;
  PointedWord expected;
};
void PrintTo(const SpellingCase& c, std::ostream* os) { *os << c.what; }

class AdjustWordSpellingTable : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(AdjustWordSpellingTable, RespellsForSpeech) {
  const SpellingCase& c = GetParam();
  Planes planes(c.word);
  EXPECT_EQ(AdjustWordSpelling(planes.letters, planes.vowels, 70, c.filter), c.changed);
  const PointedWord result = planes.Word();
  EXPECT_EQ(result.letters, c.expected.letters);
  EXPECT_EQ(result.vowels, c.expected.vowels);
}

INSTANTIATE_TEST_SUITE_P(
    Words, AdjustWordSpellingTable,
    ::testing::Values(
        SpellingCase{"name, option off: Adonai", kName, FALSE, 1,
                     {{224, 194}, {227, 201}, {240, 200}, {233, 0}}},
        SpellingCase{"name, option on: Adoshem", kName, TRUE, 1,
                     {{224, 194}, {227, 206}, {209, 214}, {237, 1}}},
        SpellingCase{"behind vav with patah: the alef loses its vowel",
                     {{229, 199}, {233, 192}, {228, 1}, {229, 200}, {228, 1}}, TRUE, 1,
                     {{229, 199}, {224, 1}, {227, 206}, {209, 214}, {237, 1}}},
        SpellingCase{"short written form", {{228, 1}, {'\'', 0}}, FALSE, 1,
                     {{224, 194}, {227, 201}, {240, 200}, {233, 0}}},
        SpellingCase{"hu written for hi", {{228, 196}, {229, 1}, {224, 1}}, FALSE, 1,
                     {{228, 196}, {233, 1}, {224, 1}}},
        SpellingCase{"Elohim with the option on", kElohim, TRUE, 1,
                     {{224, 193}, {236, 206}, {247, 196}, {233, 1}, {237, 1}}},
        SpellingCase{"Elohim with the option off", kElohim, FALSE, 0, kElohim},
        SpellingCase{"punctuation is dropped around the name",
                     {{'"', 0}, {233, 192}, {228, 1}, {229, 200}, {228, 1}, {'.', 0}}, FALSE, 1,
                     {{224, 194}, {227, 201}, {240, 200}, {233, 0}}},
        SpellingCase{"one letter", {{228, 1}}, TRUE, 0, {{228, 1}}}));

}  // namespace
