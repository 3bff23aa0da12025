// Page measurements: held as integers in the page settings (thousandths of
// an inch or tenths of a millimetre), shown and typed as inches or
// millimetres.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

constexpr int kUnitInches = 1;
constexpr int kUnitMillimetres = 2;

int MeasureToFixed(double value, int unit);
double FixedToMeasure(int value, int unit);
// Inches as 1.5 or 2.0 followed by the inch mark; millimetres as "25.4 mm".
void FormatMeasure(CString& text, double value, int unit);
// Moves the number in the text to the next multiple of the step in the
// direction (below 1 down, else up), kept within [minimum, maximum], and
// writes it back. FALSE when it already stands at the limit it moves to.
BOOL SpinMeasureText(CString& text, int direction, double step, double minimum, double maximum,
                     int unit);
// The value in the other unit (inches to millimetres or back).
double InchMmConvert(double value, int unit);
// Raises a value below the smallest margin the printer code accepts.
double ClampMeasureMin(double value, int unit);
