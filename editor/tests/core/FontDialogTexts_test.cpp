// The texts behind the font dialogs: style names, when a chosen font changes
// nothing, the Switch Font list's entries and menu text, and its column
// widths in the profile.
#include <gtest/gtest.h>

#include "editor/core/FontChoice.h"
#include "editor/core/FontStyleNames.h"
#include "editor/core/SwitchFontList.h"
#include "editor/tests/core/DocTestSupport.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/Preferences.h"

namespace {

struct StyleCase {
  UINT bits;
  const char* name;
};

TEST(FontStyleNames, EachStyleValueHasItsName) {
  const StyleCase cases[] = {{0, "Regular"},          {1, "Bold"},
                             {2, "Italic"},           {3, "Bold Italic"},
                             {4, "Underline"},        {5, "Bold Underline"},
                             {6, "Italic Underline"}, {7, "Bold Italic Underline"}};
  for (const StyleCase& c : cases) {
    EXPECT_STREQ(StyleIndexToName(c.bits), c.name);
    EXPECT_EQ(StyleNameToIndex(c.name), c.bits);
  }
  EXPECT_STREQ(StyleIndexToName(8 + 2), "Italic") << "only the three style bits count";
}

TEST(FontStyleNames, NamesCompareWithoutCaseAndNoNameIsRegular) {
  const StyleCase cases[] = {
      {3, "bold italic"}, {4, "UNDERLINE"}, {0, "Heavy"}, {0, ""}, {0, "Bold "}};
  for (const StyleCase& c : cases) EXPECT_EQ(StyleNameToIndex(c.name), c.bits) << c.name;
  EXPECT_TRUE(IsFontStyleName("bold"));
  EXPECT_FALSE(IsFontStyleName("Heavy"));
}

struct SameFontCase {
  FontChoice chosen;
  BOOL same;
};

TEST(FontChoice, OnlyAChangedFaceSizeOrStyleIsAChange) {
  const FontChoice current{"Times New Roman", 12, 1};
  const SameFontCase cases[] = {{{"Times New Roman", 12, 1}, TRUE},
                                {{"TIMES new roman", 12, 1}, TRUE},
                                {{"Arial", 12, 1}, FALSE},
                                {{"Times New Roman", 13, 1}, FALSE},
                                {{"Times New Roman", 12, 0}, FALSE}};
  for (const SameFontCase& c : cases)
    EXPECT_EQ(IsSameFont(current, c.chosen), c.same) << c.chosen.face << c.chosen.size;
  EXPECT_TRUE(IsSameFace("arial", "Arial"));
}

struct EntryCase {
  const char* entry;
  const char* face;
  WORD size;
  UINT style;
};

TEST(SwitchFontList, AnEntrySplitsIntoFaceSizeAndStyle) {
  const EntryCase cases[] = {{"Courier New\t 12\tRegular", "Courier New", 12, 0},
                             {"Arial\t  9\tBold Italic", "Arial", 9, 3},
                             {"Pomlar David 2\t100\tunderline", "Pomlar David 2", 100, 4},
                             {"Arial\t 14\tHeavy", "Arial", 14, 0},
                             {"Arial", "Arial", 0, 0}};
  for (const EntryCase& c : cases) {
    CString columns[kSwitchFontColumns];
    SplitSwitchFontEntry(c.entry, columns);
    const FontChoice font = ReadSwitchFontEntry(columns);
    EXPECT_STREQ(font.face, c.face) << c.entry;
    EXPECT_EQ(font.size, c.size) << c.entry;
    EXPECT_EQ(font.style, c.style) << c.entry;
  }
}

CharAttr WithFont(CharAttr attr, WORD index) {
  return SetAttrField(attr, CharAttrBits::kFontShift, CharAttrBits::kFontMask, index);
}

TEST(SwitchFontList, TheOnlyOtherFontNamesTheMenuItem) {
  TestDoc doc;
  doc.model.SetFontListSide(0);
  doc.Load(0, "abc");
  std::vector<DocCharNode*> chars = SideChars(doc.model, 0);
  chars[3]->attributes = WithFont(chars[3]->attributes, doc.model.FindOrAddFontName(0, "Courier"));
  doc.model.Side(0).caret = chars[1];
  CStringArray names;
  CDWordArray keys;
  DWORD key = 0;
  int index = 0;
  ASSERT_EQ(doc.model.ListUsedFonts(names, keys, key, index, FALSE), 1);
  EXPECT_STREQ(SwitchFontMenuText(names[0]), "S&witch Font to Courier   12  Regular\tCtrl+Shift+F");
  EXPECT_STREQ(SwitchFontMenuText(nullptr), "S&witch Font..\tCtrl+Shift+F");
}

struct WidthsCase {
  const char* text;
  int widths[kSwitchFontColumns];
};

TEST(SwitchFontList, StoredWidthsAreReadInOrderWithinTheirBounds) {
  const WidthsCase cases[] = {
      {"", {10, 20, 30}},
      {"200|40|100|", {200, 40, 100}},
      {"200|", {200, 20, 30}},
      {"200|40", {200, 40, 30}},
      {"1|499|7|", {1, 499, 7}},
      {"500|40|100|", {162, 32, 120}},
      {"200|0|100|", {162, 32, 120}},
      {"200|40|-3|", {162, 32, 120}},
      {"wide|40|100|", {162, 32, 120}},
      {"200|40|100|900|", {200, 40, 100}},
  };
  for (const WidthsCase& c : cases) {
    SwitchFontColumnWidths widths;
    widths.widths[0] = 10;
    widths.widths[1] = 20;
    widths.widths[2] = 30;
    ParseSwitchFontColumnWidths(c.text, widths);
    for (int i = 0; i < kSwitchFontColumns; i++)
      EXPECT_EQ(widths.widths[i], c.widths[i]) << c.text << " column " << i;
  }
}

TEST(SwitchFontList, WidthsGoToThePreferencesAndBack) {
  MemoryProfileStore profile;
  SetPreferenceStore(&profile);
  SwitchFontColumnWidths widths;
  LoadSwitchFontColumnWidths(widths);
  EXPECT_EQ(widths.widths[0], 162) << "the defaults without an entry";
  widths.widths[1] = 45;
  SaveSwitchFontColumnWidths(widths);
  EXPECT_STREQ(profile.GetProfileString("Preferences", "SwitchFontColumnWidths", ""),
               "162|45|120|");
  SwitchFontColumnWidths read;
  LoadSwitchFontColumnWidths(read);
  EXPECT_EQ(read.widths[1], 45);
  SetPreferenceStore(nullptr);
}

}  // namespace
