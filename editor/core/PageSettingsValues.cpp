#include "editor/core/PageSettingsValues.h"

#include <algorithm>

#include "editor/core/PaperSizes.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

constexpr double kInchMinimumMargin = 0.2;
constexpr double kMmMinimumMargin = 5.1;
constexpr double kInchGap = 0.125;
constexpr double kMmGap = 0.5;
constexpr double kInchStep = 0.125;
constexpr double kMmStep = 0.5;
constexpr double kInchSmallestTab = 0.125;
constexpr double kMmSmallestTab = 0.25;
// A custom paper's dimensions, in inches.
constexpr double kSmallestPaper = 1.0;
constexpr double kLargestPaper = 44.0;
constexpr double kSmallestTabStop = 0.1;
constexpr double kMmPerInch = 25.4;

const char kOutOfBounds[] = "%s Paper Dimensions are out of bounds!";
const char kTooLarge[] = "%s Margins are too large!";
const char kBothSets[] = "Both sets of";

bool IsInches(int unit) { return unit == kUnitInches; }

// The paper bounds in the unit: a millimetre sheet holds the same sizes.
double PaperBound(double inches, int unit) { return IsInches(unit) ? inches : inches * kMmPerInch; }

UserMessage MessageOf(const char* format, const char* which) {
  UserMessage message;
  message.text.Format(format, which);
  return message;
}

void ConvertMeasure(double& value, int unit) { value = InchMmConvert(value, unit); }

// Both margins become the minimum when they leave no room between them.
void ResetCrowdedMargins(double& a, double& b, double extent, int unit) {
  if (a + b >= extent) a = b = MinimumMargin(unit);
}

}  // namespace

double MinimumMargin(int unit) { return IsInches(unit) ? kInchMinimumMargin : kMmMinimumMargin; }
double MarginGap(int unit) { return IsInches(unit) ? kInchGap : kMmGap; }
double MeasureStep(int unit) { return IsInches(unit) ? kInchStep : kMmStep; }

void PageSettingsValues::Load(const PageSettingsRec& rec, DWORD interval,
                              const CDWordArray& stops) {
  unit = rec.unit;
  left = FixedToMeasure(rec.leftMargin, unit);
  right = FixedToMeasure(rec.rightMargin, unit);
  top = FixedToMeasure(rec.topMargin, unit);
  bottom = FixedToMeasure(rec.bottomMargin, unit);
  width = FixedToMeasure(rec.width, unit);
  length = FixedToMeasure(rec.length, unit);
  paperCode = rec.paperCode;
  orientation = rec.orientation;
  tabInterval = FixedToMeasure(static_cast<int>(interval), unit);
  tabStops.clear();
  for (INT_PTR i = 0; i < stops.GetSize(); i++)
    tabStops.push_back(FixedToMeasure(static_cast<int>(stops[i]), unit));
  std::sort(tabStops.begin(), tabStops.end());
}

void PageSettingsValues::Store(PageSettingsRec& rec, DWORD& interval, CDWordArray& stops) const {
  auto fixed = [this](double value) { return static_cast<WORD>(MeasureToFixed(value, unit)); };
  rec.unit = static_cast<WORD>(unit);
  rec.leftMargin = fixed(left);
  rec.rightMargin = fixed(right);
  rec.topMargin = fixed(top);
  rec.bottomMargin = fixed(bottom);
  rec.width = fixed(width);
  rec.length = fixed(length);
  rec.paperCode = paperCode;
  rec.orientation = orientation;
  interval = static_cast<DWORD>(MeasureToFixed(tabInterval, unit));
  stops.RemoveAll();
  const double reach = width - MarginGap(unit);
  for (double stop : tabStops) {
    if (stop >= reach) break;
    stops.Add(static_cast<DWORD>(MeasureToFixed(stop, unit)));
  }
}

void PageSettingsValues::ChoosePaper(WORD code) {
  paperCode = code;
  PaperSize size;
  if (!LookupPaperSize(code, size) || size.unit == 0) return;
  if (size.width != 0) {
    width = FixedToMeasure(size.width, size.unit);
    length = FixedToMeasure(size.length, size.unit);
  }
  if (size.unit == unit) return;
  if (code == kPaperCustom) {
    ConvertMeasure(width, unit);
    ConvertMeasure(length, unit);
  }
  for (double* value : {&left, &right, &top, &bottom, &tabInterval}) ConvertMeasure(*value, unit);
  for (double& stop : tabStops) ConvertMeasure(stop, unit);
  unit = size.unit;
  ResetCrowdedMargins(left, right, width, unit);
  ResetCrowdedMargins(top, bottom, length, unit);
}

void PageSettingsValues::SetCustomWidth(double value) {
  width = value;
  paperCode = kPaperCustom;
}

void PageSettingsValues::SetCustomLength(double value) {
  length = value;
  paperCode = kPaperCustom;
}

PageValueCheck ValidatePageValues(PageSettingsValues& v) {
  PageValueCheck check;
  for (double* margin : {&v.left, &v.right, &v.top, &v.bottom})
    *margin = ClampMeasureMin(*margin, v.unit);

  if (v.paperCode == kPaperCustom) {
    const double smallest = PaperBound(kSmallestPaper, v.unit);
    const double largest = PaperBound(kLargestPaper, v.unit);
    auto outside = [&](double d) { return d < smallest || d > largest; };
    const bool badWidth = outside(v.width);
    const bool badLength = outside(v.length);
    if (badWidth || badLength) {
      check.fault = badWidth ? PageValueFault::kPaperWidth : PageValueFault::kPaperLength;
      check.messages.push_back(MessageOf(kOutOfBounds, badWidth && badLength ? kBothSets
                                                       : badWidth            ? "Width"
                                                                             : "Length"));
      return check;
    }
  }

  const double gap = MarginGap(v.unit);
  const bool wideMargins = v.left + v.right > v.PageWidth() - gap;
  const bool tallMargins = v.top + v.bottom > v.PageLength() - gap;
  if (wideMargins || tallMargins) {
    check.fault = wideMargins ? PageValueFault::kLeftMargin : PageValueFault::kTopMargin;
    check.messages.push_back(MessageOf(kTooLarge, wideMargins && tallMargins ? kBothSets
                                                  : wideMargins              ? "Left/Right"
                                                                             : "Top/Bottom"));
  }
  return check;
}

SpinRange PaperSpinRange(int unit) {
  SpinRange range;
  range.step = MeasureStep(unit);
  range.minimum = PaperBound(kSmallestPaper, unit);
  range.maximum = PaperBound(kLargestPaper, unit);
  return range;
}

SpinRange MarginSpinRange(const PageSettingsValues& v, MarginSide side) {
  SpinRange range;
  range.step = MeasureStep(v.unit);
  range.minimum = MinimumMargin(v.unit);
  const double gap = MarginGap(v.unit);
  switch (side) {
    case MarginSide::kLeft: range.maximum = v.PageWidth() - v.right - gap; break;
    case MarginSide::kRight: range.maximum = v.PageWidth() - v.left - gap; break;
    case MarginSide::kTop: range.maximum = v.PageLength() - v.bottom - gap; break;
    case MarginSide::kBottom: range.maximum = v.PageLength() - v.top - gap; break;
  }
  return range;
}

SpinRange TabSpinRange(const PageSettingsValues& v) {
  SpinRange range;
  range.step = MeasureStep(v.unit);
  range.minimum = IsInches(v.unit) ? kInchSmallestTab : kMmSmallestTab;
  range.maximum = v.width - range.step;
  return range;
}

CString TabListText(double value, int unit) {
  CString number;
  FormatMeasure(number, value, unit);
  constexpr double kOneDigit = 10;
  constexpr double kTwoDigits = 100;
  CString text;
  if (value < kOneDigit) text += ' ';
  if (!IsInches(unit) && value < kTwoDigits) text += ' ';
  return text + number;
}

int SetTabStop(PageSettingsValues& v, double value, UserMessageList& messages) {
  const double maximum = v.width - MarginGap(v.unit);
  CString number;
  FormatMeasure(number, value, v.unit);
  if (value < kSmallestTabStop || value > maximum) {
    UserMessage message;
    message.text.Format("\t%s is out of bounds!\nValid Range is 0.1 through %1.1f",
                        static_cast<LPCSTR>(number), maximum);
    messages.push_back(message);
    return -1;
  }
  const CString text = TabListText(value, v.unit);
  for (double stop : v.tabStops) {
    if (TabListText(stop, v.unit) == text) {
      UserMessage message;
      message.text.Format("\t%s is already in the list of tab positions!",
                          static_cast<LPCSTR>(number));
      messages.push_back(message);
      return -1;
    }
  }
  const auto index =
      std::upper_bound(v.tabStops.begin(), v.tabStops.end(), value) - v.tabStops.begin();
  v.tabStops.insert(v.tabStops.begin() + index, value);
  return static_cast<int>(index);
}
