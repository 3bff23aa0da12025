#include "tables/core/NumberCellLayout.h"

#include <algorithm>

namespace {

// The room kept free within the cell's width, shared by both sides.
constexpr int kCellPadding = 6;
// The gap between the first line and the figures.
constexpr int kFiguresGap = 2;
constexpr size_t kMostLinesBeforeSmallest = 3;

bool IsLineBlank(char c) { return c == '\t' || c == '\f' || c == '\r' || c == ' '; }

// Breaks the text into lines no wider than the limit where a blank allows:
// a line ends at the last blank before the width from its start reaches
// the limit (the first line's limit is narrower by reserved). A word wider
// than the limit stands alone on its line.
std::vector<NumberTextLine> BreakLines(const std::string& text, int limit, int reserved,
                                       NumberFont font, NumberTextMeasurer& measurer) {
  std::vector<NumberTextLine> lines;
  const int size = static_cast<int>(text.size());
  int start = 0;
  while (start < size) {
    const int lineLimit = lines.empty() ? limit - reserved : limit;
    int end = -1;  // the end of the line so far: a blank that still fits
    for (int i = start; i <= size; ++i) {
      if (i < size && !IsLineBlank(text[i])) continue;
      const int width = measurer.Width(text.data() + start, i - start, font);
      if (width >= lineLimit && end > start) break;
      end = i;
      if (width >= lineLimit) break;
    }
    lines.push_back({start, end - start, 0, {0, 0}});
    start = end + 1;
  }
  return lines;
}

}  // namespace

NumberCellLayout LayOutNumberCell(const std::string& text, RECT cell, int reserved,
                                  bool sequenceCell, NumberTextMeasurer& measurer) {
  const int cellWidth = cell.right - cell.left;
  const int length = static_cast<int>(text.size());
  NumberCellLayout layout{sequenceCell ? kNumberFontMedium : kNumberFontLarge, {}};
  if (text.empty()) return layout;

  if (measurer.Width(text.data(), length, layout.font) <= cellWidth - reserved - kCellPadding) {
    layout.lines.push_back({0, length, 0, {0, 0}});
  } else {
    layout.font = static_cast<NumberFont>(layout.font + 1);
    layout.lines = BreakLines(text, cellWidth - kCellPadding, reserved, layout.font, measurer);
    if (layout.lines.size() > kMostLinesBeforeSmallest) layout.font = kNumberFontSmall;
  }

  const int lineHeight = measurer.LineHeight(layout.font);
  const int count = static_cast<int>(layout.lines.size());
  const int top = cell.top + (cell.bottom - cell.top - count * lineHeight) / 2;
  for (int i = 0; i < count; ++i) {
    NumberTextLine& line = layout.lines[i];
    line.width = measurer.Width(text.data() + line.start, line.length, layout.font);
    line.rightTop.x = cell.right - (cellWidth - line.width - kCellPadding) / 2;
    if (i == 0)
      line.rightTop.x = std::min<LONG>(line.rightTop.x, cell.right - reserved - kFiguresGap);
    line.rightTop.y = top + i * lineHeight;
  }
  return layout;
}
