#include "tables/core/MarkupFonts.h"

#include "classlib/core/MulDivRounded.h"

const char* const g_faceNames[kFaceNameCount] = {"MS Sans Serif", "Arial", "Courier New",
                                                 "Times New Roman", "Pomlar Sephardi 2"};

namespace {

constexpr int kBaseHeight = 16;  // pixels at 100 percent and 96 dots per inch
constexpr int kPercent = 100;
constexpr int kBaseDpi = 96;

// The face of each font number 1..6, as an index of g_faceNames.
constexpr int kFaceOfFont[kMarkupLastFont + 1] = {-1, 1, 3, 2, 0, 4, 4};

}  // namespace

int MarkupFontHeight(int sizePercent, int dpiY) {
  return MulDivRounded(MulDivRounded(kBaseHeight, sizePercent, kPercent), dpiY, kBaseDpi);
}

MarkupFontChoice MarkupFontFor(const TableMarkupCell& cell, int dpiY) {
  MarkupFontChoice font;
  if (cell.font <= kMarkupStockFont || cell.font > kMarkupLastFont) return font;
  font.stock = false;
  font.hebrew = cell.font == kMarkupHebrewFont;
  font.face = g_faceNames[kFaceOfFont[cell.font]];
  font.height = MarkupFontHeight(cell.size, dpiY);
  font.weight = cell.bold == 1 ? kMarkupBoldWeight : kMarkupNormalWeight;
  font.italic = cell.italic == 1;
  return font;
}
