#include "tables/core/GrammarPrintLayout.h"

#include <algorithm>

namespace {

constexpr int kLandscape = 2;
constexpr int kMillimetreUnit = 2;
constexpr int kThousandthsPerInch = 1000;
constexpr int kTenthMillimetresPerInch = 254;

int ToDots(int value, int unitsPerInch, int dpi) {
  return static_cast<int>(static_cast<long long>(value) * dpi / unitsPerInch);
}

}  // namespace

GrammarPrintLayout ComputeGrammarPrintLayout(const PageSettingsRec& settings,
                                             const PrinterPage& printer, int viewWidth,
                                             int viewHeight) {
  GrammarPrintLayout layout;
  bool landscape = settings.orientation == kLandscape;
  int paperWidth = landscape ? settings.length : settings.width;
  int paperLength = landscape ? settings.width : settings.length;
  int perInch = settings.unit == kMillimetreUnit ? kTenthMillimetresPerInch : kThousandthsPerInch;
  int pageWidth = ToDots(paperWidth, perInch, printer.dpiX);
  int pageHeight = ToDots(paperLength, perInch, printer.dpiY);
  // Margins measured from the printable area's edges; none below 0.
  int left = std::max(0, ToDots(settings.leftMargin, perInch, printer.dpiX) - printer.offsetX);
  int top = std::max(0, ToDots(settings.topMargin, perInch, printer.dpiY) - printer.offsetY);
  int rightEdge = pageWidth - printer.offsetX - printer.printableWidth;
  int bottomEdge = pageHeight - printer.offsetY - printer.printableHeight;
  int right = std::max(0, ToDots(settings.rightMargin, perInch, printer.dpiX) - rightEdge);
  int bottom = std::max(0, ToDots(settings.bottomMargin, perInch, printer.dpiY) - bottomEdge);
  layout.printable = {left, top, printer.printableWidth - right, printer.printableHeight - bottom};
  int width = layout.printable.right - layout.printable.left;
  int height = layout.printable.bottom - layout.printable.top;
  if (viewWidth <= 0 || viewHeight <= 0 || width <= 0 || height <= 0) return layout;
  layout.scale =
      std::min(static_cast<double>(width) / viewWidth, static_cast<double>(height) / viewHeight);
  return layout;
}
