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

MarkupFontSpec MarkupFontFor(const TableMarkupCell& cell, int dpiY) {
  MarkupFontSpec spec;
  if (cell.font <= kMarkupStockFont || cell.font > kMarkupLastFont) return spec;
  spec.stock = false;
  spec.hebrew = cell.font == kMarkupHebrewFont;
  spec.face = g_faceNames[kFaceOfFont[cell.font]];
  spec.height = MarkupFontHeight(cell.size, dpiY);
  spec.weight = cell.bold == 1 ? kMarkupBoldWeight : kMarkupNormalWeight;
  spec.italic = cell.italic == 1;
  return spec;
}
