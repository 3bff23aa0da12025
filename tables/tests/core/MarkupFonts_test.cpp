#include "tables/core/MarkupFonts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MarkupFonts, HeightScalesBySizeThenByResolution) {
  struct Case {
    int size, dpi, height;
  };
  const Case cases[] = {
      {100, 96, 16},  {150, 96, 24}, {100, 120, 20},
      {75, 144, 18},  {33, 96, 5},  // 5.28 pixels at 96 dots per inch
      {125, 100, 21},               // 20 pixels, then 20.83
      {103, 96, 16},                // 16.48 rounds down before the resolution step
      {110, 120, 23},               // 17.6 rounds to 18, then 22.5 rounds up
  };
  for (const Case& c : cases)
    EXPECT_EQ(MarkupFontHeight(c.size, c.dpi), c.height) << c.size << " " << c.dpi;
}

TEST(MarkupFonts, FontNumbersNameFacesAndHebrew) {
  struct Case {
    LONG font;
    const char* face;  // null: the stock font
    bool hebrew;
  };
  const Case cases[] = {{0, nullptr, false},
                        {1, "Arial", false},
                        {2, "Times New Roman", false},
                        {3, "Courier New", false},
                        {4, "MS Sans Serif", false},
                        {5, "Pomlar Sephardi 2", false},
                        {6, "Pomlar Sephardi 2", true},
                        {7, nullptr, false}};
  for (const Case& c : cases) {
    TableMarkupCell cell;
    cell.font = c.font;
    cell.size = 150;
    cell.bold = 1;
    cell.italic = 0;
    const MarkupFontChoice font = MarkupFontFor(cell, 96);
    EXPECT_EQ(font.stock, c.face == nullptr) << c.font;
    EXPECT_EQ(font.hebrew, c.hebrew) << c.font;
    if (!c.face) continue;
    EXPECT_EQ(std::string(font.face), c.face) << c.font;
    EXPECT_EQ(font.height, 24) << c.font;
    EXPECT_EQ(font.weight, kMarkupBoldWeight) << c.font;
    EXPECT_FALSE(font.italic) << c.font;
  }
  TableMarkupCell italic;
  italic.font = 1;
  italic.size = 100;
  italic.bold = 0;
  italic.italic = 1;
  const MarkupFontChoice font = MarkupFontFor(italic, 192);
  EXPECT_EQ(font.weight, kMarkupNormalWeight);
  EXPECT_TRUE(font.italic);
  EXPECT_EQ(font.height, 32);
}

}  // namespace
