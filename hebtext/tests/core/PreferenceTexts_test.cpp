// The text forms of the stored preferences, both ways.
#include "hebtext/core/PreferenceTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(FontText, KeepsWhatTheTextDoesNotGive) {
  struct Case {
    const char* text;
    const char* face;
    WORD size;
    BYTE style;
  } const cases[] = {
      {"Arial", "Pomlar Sephardi 2", 16, 0},  // no '|': all defaults
      {"Arial|20", "Arial", 16, 0},           // one '|': only the face
      {"Arial|20|1", "Arial", 20, 1},
      {"|20|1", "Pomlar Sephardi 2", 20, 1},  // an empty face keeps the default
      {"Arial|big|1", "Arial", 16, 1},        // no size: the default
      {"Arial|-5|2", "Arial", 16, 2},
      {"Arial|99999|2", "Arial", 16, 2},
      {"A face name far too long for any font to have|12|0", "A face name far too long for an", 12,
       0},
  };
  for (const auto& c : cases) {
    EditorFontSpec font{"Pomlar Sephardi 2", 16, 0};
    ParseFontText(c.text, font);
    EXPECT_STREQ(font.face, c.face) << c.text;
    EXPECT_EQ(font.pointSize, c.size) << c.text;
    EXPECT_EQ(font.style, c.style) << c.text;
  }
  EXPECT_STREQ(FormatFontText({"Times New Roman", 14, 3}), "Times New Roman|14|3");
}

TEST(ColorsText, SetsEachColourWhosePartIsThere) {
  const EditorColors defaults{1, 2, 3, 4};
  struct Case {
    const char* text;
    EditorColors expected;
  } const cases[] = {
      {"ff00", {1, 2, 3, 4}},  // no '|': all defaults
      {"ff|", {0xFF, 2, 3, 4}},
      {"ff|80|", {0xFF, 0x80, 3, 4}},
      {"ff|80|c0c0c0|800000", {0xFF, 0x80, 0xC0C0C0, 0x800000}},
      {"ff|80|c0c0c0", {0xFF, 0x80, 3, 4}},  // the selection pair needs a third |
      {"|zz|c0|", {1, 2, 0xC0, 4}},          // parts without a number keep theirs
  };
  for (const auto& c : cases) {
    EditorColors colors = defaults;
    ParseColorsText(c.text, colors);
    EXPECT_EQ(colors.text, c.expected.text) << c.text;
    EXPECT_EQ(colors.background, c.expected.background) << c.text;
    EXPECT_EQ(colors.selectedText, c.expected.selectedText) << c.text;
    EXPECT_EQ(colors.selectionBackground, c.expected.selectionBackground) << c.text;
  }
  EXPECT_STREQ(FormatColorsText({0, 0xFFFFFF, 0xABCDEF, 0x800000}), "0|ffffff|abcdef|800000");
}

TEST(RectText, ReadsFourNumbersMissingOnesAsZero) {
  RECT rect{-1, -1, -1, -1};
  EXPECT_FALSE(ParseRectText("", rect));
  EXPECT_EQ(rect.left, -1);
  EXPECT_TRUE(ParseRectText("100 -20 300", rect));
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.top, -20);
  EXPECT_EQ(rect.right, 300);
  EXPECT_EQ(rect.bottom, 0);
  EXPECT_STREQ(FormatRectText(RECT{-5, 10, 200, 300}), "-5 10 200 300");
}

TEST(TabStopsText, TakesEveryStopEndedByABarAndReplacesTheOldOnes) {
  CDWordArray stops;
  stops.Add(7);
  ParseTabStopsText("500|1500|2000", stops);
  ASSERT_EQ(stops.GetSize(), 2);
  EXPECT_EQ(stops[0], 500u);
  EXPECT_EQ(stops[1], 1500u);
  EXPECT_STREQ(FormatTabStopsText(stops), "500|1500|");
  ParseTabStopsText("500|1500|", stops);  // read twice: no duplicates
  EXPECT_EQ(stops.GetSize(), 2);
  ParseTabStopsText("", stops);
  EXPECT_EQ(stops.GetSize(), 0);
  EXPECT_STREQ(FormatTabStopsText(stops), "");
}

TEST(TranslitWordText, WritesAndReadsTheFieldsInTheirStoredOrder) {
  TranslitWordSettings word;
  word.capitalizeWords = 1;
  word.capitalizeLines = 0;
  word.syllableHyphens = 1;
  word.background = 0xC0FFEE;
  word.extraWordSpacing = 40;
  word.keepNumbers = 1;
  EXPECT_STREQ(FormatTranslitWordText(word), "1 1 c0ffee 40 0 1");
  TranslitWordSettings read;
  ParseTranslitWordText("1 0 ffffff 12", read);
  EXPECT_EQ(read.capitalizeWords, 1u);
  EXPECT_EQ(read.syllableHyphens, 0u);
  EXPECT_EQ(read.background, 0xFFFFFFu);
  EXPECT_EQ(read.extraWordSpacing, 12u);
  EXPECT_EQ(read.capitalizeLines, 0u);  // missing: 0
  EXPECT_EQ(read.keepNumbers, 0u);
  TranslitWordSettings kept;
  ParseTranslitWordText("", kept);
  EXPECT_EQ(kept.capitalizeLines, 1u);
}

TEST(TranslitStyleText, TakesTheFaceAsTheWholeRest) {
  TranslitTextStyle style;
  style.textColor = 0x800000;
  style.style = 3;
  EXPECT_STREQ(FormatTranslitStyleText(style), "0 800000 ffffffff 14 3 Times New Roman");
  TranslitTextStyle read;
  ParseTranslitStyleText("1 ff 0 20 4 Courier New", read);
  EXPECT_EQ(read.allUpperCase, 1u);
  EXPECT_EQ(read.textColor, 0xFFu);
  EXPECT_EQ(read.backColor, 0u);
  EXPECT_EQ(read.pointSize, 20);
  EXPECT_EQ(read.style, 4);
  EXPECT_STREQ(read.face, "Courier New");
  ParseTranslitStyleText("0 0 ffffffff 12 0", read);  // no face: the one before stays
  EXPECT_EQ(read.backColor, 0xFFFFFFFFu);
  EXPECT_STREQ(read.face, "Courier New");
}

}  // namespace
