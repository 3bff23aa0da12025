// The brace-tag mark-up of the grammar tables' small formatted blocks (hover
// tips, table headings): "{T255,0,0}" colours the text red, "{C}" centres,
// "{F6}" switches to pointed Hebrew, "{2R}" puts what follows right-aligned in
// column 2. Parsing turns a text into cells, one per word with the spaces
// after it; measuring (TableMarkupLayout.h) sizes and places them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

constexpr LONG kMarkupUnset = -1;                     // a cell field no tag has set yet
constexpr COLORREF kMarkupNoBackground = 0x0FFFFFFF;  // "{B|}": no fill
constexpr COLORREF kMarkupWhite = 0xFFFFFF;
constexpr COLORREF kMarkupBlack = 0;

// Font numbers of "{Fn}": 0 the stock system font, 6 pointed Hebrew.
constexpr int kMarkupStockFont = 0;
constexpr int kMarkupHebrewFont = 6;
constexpr int kMarkupLastFont = 6;
constexpr int kMarkupDefaultSize = 100;  // percent of the base size

enum MarkupAlignment : LONG { kMarkupCentre = 0, kMarkupLeft = 1, kMarkupRight = 2 };

// The parser's and measurer's fixed limits. A longer tag is ignored, a
// longer word is cut, text past the last row is dropped, and a column tag
// outside 1..kMarkupColumns is ignored.
constexpr int kMarkupColumns = 10;
constexpr int kMarkupMaxRows = 99;
constexpr int kMarkupMaxTagLength = 49;
constexpr int kMarkupMaxWordLength = 511;

struct TableMarkupCell {
  LONG background = kMarkupUnset;  // a colour, or kMarkupNoBackground
  LONG textColor = kMarkupUnset;
  std::string text;  // the word with the blanks after it
  LONG font = kMarkupUnset;
  LONG size = kMarkupUnset;  // percent
  LONG bold = kMarkupUnset;
  LONG italic = kMarkupUnset;
  LONG column = 0;                // 0 flowing text, else 1..kMarkupColumns
  LONG groupWidth = 0;            // widths of the run of this row's cells in this column
  LONG freeWidth = 0;             // widths of this row's column-0 cells
  LONG alignment = kMarkupUnset;  // a MarkupAlignment
  LONG width = 0;
  LONG height = 0;
  LONG sequence = 0;  // 1-based, in text order
  LONG row = 0;       // 1-based
};

struct TableMarkupHeader {
  LONG cellCount = 0;
  LONG rowCount = 0;
  RECT bounds = {};                      // left and top 0; right and bottom are the measured size
  LONG columnLeft[kMarkupColumns] = {};  // of columns 1..10
  LONG columnRight[kMarkupColumns] = {};
  LONG rowEdge[kMarkupMaxRows + 1] = {};  // edge r is the bottom of row r
  std::vector<TableMarkupCell> cells;     // cellCount of them
};

using TableMarkupHandle = std::unique_ptr<TableMarkupHeader>;

// Null when the text holds no "{" (it is then plain text, not mark-up). The
// caller's text is never changed. Scanning stops at a "{" without its "}".
TableMarkupHandle ParseTableMarkup(LPCSTR text);

// Frees the table and leaves the handle null.
void FreeTableMarkup(TableMarkupHandle& table);
