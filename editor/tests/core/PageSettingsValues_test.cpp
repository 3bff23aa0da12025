#include "editor/core/PageSettingsValues.h"

#include <gtest/gtest.h>

#include "editor/core/PaperSizes.h"

namespace {

constexpr double kEps = 1e-9;

// A Letter page in inches with one-inch margins and tab stops.
PageSettingsValues LetterSheet() {
  PageSettingsRec rec;
  rec.leftMargin = rec.rightMargin = rec.topMargin = rec.bottomMargin = 1000;
  CDWordArray stops;
  stops.Add(2500);
  stops.Add(1000);
  PageSettingsValues values;
  values.Load(rec, 500, stops);
  return values;
}

TEST(PageSettingsValuesTest, LoadShowsTheRecordInItsUnitAndStoreTruncatesBack) {
  PageSettingsValues v = LetterSheet();
  EXPECT_EQ(v.unit, 1);
  EXPECT_DOUBLE_EQ(v.width, 8.5);
  EXPECT_DOUBLE_EQ(v.length, 11.0);
  EXPECT_DOUBLE_EQ(v.tabInterval, 0.5);
  ASSERT_EQ(v.tabStops.size(), 2u);
  EXPECT_DOUBLE_EQ(v.tabStops[0], 1.0);

  v.left = 1.2345;
  v.unit = 2;
  v.width = 210.04;
  v.right = 0.2 * 3 - 0.4;  // 0.19999... in binary
  PageSettingsRec rec;
  DWORD interval = 0;
  CDWordArray stops;
  v.Store(rec, interval, stops);
  EXPECT_EQ(rec.unit, 2);
  EXPECT_EQ(rec.leftMargin, 12);
  EXPECT_EQ(rec.width, 2100);
  EXPECT_EQ(rec.rightMargin, 2);
  EXPECT_EQ(interval, 5u);
}

TEST(PageSettingsValuesTest, StoreDropsTabStopsFromTheFirstPastTheTextReach) {
  PageSettingsValues v = LetterSheet();
  v.tabStops = {1.0, 8.374, 8.375, 2.0};  // the last is out of order on purpose
  PageSettingsRec rec;
  DWORD interval = 0;
  CDWordArray stops;
  v.Store(rec, interval, stops);
  ASSERT_EQ(stops.GetSize(), 2);
  EXPECT_EQ(stops[0], 1000u);
  EXPECT_EQ(stops[1], 8374u);
}

TEST(PageSettingsValuesTest, ChoosingA4OnAnInchSheetConvertsEverythingToMillimetres) {
  PageSettingsValues v = LetterSheet();
  v.ChoosePaper(9);
  EXPECT_EQ(v.unit, 2);
  EXPECT_EQ(v.paperCode, 9);
  EXPECT_DOUBLE_EQ(v.width, 210.0);
  EXPECT_DOUBLE_EQ(v.length, 297.0);
  EXPECT_NEAR(v.left, 25.4, kEps);
  EXPECT_NEAR(v.bottom, 25.4, kEps);
  EXPECT_NEAR(v.tabInterval, 12.7, kEps);
  EXPECT_NEAR(v.tabStops[1], 63.5, kEps);
}

TEST(PageSettingsValuesTest, MarginsThatNoLongerFitBecomeTheMinimum) {
  PageSettingsValues v = LetterSheet();
  v.left = v.right = 4.2;  // 8.4" fits Letter's 8.5" but not A5's 148 mm
  v.top = v.bottom = 3.0;
  v.ChoosePaper(11);
  EXPECT_DOUBLE_EQ(v.left, 5.1);
  EXPECT_DOUBLE_EQ(v.right, 5.1);
  EXPECT_NEAR(v.top, 76.2, kEps);
}

TEST(PageSettingsValuesTest, CustomOnAMillimetreSheetTurnsItToInches) {
  PageSettingsValues v = LetterSheet();
  v.ChoosePaper(9);
  v.ChoosePaper(kPaperCustom);
  EXPECT_EQ(v.unit, 1);
  EXPECT_EQ(v.paperCode, kPaperCustom);
  EXPECT_NEAR(v.width, 8.267716, 1e-6);
  EXPECT_NEAR(v.left, 1.0, kEps);
  // Typing marks the paper Custom and keeps the unit.
  v.ChoosePaper(9);
  v.SetCustomWidth(200);
  EXPECT_EQ(v.paperCode, kPaperCustom);
  EXPECT_EQ(v.unit, 2);
}

struct CheckCase {
  const char* name;
  WORD paper;
  int unit;
  WORD orientation;
  double width, length, left, right, top, bottom;
  PageValueFault fault;
  const char* message;
};

// clang-format off
const CheckCase kChecks[] = {
  {"fits", 1, 1, 1, 8.5, 11, 1, 1, 1, 1, PageValueFault::kNone, nullptr},
  {"exactly the gap left", 1, 1, 1, 8.5, 11, 4, 4.375, 1, 1, PageValueFault::kNone, nullptr},
  {"left/right", 1, 1, 1, 8.5, 11, 4, 4.5, 1, 1, PageValueFault::kLeftMargin,
   "Left/Right Margins are too large!"},
  {"top/bottom", 1, 1, 1, 8.5, 11, 1, 1, 6, 5, PageValueFault::kTopMargin,
   "Top/Bottom Margins are too large!"},
  {"both margins", 1, 1, 1, 8.5, 11, 5, 5, 6, 5, PageValueFault::kLeftMargin,
   "Both sets of Margins are too large!"},
  {"landscape turns the page", 1, 1, 2, 8.5, 11, 5, 5, 1, 1, PageValueFault::kNone, nullptr},
  {"landscape top/bottom", 1, 1, 2, 8.5, 11, 1, 1, 4, 4.5, PageValueFault::kTopMargin,
   "Top/Bottom Margins are too large!"},
  {"millimetre gap", 9, 2, 1, 210, 297, 100, 109.5, 10, 10, PageValueFault::kNone, nullptr},
  {"millimetre left/right", 9, 2, 1, 210, 297, 100, 109.6, 10, 10, PageValueFault::kLeftMargin,
   "Left/Right Margins are too large!"},
  {"custom width", 0, 1, 1, 0.5, 11, 0.2, 0.2, 1, 1, PageValueFault::kPaperWidth,
   "Width Paper Dimensions are out of bounds!"},
  {"custom length", 0, 1, 1, 8, 45, 1, 1, 1, 1, PageValueFault::kPaperLength,
   "Length Paper Dimensions are out of bounds!"},
  {"custom both", 0, 1, 1, 45, 0.9, 1, 1, 1, 1, PageValueFault::kPaperWidth,
   "Both sets of Paper Dimensions are out of bounds!"},
  {"custom millimetres in bounds", 0, 2, 1, 210, 1117.6, 10, 10, 10, 10, PageValueFault::kNone,
   nullptr},
  {"custom millimetres too small", 0, 2, 1, 25, 297, 5.1, 5.1, 10, 10,
   PageValueFault::kPaperWidth, "Width Paper Dimensions are out of bounds!"},
  {"paper sizes unchecked", 1, 1, 1, 50, 11, 1, 1, 1, 1, PageValueFault::kNone, nullptr},
};
// clang-format on

TEST(PageSettingsValuesTest, ValidateChecksPaperThenMargins) {
  for (const CheckCase& c : kChecks) {
    SCOPED_TRACE(c.name);
    PageSettingsValues v;
    v.paperCode = c.paper;
    v.unit = c.unit;
    v.orientation = c.orientation;
    v.width = c.width;
    v.length = c.length;
    v.left = c.left;
    v.right = c.right;
    v.top = c.top;
    v.bottom = c.bottom;
    PageValueCheck check = ValidatePageValues(v);
    EXPECT_EQ(check.fault, c.fault);
    if (c.message == nullptr) {
      EXPECT_TRUE(check.messages.empty());
    } else {
      ASSERT_EQ(check.messages.size(), 1u);
      EXPECT_EQ(check.messages[0].text, c.message);
    }
  }
}

TEST(PageSettingsValuesTest, ValidateRaisesSmallMarginsToTheMinimum) {
  PageSettingsValues v = LetterSheet();
  v.left = 0.1;
  v.bottom = 0.0;
  EXPECT_TRUE(ValidatePageValues(v).Passed());
  EXPECT_DOUBLE_EQ(v.left, 0.2);
  EXPECT_DOUBLE_EQ(v.bottom, 0.2);
  v.ChoosePaper(9);
  v.top = 3;
  EXPECT_TRUE(ValidatePageValues(v).Passed());
  EXPECT_DOUBLE_EQ(v.top, 5.1);
}

TEST(PageSettingsValuesTest, SpinRangesFollowTheUnit) {
  PageSettingsValues v = LetterSheet();
  const SpinRange inches = PaperSpinRange(1);
  EXPECT_DOUBLE_EQ(inches.step, 0.125);
  EXPECT_DOUBLE_EQ(inches.minimum, 1.0);
  EXPECT_DOUBLE_EQ(inches.maximum, 44.0);
  const SpinRange mm = PaperSpinRange(2);
  EXPECT_DOUBLE_EQ(mm.step, 0.5);
  EXPECT_DOUBLE_EQ(mm.minimum, 25.4);
  EXPECT_DOUBLE_EQ(mm.maximum, 1117.6);

  v.orientation = 2;  // landscape: 11" across
  const SpinRange left = MarginSpinRange(v, MarginSide::kLeft);
  EXPECT_DOUBLE_EQ(left.minimum, 0.2);
  EXPECT_DOUBLE_EQ(left.maximum, 11 - 1 - 0.125);
  EXPECT_DOUBLE_EQ(MarginSpinRange(v, MarginSide::kBottom).maximum, 8.5 - 1 - 0.125);
  const SpinRange tab = TabSpinRange(v);
  EXPECT_DOUBLE_EQ(tab.minimum, 0.125);
  EXPECT_DOUBLE_EQ(tab.maximum, 8.375);

  v.ChoosePaper(9);
  const SpinRange top = MarginSpinRange(v, MarginSide::kTop);
  EXPECT_DOUBLE_EQ(top.step, 0.5);
  EXPECT_DOUBLE_EQ(top.minimum, 5.1);
  EXPECT_NEAR(top.maximum, 210 - 25.4 - 0.5, kEps);
  EXPECT_DOUBLE_EQ(TabSpinRange(v).minimum, 0.25);
  EXPECT_DOUBLE_EQ(TabSpinRange(v).maximum, 209.5);
}

TEST(PageSettingsValuesTest, TabListTextsArePaddedToSortInNumericOrder) {
  const struct {
    double value;
    int unit;
    const char* text;
  } kTexts[] = {{2.5, 1, " 2.5\""},
                {12.25, 1, "12.25\""},
                {5.0, 2, "  5.0 mm"},
                {63.5, 2, " 63.5 mm"},
                {150, 2, "150.0 mm"}};
  for (const auto& t : kTexts) EXPECT_EQ(TabListText(t.value, t.unit), t.text) << t.value;
}

TEST(PageSettingsValuesTest, SetTabStopRefusesOutOfRangeAndDuplicatesAndKeepsOrder) {
  PageSettingsValues v = LetterSheet();  // stops 1.0 and 2.5
  UserMessageList messages;
  EXPECT_EQ(SetTabStop(v, 0.05, messages), -1);
  EXPECT_EQ(SetTabStop(v, 8.4, messages), -1);
  EXPECT_EQ(SetTabStop(v, 2.5, messages), -1);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].text, "\t0.05\" is out of bounds!\nValid Range is 0.1 through 8.4");
  EXPECT_EQ(messages[1].text, "\t8.4\" is out of bounds!\nValid Range is 0.1 through 8.4");
  EXPECT_EQ(messages[2].text, "\t2.5\" is already in the list of tab positions!");
  messages.clear();
  EXPECT_EQ(SetTabStop(v, 1.75, messages), 1);
  EXPECT_EQ(SetTabStop(v, 8.375, messages), 3);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(v.tabStops, (std::vector<double>{1.0, 1.75, 2.5, 8.375}));
}

}  // namespace
