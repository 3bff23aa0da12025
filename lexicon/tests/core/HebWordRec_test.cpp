#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/TemplateCodes.h"

namespace {

using namespace HebCode;

TEST(HebWordRec, IsTheSharedSizeAndClearsToZero) {
  EXPECT_EQ(sizeof(HebWordRec), 228u);
  HebWordRec word;
  std::memset(&word, 0x5A, sizeof(word));
  ClearWordRec(word);
  const BYTE* bytes = reinterpret_cast<const BYTE*>(&word);
  EXPECT_EQ(std::count(bytes, bytes + sizeof(word), 0), static_cast<long>(sizeof(word)));
}

TEST(SplitCommaList, SplitsInPlaceAndGivesThePartOffsets) {
  struct Case {
    const char* text;
    int commas;
    LONG offsets[4];
  } cases[] = {
      {"", 0, {0, 0, 0, 0}},          {"A", 0, {0, 0, 0, 0}},       {"A,B", 1, {2, 0, 0, 0}},
      {"A,,C", 2, {-1, 3, 0, 0}},     {"AB,CD,E", 2, {3, 6, 0, 0}}, {"A,", 1, {2, 0, 0, 0}},
      {"A,B,C,D,E", 4, {2, 4, 6, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    BYTE letters[kWordPlaneSize] = {};
    std::strcpy(reinterpret_cast<char*>(letters), c.text);
    LONG offsets[4] = {7, 7, 7, 7};
    EXPECT_EQ(SplitCommaList(letters, offsets), c.commas);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(offsets[i], c.offsets[i]) << i;
    for (size_t i = 0; i < std::strlen(c.text); ++i)
      EXPECT_EQ(letters[i], c.text[i] == ',' ? 0 : c.text[i]) << i;
  }
}

TEST(SplitCommaList, NeverStoresMoreThanFourOffsets) {
  struct {
    LONG offsets[4];
    LONG after[2];
  } guarded = {{}, {99, 99}};
  BYTE letters[kWordPlaneSize] = {};
  std::strcpy(reinterpret_cast<char*>(letters), "A,B,C,D,E,F,G");
  EXPECT_EQ(SplitCommaList(letters, guarded.offsets), 6);
  EXPECT_EQ(guarded.offsets[3], 8);
  EXPECT_EQ(guarded.after[0], 99);
  EXPECT_EQ(guarded.after[1], 99);
}

TEST(SplitCommaList, StopsAtTheCapacity) {
  BYTE letters[4] = {'A', ',', 'B', ','};  // no terminator inside
  LONG offsets[4];
  EXPECT_EQ(SplitCommaList(letters, offsets, 4), 2);
  EXPECT_EQ(offsets[0], 2);
  EXPECT_EQ(offsets[1], 4) << "the part after the last comma starts at the end";
}

TEST(VowelPlaceholders, MarkAndClearAreInverseOverALength) {
  BYTE assembly[6] = {Qamats, 1, Patah, 1, 1, 0};
  BYTE vowels[6];
  std::memcpy(vowels, assembly, 6);
  ClearVowelPlaceholders(vowels, 5);
  const BYTE cleared[5] = {Qamats, 0, Patah, 0, 0};
  EXPECT_EQ(std::memcmp(vowels, cleared, 5), 0);
  MarkZeroBytes(vowels, 5);
  EXPECT_EQ(std::memcmp(vowels, assembly, 6), 0);
  EXPECT_EQ(vowels[5], 0) << "outside the length nothing changes";
}

TEST(NormalizeFinalLetters, MakesEveryFinalLetterRegular) {
  BYTE letters[] = {FinalMem, Alef, FinalKaf, ',', FinalNun, FinalPe, FinalTsadi, 0};
  NormalizeFinalLetters(letters);
  const BYTE expected[] = {Mem, Alef, Kaf, ',', Nun, Pe, Tsadi, 0};
  EXPECT_EQ(std::memcmp(letters, expected, sizeof(expected)), 0);
}

HebWordRec Word(const std::string& letters, const std::string& vowels, const std::string& marks) {
  HebWordRec word;
  ClearWordRec(word);
  std::memcpy(word.letters, letters.data(), letters.size());
  std::memcpy(word.vowels, vowels.data(), vowels.size());
  std::memcpy(word.marks, marks.data(), marks.size());
  return word;
}

TEST(StripConjunctionVav, RemovesTheVavOfEveryPartFromAllPlanes) {
  const char kVav = static_cast<char>(Vav), kShuruk = static_cast<char>(Shuruk);
  const char kMem = static_cast<char>(Mem), kBet = static_cast<char>(Bet);
  const char kShva = static_cast<char>(Shva), kQamats = static_cast<char>(Qamats),
             kPatah = static_cast<char>(Patah);
  struct Case {
    std::string letters, vowels, marks;
    std::string wantLetters, wantVowels, wantMarks;
    // clang-format off
  } cases[] = {
      // vav with shva before a root letter: the vav goes, the marks follow
      {{kVav, kMem, kBet}, {kShva, kQamats, 1}, {0, 1, 2},
       {kMem, kBet}, {kQamats, 1}, {1, 2}},
      // shuruk conjunction in the main form and a vav in the alternative
      {{kShuruk, kMem, ',', kVav, kBet}, {kShuruk, kPatah, 0, kShva, 1}, {0, 1, 0, 0, 2},
       {kMem, ',', kBet}, {kPatah, 0, 1}, {1, 0, 2}},
      // a vav inside a part stays; only one vav a part is taken
      {{kMem, kVav, ',', kVav, kVav}, {1, 2, 0, 3, 4}, {1, 2, 0, 3, 4},
       {kMem, kVav, ',', kVav}, {1, 2, 0, 4}, {1, 2, 0, 4}},
      // an empty part and a part that is only the vav
      {{kBet, ',', ',', kVav}, {1, 0, 0, 5}, {1, 0, 0, 5},
       {kBet, ',', ','}, {1, 0, 0}, {1, 0, 0}},
  };
  for (const Case& c : cases) {
    HebWordRec word = Word(c.letters, c.vowels, c.marks);
    StripConjunctionVav(word);
    HebWordRec want = Word(c.wantLetters, c.wantVowels, c.wantMarks);
    EXPECT_EQ(std::memcmp(word.letters, want.letters, kWordPlaneSize), 0);
    EXPECT_EQ(std::memcmp(word.vowels, want.vowels, kWordPlaneSize), 0);
    EXPECT_EQ(std::memcmp(word.marks, want.marks, kWordPlaneSize), 0);
  }
}

TEST(NounPatternToWord, ClearsTheRecordAndCopiesSevenPositions) {
  using namespace HebCode;
  // Root letter 1, yod, final mem and a last position; then their vowels.
  const BYTE pattern[14] = {TemplateCode::kFirstReference, Yod, FinalMem, 0, 0, 0, Tav,
                            Hiriq, ExplicitNoVowel, ExplicitNoVowel, 0, 0, 0,
                            // clang-format on
                            TemplateCode::kFirmShva};
  HebWordRec word;
  std::memset(&word, 0x33, sizeof(word));
  NounPatternToWord(word, pattern);
  EXPECT_EQ(std::memcmp(word.letters, pattern, 7), 0);
  EXPECT_EQ(std::memcmp(word.vowels, pattern + 7, 7), 0);
  EXPECT_EQ(word.letters[7], 0);
  EXPECT_EQ(word.marks[0], 0);
  EXPECT_EQ(word.rootId, 0);
}

}  // namespace
