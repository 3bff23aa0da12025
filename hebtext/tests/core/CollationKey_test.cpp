// Collation keys put pointed words into dictionary order; vowel classes group
// vowels by their sound.
#include "hebtext/core/CollationKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/CodeList.h"
#include "hebtext/tests/core/PointedWord.h"

namespace {

using namespace HebCode;

std::string Key(const PointedWord& w, int size = 64) {
  std::vector<char> buffer(size + 4, '#');
  const int length = BuildLetterVowelKey(buffer.data(), size, w.L(), w.V(), w.Length());
  EXPECT_EQ(static_cast<int>(strlen(buffer.data())), length);
  return buffer.data();
}

TEST(CollationKey, KeyCharOfEveryCode) {
  struct Group {
    char key;
    const char* codes;
  };
  const Group groups[] = {
      {'a', "224"},         {'b', "161,225"},     {'c', "162,218,220,226"},
      {'d', "163,227"},     {'e', "164,228"},     {'f', "130,137,165,202,206,229"},
      {'g', "166,221,230"}, {'h', "231"},         {'i', "168,232"},
      {'j', "132,133,146,147,169,233"},           {'k', "170,171,187,188,234,235,251,252"},
      {'l', "172,236,253"}, {'m', "174,237,238"}, {'n', "176,239,240"},
      {'o', "177,241"},     {'p', "242"},         {'q', "180,243,244"},
      {'r', "182,222,223,245,246"},               {'s', "184,247"},
      {'t', "248"},         {'u', "185,208-211,249"},                 {'v', "186,250"},
      {' ', "32,45,158"},   {'!', "33-44,46,47,58-64,91-96,123-126"},
  };
  for (const Group& g : groups) {
    EXPECT_EQ("", codelist::SetMismatches([&](int c) { return CollationKeyChar(c) == g.key; },
                                          codelist::ParseSet(g.codes)))
        << "key '" << g.key << "'";
  }
  // Digits stay; everything else (blanks, ASCII letters, vowels) is '1'.
  for (int c = '0'; c <= '9'; ++c) EXPECT_EQ(c, CollationKeyChar(c));
  for (int c : {0, 9, 13, int{'A'}, int{'z'}, Qamats, Holam, Dagesh, Meteg, 183, 255}) {
    EXPECT_EQ('1', CollationKeyChar(c)) << c;
  }
}

TEST(CollationKey, VowelsOnTheirVavAddTheVav) {
  // He with mappiq, then a vav carrying holam male: e, f for the vav letter,
  // f for the holam male's own vav.
  EXPECT_EQ("eff", Key({{HeMappiq, 0}, {Vav, HolamMale}}));
  // shalom: the holam male on the lamed is written with a vav.
  EXPECT_EQ("ulfm", Key({{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}}));
  // shuk: the shuruk on the shin is a vav too.
  EXPECT_EQ("ufs", Key({{ShinShinDot, Shuruk}, {Qof, 0}}));
  // A vav standing alone as "u" is one vav.
  EXPECT_EQ("fbjv", Key({{Shuruk, Shuruk}, {Bet, Patah}, {Yod, Hiriq}, {Tav, 0}}));
  // Geresh and gershayim are left out; digits and gaps stay.
  EXPECT_EQ("cjq 12", Key({{Gimel, 0}, {'\'', 0}, {Yod, 0}, {Pe, 0}, {'-', 0}, {'1', 0},
                           {'"', 0}, {'2', 0}}));
}

TEST(CollationKey, KeyIsCutToTheBuffer) {
  const PointedWord shalom{{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}};
  EXPECT_EQ("ul", Key(shalom, 3));
  EXPECT_EQ("", Key(shalom, 1));
  char untouched = '#';
  EXPECT_EQ(0, BuildLetterVowelKey(&untouched, 0, shalom.L(), shalom.V(), 3));
  EXPECT_EQ('#', untouched);
}

TEST(CollationKey, RealWordsSortInDictionaryOrder) {
  // Listed in the order of a Hebrew dictionary.
  const std::vector<PointedWord> words = {
      {{Alef, Qamats}, {Bet, 0}},                                           // av
      {{Alef, Tsere}, {FinalMem, 0}},                                       // em
      {{BetDagesh, Patah}, {Yod, Hiriq}, {Tav, 0}},                         // bayit
      {{162, Qamats}, {Dalet, HolamMale}, {Lamed, 0}},                      // gadol
      {{163, Qamats}, {Bet, Qamats}, {Resh, 0}},                            // davar
      {{Zayin, Qamats}, {Het, Qamats}, {Bet, 0}},                           // zahav
      {{Yod, Qamats}, {Lamed, Segol}, {Dalet, 0}},                          // yeled
      {{171, Tsere}, {Samekh, Segol}, {FinalPe, 0}},                        // kesef
      {{Mem, Patah}, {Yod, Hiriq}, {FinalMem, 0}},                          // mayim
      {{Mem, Hiriq}, {FinalNun, 0}},                                        // min
      {{Samekh, Tsere}, {Pe, Segol}, {Resh, 0}},                            // sefer
      {{Ayin, Hiriq}, {Yod, 0}, {Resh, 0}},                                 // ir
      {{180, Segol}, {Resh, 0}, {Qof, 0}},                                  // pereq
      {{ShinShinDot, Shuruk}, {Qof, 0}},                                    // shuk
      {{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}},           // shalom
      {{186, HolamMale}, {Resh, Qamats}, {He, 0}},                          // tora
  };
  std::vector<std::string> keys;
  for (const PointedWord& w : words) keys.push_back(Key(w));
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end())) << ::testing::PrintToString(keys);
  // Final and regular forms, dagesh and the shin and sin dots sort alike.
  EXPECT_EQ(Key({{Kaf, 0}, {Mem, 0}}), Key({{FinalKaf, 0}, {FinalMem, 0}}));
  EXPECT_EQ(Key({{BetDagesh, 0}}), Key({{Bet, 0}}));
  EXPECT_EQ(Key({{ShinShinDot, 0}}), Key({{ShinSinDot, 0}}));
}

TEST(VowelSoundClass, EachVowelInItsClass) {
  struct Group {
    char key;
    const char* codes;
  };
  const Group groups[] = {
      {'A', "148-151,200,216"},
      {'B', "134,135,152-155,199,215"},
      {'C', "141,142,196,212"},
      {'D', "138,140,143,144,197,198,213,214"},
      {'E', "137,202,203,219"},
      {'G', "128-131,136,145,159,201,206"},
      {'J', "156,157,192-195"},
      {'1', "0-127,132,133,139,146,147,158,160-191,204,205,207-211,217,218,220-255"},
  };
  for (const Group& g : groups) {
    EXPECT_EQ("", codelist::SetMismatches([&](int c) { return VowelSoundClass(c) == g.key; },
                                          codelist::ParseSet(g.codes)))
        << "class '" << g.key << "'";
  }
}

TEST(VowelSoundClass, ClassStringIsCutToTheBuffer) {
  const PointedWord elohim{{Alef, HatafSegol}, {Lamed, Holam}, {He, Hiriq}, {Yod, 0},
                           {FinalMem, 0}};
  char buffer[8];
  EXPECT_EQ(5, VowelClassString(buffer, sizeof buffer, elohim.V(), elohim.Length()));
  EXPECT_STREQ("JGC11", buffer);
  EXPECT_EQ(2, VowelClassString(buffer, 3, elohim.V(), elohim.Length()));
  EXPECT_STREQ("JG", buffer);
}

}  // namespace
