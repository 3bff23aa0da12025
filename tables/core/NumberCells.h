// The number view's twelve cells: ten sequence cells, the Hebrew words and
// the English words of single mode. The view draws them itself; this holds
// what they say, which of them count in each mode and how Ctrl+G walks them.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

constexpr int kSequenceCells = 10;
constexpr int kHebrewWordsCell = 10;
constexpr int kEnglishWordsCell = 11;
constexpr int kNumberCells = 12;
// Room for the longest spelling of a twelve-digit number with its zero;
// longer spellings are cut, never written past it.
constexpr int kNumberCellTextSize = 512;

struct NumberCell {
  RECT rect;
  DWORD selected;
  char text[kNumberCellTextSize];  // pointed Hebrew or English words
};

struct NumberWording {
  int ordinal;   // 0 cardinal, 1 ordinal
  int feminine;  // 0 masculine, 1 feminine
};

// The cell's text := the value in words, blanks trimmed; empty for a value
// the words do not cover.
void SpellNumberCell(NumberCell& cell, double value, int language, NumberWording wording);

// Single mode: the English and the Hebrew words of the digits, both emptied
// when there are none.
void UpdateSingleCells(NumberCell* cells, const std::string& digits, NumberWording wording);

// Sequence mode: ten numbers from the digits' value by interval, in Hebrew;
// values[i] the number of cell i. No digits empties the cells and keeps the
// values.
void UpdateSequenceCells(NumberCell* cells, LONG* values, const std::string& digits, LONG interval,
                         NumberWording wording);

struct NumberCellRange {
  int first;
  int count;
};

// The cells a mode draws and answers for (sequence: 0-9; single: both word
// cells) and those a click can select (single: the Hebrew words only).
NumberCellRange ShownNumberCells(bool sequence);
NumberCellRange ClickableNumberCells(bool sequence);

// The cell Ctrl+G selects: in sequence mode the one after selected (0 when
// none or the last is), in single mode the Hebrew words.
int NextNumberCell(int selected, bool sequence);

// The clickable cell of the mode whose rectangle holds the point, -1 when
// none.
int HitTestNumberCells(const NumberCell* cells, bool sequence, POINT point);

// The selected cell among those of the mode, -1 when none.
int SelectedNumberCell(const NumberCell* cells, bool sequence);
