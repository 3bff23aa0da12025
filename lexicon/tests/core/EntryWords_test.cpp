#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lexicon/core/EntryWords.h"

namespace {

// Words are written in Latin letters here: the rules look at the separators
// only.
struct Case {
  const char* text;
  int words;
};

TEST(EntryWords, CountsRunsOfBlanksAndHyphens) {
  const Case cases[] = {
      {"", 0}, {"ab", 1}, {"ab cd", 2}, {"ab - cd", 2}, {"ab-cd ef", 3}, {"ab ", 1}, {" ab", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CountEntryWords(reinterpret_cast<const BYTE*>(c.text), -1), c.words) << c.text;
  }
  EXPECT_EQ(CountEntryWords(reinterpret_cast<const BYTE*>("ab cd"), 2), 1);
}

TEST(EntryWords, SelectsOneWordOrTheWhole) {
  struct Selection {
    const char* text;
    int wordNumber;
    const char* word;
  };
  const Selection cases[] = {
      {"ab  cd-ef", 0, "ab"}, {"ab  cd-ef", 1, "cd"},         {"ab  cd-ef", 2, "ef"},
      {"ab  cd-ef", 3, ""},   {"ab  cd-ef", -1, "ab  cd-ef"}, {"ab ", 1, ""},
  };
  for (const Selection& c : cases) {
    const BYTE* letters = reinterpret_cast<const BYTE*>(c.text);
    std::string vowels(strlen(c.text), 'v');
    BYTE word[16], wordVowels[16];
    const int length =
        SelectEntryWord(c.wordNumber, letters, reinterpret_cast<const BYTE*>(vowels.c_str()), -1,
                        word, wordVowels, sizeof word);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(word), length), c.word)
        << c.text << " " << c.wordNumber;
    EXPECT_EQ(word[length], 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(wordVowels)), std::string(length, 'v'));
  }
  BYTE small[3], smallVowels[3];
  EXPECT_EQ(SelectEntryWord(-1, reinterpret_cast<const BYTE*>("abcdef"),
                            reinterpret_cast<const BYTE*>("vvvvvv"), -1, small, smallVowels, 3),
            2);
  EXPECT_STREQ(reinterpret_cast<char*>(small), "ab");
}

}  // namespace
