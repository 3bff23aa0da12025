#include "hebtext/core/MeasureUnits.h"

#include <cmath>
#include <cstdlib>

int MeasureToFixed(double value, int unit) {
  if (unit == kUnitInches) return static_cast<int>((value + 0.00049) * 1000);
  if (unit == kUnitMillimetres) return static_cast<int>((value + 0.049) * 10);
  return 0;
}

double FixedToMeasure(int value, int unit) {
  if (unit == kUnitInches) return value * 0.001;
  if (unit == kUnitMillimetres) return value * 0.1;
  return 0.0;
}

void FormatMeasure(CString& text, double value, int unit) {
  if (unit == kUnitInches) {
    text.Format("%1.3f", value + 0.00049);
    text.TrimRight('0');
    if (text.GetLength() > 0 && text[text.GetLength() - 1] == '.') text += '0';
    text += '"';
  } else if (unit == kUnitMillimetres) {
    text.Format("%1.1f mm", value + 0.049);
  } else {
    text = "0.0";
  }
}

BOOL SpinMeasureText(CString& text, int direction, double step, double minimum, double maximum,
                     int unit) {
  double value = atof(text);
  if ((value == minimum && direction < 0) || (value == maximum && direction >= 1)) return FALSE;
  // A value a rounding error away from a multiple counts as on it.
  double steps = value / step;
  double nearest = std::round(steps);
  bool onMultiple = std::fabs(steps - nearest) < 1e-6;
  if (direction < 1)
    value = (onMultiple ? nearest - 1 : std::floor(steps)) * step;
  else
    value = (onMultiple ? nearest + 1 : std::ceil(steps)) * step;
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
  FormatMeasure(text, value, unit);
  return TRUE;
}

double InchMmConvert(double value, int unit) {
  if (unit == kUnitInches) return value * 25.4;
  if (unit == kUnitMillimetres) return value * 0.03937007874015748;
  return value;
}

double ClampMeasureMin(double value, int unit) {
  if (unit != kUnitInches && unit != kUnitMillimetres) return value;
  double minimum = unit == kUnitInches ? 0.2 : 5.1;
  return value < minimum ? minimum : value;
}
