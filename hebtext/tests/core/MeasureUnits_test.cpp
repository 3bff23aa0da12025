// Page measurements in inches and millimetres, and file-size texts.
#include "hebtext/core/MeasureUnits.h"

#include <gtest/gtest.h>

#include "hebtext/core/FileSizeText.h"

namespace {

TEST(MeasureToFixed, RoundsToTheHeldUnit) {
  EXPECT_EQ(MeasureToFixed(0.75, kUnitInches), 750);
  EXPECT_EQ(MeasureToFixed(0.7499, kUnitInches), 750);
  EXPECT_EQ(MeasureToFixed(25.4, kUnitMillimetres), 254);
  EXPECT_EQ(MeasureToFixed(1.0, 3), 0);
  EXPECT_DOUBLE_EQ(FixedToMeasure(750, kUnitInches), 0.75);
  EXPECT_DOUBLE_EQ(FixedToMeasure(254, kUnitMillimetres), 25.400000000000002);
  EXPECT_DOUBLE_EQ(FixedToMeasure(254, 0), 0.0);
}

TEST(FormatMeasure, WritesInchesWithoutTrailingZerosAndMillimetresWithOneDecimal) {
  struct Case {
    double value;
    int unit;
    const char* expected;
  } const cases[] = {
      {0.75, kUnitInches, "0.75\""},
      {1.5, kUnitInches, "1.5\""},
      {2, kUnitInches, "2.0\""},
      {0.125, kUnitInches, "0.125\""},
      {25.4, kUnitMillimetres, "25.4 mm"},
      {5, kUnitMillimetres, "5.0 mm"},
      {3, 7, "0.0"},
  };
  for (const auto& c : cases) {
    CString text;
    FormatMeasure(text, c.value, c.unit);
    EXPECT_STREQ(text, c.expected) << c.value;
  }
}

TEST(SpinMeasureText, MovesToTheNextMultipleWithinTheLimits) {
  struct Case {
    const char* text;
    int direction;
    double step;
    int unit;
    BOOL result;
    const char* expected;
  } const cases[] = {
      {"0.75\"", 1, 0.25, kUnitInches, TRUE, "1.0\""},
      {"0.75\"", -1, 0.25, kUnitInches, TRUE, "0.5\""},
      {"0.8\"", 1, 0.25, kUnitInches, TRUE, "1.0\""},
      {"0.8\"", -1, 0.25, kUnitInches, TRUE, "0.75\""},
      {"0.2\"", -1, 0.25, kUnitInches, FALSE, "0.2\""},  // at the minimum
      {"5\"", 1, 0.25, kUnitInches, FALSE, "5\""},       // at the maximum
      {"4.9\"", 1, 0.25, kUnitInches, TRUE, "5.0\""},
      {"0.3\"", -1, 0.25, kUnitInches, TRUE, "0.25\""},
      {"0.25\"", -1, 0.25, kUnitInches, TRUE, "0.2\""},  // held at the minimum
  };
  for (const auto& c : cases) {
    CString text(c.text);
    EXPECT_EQ(SpinMeasureText(text, c.direction, c.step, 0.2, 5.0, c.unit), c.result) << c.text;
    EXPECT_STREQ(text, c.expected) << c.text << " " << c.direction;
  }
  for (int direction : {1, -1}) {
    CString text("25.4 mm");
    EXPECT_TRUE(SpinMeasureText(text, direction, 0.1, 5.1, 100, kUnitMillimetres));
    EXPECT_STREQ(text, direction > 0 ? "25.5 mm" : "25.3 mm");
  }
}

TEST(InchMmConvert, ConvertsBetweenTheUnits) {
  EXPECT_DOUBLE_EQ(InchMmConvert(1, kUnitInches), 25.4);
  EXPECT_NEAR(InchMmConvert(25.4, kUnitMillimetres), 1.0, 1e-12);
  EXPECT_DOUBLE_EQ(InchMmConvert(3, 5), 3);
  EXPECT_DOUBLE_EQ(ClampMeasureMin(0.1, kUnitInches), 0.2);
  EXPECT_DOUBLE_EQ(ClampMeasureMin(0.3, kUnitInches), 0.3);
  EXPECT_DOUBLE_EQ(ClampMeasureMin(4, kUnitMillimetres), 5.1);
  EXPECT_DOUBLE_EQ(ClampMeasureMin(-1, 9), -1);
}

TEST(FormatKBytes, WritesWholeKilobytesRoundedHalfUp) {
  struct Case {
    DWORD size;
    const char* expected;
  } const cases[] = {
      {0, "1KB"},
      {500, "1KB"},
      {1023, "1KB"},
      {1024, "1KB"},
      {1535, "1KB"},
      {1536, "2KB"},
      {999 * 1024, "999KB"},
      {1000 * 1024, "1,000KB"},
      {2000000, "1,953KB"},
      {0xFFFFFFFF, "4194,304KB"},
  };
  for (const auto& c : cases) {
    CString text;
    FormatKBytes(c.size, text);
    EXPECT_STREQ(text, c.expected) << c.size;
  }
}

}  // namespace
