// How the number view lays out the Hebrew words of a cell: the font, the
// line breaks and where each line stands. The device work (fonts, text
// widths) is the measurer's, so the rules are the same on the screen and
// the printer and testable without either.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

// The three Hebrew fonts of the view, largest first.
enum NumberFont { kNumberFontLarge = 0, kNumberFontMedium = 1, kNumberFontSmall = 2 };

class NumberTextMeasurer {
 public:
  // The drawn width of length bytes of pointed text in the font.
  virtual int Width(const char* text, int length, NumberFont font) = 0;
  virtual int LineHeight(NumberFont font) = 0;

 protected:
  ~NumberTextMeasurer() = default;
};

struct NumberTextLine {
  int start;       // byte offset in the cell text
  int length;      // bytes, without the blank that ends the line
  int width;       // in the layout's font
  POINT rightTop;  // the line's right edge and top
};

struct NumberCellLayout {
  NumberFont font;
  std::vector<NumberTextLine> lines;
};

// Lays out the cell text in its rectangle. reserved is the width kept for
// the figures on the first line's right (0 for the single-mode cell);
// sequence cells start at the medium font, the single-mode cell at the
// large one. An empty text has no lines.
NumberCellLayout LayOutNumberCell(const std::string& text, RECT cell, int reserved,
                                  bool sequenceCell, NumberTextMeasurer& measurer);
