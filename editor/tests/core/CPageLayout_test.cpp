#include "editor/core/CPageLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct MetricsCase {
  const char* name;
  WORD orientation, unit, length, width, left, top, right, bottom;
  DWORD tabInterval;
  std::vector<DWORD> tabStops;
  CRect textRect;
  std::vector<DWORD> pixelStops;
};

// At 96 dots per inch.
// clang-format off
const MetricsCase kMetricsCases[] = {
    {"letter portrait, inches", 1, 1, 11000, 8500, 750, 1000, 750, 1000, 0, {},
     CRect(72, 96, 744, 960), {}},
    // Landscape swaps length and width before the margins apply.
    {"letter landscape, inches", 2, 1, 11000, 8500, 750, 1000, 750, 1000, 0, {},
     CRect(72, 96, 984, 720), {}},
    {"A4 portrait, millimetres", 1, 2, 2970, 2100, 200, 250, 200, 250, 0, {},
     CRect(76, 94, 718, 1029), {}},
    {"A4 landscape, millimetres", 2, 2, 2970, 2100, 200, 250, 200, 250, 0, {},
     CRect(76, 94, 1047, 700), {}},
    // Default stops every inch within a 2-inch text width: 96 and 192 (192 is
    // not below the width).
    {"default stops", 1, 1, 3000, 3000, 500, 500, 500, 500, 1000, {}, CRect(48, 48, 240, 240),
     {96}},
    // Custom stops first, then default stops after the last custom one.
    {"custom then default stops", 1, 1, 11000, 8500, 750, 1000, 750, 1000, 1000, {250, 1500},
     CRect(72, 96, 744, 960), {24, 144, 192, 288, 384, 480, 576}},
    {"custom stops, no interval", 1, 1, 11000, 8500, 750, 1000, 750, 1000, 0, {500, 750},
     CRect(72, 96, 744, 960), {48, 72}},
    // Half-centimetre default stops in millimetres: 5 mm is 18.9 pixels.
    {"millimetre stops", 1, 2, 600, 600, 100, 100, 100, 100, 50, {}, CRect(38, 38, 189, 189),
     {19, 38, 57, 76, 94, 113, 132}},
};
// clang-format on

class PageMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

TEST_P(PageMetricsTest, TextRectangleAndPixelTabStops) {
  const MetricsCase& c = GetParam();
  CPageLayout layout;
  layout.settings.orientation = c.orientation;
  layout.settings.unit = c.unit;
  layout.settings.length = c.length;
  layout.settings.width = c.width;
  layout.settings.leftMargin = c.left;
  layout.settings.topMargin = c.top;
  layout.settings.rightMargin = c.right;
  layout.settings.bottomMargin = c.bottom;
  layout.tabInterval = c.tabInterval;
  for (DWORD stop : c.tabStops) layout.tabStops.Add(stop);
  layout.ComputeMetrics(96, 96);
  EXPECT_EQ(layout.textRect.left, c.textRect.left) << c.name;
  EXPECT_EQ(layout.textRect.top, c.textRect.top) << c.name;
  EXPECT_EQ(layout.textRect.right, c.textRect.right) << c.name;
  EXPECT_EQ(layout.textRect.bottom, c.textRect.bottom) << c.name;
  std::vector<DWORD> stops(layout.pixelTabStops.GetData(),
                           layout.pixelTabStops.GetData() + layout.pixelTabStops.GetSize());
  EXPECT_EQ(stops, c.pixelStops) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, PageMetricsTest, ::testing::ValuesIn(kMetricsCases));

TEST(PageMetricsTest, MarginsWiderThanThePageLeaveNoTextArea) {
  CPageLayout layout;
  layout.settings.leftMargin = 5000;
  layout.settings.rightMargin = 5000;
  layout.tabInterval = 500;
  layout.ComputeMetrics(96, 96);
  EXPECT_FALSE(layout.HasTextArea());
  EXPECT_EQ(layout.pixelTabStops.GetSize(), 0);
}

struct PageSizeCase {
  const char* name;
  WORD codeA, lengthA, widthA, orientA;
  WORD codeB, lengthB, widthB, orientB;
  BOOL same;
};

const PageSizeCase kPageSizeCases[] = {
    {"same paper code", 1, 11000, 8500, 1, 1, 11000, 8500, 1, TRUE},
    {"same code, other orientation", 1, 11000, 8500, 1, 1, 11000, 8500, 2, FALSE},
    {"other paper code", 1, 11000, 8500, 1, 9, 11693, 8268, 1, FALSE},
    {"custom, same length, other width", 0, 5000, 3000, 1, 0, 5000, 4000, 1, TRUE},
    {"custom, other length", 0, 5000, 3000, 1, 0, 6000, 3000, 1, FALSE},
    {"custom against a code of the same size", 0, 11000, 8500, 1, 1, 11000, 8500, 1, FALSE},
};

class SamePageSizeTest : public ::testing::TestWithParam<PageSizeCase> {};

TEST_P(SamePageSizeTest, Rule) {
  const PageSizeCase& c = GetParam();
  CPageLayout a, b;
  a.settings.paperCode = c.codeA;
  a.settings.length = c.lengthA;
  a.settings.width = c.widthA;
  a.settings.orientation = c.orientA;
  b.settings.paperCode = c.codeB;
  b.settings.length = c.lengthB;
  b.settings.width = c.widthB;
  b.settings.orientation = c.orientB;
  EXPECT_EQ(a.HasSamePageSize(b), c.same) << c.name;
  EXPECT_EQ(b.HasSamePageSize(a), c.same) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, SamePageSizeTest, ::testing::ValuesIn(kPageSizeCases));

TEST(CPageLayoutTest, CopyKeepsLinksAndEqualityComparesSettingsStopsAndRectangle) {
  CPageLayout first;
  first.tabStops.Add(300);
  first.ComputeMetrics(96, 96);
  CPageLayout second(first, &first);
  EXPECT_EQ(first.next, &second);
  EXPECT_EQ(second.prev, &first);
  EXPECT_TRUE(first == second);

  CPageLayout other;
  other = first;
  EXPECT_EQ(other.next, nullptr);
  other.tabStops.Add(600);
  EXPECT_FALSE(other == first);
  other = first;
  other.settings.topMargin++;
  EXPECT_FALSE(other == first);
}

TEST(CPageLayoutTest, DestroyingALayoutUnlinksIt) {
  CPageLayout first;
  {
    CPageLayout second(first, &first);
    CPageLayout third(first, &second);
    EXPECT_EQ(second.next, &third);
  }
  EXPECT_EQ(first.next, nullptr);
}

}  // namespace
