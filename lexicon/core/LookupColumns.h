// The lookup list's columns: titles and default widths of each mode, the
// stored width strings ("100|60|...|"), and fitting a text into a cell with
// an ellipsis by an injected measurer.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"
#include "lexicon/core/LookupRowDescription.h"

// The list's sources.
enum LookupMode { kLookupHebrewList = 0, kLookupSearchResults = 1, kLookupKeywordList = 2 };
constexpr int kLookupModeCount = 3;

// The profile key part of each mode ("DBList", "DBWords", "DBDefin").
const char* LookupModeKey(int mode);
// The number of columns of the mode, and their titles.
int LookupColumnCount(int mode);
const char* LookupColumnTitle(int mode, int column);
// The default width of the mode's column in pixels.
int DefaultColumnWidth(int mode, int column);

// Reads the stored string into widths (LookupColumnCount(mode) of them): at
// most that many values, each up to the next '|'. An empty or missing
// string, or any value below 1 or of 500 or more, gives the defaults; a
// string that ends early leaves the remaining widths as they were.
void ParseColumnWidths(int mode, LPCSTR stored, int* widths);
// Every width followed by '|'.
std::string FormatColumnWidths(const int* widths, int count);

// Measures a text's width in pixels.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual int Width(const std::string& text) const = 0;
};

// The text as it fits a cell: whole when its width is at most the cell's
// less a margin, else as many of its first characters as fit followed by
// "...", or nothing when not even one does.
std::string FitTextWithEllipsis(const std::string& text, int cellWidth, const TextMeasurer& measurer);

enum FittedAlignment { kFitLeft = 0, kFitRight = 2, kFitCentre = 6 };
// Where a text of the size is drawn in the cell.
POINT FittedTextOrigin(const RECT& cell, SIZE text, int alignment);
