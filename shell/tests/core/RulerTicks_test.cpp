#include "shell/core/RulerTicks.h"

#include <gtest/gtest.h>

namespace ruler {
namespace {

struct SizeCase {
  Unit unit;
  Image image;
  int dpiX, dpiY;
  int length, thickness;
};

TEST(RulerTicksTest, ImageSizesFollowTheScreenResolutionAlongAndAcross) {
  const SizeCase cases[] = {
      {kInches, kHorizontal, 96, 96, 4224, 16},       // 44 in, 0.17 in
      {kInches, kHorizontalDown, 120, 96, 5280, 16},  // along x, across y
      {kInches, kVertical, 120, 96, 4224, 20},        // along y, across x
      {kCentimetres, kHorizontal, 96, 96, 2268, 16},  // 60 cm = 23.62 in
      {kCentimetres, kVertical, 96, 144, 3402, 16},
  };
  for (const SizeCase& c : cases) {
    const ImageSize size = SizeOf(c.unit, c.image, c.dpiX, c.dpiY);
    EXPECT_EQ(c.length, size.length) << c.unit << "/" << c.image;
    EXPECT_EQ(c.thickness, size.thickness) << c.unit << "/" << c.image;
  }
}

TEST(RulerTicksTest, InchesHaveAnEighthTickUpTo44InchesWithANumberEveryInch) {
  const std::vector<Tick> ticks = TicksOf(kInches, kHorizontal, 96, 96);
  ASSERT_EQ(353u, ticks.size());  // ticks 0 to 352
  EXPECT_EQ(4224, ticks.back().position);
  EXPECT_TRUE(ticks.back().labelled);
  EXPECT_EQ(44, ticks.back().number);
  struct Expect {
    int i, position;
    bool labelled;
    int numberOrDepth;
  };
  // Thickness 16: half step depth 8, quarter 10, eighth 12.
  const Expect expected[] = {{0, 0, true, 0},   {1, 12, false, 12},  {2, 24, false, 10},
                             {4, 48, false, 8}, {6, 72, false, 10},  {7, 84, false, 12},
                             {8, 96, true, 1},  {17, 204, false, 12}};
  for (const Expect& e : expected) {
    const Tick& tick = ticks[e.i];
    EXPECT_EQ(e.position, tick.position) << e.i;
    EXPECT_EQ(e.labelled, tick.labelled) << e.i;
    EXPECT_EQ(e.numberOrDepth, e.labelled ? tick.number : tick.depth) << e.i;
  }
}

TEST(RulerTicksTest, CentimetresHaveAHalfTickUpTo60WithTheirNumbers) {
  const std::vector<Tick> ticks = TicksOf(kCentimetres, kHorizontal, 96, 96);
  ASSERT_EQ(121u, ticks.size());  // ticks 0 to 120
  EXPECT_EQ(0, ticks[0].position);
  EXPECT_FALSE(ticks[1].labelled);
  EXPECT_EQ(19, ticks[1].position);  // 96 * 100 / 508 = 18.9
  EXPECT_EQ(10, ticks[1].depth);     // 5/8 of 16
  EXPECT_TRUE(ticks[2].labelled);
  EXPECT_EQ(38, ticks[2].position);
  EXPECT_EQ(1, ticks[2].number);
  EXPECT_EQ(2268, ticks[120].position);
  EXPECT_EQ(60, ticks[120].number);
}

TEST(RulerTicksTest, TheCountingDownImageNumbersFromTheRightEnd) {
  struct Case {
    Unit unit;
    int first, last;
  };
  for (const Case& c : {Case{kInches, 44, 0}, Case{kCentimetres, 60, 0}}) {
    const std::vector<Tick> ticks = TicksOf(c.unit, kHorizontalDown, 96, 96);
    EXPECT_EQ(c.first, ticks.front().number);
    EXPECT_EQ(c.last, ticks.back().number);
  }
  const std::vector<Tick> vertical = TicksOf(kInches, kVertical, 96, 120);
  EXPECT_EQ(15, vertical[1].position);  // along y: 120 / 8
  EXPECT_EQ(1, vertical[8].number);
}

}  // namespace
}  // namespace ruler
