// The Columns dialog's arithmetic: the gutter's bounds for a number of
// columns on the page's text width, its spin step, and the gutter between
// the dialog's unit, the page's unit and screen pixels.
#pragma once

#include "classlib/core/CString.h"
#include "hebtext/core/PageSettingsRec.h"

struct ColumnGutterBounds {
  double minimum = 0.0;
  double maximum = 0.0;
};

// In the dialog's unit (kUnitInches or kUnitMillimetres of MeasureUnits.h).
ColumnGutterBounds GetColumnGutterBounds(int count, double available, int unit);
// Whether that many columns leave a gutter range (a minimum below the
// maximum); one column always fits.
BOOL ColumnCountFits(int count, double available, int unit);
BOOL IsGutterInBounds(int count, double gutter, double available, int unit);
// The gutter a newly chosen count takes: none for one column, else the
// current one moved into the bounds.
double FitGutterToCount(int count, double gutter, double available, int unit);
// One click of the gutter's spin.
double ColumnGutterStep(int unit);
// The message of a gutter outside the bounds.
CString ColumnGutterBoundsMessage(int count, double available, int unit);

// The page the columns are set on, in the dialog's unit.
struct ColumnPageMeasure {
  int unit = 1;            // of the dialog: inches, or millimetres
  int divisor = 1000;      // page units per dialog unit
  int unitsPerInch = 1000;
  double available = 0.0;  // the text width between the side margins
};

ColumnPageMeasure GetColumnPageMeasure(const PageSettingsRec& settings);
// A section's gutter in screen pixels as the dialog shows it, and back.
double GutterPixelsToMeasure(int pixels, const ColumnPageMeasure& page, int screenPixelsPerInch);
int GutterMeasureToPixels(double gutter, const ColumnPageMeasure& page, int screenPixelsPerInch);
