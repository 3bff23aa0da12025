// Collation keys put pointed words into dictionary order; vowel classes group
// vowels by their sound.
#include "hebtext/core/CollationKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"
#include "hebtext/tests/core/WrittenOut.h"

namespace {

using namespace HebCode;
using namespace written;

std::string Key(const PointedWord& w, int size = 64) {
  std::vector<char> buffer(size + 4, '#');
  const int length = BuildLetterVowelKey(buffer.data(), size, w.L(), w.V(), w.Length());
  EXPECT_EQ(static_cast<int>(strlen(buffer.data())), length);
  return buffer.data();
}
std::string Key(const char* utf8, int size = 64) { return Key(PointedWord(utf8), size); }

// A letter's place in the alphabet, final or not: 'a' for alef to 'v' for tav.
char AlphabetKey(const std::string& letter) {
  const std::string regular =
      WithoutPrefix(letter, "FINAL ").empty() ? letter : WithoutPrefix(letter, "FINAL ");
  char key = 'a';
  for (const auto& [unit, ch] : HebrewBlock()) {
    const std::string name = WithoutPrefix(ch.name, "HEBREW LETTER ");
    if (name.empty() || !WithoutPrefix(name, "FINAL ").empty()) continue;
    if (name == regular) return key;
    ++key;
  }
  return 0;
}

TEST(CollationKey, KeyCharOfEveryCode) {
  ASSERT_EQ('v', AlphabetKey("TAV")) << "data/UnicodeData-hebrew.txt is missing";
  for (int c = 0; c < 256; ++c) {
    char want = '1';  // blanks, ASCII letters, vowels and codes not in use
    if (!Out(c).letter.empty()) {
      want = AlphabetKey(Out(c).letter);  // a vowel's vav sorts as vav
    } else if (c == LamedHolam) {
      want = 'l';  // the font's lamed with holam, met inside the English-layout import
    } else if (c == Space || c == Hyphen || c == Maqaf) {
      want = ' ';
    } else if (IsDigitCode(c)) {
      want = static_cast<char>(c);
    } else if (IsAsciiPunct(c)) {
      want = '!';
    }
    EXPECT_EQ(want, CollationKeyChar(c)) << c;
  }
}

TEST(CollationKey, VowelsOnTheirVavAddTheVav) {
  // He with mappiq, then a vav carrying holam male: e, f for the vav letter,
  // f for the holam male's own vav.
  EXPECT_EQ("eff", Key("הּווֹ"));
  // shalom: the holam male on the lamed is written with a vav.
  EXPECT_EQ("ulfm", Key("שָׁלוֹם"));
  // shuk: the shuruk on the shin is a vav too.
  EXPECT_EQ("ufs", Key("שׁוּק"));
  // A vav standing alone as "u" is one vav.
  EXPECT_EQ("fbjv", Key("וּבַיִת"));
  // Geresh and gershayim are left out; digits and gaps stay. (The hyphen is
  // written here as a code: written out, it becomes a maqaf.)
  EXPECT_EQ(
      "cjq 12",
      Key({{Gimel, 0}, {'\'', 0}, {Yod, 0}, {Pe, 0}, {'-', 0}, {'1', 0}, {'"', 0}, {'2', 0}}));
}

TEST(CollationKey, KeyIsCutToTheBuffer) {
  const PointedWord shalom("שָׁלוֹם");
  EXPECT_EQ("ul", Key(shalom, 3));
  EXPECT_EQ("", Key(shalom, 1));
  char untouched = '#';
  EXPECT_EQ(0, BuildLetterVowelKey(&untouched, 0, shalom.L(), shalom.V(), 3));
  EXPECT_EQ('#', untouched);
}

TEST(CollationKey, RealWordsSortInDictionaryOrder) {
  // Listed in the order of a Hebrew dictionary.
  const char* const words[] = {
      "אָב",  "אֵם", "בַּיִת", "גָּדוֹל", "דָּבָר", "זָהָב", "יָלֶד",  "כֵּסֶף",
      "מַיִם", "מִן", "סֵפֶר", "עִיר",  "פֶּרֶק", "שׁוּק", "שָׁלוֹם", "תּוֹרָה",
  };
  std::vector<std::string> keys;
  for (const char* word : words) keys.push_back(Key(word));
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end())) << ::testing::PrintToString(keys);
  // Final and regular forms, dagesh and the shin and sin dots sort alike.
  EXPECT_EQ(Key("כמ"), Key("ךם"));
  EXPECT_EQ(Key("בּ"), Key("ב"));
  EXPECT_EQ(Key("שׁ"), Key("שׂ"));
}

TEST(VowelSoundClass, EachVowelInItsClass) {
  // Vowels group by their sound: qamats and patah apart, then i, e, u, o
  // (with qamats qatan), and the shva with the hatafs.
  const std::map<std::string, char> classes = {
      {"QAMATS", 'A'},       {"PATAH", 'B'},  {"HIRIQ", 'C'},       {"SEGOL", 'D'},
      {"TSERE", 'D'},        {"QUBUTS", 'E'}, {"SHURUK", 'E'},      {"HOLAM", 'G'},
      {"HOLAM MALE", 'G'},   {"SHEVA", 'J'},  {"HATAF SEGOL", 'J'}, {"HATAF PATAH", 'J'},
      {"HATAF QAMATS", 'J'},
  };
  for (int c = 0; c < 256; ++c) {
    const auto it = classes.find(VowelOf(c));
    const char want = IsQamatsQatanCode(c) ? 'G' : it == classes.end() ? '1' : it->second;
    EXPECT_EQ(want, VowelSoundClass(c)) << c;
  }
}

TEST(VowelSoundClass, ClassStringIsCutToTheBuffer) {
  const PointedWord elohim("אֱלֹהִים");
  char buffer[8];
  EXPECT_EQ(5, VowelClassString(buffer, sizeof buffer, elohim.V(), elohim.Length()));
  EXPECT_STREQ("JGC11", buffer);
  EXPECT_EQ(2, VowelClassString(buffer, 3, elohim.V(), elohim.Length()));
  EXPECT_STREQ("JG", buffer);
}

}  // namespace
