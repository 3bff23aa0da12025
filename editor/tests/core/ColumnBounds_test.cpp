// The Columns dialog's arithmetic: gutter bounds per count in both units,
// which counts a page leaves room for, the spin's step grid, the message of
// a refused gutter, and the gutter between the page and the screen.
#include "editor/core/ColumnBounds.h"

#include <gtest/gtest.h>

#include "hebtext/core/MeasureUnits.h"

namespace column_bounds {

// US Letter in portrait, in thousandths of an inch, with 1-inch side margins.
PageSettingsRec LetterOneInchMargins() {
  PageSettingsRec page;
  page.leftMargin = 1000;
  page.rightMargin = 1000;
  return page;
}

struct BoundsCase {
  int count;
  double available;
  int unit;
  double minimum;
  double maximum;
};

TEST(ColumnBounds, TheGutterRunsFromTheMinimumToWhatLeavesEachColumnItsWidth) {
  const BoundsCase cases[] = {
      {2, 6.5, kUnitInches, 0.125, 5.5},
      {3, 6.5, kUnitInches, 0.125, 2.5},
      {4, 6.5, kUnitInches, 0.125, 1.5},
      {2, 165.0, kUnitMillimetres, 3.0, 162.5},
      {4, 165.0, kUnitMillimetres, 3.0, (165.0 - 5.0) / 3},
  };
  for (const BoundsCase& c : cases) {
    const ColumnGutterBounds b = GetColumnGutterBounds(c.count, c.available, c.unit);
    EXPECT_DOUBLE_EQ(b.minimum, c.minimum) << c.count << " columns, unit " << c.unit;
    EXPECT_DOUBLE_EQ(b.maximum, c.maximum) << c.count << " columns, unit " << c.unit;
  }
}

TEST(ColumnBounds, LetterWithOneInchMarginsTakesFourColumnsUpToOneAndAHalfInchGutters) {
  const ColumnPageMeasure page = GetColumnPageMeasure(LetterOneInchMargins());
  EXPECT_EQ(page.unit, kUnitInches);
  EXPECT_DOUBLE_EQ(page.available, 6.5);
  EXPECT_TRUE(IsGutterInBounds(4, 1.5, page.available, page.unit));
  EXPECT_TRUE(IsGutterInBounds(4, 0.125, page.available, page.unit));
  EXPECT_FALSE(IsGutterInBounds(4, 2.0, page.available, page.unit));
  EXPECT_FALSE(IsGutterInBounds(4, 0.1, page.available, page.unit));
  EXPECT_TRUE(IsGutterInBounds(1, 2.0, page.available, page.unit)) << "one column: no gutter";
  EXPECT_STREQ(ColumnGutterBoundsMessage(4, page.available, page.unit),
               "Gutter Width Value is out of bounds!\nThe bounding values for 4 columns are:\n"
               "  Minimum: 0.125\"\t Maximum: 1.5\"");
  EXPECT_DOUBLE_EQ(FitGutterToCount(4, 2.0, page.available, page.unit), 1.5);
  EXPECT_DOUBLE_EQ(FitGutterToCount(3, 0.0, page.available, page.unit), 0.125);
  EXPECT_DOUBLE_EQ(FitGutterToCount(2, 0.75, page.available, page.unit), 0.75);
  EXPECT_DOUBLE_EQ(FitGutterToCount(1, 0.75, page.available, page.unit), 0.0);
}

TEST(ColumnBounds, ACountFitsOnlyWhileItsMinimumStaysBelowItsMaximum) {
  struct FitCase {
    int count;
    double available;
    int unit;
    BOOL fits;
  };
  const FitCase cases[] = {
      {4, 2.375, kUnitInches, FALSE}, {4, 2.376, kUnitInches, TRUE},
      {2, 1.125, kUnitInches, FALSE}, {2, 1.2, kUnitInches, TRUE},
      {1, 0.1, kUnitInches, TRUE},    {3, 9.75, kUnitMillimetres, FALSE},
      {3, 9.8, kUnitMillimetres, TRUE},
  };
  for (const FitCase& c : cases)
    EXPECT_EQ(ColumnCountFits(c.count, c.available, c.unit), c.fits)
        << c.count << " columns on " << c.available;
}

TEST(ColumnBounds, TheSpinStepsOnAGridOfAnEighthInchOrHalfAMillimetre) {
  struct SpinCase {
    const char* text;
    int direction;
    int unit;
    const char* result;
  };
  const SpinCase cases[] = {
      {"0.125\"", 1, kUnitInches, "0.25\""},   {"0.3\"", 1, kUnitInches, "0.375\""},
      {"0.3\"", -1, kUnitInches, "0.25\""},    {"1.45\"", 1, kUnitInches, "1.5\""},
      {"3.0 mm", 1, kUnitMillimetres, "3.5 mm"}, {"4.2 mm", -1, kUnitMillimetres, "4.0 mm"},
      {"4.2 mm", 1, kUnitMillimetres, "4.5 mm"},
  };
  for (const SpinCase& c : cases) {
    CString text = c.text;
    const ColumnGutterBounds b = GetColumnGutterBounds(4, c.unit == kUnitInches ? 6.5 : 165.0,
                                                      c.unit);
    EXPECT_TRUE(SpinMeasureText(text, c.direction, ColumnGutterStep(c.unit), b.minimum,
                                b.maximum, c.unit))
        << c.text;
    EXPECT_STREQ(text, c.result) << c.text;
  }
  CString atMaximum = "1.5\"";
  EXPECT_FALSE(SpinMeasureText(atMaximum, 1, ColumnGutterStep(kUnitInches), 0.125, 1.5,
                               kUnitInches));
}

TEST(ColumnBounds, PagesGiveTheirWidthAcrossAndGuttersTravelThroughScreenPixels) {
  PageSettingsRec landscape = LetterOneInchMargins();
  landscape.orientation = 2;
  EXPECT_DOUBLE_EQ(GetColumnPageMeasure(landscape).available, 9.0);

  PageSettingsRec a4;  // 210 x 297 mm in tenths, 20 mm side margins
  a4.unit = 2;
  a4.width = 2100;
  a4.length = 2970;
  a4.leftMargin = 200;
  a4.rightMargin = 200;
  const ColumnPageMeasure mm = GetColumnPageMeasure(a4);
  EXPECT_EQ(mm.unit, kUnitMillimetres);
  EXPECT_EQ(mm.divisor, 10);
  EXPECT_EQ(mm.unitsPerInch, 254);
  EXPECT_DOUBLE_EQ(mm.available, 170.0);

  const ColumnPageMeasure inches = GetColumnPageMeasure(LetterOneInchMargins());
  constexpr int kScreenPpi = 96;
  EXPECT_EQ(GutterMeasureToPixels(0.25, inches, kScreenPpi), 24);
  EXPECT_DOUBLE_EQ(GutterPixelsToMeasure(24, inches, kScreenPpi), 0.25);
  EXPECT_EQ(GutterMeasureToPixels(6.35, mm, kScreenPpi), 24);
  EXPECT_DOUBLE_EQ(GutterPixelsToMeasure(24, mm, kScreenPpi), 6.4);
  // A tenth of a millimetre that binary fractions would lose is kept.
  EXPECT_EQ(GutterMeasureToPixels(2.3, mm, 2540), 230);
}

}  // namespace column_bounds
