#include "editor/core/RtfPreviewLayout.h"

#include <algorithm>

#include "editor/core/EdMulDiv.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/SortedStrings.h"

namespace {

// Word space is given in quarter points, scaled to the blank's font.
constexpr int kQuarterPointsPerPoint = 4;

bool IsWidenedBlank(BYTE c) { return c == HebCode::Space || c == HebCode::Tab; }

// A line may break after these.
bool IsBreakAfter(BYTE c) { return IsBlankCode(c) || IsAsciiPunct(c); }

// Places the characters from first up to end side by side from x; returns
// the right edge.
int PlaceFrom(RtfPreviewText& text, const std::vector<int>& widths, int first, int end, int x) {
  for (int i = first; i < end; ++i) {
    RECT& cell = text.Box(i).cell;
    cell.left = x;
    cell.right = x += widths[i];
  }
  return x;
}

// Hebrew in the program's fonts reads right to left: a run of such
// characters (with the blanks between them) takes its place on the line in
// mirror order, the rest of the line staying left to right.
bool IsHebrewChar(const RtfPreviewText& text, int i) {
  return !IsBlankCode(text.GetChar(i)) &&
         IsProgramHebrewFont(text.GetCharFont(text.GetAttr(i)).face);
}

void MirrorHebrewRuns(RtfPreviewText& text, int first, int end) {
  int i = first;
  while (i < end) {
    if (!IsHebrewChar(text, i)) {
      ++i;
      continue;
    }
    int last = i;  // the run's last Hebrew character
    for (int j = i + 1; j < end; ++j) {
      if (IsHebrewChar(text, j))
        last = j;
      else if (!IsBlankCode(text.GetChar(j)))
        break;
    }
    const LONG edges = text.Box(i).cell.left + text.Box(last).cell.right;
    for (int j = i; j <= last; ++j) {
      PreviewCharBox& box = text.Box(j);
      const LONG left = edges - box.cell.right;
      box.cell.right = box.glyph.right = edges - box.cell.left;
      box.cell.left = box.glyph.left = left;
    }
    i = last + 1;
  }
}

void OffsetBoxes(RtfPreviewText& text, int dx, int dy) {
  for (int i = 1; i < text.GetCount(); ++i) {
    for (RECT* r : {&text.Box(i).cell, &text.Box(i).glyph}) {
      r->left += dx;
      r->right += dx;
      r->top += dy;
      r->bottom += dy;
    }
  }
}

}  // namespace

void LayoutRtfPreview(RtfPreviewText& text, const IDocMetrics& metrics, SIZE client,
                      DWORD extraWordSpace) {
  const int count = text.GetCount();
  std::vector<LONG>& lineStarts = text.LineStarts();
  lineStarts.assign(1, 1);
  if (count == 0) return;
  text.Box(0) = PreviewCharBox{{kPreviewMargin, kPreviewMargin, kPreviewMargin, kPreviewMargin},
                               {kPreviewMargin, kPreviewMargin, kPreviewMargin, kPreviewMargin}};

  // Measure and place each character, breaking lines where they reach the edge.
  std::vector<int> widths(count, 0);
  std::vector<DocCharMetrics> measures(count);
  int x = kPreviewMargin;
  for (int i = 1; i < count; ++i) {
    const BYTE c = text.GetChar(i);
    const PreviewFont font = text.GetCharFont(text.GetAttr(i));
    DocCharMetrics m = metrics.MeasureChar(font.face, font.pointSize, font.style,
                                           c == HebCode::Tab ? HebCode::Space : c, 0);
    if (IsWidenedBlank(c) && extraWordSpace != 0 && font.pointSize != 0)
      m.width += EdMulDiv(m.height, static_cast<int>(extraWordSpace),
                          font.pointSize * kQuarterPointsPerPoint);
    if (c == HebCode::CarriageReturn) m.width = 0;
    measures[i] = m;
    widths[i] = m.width;

    bool endsLine = c == HebCode::CarriageReturn;
    // Each break moves the line start on, so this ends.
    while (x + widths[i] > client.cx && i > lineStarts.back()) {
      if (IsBlankCode(c)) {  // a blank at the edge ends its line, taking no room
        widths[i] = 0;
        endsLine = true;
        break;
      }
      int breakAt = i;
      for (int j = i - 1; j >= lineStarts.back(); --j) {
        if (IsBreakAfter(text.GetChar(j))) {
          breakAt = j + 1;
          break;
        }
      }
      lineStarts.push_back(breakAt);
      x = PlaceFrom(text, widths, breakAt, i, kPreviewMargin);
    }
    x = PlaceFrom(text, widths, i, i + 1, x);
    if (endsLine) {
      lineStarts.push_back(i + 1);
      x = kPreviewMargin;
    }
  }

  // Stack the lines: each as tall as its tallest character, on whose
  // baseline every character of the line stands.
  int top = kPreviewMargin;
  int widest = kPreviewMargin;
  for (size_t line = 0; line < lineStarts.size(); ++line) {
    const int first = lineStarts[line];
    const int end = line + 1 < lineStarts.size() ? lineStarts[line + 1] : count;
    int tallest = -1;
    for (int i = first; i < end; ++i)
      if (tallest < 0 || measures[i].height > measures[tallest].height) tallest = i;
    if (tallest < 0) continue;  // nothing after a final line end
    const int height = measures[tallest].height;
    const int baseline = top + measures[tallest].ascent;
    for (int i = first; i < end; ++i) {
      PreviewCharBox& box = text.Box(i);
      box.cell.top = top;
      box.cell.bottom = top + height;
      box.glyph.left = box.cell.left;
      box.glyph.right = box.cell.right;
      box.glyph.top = baseline - measures[i].ascent;
      box.glyph.bottom = box.glyph.top + measures[i].height;
      // The blank a line was broken after takes no part in its width.
      if (!IsBlankCode(text.GetChar(i)))
        widest = std::max(widest, static_cast<int>(box.cell.right));
    }
    MirrorHebrewRuns(text, first, end);
    top += height;
  }

  // Centre the block, with the margin kept on both sides.
  const int bottom = count > 1 ? static_cast<int>(text.Box(count - 1).cell.bottom) : top;
  const int dx = std::max(0, (static_cast<int>(client.cx) - widest - kPreviewMargin) / 2);
  const int dy = std::max(0, (static_cast<int>(client.cy) - bottom - kPreviewMargin) / 2);
  OffsetBoxes(text, dx, dy);
}
