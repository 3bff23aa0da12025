#include "speech/transcription/core/WordClasses.h"

#include <gtest/gtest.h>

#include "speech/transcription/tests/TranscriptionTestWords.h"

namespace WordClasses_test {

struct AcronymCase {
  const char* word;
  int acronym;
};

class IsAcronymWordTable : public ::testing::TestWithParam<AcronymCase> {};

TEST_P(IsAcronymWordTable, NeedsTheQuoteBeforeTheLastLetterAndNoVowel) {
  EXPECT_EQ(IsAcronymWord(WordRec(GetParam().word)), GetParam().acronym) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(Words, IsAcronymWordTable,
                         ::testing::Values(AcronymCase{u8"צה\"ל", 1}, AcronymCase{u8"ת\"א", 1},
                                           AcronymCase{u8"צַה\"ל", 0},  // a vowel
                                           AcronymCase{u8"צ\"הל", 0},   // quote elsewhere
                                           AcronymCase{u8"צהל", 0}, AcronymCase{u8"\"", 0}));

struct NumberCase {
  const char* word;  // digits as the editor stores them, last digit first
  int number;
  int prefixLength;
};

class IsNumberWordTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IsNumberWordTable, TakesDigitsBehindPrefixLetters) {
  int prefix = -1;
  EXPECT_EQ(IsNumberWord(WordRec(GetParam().word), prefix), GetParam().number) << GetParam().word;
  EXPECT_EQ(prefix, GetParam().prefixLength) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(
    Words, IsNumberWordTable,
    ::testing::Values(NumberCase{"42", 1, 0}, NumberCase{"000,1", 1, 0},
                      NumberCase{u8"ב5", 1, 1}, NumberCase{u8"וּבַ5", 1, 2},
                      NumberCase{u8"וב5", 1, 2}, NumberCase{u8"5ב", 0, 0},  // letter after digit
                      NumberCase{u8"שלום", 0, 0}, NumberCase{u8"ת5", 0, 0},  // tav is no prefix
                      NumberCase{"5-", 0, 0}));

TEST(ReverseDigitRun, PutsTheDigitsInReadingOrder) {
  std::string out;
  EXPECT_EQ(ReverseDigitRun("ab321c", out), 2);
  EXPECT_EQ(out, "ab123c");
  EXPECT_EQ(ReverseDigitRun("000,1", out), 0);
  EXPECT_EQ(out, "1,000");
  EXPECT_EQ(ReverseDigitRun("abc", out), -1);
  EXPECT_EQ(out, "abc");
}

struct NameCase {
  int letter;
  const char* name;  // pointed UTF-8, or null for no name
};

class LetterNameWordTable : public ::testing::TestWithParam<NameCase> {};

TEST_P(LetterNameWordTable, GivesThePointedName) {
  HebWordRec word = WordRec(u8"א");
  const HebWordRec before = word;
  const NameCase& c = GetParam();
  if (c.name == nullptr) {
    EXPECT_EQ(LetterNameWord(c.letter, word), 0);
    EXPECT_EQ(memcmp(&word, &before, sizeof word), 0);
    return;
  }
  ASSERT_EQ(LetterNameWord(c.letter, word), 1);
  const PointedLetters name = Pointed(c.name);
  for (size_t i = 0; i + 1 < name.letters.size(); ++i) {
    EXPECT_EQ(word.letters[i], name.letters[i]) << c.letter << " at " << i;
    EXPECT_EQ(word.vowels[i], name.vowels[i]) << c.letter << " at " << i;
  }
  EXPECT_EQ(word.letters[name.letters.size() - 1], 0);
}

INSTANTIATE_TEST_SUITE_P(Letters, LetterNameWordTable,
                         ::testing::Values(NameCase{161, u8"בֶּת"}, NameCase{225, u8"בֶת"},
                                           NameCase{240, u8"נוּן"}, NameCase{202, nullptr},
                                           NameCase{187, nullptr}, NameCase{'a', nullptr}));

TEST(LetterNameWord, NamesAFinalLetterWithTwoWords) {
  HebWordRec word;
  ASSERT_EQ(LetterNameWord(237, word), 1);  // final mem: "mem sofit"
  EXPECT_EQ(strlen(reinterpret_cast<const char*>(word.letters)), 7u);
  EXPECT_EQ(word.letters[2], '-');
}

}  // namespace WordClasses_test
