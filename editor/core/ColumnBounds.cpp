#include "editor/core/ColumnBounds.h"

#include "editor/core/EdMulDiv.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

constexpr double kMinGutterInches = 0.125;
constexpr double kMinGutterMm = 3.0;
// The narrowest column the bounds leave.
constexpr double kMinColumnInches = 0.5;
constexpr double kMinColumnMm = 1.25;
constexpr double kStepInches = 0.125;
constexpr double kStepMm = 0.5;

constexpr int kPortrait = 1;
constexpr int kPageUnitInches = 1;  // thousandths of an inch
constexpr int kThousandthsPerInch = 1000;
constexpr int kTenthsMmPerInch = 254;
constexpr int kTenthsPerMm = 10;

}  // namespace

ColumnGutterBounds GetColumnGutterBounds(int count, double available, int unit) {
  ColumnGutterBounds bounds;
  const bool inches = unit == kUnitInches;
  bounds.minimum = inches ? kMinGutterInches : kMinGutterMm;
  if (count > 1)
    bounds.maximum =
        (available - count * (inches ? kMinColumnInches : kMinColumnMm)) / (count - 1);
  return bounds;
}

BOOL ColumnCountFits(int count, double available, int unit) {
  if (count <= 1) return TRUE;
  const ColumnGutterBounds bounds = GetColumnGutterBounds(count, available, unit);
  return bounds.minimum < bounds.maximum;
}

BOOL IsGutterInBounds(int count, double gutter, double available, int unit) {
  if (count <= 1) return TRUE;
  const ColumnGutterBounds bounds = GetColumnGutterBounds(count, available, unit);
  return gutter >= bounds.minimum && gutter <= bounds.maximum;
}

double FitGutterToCount(int count, double gutter, double available, int unit) {
  if (count <= 1) return 0.0;
  const ColumnGutterBounds bounds = GetColumnGutterBounds(count, available, unit);
  if (gutter < bounds.minimum) return bounds.minimum;
  if (gutter > bounds.maximum) return bounds.maximum;
  return gutter;
}

double ColumnGutterStep(int unit) { return unit == kUnitInches ? kStepInches : kStepMm; }

CString ColumnGutterBoundsMessage(int count, double available, int unit) {
  const ColumnGutterBounds bounds = GetColumnGutterBounds(count, available, unit);
  CString minimum, maximum, message;
  FormatMeasure(minimum, bounds.minimum, unit);
  FormatMeasure(maximum, bounds.maximum, unit);
  message.Format(
      "Gutter Width Value is out of bounds!\nThe bounding values for %u columns are:\n"
      "  Minimum: %s\t Maximum: %s",
      static_cast<unsigned>(count), static_cast<LPCSTR>(minimum), static_cast<LPCSTR>(maximum));
  return message;
}

ColumnPageMeasure GetColumnPageMeasure(const PageSettingsRec& settings) {
  ColumnPageMeasure page;
  if (settings.unit == kPageUnitInches) {
    page.unit = kUnitInches;
    page.divisor = kThousandthsPerInch;
    page.unitsPerInch = kThousandthsPerInch;
  } else {
    page.unit = kUnitMillimetres;
    page.divisor = kTenthsPerMm;
    page.unitsPerInch = kTenthsMmPerInch;
  }
  const double divisor = page.divisor;
  const int across = settings.orientation == kPortrait ? settings.width : settings.length;
  page.available =
      across / divisor - settings.leftMargin / divisor - settings.rightMargin / divisor;
  return page;
}

double GutterPixelsToMeasure(int pixels, const ColumnPageMeasure& page, int screenPixelsPerInch) {
  if (screenPixelsPerInch <= 0) return 0.0;
  return static_cast<double>(EdMulDiv(pixels, page.unitsPerInch, screenPixelsPerInch)) /
         page.divisor;
}

int GutterMeasureToPixels(double gutter, const ColumnPageMeasure& page, int screenPixelsPerInch) {
  // Rounded to the page unit as every measure is, so that 2.3 mm stays 23
  // tenths rather than falling to 22 by the binary fraction.
  const int units = MeasureToFixed(gutter, page.unit);
  return EdMulDiv(screenPixelsPerInch, units, page.unitsPerInch);
}
