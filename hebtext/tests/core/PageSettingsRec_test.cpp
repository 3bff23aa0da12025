// Page settings: defaults, the stored text (width before length) and the
// profile entries of the document sides and grammar tables.
#include "hebtext/core/PageSettingsRec.h"

#include <gtest/gtest.h>

#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/Preferences.h"

namespace {

bool Same(const PageSettingsRec& a, const PageSettingsRec& b) {
  return FormatPageSettingsText(a) == FormatPageSettingsText(b) && a.length == b.length &&
         a.width == b.width;
}

class PageSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetPreferenceStore(&m_profile); }
  void TearDown() override { SetPreferenceStore(nullptr); }
  MemoryProfileStore m_profile;
};

TEST(SetDefaultPageSettings, GivesALetterPageLandscapeForGrammarTables) {
  PageSettingsRec rec{9, 9, 9, 9, 9, 9, 9, 9, 9};
  EXPECT_EQ(SetDefaultPageSettings(&rec, 1), &rec);
  EXPECT_STREQ(FormatPageSettingsText(rec), "2 1 8500 11000 1 750 1000 750 1000");
  SetDefaultPageSettings(&rec, 0);
  EXPECT_STREQ(FormatPageSettingsText(rec), "1 1 8500 11000 1 750 1000 750 1000");
  EXPECT_EQ(rec.length, 11000);
  EXPECT_EQ(rec.width, 8500);
}

TEST(ParsePageSettingsText, ReadsTheWidthBeforeTheLength) {
  PageSettingsRec rec;
  ASSERT_TRUE(ParsePageSettingsText("1 1 8500 11000 1 750 1000 750 1000", rec));
  EXPECT_EQ(rec.length, 11000);
  EXPECT_EQ(rec.width, 8500);
  EXPECT_STREQ(FormatPageSettingsText(rec), "1 1 8500 11000 1 750 1000 750 1000");
  ASSERT_TRUE(ParsePageSettingsText("2 9 2100 2970 2 100 150 200 250", rec));
  EXPECT_EQ(rec.orientation, 2);
  EXPECT_EQ(rec.paperCode, 9);
  EXPECT_EQ(rec.width, 2100);
  EXPECT_EQ(rec.length, 2970);
  EXPECT_EQ(rec.unit, 2);
  EXPECT_EQ(rec.leftMargin, 100);
  EXPECT_EQ(rec.topMargin, 150);
  EXPECT_EQ(rec.rightMargin, 200);
  EXPECT_EQ(rec.bottomMargin, 250);
}

TEST(ParsePageSettingsText, RefusesTextsThatHoldNoPageSetting) {
  const PageSettingsRec before{2, 3, 4, 5, 1, 6, 7, 8, 9};
  for (const char* text : {"", "garbage", "0 1 8500 11000 1 750 1000 750 1000",
                           "1 1 8500 11000 7 750 1000 750 1000", "3 1 2 3 1"}) {
    PageSettingsRec rec = before;
    EXPECT_FALSE(ParsePageSettingsText(text, rec)) << text;
    EXPECT_TRUE(Same(rec, before)) << text;
  }
  // A text longer than a stored value can be is read up to its limit.
  PageSettingsRec rec;
  EXPECT_TRUE(
      ParsePageSettingsText(CString("1 1 8500 11000 1 750 1000 750 ") + CString('9', 300), rec));
  EXPECT_EQ(rec.bottomMargin, 0xFFFF);  // the largest number, cut to 16 bits
}

TEST_F(PageSettingsTest, LoadsWhatWasSavedUnderEachKey) {
  PageSettingsRec hebrew;
  hebrew.leftMargin = 500;
  SavePageSettings(&hebrew, 0, 1);
  PageSettingsRec grammar;
  SetDefaultPageSettings(&grammar, 1);
  grammar.topMargin = 1234;
  SavePageSettings(&grammar, 1, 1);
  EXPECT_STREQ(m_profile.GetProfileString("Printer", "DocSettings_HEB", ""),
               "1 1 8500 11000 1 500 1000 750 1000");
  EXPECT_STREQ(m_profile.GetProfileString("Printer", "GramTableSettings", ""),
               "2 1 8500 11000 1 750 1234 750 1000");
  PageSettingsRec read;
  EXPECT_EQ(LoadPageSettings(&read, 0, 1), 1);
  EXPECT_TRUE(Same(read, hebrew));
  EXPECT_EQ(LoadPageSettings(&read, 1, 0), 1);  // the side is ignored for grammar tables
  EXPECT_TRUE(Same(read, grammar));
  EXPECT_EQ(LoadPageSettings(&read, 0, 0), 0);  // nothing stored for the English side
  PageSettingsRec portrait;
  EXPECT_TRUE(Same(read, *SetDefaultPageSettings(&portrait, 0)));
}

TEST_F(PageSettingsTest, MissingMarginsReadAsZeroAndBrokenValuesAsDefaults) {
  m_profile.WriteProfileString("Printer", "DocSettings_ENG", "1 1 8500 11000 1");
  PageSettingsRec rec;
  EXPECT_EQ(LoadPageSettings(&rec, 0, 0), 1);
  EXPECT_EQ(rec.length, 11000);
  EXPECT_EQ(rec.leftMargin, 0);
  EXPECT_EQ(rec.bottomMargin, 0);
  m_profile.WriteProfileString("Printer", "GramTableSettings", "landscape please");
  EXPECT_EQ(LoadPageSettings(&rec, 1, 0), 0);
  PageSettingsRec landscape;
  EXPECT_TRUE(Same(rec, *SetDefaultPageSettings(&landscape, 1)));
}

TEST_F(PageSettingsTest, InitPageSettingsToleratesAMissingRecord) {
  InitPageSettings(nullptr, 1, 0);
  PageSettingsRec rec{9, 9, 9, 9, 9, 9, 9, 9, 9};
  InitPageSettings(&rec, 1, 0);
  EXPECT_EQ(rec.orientation, 2);
  EXPECT_EQ(rec.leftMargin, 750);
}

}  // namespace
