// Phoneme sets: the built-in sets byte for byte, filling the table, the
// profile section "Phonemes" and the transliteration font record.
#include "speech/core/PhonemeSets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "hebtext/core/MemoryProfileStore.h"
#include "speech/core/PhonemeFont.h"

namespace {

struct BuiltInSet {
  const char* name;
  std::vector<std::vector<unsigned char>> slots;
};

// The sets' spellings as bytes: Windows-1252 for the Latin sets, Windows-1251
// and KOI8-R for the Russian ones.
// clang-format off
const BuiltInSet kExpectedSets[kBuiltInPhonemeSets] = {
    {"English",
     {{0x62}, {0x74, 0x73}, {0x63, 0x68}, {0x64}, {0x64, 0x68}, {0x66},
      {0x67}, {0x68}, {0x6A}, {0x6B}, {0x6C}, {0x6D},
      {0x6E}, {0x6E}, {0x70}, {}, {0x72}, {0x73},
      {0x73, 0x68}, {0x74}, {0x74, 0x68}, {0x76}, {0x6B, 0x68}, {0x79},
      {0x7A}, {0x7A, 0x68}, {0x65, 0x79}, {0x65}, {0x69}, {0x61, 0x77},
      {0x61}, {0x6F}, {0x75}, {0x27}, {0x61, 0x69}, {0x6F, 0x79},
      {0x75, 0x69}, {0x6F, 0x75}
     }},
    {"Fran\xe7" "ais",
     {{0x62}, {0x74, 0x73}, {0x74, 0x63, 0x68}, {0x64}, {0x64, 0x68}, {0x66},
      {0x67}, {0x68}, {0x64, 0x6A}, {0x6B}, {0x6C}, {0x6D},
      {0x6E}, {0x6E}, {0x70}, {}, {0x72}, {0x73},
      {0x63, 0x68}, {0x74}, {0x74, 0x68}, {0x76}, {0x6B, 0x68}, {0x79},
      {0x7A}, {0x6A}, {0xE9}, {0xE8}, {0x69}, {0x61, 0x75},
      {0x61}, {0x6F}, {0x6F, 0x75}, {0x65, 0x75}, {0x61, 0x69}, {0x9C, 0x69},
      {0x75, 0x69}, {0x61, 0x6F, 0x75}
     }},
    {"Espa\xf1ol",
     {{0x62}, {0x74, 0x73}, {0x63, 0x68}, {0x64}, {0x64, 0x68}, {0x66},
      {0x67}, {0x68}, {0x64, 0x67}, {0x6B}, {0x6C}, {0x6D},
      {0x6E}, {0x6E}, {0x70}, {}, {0x72}, {0x73},
      {0x73, 0x68}, {0x74}, {0x74, 0x68}, {0x76}, {0x6A}, {0x79},
      {0x7A}, {0x7A, 0x68}, {0x65, 0x69}, {0x65}, {0x69}, {0x6F, 0x77},
      {0x61}, {0x6F}, {0x75}, {0x27}, {0x61, 0x79}, {0x6F, 0x79},
      {0x75, 0x69}, {0x61, 0x75}
     }},
    {"Deutsch",
     {{0x62}, {0x7A}, {0x74, 0x73, 0x63, 0x68}, {0x64}, {0x64, 0x68}, {0x66},
      {0x67}, {0x68}, {0x64, 0x73, 0x63, 0x68}, {0x6B}, {0x6C}, {0x6D},
      {0x6E}, {0x6E, 0x67}, {0x70}, {}, {0x72}, {0xDF},
      {0x73, 0x63, 0x68}, {0x74}, {0x74, 0x68}, {0x77}, {0x63, 0x68}, {0x6A},
      {0x73}, {0x7A, 0x68}, {0x65}, {0xE4}, {0x69, 0x65}, {0x6F, 0x6E},
      {0x61}, {0x6F}, {0x75}, {0xF6}, {0x65, 0x69}, {0x65, 0x75},
      {0x75, 0x69}, {0x61, 0x75}
     }},
    {"Russian CP1251",
     {{0xE1}, {0xF6}, {0xF7}, {0xE4}, {0xE4, 0x68}, {0xF4},
      {0xE3}, {0x68}, {0xE4, 0xE6}, {0xEA}, {0xEB}, {0xEC},
      {0xED}, {0xED}, {0xEF}, {}, {0xF0}, {0xF1},
      {0xF8}, {0xF2}, {0xF2, 0x68}, {0xE2}, {0xF5}, {0xE9},
      {0xE7}, {0xE6}, {0xFD, 0xE9}, {0xFD}, {0xE8}, {0xEE},
      {0xE0}, {0xEE}, {0xF3}, {0x27}, {0x61, 0xE9}, {0xEE, 0xE9},
      {0xF3, 0xE9}, {0x61, 0xEE}
     }},
    {"Russian KOI8-R",
     {{0xC2}, {0xC3}, {0xDE}, {0xC4}, {0xC4, 0x68}, {0xC6},
      {0xC7}, {0x68}, {0xC4, 0xD6}, {0xCB}, {0xCC}, {0xCD},
      {0xCE}, {0xCE}, {0xD0}, {}, {0xD2}, {0xD3},
      {0xDB}, {0xD4}, {0xD4, 0x68}, {0xD7}, {0xC8}, {0xCA},
      {0xDA}, {0xD6}, {0xDC, 0xCA}, {0xDC}, {0xC9}, {0xCF},
      {0xC1}, {0xCF}, {0xD5}, {0x27}, {0xC1, 0xCA}, {0xCF, 0xCA},
      {0xD5, 0xCA}, {0xC1, 0xCF}
     }},
};
// clang-format on

std::string SetText(const BuiltInSet& set) {
  std::string text = set.name;
  for (const auto& slot : set.slots) {
    text += '|';
    text.append(slot.begin(), slot.end());
  }
  return text;
}

class BuiltInSets : public ::testing::TestWithParam<int> {};

TEST_P(BuiltInSets, MatchByteForByte) {
  const int index = GetParam();
  CString text;
  GetBuiltInPhonemeSet(index, text);
  EXPECT_EQ(std::string(text, text.GetLength()), SetText(kExpectedSets[index]));
  PhonemeTable table;
  table.Fill(text);
  for (int slot = 1; slot <= kPhonemeSlots; ++slot) {
    const auto& expected = kExpectedSets[index].slots[slot - 1];
    EXPECT_EQ(std::string(table.Slot(slot)), std::string(expected.begin(), expected.end()))
        << "slot " << slot;
  }
}

INSTANTIATE_TEST_SUITE_P(AllSix, BuiltInSets, ::testing::Range(0, kBuiltInPhonemeSets));

TEST(BuiltInSets, RussianSetsSpellTheSameSoundInTheirOwnBytes) {
  PhonemeTable cp1251, koi8;
  CString text;
  GetBuiltInPhonemeSet(4, text);
  cp1251.Fill(text);
  GetBuiltInPhonemeSet(5, text);
  koi8.Fill(text);
  EXPECT_STREQ(cp1251.Slot(1), "\xE1");  // be
  EXPECT_STREQ(koi8.Slot(1), "\xC2");
  EXPECT_STREQ(cp1251.Slot(35), "a\xE9");   // Latin a, short i
  EXPECT_STREQ(koi8.Slot(35), "\xC1\xCA");  // Cyrillic a, short i
  EXPECT_STREQ(cp1251.Slot(5), "\xE4h");    // Latin h in both
  EXPECT_STREQ(koi8.Slot(5), "\xC4h");
}

TEST(BuiltInSets, OtherIndexesGiveTheEnglishSet) {
  CString english, other;
  GetBuiltInPhonemeSet(0, english);
  GetBuiltInPhonemeSet(9, other);
  EXPECT_EQ(other, english);
  GetBuiltInPhonemeSet(-1, other);
  EXPECT_EQ(other, english);
}

TEST(PhonemeTable, TwoSpellingsFillTwoSlotsAndLeaveTheRest) {
  PhonemeTable table;
  CString english;
  GetBuiltInPhonemeSet(0, english);
  table.Fill(english);
  table.Fill("Mine|B|TZ");
  EXPECT_STREQ(table.Slot(1), "B");
  EXPECT_STREQ(table.Slot(2), "TZ");
  EXPECT_STREQ(table.Slot(3), "ch");
  EXPECT_STREQ(table.Slot(38), "ou");
}

TEST(PhonemeTable, LongSpellingsAreCutAndExtraOnesIgnored) {
  PhonemeTable table;
  std::string text = "Long|" + std::string(30, 'x');
  for (int i = 0; i < 45; ++i) text += "|s";
  table.Fill(text.c_str());
  EXPECT_EQ(std::string(table.Slot(1)), std::string(kPhonemeSlotSize - 1, 'x'));
  EXPECT_STREQ(table.Slot(38), "s");
  EXPECT_STREQ(table.Slot(0), "");
  EXPECT_STREQ(table.Slot(39), "");
  EXPECT_EQ(sizeof(table), static_cast<size_t>(kPhonemeTableSize));
}

TEST(PhonemeTable, TextWithoutBarsChangesNothing) {
  PhonemeTable table;
  table.Fill("no spellings");
  table.Fill(nullptr);
  for (int slot = 1; slot <= kPhonemeSlots; ++slot) EXPECT_STREQ(table.Slot(slot), "");
}

TEST(SpellCodeText, SpellsEachCodeThroughItsSlot) {
  PhonemeTable table;
  CString english;
  GetBuiltInPhonemeSet(0, english);
  table.Fill(english);
  EXPECT_STREQ(SpellCodeText(table, "Salom"), "shalom");
  EXPECT_STREQ(SpellCodeText(table, "q3x4I1"), "akhe''");
  EXPECT_STREQ(SpellCodeText(table, "Y-O"), "ai-oy");
  EXPECT_EQ(PhonemeSlotOfCode('W'), 38);
  EXPECT_EQ(PhonemeSlotOfCode('-'), 0);
}

class PhonemeProfile : public ::testing::Test {
 protected:
  void TearDown() override { FreePhonemeSets(); }
  MemoryProfileStore profile;
};

TEST_F(PhonemeProfile, ActiveSetComesFromTheProfileWithTheBuiltInFallBack) {
  EXPECT_EQ(GetPhonemeTable(), nullptr);
  profile.WriteProfileInt("Phonemes", "ActiveSet", 5);
  LoadPhonemeSets(profile);
  ASSERT_NE(GetPhonemeTable(), nullptr);
  EXPECT_EQ(g_activePhonemeSet, 5);
  EXPECT_STREQ(GetPhonemeTable()->Slot(1), "\xC2");

  WritePhonemeSet(profile, 5, "Custom|v|w");
  LoadPhonemeSets(profile);
  EXPECT_STREQ(GetPhonemeTable()->Slot(1), "v");
  EXPECT_STREQ(GetPhonemeTable()->Slot(2), "w");
  EXPECT_STREQ(profile.GetProfileString("Phonemes", "5", ""), "Custom|v|w");
}

TEST_F(PhonemeProfile, UnknownIndexReadsEmptyAndLoadsEnglish) {
  CString text("stale");
  EXPECT_FALSE(ReadPhonemeSet(profile, 8, text));
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_TRUE(ReadPhonemeSet(profile, 2, text));
  profile.WriteProfileInt("Phonemes", "ActiveSet", 8);
  LoadPhonemeSets(profile);
  EXPECT_STREQ(GetPhonemeTable()->Slot(19), "sh");
}

TEST_F(PhonemeProfile, FillWithoutATableDoesNothingAndFreeTwiceIsSafe) {
  FillPhonemeTable("Name|x");
  EXPECT_EQ(GetPhonemeTable(), nullptr);
  LoadPhonemeSets(profile);
  FillPhonemeTable("Name|x");
  EXPECT_STREQ(GetPhonemeTable()->Slot(1), "x");
  FreePhonemeSets();
  FreePhonemeSets();
  EXPECT_EQ(GetPhonemeTable(), nullptr);
}

TEST_F(PhonemeProfile, FontRecordOfSixtyBytesRoundTrips) {
  LogFontRecord font;
  memset(&font, 0, sizeof(font));
  font.lfHeight = -17;
  font.lfItalic = 1;
  strcpy(font.lfFaceName, "Courier New");
  SavePhonemeFont(profile, font);
  LogFontRecord loaded;
  LoadPhonemeFont(profile, 96, loaded);
  EXPECT_EQ(memcmp(&loaded, &font, sizeof(font)), 0);
}

TEST_F(PhonemeProfile, FontRecordOfOtherSizeGivesBoldArial) {
  const std::vector<BYTE> short59(59, 0x41);
  profile.WriteProfileBinary("Phonemes", "LogFont Data", short59.data(), 59);
  LogFontRecord font;
  LoadPhonemeFont(profile, 120, font);
  EXPECT_EQ(font.lfHeight, -27);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 0);
  EXPECT_STREQ(font.lfFaceName, "Arial");
  MemoryProfileStore empty;
  LoadPhonemeFont(empty, 96, font);
  EXPECT_EQ(font.lfHeight, -22);
}

}  // namespace
