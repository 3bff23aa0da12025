#include "lexicon/core/LookupColumns.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

struct ColumnDefault {
  const char* title;
  int width;
};
const ColumnDefault kWordColumns[kWordColumnCount] = {
    {"Word", 100},  {"Gram", 60},  {"Root/Entry", 50}, {"Suffix", 50}, {"Sing/Pl", 50},
    {"Gender", 50}, {"Binyan", 50}, {"Tense", 60},     {"Person", 50}, {"Misc", 150}};
const ColumnDefault kDefinitionColumns[kDefinitionColumnCount] = {
    {"Word", 100}, {"Gram", 60}, {"Root/Entry", 50}, {"Gender", 50}, {"Binyan", 50},
    {"Definition", 200}};

const char* const kModeKeys[kLookupModeCount] = {"DBList", "DBWords", "DBDefin"};

// Stored widths outside [kMinWidth, kMaxWidth) are not the user's.
constexpr int kMinWidth = 1;
constexpr int kMaxWidth = 500;
constexpr char kWidthSeparator = '|';

// A fitted text keeps this many pixels of the cell free.
constexpr int kFitMargin = 4;
const char* const kEllipsis = "...";

const ColumnDefault* Columns(int mode) {
  return mode == kLookupKeywordList ? kDefinitionColumns : kWordColumns;
}

}  // namespace

const char* LookupModeKey(int mode) {
  return mode >= 0 && mode < kLookupModeCount ? kModeKeys[mode] : kModeKeys[0];
}

int LookupColumnCount(int mode) {
  return mode == kLookupKeywordList ? static_cast<int>(kDefinitionColumnCount)
                                    : static_cast<int>(kWordColumnCount);
}

const char* LookupColumnTitle(int mode, int column) { return Columns(mode)[column].title; }

int DefaultColumnWidth(int mode, int column) { return Columns(mode)[column].width; }

void ParseColumnWidths(int mode, LPCSTR stored, int* widths) {
  const int count = LookupColumnCount(mode);
  const auto useDefaults = [&] {
    for (int i = 0; i < count; ++i) widths[i] = DefaultColumnWidth(mode, i);
  };
  if (stored == nullptr || *stored == 0) return useDefaults();
  const char* at = stored;
  for (int i = 0; i < count && *at != 0; ++i) {
    const int width = std::atoi(at);
    if (width < kMinWidth || width >= kMaxWidth) return useDefaults();
    widths[i] = width;
    while (*at != 0 && *at != kWidthSeparator) ++at;
    if (*at == kWidthSeparator) ++at;
  }
}

std::string FormatColumnWidths(const int* widths, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(widths[i]) + kWidthSeparator;
  return text;
}

std::string FitTextWithEllipsis(const std::string& text, int cellWidth,
                                const TextMeasurer& measurer) {
  const int room = cellWidth - kFitMargin;
  if (measurer.Width(text) <= room) return text;
  for (size_t keep = text.size(); keep-- > 1;) {
    std::string shortened = text.substr(0, keep) + kEllipsis;
    if (measurer.Width(shortened) <= room) return shortened;
  }
  return std::string();
}

POINT FittedTextOrigin(const RECT& cell, SIZE text, int alignment) {
  const LONG width = cell.right - cell.left;
  const LONG freeHeight = cell.bottom - cell.top - text.cy;
  LONG x = 1;
  if (alignment == kFitRight) x = std::max<LONG>(width - text.cx - 1, 1);
  if (alignment == kFitCentre) x = std::max<LONG>((width - text.cx) / 2, 1);
  POINT origin;
  origin.x = cell.left + x;
  origin.y = cell.top + std::max<LONG>(freeHeight / 2, 1);
  return origin;
}
