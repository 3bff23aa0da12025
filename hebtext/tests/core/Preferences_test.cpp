// The preferences in the profile: entries, defaults and unusable values.
#include "hebtext/core/Preferences.h"

#include <gtest/gtest.h>

#include "hebtext/core/MemoryProfileStore.h"

namespace {

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetPreferenceStore(&m_profile); }
  void TearDown() override { SetPreferenceStore(nullptr); }
  UINT StoredInt(LPCSTR entry) { return m_profile.GetProfileInt("General", entry, -99); }
  MemoryProfileStore m_profile;
};

TEST_F(PreferencesTest, GeneralIntegersHaveTheirDefaults) {
  EXPECT_EQ(LoadKamColor(), 255u);
  EXPECT_EQ(LoadKamStyle(), 1);
  EXPECT_EQ(LoadNikudToggle(), 0);
  EXPECT_EQ(LoadVowelType(), 1);
  EXPECT_EQ(LoadHaShemFilter(), 0);
  EXPECT_EQ(LoadAccent(), 1);
}

TEST_F(PreferencesTest, GeneralIntegersAreStoredUnderTheirEntries) {
  SaveKamColor(0x00FF00);
  SaveKamStyle(7);
  SaveNikudToggle(1);
  SaveVowelType(0);
  SaveHaShemFilter(5);
  SaveAccent(3);
  EXPECT_EQ(StoredInt("KAMColor"), 0x00FF00u);
  EXPECT_EQ(StoredInt("KAMStyle"), 1u);
  EXPECT_EQ(StoredInt("NikudToggle"), 1u);
  EXPECT_EQ(StoredInt("VowelType"), 0u);
  EXPECT_EQ(StoredInt("HaShemFilter"), 1u);
  EXPECT_EQ(StoredInt("Accent"), 3u);
  EXPECT_EQ(LoadKamColor(), 0x00FF00u);
  EXPECT_EQ(LoadKamStyle(), 1);
  EXPECT_EQ(LoadNikudToggle(), 1);
  EXPECT_EQ(LoadVowelType(), 0);
  EXPECT_EQ(LoadHaShemFilter(), 1);
  EXPECT_EQ(LoadAccent(), 3);
}

TEST_F(PreferencesTest, StoredIntegersOutOfRangeGiveTheDefaults) {
  for (const char* entry : {"NikudToggle", "VowelType", "Accent"})
    m_profile.WriteProfileInt("General", entry, 9);
  m_profile.WriteProfileInt("General", "KAMColor", -1);
  m_profile.WriteProfileInt("General", "KAMStyle", 4);
  EXPECT_EQ(LoadNikudToggle(), 0);
  EXPECT_EQ(LoadVowelType(), 1);
  EXPECT_EQ(LoadAccent(), 1);
  EXPECT_EQ(LoadKamColor(), 255u);
  EXPECT_EQ(LoadKamStyle(), 1);
}

TEST_F(PreferencesTest, EditorFontsOfEachSide) {
  CString face;
  WORD size = 0;
  BYTE style = 9;
  LoadEditorFonts(face, size, style, 1);
  EXPECT_STREQ(face, "Pomlar Sephardi 2");
  EXPECT_EQ(size, 16);
  EXPECT_EQ(style, 0);
  LoadEditorFonts(face, size, style, 0);
  EXPECT_STREQ(face, "Times New Roman");
  EXPECT_EQ(size, 14);
  SaveEditorFonts("Pomlar David 2", 20, 1, 1);
  EXPECT_STREQ(m_profile.GetProfileString("General", "FontHebrew", ""), "Pomlar David 2|20|1");
  LoadEditorFonts(face, size, style, 1);
  EXPECT_STREQ(face, "Pomlar David 2");
  EXPECT_EQ(size, 20);
  EXPECT_EQ(style, 1);
  LoadEditorFonts(face, size, style, 0);  // the other side is untouched
  EXPECT_STREQ(face, "Times New Roman");
}

TEST_F(PreferencesTest, TabStopsOfEachSide) {
  m_profile.WriteProfileString("HebrewEditor", "TabStopsCustom", "500|1500|2000");
  CDWordArray stops;
  stops.Add(1);
  int interval = 0;
  LoadTabStops(interval, stops, 1);
  ASSERT_EQ(stops.GetSize(), 2);
  EXPECT_EQ(stops[0], 500u);
  EXPECT_EQ(stops[1], 1500u);
  EXPECT_EQ(interval, 1000);
  LoadTabStops(interval, stops, 1);  // loading again gives no duplicates
  EXPECT_EQ(stops.GetSize(), 2);
  SaveTabStops(750, stops, 0);
  EXPECT_STREQ(m_profile.GetProfileString("EnglishEditor", "TabStopsCustom", ""), "500|1500|");
  EXPECT_EQ(m_profile.GetProfileInt("EnglishEditor", "TabStopsInterval", 0), 750u);
  m_profile.WriteProfileInt("EnglishEditor", "TabStopsInterval", 0);
  LoadTabStops(interval, stops, 0);
  EXPECT_EQ(interval, 1000);
}

TEST_F(PreferencesTest, TransliterationSettingsRoundTrip) {
  TranslitWordSettings word;
  TranslitTextStyle stressed;
  TranslitTextStyle unstressed;
  EXPECT_EQ(LoadTransliterationSettings(&word, &stressed, &unstressed), 1);
  EXPECT_EQ(word.capitalizeLines, 1u);
  EXPECT_EQ(stressed.textColor, 0x800000u);
  EXPECT_EQ(stressed.style, 3);
  EXPECT_EQ(stressed.backColor, 0xFFFFFFFFu);
  EXPECT_EQ(unstressed.textColor, 0u);
  EXPECT_EQ(unstressed.style, 0);
  EXPECT_STREQ(unstressed.face, "Times New Roman");
  word.extraWordSpacing = 100;
  unstressed.face = "Courier New";
  EXPECT_EQ(SaveTransliterationSettings(&word, &stressed, &unstressed), 1);
  EXPECT_STREQ(m_profile.GetProfileString("Transliteration", "Stress", ""),
               "0 800000 ffffffff 14 3 Times New Roman");
  TranslitWordSettings word2;
  TranslitTextStyle stressed2;
  TranslitTextStyle unstressed2;
  LoadTransliterationSettings(&word2, &stressed2, &unstressed2);
  EXPECT_EQ(word2.extraWordSpacing, 100u);
  EXPECT_STREQ(unstressed2.face, "Courier New");
}

TEST_F(PreferencesTest, WithoutAStoreReadsGiveDefaults) {
  SetPreferenceStore(nullptr);
  SaveAccent(2);
  EXPECT_EQ(LoadAccent(), 1);
  EXPECT_STREQ(GetPreferenceString("General", "FontHebrew"), "");
}

TEST(WindowRectKeyForCaption, ChoosesTheKeyByCaptionIgnoringCase) {
  EXPECT_STREQ(WindowRectKeyForCaption("reading tutorial"), "Tutor");
  EXPECT_STREQ(WindowRectKeyForCaption("Hebrew Letter/Vowel Descriptions and Usages"), "LetterID");
  EXPECT_STREQ(WindowRectKeyForCaption("VOICE SETTINGS"), "VoiceDlg");
  EXPECT_STREQ(WindowRectKeyForCaption("Zulta"), "Main");
  EXPECT_STREQ(WindowRectKeyForCaption(""), "Main");
}

TEST(IsRectOffScreenOf, RefusesRectanglesOutsideOrEmpty) {
  struct Case {
    RECT rect;
    BOOL expected;
  } const cases[] = {
      {{100, 100, 300, 300}, FALSE}, {{100, 100, 50, 300}, TRUE},  {{100, 100, 300, 100}, TRUE},
      {{-300, 0, -1, 100}, TRUE},    {{1025, 0, 1100, 100}, TRUE}, {{0, -200, 100, -1}, TRUE},
      {{0, 769, 100, 800}, TRUE},    {{-50, -50, 10, 10}, FALSE},  {{1024, 768, 1100, 800}, FALSE},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsRectOffScreenOf(c.rect, 1024, 768), c.expected) << c.rect.left << "," << c.rect.top;
}

}  // namespace
