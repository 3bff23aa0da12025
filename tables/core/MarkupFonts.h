// The fonts of mark-up cells: which face each "{Fn}" number names and the
// logical font a cell asks for.
#pragma once

#include "tables/core/TableMarkup.h"

constexpr int kFaceNameCount = 5;
// "MS Sans Serif", "Arial", "Courier New", "Times New Roman" and the
// program's Hebrew face, shared with the rest of the program.
extern const char* const g_faceNames[kFaceNameCount];

constexpr int kMarkupNormalWeight = 400;
constexpr int kMarkupBoldWeight = 700;

struct MarkupFontChoice {
  bool stock = true;    // font 0 (or an unknown number): the stock system font
  bool hebrew = false;  // font 6: drawn as pointed Hebrew, right to left
  const char* face = nullptr;
  int height = 0;  // positive: a cell height in pixels
  int weight = kMarkupNormalWeight;
  bool italic = false;
};

// 16 pixels scaled by the size percent, then by dpiY / 96, each step a
// rounded multiply-then-divide.
int MarkupFontHeight(int sizePercent, int dpiY);

MarkupFontChoice MarkupFontFor(const TableMarkupCell& cell, int dpiY);
