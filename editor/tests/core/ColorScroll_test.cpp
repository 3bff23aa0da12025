// The colour dialog's scroll bars and fields: where each scroll code moves a
// bar, which field texts a bar follows, and the palette's texts.
#include "editor/core/ColorScroll.h"

#include <gtest/gtest.h>

namespace color_scroll {

struct ScrollCase {
  UINT code;
  int current;
  int thumb;
  BOOL moves;
  int value;
};

TEST(ColorScroll, EachCodeMovesTheBarWithinItsRange) {
  constexpr UINT kEndScroll = 8;
  const ScrollCase cases[] = {
      {kRgbLineLeft, 100, 0, TRUE, 99},      {kRgbLineLeft, 0, 0, FALSE, 0},
      {kRgbLineRight, 100, 0, TRUE, 101},    {kRgbLineRight, 255, 0, FALSE, 0},
      {kRgbPageLeft, 100, 0, TRUE, 84},      {kRgbPageLeft, 5, 0, TRUE, 0},
      {kRgbPageLeft, 0, 0, FALSE, 0},        {kRgbPageRight, 250, 0, TRUE, 255},
      {kRgbPageRight, 255, 0, FALSE, 0},     {kRgbPageRight, 16, 0, TRUE, 32},
      {kRgbThumbPosition, 3, 77, TRUE, 77},  {kRgbThumbTrack, 3, 200, TRUE, 200},
      {kRgbLeftEnd, 140, 0, TRUE, 0},        {kRgbRightEnd, 140, 0, TRUE, 255},
      {kEndScroll, 140, 0, FALSE, 0},
  };
  for (const ScrollCase& c : cases) {
    int value = -1;
    EXPECT_EQ(RgbScrollValue(c.code, c.current, c.thumb, value), c.moves)
        << "code " << c.code << " at " << c.current;
    if (c.moves) {
      EXPECT_EQ(value, c.value) << "code " << c.code << " at " << c.current;
    }
  }
}

TEST(ColorScroll, FieldsAreReadCutToEightBitsAndFollowedOnlyWithin0To255) {
  EXPECT_EQ(RgbFieldValue("  7"), 7);
  EXPECT_EQ(RgbFieldValue("255"), 255);
  EXPECT_EQ(RgbFieldValue("256"), 0);
  EXPECT_EQ(RgbFieldValue("300"), 44);
  EXPECT_EQ(RgbFieldValue(""), 0);
  // Only the first ten characters count.
  EXPECT_EQ(RgbFieldValue("00000000012"), 1);

  struct ParseCase {
    const char* text;
    BOOL valid;
    int value;
  };
  const ParseCase cases[] = {
      {"  0", TRUE, 0}, {"255", TRUE, 255}, {" 12 ", TRUE, 12}, {"256", FALSE, 0},
      {"", FALSE, 0},   {"   ", FALSE, 0},  {"1a", FALSE, 0},   {"-1", FALSE, 0},
      {"99999999999", FALSE, 0},
  };
  for (const ParseCase& c : cases) {
    int value = -1;
    EXPECT_EQ(ParseRgbField(c.text, value), c.valid) << '"' << c.text << '"';
    if (c.valid) {
      EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
  }
  EXPECT_STREQ(FormatRgbField(0), "  0");
  EXPECT_STREQ(FormatRgbField(42), " 42");
  EXPECT_STREQ(FormatRgbField(255), "255");
}

TEST(ColorScroll, PaletteTextsGiveRedGreenAndBlue) {
  COLORREF color = 0;
  ASSERT_TRUE(ParsePaletteColor("255 128 192", color));
  EXPECT_EQ(color, RGB(255, 128, 192));
  ASSERT_TRUE(ParsePaletteColor("0 0 0", color));
  EXPECT_EQ(color, RGB(0, 0, 0));
  for (const char* bad : {"", "1 2", "1 2 3 4", "256 0 0", "0 -1 0", "red"})
    EXPECT_FALSE(ParsePaletteColor(bad, color)) << bad;
}

}  // namespace color_scroll
