#include "editor/core/DocRulerMarks.h"

#include <algorithm>

#include "editor/core/EdMulDiv.h"

namespace {

constexpr int kTabPointAboveBottom = 2;  // the marker's point above the strip's bottom
constexpr int kTabMarkerRows = 3;
constexpr int kNumberInset = 1;

}  // namespace

CSize RulerPaperPixels(const CPageLayout& layout, int pixelsPerInchX, int pixelsPerInchY) {
  int width = layout.settings.width, length = layout.settings.length;
  if (layout.IsLandscape()) std::swap(width, length);
  int units = layout.UnitsPerInch();
  return CSize(EdMulDiv(width, pixelsPerInchX, units), EdMulDiv(length, pixelsPerInchY, units));
}

void DrawTabMarker(IDocRulerDC& dc, int x, int pointY) {
  for (int row = 0; row < kTabMarkerRows; row++)
    for (int dx = -row; dx <= row; dx++) dc.SetPixel(x + dx, pointY - row, kRulerMarkColor);
}

void DrawHorizontalRuler(IDocRulerDC& dc, const CPageLayout& layout, int side, int pageRight,
                         int rulerHeight) {
  const CRect& text = layout.textRect;
  // A rectangle rather than a flood fill, which would run out of the
  // margins wherever the scale leaves a gap.
  dc.FillRect(CRect(text.left + 1, 0, text.right, rulerHeight), kRulerTextAreaColor);
  for (int x : {pageRight, static_cast<int>(text.left), static_cast<int>(text.right)})
    dc.Line(x, 0, x, rulerHeight);
  bool rightToLeft = side == 1;
  for (int i = 0; i < layout.pixelTabStops.GetSize(); i++) {
    int tab = static_cast<int>(layout.pixelTabStops[i]);
    DrawTabMarker(dc, rightToLeft ? text.right - tab : text.left + tab,
                  rulerHeight - 1 - kTabPointAboveBottom);
  }
}

void DrawVerticalRuler(IDocRulerDC& dc, const CPageLayout& layout, int pageBottom, int rulerWidth) {
  const CRect& text = layout.textRect;
  dc.FillRect(CRect(0, text.top + 1, rulerWidth, text.bottom), kRulerTextHeightColor);
  for (int y : {pageBottom, static_cast<int>(text.top), static_cast<int>(text.bottom)})
    dc.Line(0, y, rulerWidth, y);
}

CString RulerPageNumber(int pageIndex) {
  CString text;
  text.Format("%d", pageIndex + 1);
  return text;
}

CPoint RulerNumberOrigin(const CRect& square, CSize text) {
  return CPoint(square.left + std::max<int>(kNumberInset, (square.Width() - text.cx) / 2),
                square.top + std::max<int>(kNumberInset, (square.Height() - text.cy) / 2));
}
