// Display mappings of the Hebrew code and the unpointed plene spelling.
#include "hebtext/core/HebrewDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/CodeList.h"
#include "hebtext/tests/core/PointedWord.h"

namespace {

TEST(HebrewDisplay, VowelVariantsShowAsTheirPoint) {
  EXPECT_EQ("", codelist::MapMismatches(VowelToDisplayPoint, codelist::ParseMap(
      "128>200,136>200,148>200,150>200,159>200,129>216,149>216,151>216,134>199,152>199,"
      "154>199,135>215,153>215,155>215,138>198,140>214,141>196,142>212,143>197,144>213,"
      "145>201,156>192,157>192"), false));
}

TEST(HebrewDisplay, YodVariantsAndMaqafShowAsTheirGlyph) {
  EXPECT_EQ("", codelist::MapMismatches(LetterToDisplayGlyph,
                                        codelist::ParseMap("132>233,146>233,133>169,147>169,158>45"),
                                        false));
}

TEST(HebrewDisplay, FinalKafTakesShvaAndQamatsIntoItsGlyph) {
  struct Case { int letter, vowel, glyph; };
  for (const Case& c : std::vector<Case>{
           {234, 0, 234}, {234, 1, 234}, {234, 192, 251}, {234, 156, 251}, {234, 157, 251},
           {234, 200, 252}, {234, 216, 252}, {251, 0, 251}, {251, 1, 234}, {252, 192, 251},
           {251, 200, 252}, {170, 0, 170}, {170, 1, 170}, {170, 192, 187}, {170, 216, 188},
           {187, 200, 188}, {188, 1, 170}, {234, 196, 234}, {187, 199, 170}}) {
    EXPECT_EQ(c.glyph, FinalKafGlyph(c.letter, c.vowel)) << c.letter << " with " << c.vowel;
  }
}

struct PleneBuffer {
  explicit PleneBuffer(const PointedWord& word, int capacity)
      : letters(capacity, 0xEE), vowels(capacity, 0xEE) {
    std::copy(word.letters.begin(), word.letters.end() - 1, letters.begin());
    std::copy(word.vowels.begin(), word.vowels.end() - 1, vowels.begin());
  }
  std::vector<BYTE> letters, vowels;
};

TEST(HebrewDisplay, PleneAddsAVavForShurukAndHolamMale) {
  // qof-shuruk, mem, dalet with dagesh-holam male, shin with shin dot.
  const PointedWord word{{247, 202}, {238, 0}, {163, 206}, {209, 196}};
  PleneBuffer buffer(word, 10);
  ASSERT_EQ(6, MakeUnpointedPlene(buffer.letters.data(), buffer.vowels.data(), 4, 10));
  EXPECT_EQ((std::vector<BYTE>{247, 229, 238, 227, 229, 249, 0}),
            std::vector<BYTE>(buffer.letters.begin(), buffer.letters.begin() + 7));
  EXPECT_EQ(std::vector<BYTE>(6, 0), std::vector<BYTE>(buffer.vowels.begin(), buffer.vowels.begin() + 6));
  EXPECT_EQ(0xEE, buffer.vowels[6]) << "nothing written past the new count";
}

TEST(HebrewDisplay, PleneDropsDageshDotsAndTurnsAShurukLetterIntoVav) {
  const PointedWord word{{161, 200}, {208, 0}, {211, 201}, {202, 0}, {185, 0}};
  PleneBuffer buffer(word, 6);
  ASSERT_EQ(5, MakeUnpointedPlene(buffer.letters.data(), buffer.vowels.data(), 5, 6));
  EXPECT_EQ((std::vector<BYTE>{225, 249, 249, 229, 249, 0}), buffer.letters);
}

TEST(HebrewDisplay, PleneNeverWritesPastTheBuffer) {
  const PointedWord word{{247, 202}, {238, 206}, {227, 206}};
  for (int capacity = 1; capacity <= 7; ++capacity) {
    PleneBuffer buffer(word, 8);
    const PleneBuffer before = buffer;
    const int count = MakeUnpointedPlene(buffer.letters.data(), buffer.vowels.data(),
                                         std::min(3, capacity), capacity);
    EXPECT_LE(count, capacity - 1);
    EXPECT_EQ(0, buffer.letters[count]);
    for (int i = capacity; i < 8; ++i) {
      EXPECT_EQ(before.letters[i], buffer.letters[i]) << "capacity " << capacity;
      EXPECT_EQ(before.vowels[i], buffer.vowels[i]) << "capacity " << capacity;
    }
  }
}

}  // namespace
