#include "tables/core/NumberCells.h"

#include <algorithm>
#include <limits>

#include "lexicon/core/NumberWords.h"
#include "tables/core/NumberInput.h"

namespace {

constexpr double kLowestValue = std::numeric_limits<LONG>::min();
constexpr double kHighestValue = std::numeric_limits<LONG>::max();

}  // namespace

void SpellNumberCell(NumberCell& cell, double value, int language, NumberWording wording) {
  NumberWordsOptions options;
  options.language = language;
  options.ordinal = wording.ordinal;
  options.feminine = wording.feminine;
  options.cleanUp = 1;
  cell.text[0] = '\0';
  NumberToWords(cell.text, sizeof cell.text, value, options);
}

void UpdateSingleCells(NumberCell* cells, const std::string& digits, NumberWording wording) {
  NumberCell& english = cells[kEnglishWordsCell];
  NumberCell& hebrew = cells[kHebrewWordsCell];
  if (digits.empty()) {
    english.text[0] = hebrew.text[0] = '\0';
    return;
  }
  const double value = DigitsValue(digits);
  SpellNumberCell(english, value, kNumberEnglish, wording);
  SpellNumberCell(hebrew, value, kNumberHebrew, wording);
}

void UpdateSequenceCells(NumberCell* cells, LONG* values, const std::string& digits, LONG interval,
                         NumberWording wording) {
  const double start = DigitsValue(digits);
  for (int i = 0; i < kSequenceCells; ++i) {
    if (digits.empty()) {
      cells[i].text[0] = '\0';
      continue;
    }
    const double value = start + static_cast<double>(interval) * i;
    // The view's four digits stay far within a LONG; longer input must not
    // overflow the conversion.
    values[i] = static_cast<LONG>(std::clamp(value, kLowestValue, kHighestValue));
    SpellNumberCell(cells[i], value, kNumberHebrew, wording);
  }
}

NumberCellRange ShownNumberCells(bool sequence) {
  return sequence ? NumberCellRange{0, kSequenceCells} : NumberCellRange{kHebrewWordsCell, 2};
}

NumberCellRange ClickableNumberCells(bool sequence) {
  return sequence ? NumberCellRange{0, kSequenceCells} : NumberCellRange{kHebrewWordsCell, 1};
}

int NextNumberCell(int selected, bool sequence) {
  if (!sequence) return kHebrewWordsCell;
  return selected < 0 || selected >= kSequenceCells - 1 ? 0 : selected + 1;
}

int HitTestNumberCells(const NumberCell* cells, bool sequence, POINT point) {
  const NumberCellRange range = ClickableNumberCells(sequence);
  for (int i = range.first; i < range.first + range.count; ++i) {
    const RECT& r = cells[i].rect;
    if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return i;
  }
  return -1;
}

int SelectedNumberCell(const NumberCell* cells, bool sequence) {
  const NumberCellRange range = ShownNumberCells(sequence);
  for (int i = range.first; i < range.first + range.count; ++i)
    if (cells[i].selected) return i;
  return -1;
}
