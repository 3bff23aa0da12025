// Pointed words in full spelling, with where their letters went: the
// descriptions dialog highlights its examples' items from these places.
#include "lexicon/core/PleneWord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "speech/core/ExampleHighlight.h"
#include "speech/core/ItemDescriptions.h"
#include "speech/core/PointedInput.h"

namespace plene_word_test {

using namespace HebCode;

constexpr int kLimit = 80;

struct Planes {
  BYTE letters[kLimit] = {};
  BYTE vowels[kLimit] = {};
  int count = 0;
};

Planes Split(const std::string& pointed) {
  Planes planes;
  planes.count = SplitLettersAndVowels(pointed.c_str(), planes.letters, planes.vowels, kLimit, 0);
  return planes;
}

std::string Letters(const PleneWord& word) {
  return std::string(word.letters.begin(), word.letters.begin() + word.count);
}

// The unpointed letters of a word typed as UTF-8.
std::string Unpointed(const char* utf8) {
  const PointedLetters word = *PointedLettersFromUtf8(utf8);
  return std::string(word.letters.begin(), word.letters.end() - 1);
}

TEST(PleneWord, RespellsAndKnowsWhereEachLetterWent) {
  struct Case {
    const char* pointed;
    const char* plene;
    std::vector<int> positions;
    std::vector<bool> vavAfter;
  } const cases[] = {
      {"שָׁלוֹם", "שלום", {0, 1, 3}, {false, true, false}},
      {"הוּא", "הוא", {0, 2}, {true, false}},
      {"בַּיִת", "בית", {0, 1, 2}, {false, false, false}},
      {"שָׁוֶה", "שווה", {0, 1, 3}, {false, false, false}},  // a consonantal vav doubled
      {"כֻּלָּם", "כולם", {0, 2, 3}, {true, false, false}},   // qubuts written as shuruk
      {"אֶמֶת", "אמת", {0, 1, 2}, {false, false, false}},
  };
  for (const Case& c : cases) {
    const PointedLetters typed = *PointedLettersFromUtf8(c.pointed);
    const PleneWord word = RespellPleneWord(typed.L(), typed.V(), typed.Last() + 1);
    EXPECT_EQ(Unpointed(c.plene), Letters(word)) << c.plene;
    EXPECT_EQ(0, word.letters[word.count]) << c.plene;
    for (int i = 0; i < word.count; ++i) EXPECT_EQ(NoVowel, word.vowels[i]) << c.plene;
    EXPECT_EQ(c.positions, word.positions) << c.plene;
    EXPECT_EQ(c.vavAfter, word.vavAfter) << c.plene;
  }
}

TEST(PleneWord, KeepsAWordTooLongForARecordAsWritten) {
  std::vector<BYTE> letters(70, Bet), vowels(70, Patah);
  const PleneWord word = RespellPleneWord(letters.data(), vowels.data(), 70);
  EXPECT_EQ(70, word.count);
  EXPECT_EQ(Patah, word.vowels[69]);
  EXPECT_EQ(69, word.positions[69]);
  EXPECT_EQ(0, RespellPleneWord(letters.data(), vowels.data(), 0).count);
}

// The descriptions' own examples, highlighted in full spelling from the
// place their item's letter went to.
TEST(PleneWord, ExamplesHighlightTheirItemInFullSpelling) {
  struct Case {
    int item;
    int example;
    int highlight;  // in the full spelling
    BYTE letter;    // found there
  } const cases[] = {
      {Bet, 0, 0, Bet},           // bayit: the bet loses its dagesh
      {Bet, 5, 2, Bet},           // zahav
      {HolamMale, 0, 2, Vav},     // shalom: the vav written for the holam
      {Shuruk, 0, 1, Vav},        // hu
      {Shuruk, 2, 1, Vav},        // shuk
      {Qubuts, 0, 1, Vav},        // kulam: the qubuts is written as a vav
      {Hiriq, 0, 0, Mem},         // mi: the letter that carries it
      {ShinShinDot, 0, 0, Shin},  // shalom: the shin without its dot
      {Vav, 2, 1, Vav},           // shaveh: the first of the doubled vavs
      {Yod, 4, 1, Yod},           // bayit
  };
  for (const Case& c : cases) {
    ItemDescription description;
    ASSERT_TRUE(GetItemDescription(c.item, description)) << c.item;
    const DescriptionExample& example = description.examples[c.example];
    const Planes pointed = Split(example.word);
    const PleneWord word = RespellPleneWord(pointed.letters, pointed.vowels, pointed.count);
    const bool vowelLetter = !IsHebrewLetter(c.item) && word.vavAfter[example.position];
    const int start = word.positions[example.position] + (vowelLetter ? 1 : 0);
    const int at = GetExampleHighlightPosition(c.item, start, word.letters.data(),
                                               word.vowels.data(), word.count, true);
    EXPECT_EQ(c.highlight, at) << c.item << " " << example.meaning;
    EXPECT_EQ(c.letter, word.letters[at]) << c.item << " " << example.meaning;
  }
}

}  // namespace plene_word_test
