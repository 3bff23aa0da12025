#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/NumberWords.h"

namespace {

constexpr int kRoomy = 256;

// Pointed Hebrew written in UTF-8 (a meteg marks a stressed vowel, '-' joins
// words) as the program's code holds it.
std::string Hebrew(const char* utf8) {
  CString text(utf8);
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  return std::string(text, text.GetLength());
}

std::string Spelled(double value, int language, int ordinal, int feminine, int cleanUp = 1) {
  char text[kRoomy];
  NumberWordsOptions options;
  options.language = language;
  options.ordinal = ordinal;
  options.feminine = feminine;
  options.cleanUp = cleanUp;
  const int length = NumberToWords(text, sizeof text, value, options);
  EXPECT_EQ(length, static_cast<int>(strlen(text)));
  return text;
}

struct HebrewCase {
  double value;
  int ordinal;
  int feminine;
  const char* utf8;
};

// clang-format off
const HebrewCase kHebrewCases[] = {
    {0, 0, 0, "אֶֽפֶס"},
    {1, 0, 0, "אֶחָד"}, {2, 0, 0, "שְׁנַֽיִם"}, {3, 0, 0, "שְׁלֹשָׁה"}, {4, 0, 0, "אַרְבָּעָה"},
    {5, 0, 0, "חֲמִשָּׁה"}, {6, 0, 0, "שִׁשָּׁה"}, {7, 0, 0, "שִׁבְעָה"}, {8, 0, 0, "שְׁמוֹנָה"},
    {9, 0, 0, "תִּשְׁעָה"}, {10, 0, 0, "עֲשָׂרָה"},
    {1, 0, 1, "אַחַת"}, {2, 0, 1, "שְׁתַּֽיִם"}, {3, 0, 1, "שָׁלֹשׁ"}, {4, 0, 1, "אַרְבַּע"},
    {5, 0, 1, "חָמֵשׁ"}, {6, 0, 1, "שֵׁשׁ"}, {7, 0, 1, "שֶֽׁבַע"}, {8, 0, 1, "שְׁמֹנֶה"},
    {9, 0, 1, "תֵּֽשַׁע"}, {10, 0, 1, "עֶֽשֶׂר"},
    {11, 0, 0, "אַחַד-עָשָׂר"}, {12, 0, 0, "שְׁנֵים-עָשָׂר"}, {13, 0, 0, "שְׁלֹשָׁה-עָשָׂר"},
    {19, 0, 0, "תִּשְׁעָה-עָשָׂר"},
    {11, 0, 1, "אַחַת-עֶשְׂרֵה"}, {12, 0, 1, "שְׁתֵּים-עֶשְׂרֵה"}, {13, 0, 1, "שְׁלֹשׁ-עֶשְׂרֵה"},
    {17, 0, 1, "שְׁבַע-עֶשְׂרֵה"}, {19, 0, 1, "תְּשַׁע-עֶשְׂרֵה"},
    {20, 0, 0, "עֶשְׂרִים"}, {30, 0, 0, "שְׁלֹשִׁים"}, {40, 0, 0, "אַרְבָּעִים"},
    {50, 0, 0, "חֲמִשִּׁים"}, {60, 0, 0, "שִׁשִּׁים"}, {70, 0, 0, "שִׁבְעִים"},
    {80, 0, 0, "שְׁמוֹנִים"}, {90, 0, 0, "תִּשְׁעִים"},
    // The conjunction before the last word, as the word's first sounds ask.
    {21, 0, 0, "עֶשְׂרִים וְאֶחָד"}, {21, 0, 1, "עֶשְׂרִים וְאַחַת"},
    {32, 0, 0, "שְׁלֹשִׁים וּשְׁנַֽיִם"}, {99, 0, 0, "תִּשְׁעִים וְתִשְׁעָה"},
    {100, 0, 1, "מֵאָה"}, {200, 0, 1, "מָאתַֽיִם"}, {300, 0, 1, "שְׁלֹשׁ-מֵאוֹת"},
    {900, 0, 1, "תְּשַׁע-מֵאוֹת"}, {101, 0, 0, "מֵאָה וְאֶחָד"},
    {110, 0, 0, "מֵאָה וַעֲשָׂרָה"}, {120, 0, 0, "מֵאָה וְעֶשְׂרִים"},
    {1000, 0, 0, "אֶֽלֶף"}, {2000, 0, 0, "אַלְפַּֽיִם"}, {3000, 0, 0, "שְׁלֹֽשֶׁת-אֲלָפִים"},
    {8000, 0, 0, "שְׁמוֹנַת-אֲלָפִים"}, {10000, 0, 0, "עֲשֶֽׂרֶת-אֲלָפִים"},
    {11000, 0, 0, "אַחַד-עָשָׂר אֶֽלֶף"}, {1100, 0, 0, "אֶֽלֶף וּמֵאָה"},
    {1990, 0, 0, "אֶֽלֶף תְּשַׁע-מֵאוֹת וְתִשְׁעִים"},
    {1000000, 0, 0, "מִילְיוֹן"}, {2000000, 0, 0, "שְׁנֵי מִילְיוֹן"},
    {1000000000, 0, 0, "מִילְיַארְד"},
    // Ordinals: 1 to 10 are words of their own; the rest take the article.
    {1, 1, 0, "רִאשׁוֹן"}, {2, 1, 0, "שֵׁנִי"}, {3, 1, 0, "שְׁלִישִׁי"}, {4, 1, 0, "רְבִיעִי"},
    {5, 1, 0, "חֲמִישִׁי"}, {6, 1, 0, "שִׁשִּׁי"}, {7, 1, 0, "שְׁבִיעִי"}, {8, 1, 0, "שְׁמִינִי"},
    {9, 1, 0, "תְּשִׁיעִי"}, {10, 1, 0, "עֲשִׂירִי"},
    {1, 1, 1, "רִאשׁוֹנָה"}, {2, 1, 1, "שְׁנִיָּה"}, {3, 1, 1, "שְׁלִישִׁית"}, {4, 1, 1, "רְבִיעִית"},
    {5, 1, 1, "חֲמִישִׁית"}, {6, 1, 1, "שִׁשִּׁית"}, {7, 1, 1, "שְׁבִיעִית"}, {8, 1, 1, "שְׁמִינִית"},
    {9, 1, 1, "תְּשִׁיעִית"}, {10, 1, 1, "עֲשִׂירִית"},
    {0, 1, 0, "הַאֶֽפֶס"}, {11, 1, 0, "הַאַחַד-עָשָׂר"}, {21, 1, 0, "הַעֶשְׂרִים וְאֶחָד"},
    {10000, 1, 1, "רְבָבָה"},
};
// clang-format on

TEST(NumberWords, HebrewSpellsStandardPointedWords) {
  for (const HebrewCase& c : kHebrewCases) {
    EXPECT_EQ(Spelled(c.value, kNumberHebrew, c.ordinal, c.feminine), Hebrew(c.utf8))
        << c.value << (c.ordinal ? " ordinal" : "") << (c.feminine ? " feminine" : "");
  }
}

TEST(NumberWords, HebrewGroupsAsTheyStandInANumber) {
  char text[kRoomy];
  SpellHebrewGroup(300, text, sizeof text, kScaleUnits, 0, 0, 1);
  EXPECT_EQ(text, Hebrew("שְׁלֹשׁ-מֵאוֹת "));
  SpellHebrewGroup(90, text, sizeof text, kScaleUnits, 1, 0, 0);
  EXPECT_EQ(text, Hebrew("וְתִשְׁעִים "));
  SpellHebrewGroup(3, text, sizeof text, kScaleThousands, 0, 0, 0);
  EXPECT_EQ(text, Hebrew("שְׁלֹֽשֶׁת "));
  SpellHebrewGroup(2, text, sizeof text, kScaleMillions, 0, 0, 0);
  EXPECT_EQ(text, Hebrew("שְׁנֵי "));
}

TEST(NumberWords, HebrewAndTakesTheFormOfTheNextWord) {
  struct Case {
    int letter, vowel;
    std::string expected;
  };
  const Case cases[] = {
      {HebCode::Shin, HebCode::Shva, {char(HebCode::Shuruk)}},
      {HebCode::Mem, HebCode::Tsere, {char(HebCode::Shuruk)}},
      {HebCode::Ayin, HebCode::HatafPatah, {char(HebCode::Vav), char(HebCode::Patah)}},
      {HebCode::Alef, HebCode::Segol, {char(HebCode::Vav), char(HebCode::Shva)}},
  };
  for (const Case& c : cases) {
    char text[kRoomy];
    const int length = HebrewAnd(text, sizeof text, c.letter, c.vowel);
    EXPECT_EQ(std::string(text, length), c.expected) << c.letter << " " << c.vowel;
  }
}

TEST(NumberWords, EnglishWords) {
  struct Case {
    double value;
    int ordinal;
    const char* expected;
  };
  const Case cases[] = {
      {0, 0, "zero"},
      {0, 1, "zeroth"},
      {7, 1, "seventh"},
      {12, 1, "twelfth"},
      {21, 1, "twenty-first"},
      {40, 1, "fortieth"},
      {115, 0, "one hundred fifteen"},
      {342, 0, "three hundred forty-two"},
      {100, 1, "one hundredth"},
      {1000, 1, "one thousandth"},
      {20000, 1, "twenty thousandth"},
      {1000001, 1, "one million first"},
      {kLargestSpelledNumber, 0,
       "nine hundred ninety-nine billion nine hundred ninety-nine million nine hundred "
       "ninety-nine thousand nine hundred ninety-nine"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Spelled(c.value, kNumberEnglish, c.ordinal, 0), c.expected) << c.value;
  }
  EXPECT_EQ(Spelled(1000000, kNumberEnglish, 0, 0, 0), "one million ");
}

TEST(NumberWords, EnglishGroupsAsTheyStandInANumber) {
  struct Case {
    int value;
    DWORD scale;
    int ordinal;
    const char* expected;
  };
  const Case cases[] = {
      {0, kScaleUnits, 0, "zero "},
      {21, kScaleUnits, 0, "twenty-one "},
      {300, kScaleUnits, 0, "three hundred "},
      {342, kScaleThousands, 0, "three hundred forty-two "},
      {7, kScaleUnits, 1, "seventh "},
      {7, kScaleThousands, 1, "seven "},     // ordinal units only in the last group
      {12, kScaleThousands, 1, "twelfth "},  // ordinal teens and tens in any
      {40, kScaleMillions, 1, "fortieth "},
  };
  for (const Case& c : cases) {
    char text[kRoomy];
    const int length = SpellEnglishGroup(c.value, text, sizeof text, c.scale, c.ordinal);
    EXPECT_EQ(std::string(text, length), c.expected) << c.value << " " << c.scale;
  }
}

TEST(NumberWords, EnglishOrdinalSuffixes) {
  const std::pair<unsigned long, const char*> cases[] = {
      {1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},   {11, "th"},
      {12, "th"}, {13, "th"}, {21, "st"}, {111, "th"}, {112, "th"},
  };
  for (const auto& [value, suffix] : cases) EXPECT_STREQ(EnglishOrdinalSuffix(value), suffix);
  char text[kRoomy];
  EXPECT_EQ(FormatNumber(text, sizeof text, 21, 1), 4);
  EXPECT_STREQ(text, "21st");
  EXPECT_EQ(FormatNumber(text, 3, 21, 1), 2);
  EXPECT_STREQ(text, "21");
}

TEST(NumberWords, ValuesOutsideTheSpelledRangeWriteNothing) {
  for (double value : {-1.0, kLargestSpelledNumber + 1, std::nan("")}) {
    for (int language : {kNumberEnglish, kNumberHebrew}) {
      EXPECT_EQ(Spelled(value, language, 0, 0), "") << value;
    }
  }
  EXPECT_EQ(Spelled(21.9, kNumberEnglish, 0, 0), "twenty-one");
}

TEST(NumberWords, OutputStopsAtItsCapacity) {
  const std::string whole = Spelled(1990, kNumberHebrew, 0, 0);
  for (int capacity = 1; capacity < static_cast<int>(whole.size()) + 1; ++capacity) {
    std::vector<char> text(capacity + 1, 'x');
    NumberWordsOptions options;
    options.language = kNumberHebrew;
    const int length = NumberToWords(text.data(), capacity, 1990, options);
    EXPECT_LT(length, capacity);
    EXPECT_EQ(text[length], 0);
    EXPECT_EQ(text[capacity], 'x');
    EXPECT_EQ(std::string(text.data(), length), whole.substr(0, length));
  }
}

TEST(NumberTable, HoldsFiftyValuesAndItsEnd) {
  NumberTableEntry entry;
  ASSERT_TRUE(GetNumberTableEntry(28, entry));
  EXPECT_EQ(entry.value, 100u);
  EXPECT_EQ(entry.flags, 0x102u);
  ASSERT_TRUE(GetNumberTableEntry(47, entry));
  EXPECT_EQ(entry.value, 10000u);
  EXPECT_EQ(entry.flags, kNumberFeminine | kNumberOrdinal);
  EXPECT_FALSE(GetNumberTableEntry(kNumberTableCount, entry));
  EXPECT_EQ(kNumberTable[kNumberTableCount].value, kNumberTableEnd);
  // Every value the table holds is spelled in each of its spellings.
  for (int i = 0; i < kNumberTableCount; ++i) {
    for (int ordinal : {0, 1}) {
      if (!(kNumberTable[i].flags & (ordinal ? kNumberOrdinal : kNumberCardinal))) continue;
      EXPECT_NE(Spelled(kNumberTable[i].value, kNumberHebrew, ordinal, 0), "") << i;
    }
  }
}

}  // namespace
