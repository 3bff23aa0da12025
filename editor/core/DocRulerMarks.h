// The marks on the rulers of a page: where the page and its margins end, the
// stretch between the margins, the tab stops, and the page number in the
// corner. Coordinates are pixels of the ruler strip, from the paper's edge.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "editor/core/CPageLayout.h"

// Colours of the rulers.
constexpr COLORREF kRulerBackColor = 0xC0C0C0;
constexpr COLORREF kRulerTextAreaColor = 0x80FFFF;    // between the margins, across
constexpr COLORREF kRulerTextHeightColor = 0xD0D0FF;  // between the margins, down
constexpr COLORREF kRulerMarkColor = 0x000000;
constexpr COLORREF kRulerNumberColor = 0x0000FF;
// The page number's font in the corner.
constexpr int kRulerNumberPointSize = 7;

// What the marks are drawn with.
class IDocRulerDC {
 public:
  virtual void FillRect(const CRect& rect, COLORREF color) = 0;
  // A black line one pixel wide from (x1, y1) up to, not including, (x2, y2).
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void SetPixel(int x, int y, COLORREF color) = 0;

 protected:
  ~IDocRulerDC() = default;
};

// The paper of a layout in screen pixels, landscape turned.
CSize RulerPaperPixels(const CPageLayout& layout, int pixelsPerInchX, int pixelsPerInchY);

// The horizontal ruler of the active side: tab stops from its right margin
// on the Hebrew side, from its left margin otherwise. pageRight is where the
// page ends.
void DrawHorizontalRuler(IDocRulerDC& dc, const CPageLayout& layout, int side, int pageRight,
                         int rulerHeight);
// The vertical ruler: pageBottom is where the page ends.
void DrawVerticalRuler(IDocRulerDC& dc, const CPageLayout& layout, int pageBottom, int rulerWidth);
// A triangle pointing down to (x, pointY), five pixels at its widest.
void DrawTabMarker(IDocRulerDC& dc, int x, int pointY);
// The number shown in the corner of the page at that index.
CString RulerPageNumber(int pageIndex);
// Where the page number of that size starts in the corner square: centred,
// and never closer than a pixel to its top left.
CPoint RulerNumberOrigin(const CRect& square, CSize text);
