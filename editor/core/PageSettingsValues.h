// What the page settings sheet shows and checks: the page settings record and
// the tab stops in inches or millimetres, with the rules of the sheet's three
// pages. The windows only move text between these values and their controls.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/core/UserMessage.h"

struct PageSettingsValues {
  int unit = 1;  // 1 inches, 2 millimetres
  double left = 0, right = 0, top = 0, bottom = 0;
  WORD paperCode = 1;
  WORD orientation = 1;          // 1 portrait, 2 landscape
  double width = 0, length = 0;  // portrait sense
  double tabInterval = 0;
  std::vector<double> tabStops;  // ascending

  // The record's values (and a document's tabs) in the record's unit.
  void Load(const PageSettingsRec& rec, DWORD interval, const CDWordArray& stops);
  // Back to fixed units; the tab stops stop at the first that is not below
  // the text's widest reach (width less the gap).
  void Store(PageSettingsRec& rec, DWORD& interval, CDWordArray& stops) const;

  // The paper's width and length as the page is turned.
  double PageWidth() const { return orientation == 2 ? length : width; }
  double PageLength() const { return orientation == 2 ? width : length; }

  // Takes a paper from the list: its size, and its unit with everything
  // converted to it; margins that then leave no room become the minimum.
  void ChoosePaper(WORD code);
  // A width or length typed or spun: the paper becomes Custom, the unit stays.
  void SetCustomWidth(double value);
  void SetCustomLength(double value);
};

// The smallest margin, the space kept between the margins, and the spin step
// of margins and tabs, in the unit.
double MinimumMargin(int unit);
double MarginGap(int unit);
double MeasureStep(int unit);

// What ValidatePageValues found wrong: which page and edit take the focus.
enum class PageValueFault { kNone, kPaperWidth, kPaperLength, kLeftMargin, kTopMargin };

struct PageValueCheck {
  PageValueFault fault = PageValueFault::kNone;
  UserMessageList messages;
  bool Passed() const { return fault == PageValueFault::kNone; }
};

// Raises margins below the minimum, then checks a custom paper's dimensions
// and that the margins leave room on the page.
PageValueCheck ValidatePageValues(PageSettingsValues& values);

// The range and step of a spin button, in the unit.
struct SpinRange {
  double step = 0;
  double minimum = 0;
  double maximum = 0;
};
enum class MarginSide { kLeft, kRight, kTop, kBottom };
SpinRange PaperSpinRange(int unit);
SpinRange MarginSpinRange(const PageSettingsValues& values, MarginSide side);
SpinRange TabSpinRange(const PageSettingsValues& values);

// The Tabs page's list: each stop's text, padded with blanks so that the
// sorted list is in numeric order.
CString TabListText(double value, int unit);
// Set: adds the stop where it belongs; its index, or -1 with the message.
int SetTabStop(PageSettingsValues& values, double value, UserMessageList& messages);
