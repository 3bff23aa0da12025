#include "editor/core/DocRulerMarks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/tests/core/DocTestSupport.h"

namespace {

class RecordingRulerDC : public IDocRulerDC {
 public:
  void FillRect(const CRect& rect, COLORREF color) override {
    fills.push_back(rect);
    fillColors.push_back(color);
  }
  void Line(int x1, int y1, int x2, int y2) override {
    lines.push_back(std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," +
                    std::to_string(y2));
  }
  void SetPixel(int x, int y, COLORREF) override { pixels.push_back(CPoint(x, y)); }

  std::vector<CRect> fills;
  std::vector<COLORREF> fillColors;
  std::vector<std::string> lines;
  std::vector<CPoint> pixels;
};

CPageLayout SmallLayout() {
  CPageLayout layout;
  layout.settings = SmallPage();
  layout.tabInterval = 500;
  layout.ComputeMetrics(96, 96);
  return layout;
}

TEST(RulerMarksTest, PaperSizesFollowUnitAndOrientation) {
  struct Case {
    WORD width, length, unit, orientation;
    CSize pixels;
  } cases[] = {
      {8500, 11000, 1, 1, CSize(816, 1056)},
      {8500, 11000, 1, 2, CSize(1056, 816)},
      {2100, 2970, 2, 1, CSize(794, 1123)},
  };
  for (const Case& c : cases) {
    CPageLayout layout;
    layout.settings.width = c.width;
    layout.settings.length = c.length;
    layout.settings.unit = c.unit;
    layout.settings.orientation = c.orientation;
    EXPECT_EQ(RulerPaperPixels(layout, 96, 96), c.pixels) << c.unit << " " << c.orientation;
  }
}

TEST(RulerMarksTest, TabMarkersStandFromTheMarginTheSideBeginsAt) {
  CPageLayout layout = SmallLayout();
  ASSERT_EQ(layout.textRect, CRect(24, 24, 264, 264));
  struct Case {
    int side;
    int firstMarkerX;
  } cases[] = {{0, 24 + 48}, {1, 264 - 48}};
  for (const Case& c : cases) {
    RecordingRulerDC dc;
    DrawHorizontalRuler(dc, layout, c.side, 288, 16);
    // The stretch between the margins, then where the page and margins end.
    ASSERT_EQ(dc.fills.size(), 1u);
    EXPECT_EQ(dc.fills[0], CRect(25, 0, 264, 16));
    EXPECT_EQ(dc.fillColors[0], kRulerTextAreaColor);
    EXPECT_EQ(dc.lines, (std::vector<std::string>{"288,0-288,16", "24,0-24,16", "264,0-264,16"}));
    // Four stops, each 1 + 3 + 5 pixels, the point 2 pixels above the bottom.
    ASSERT_EQ(dc.pixels.size(), 4u * 9u);
    EXPECT_EQ(dc.pixels[0], CPoint(c.firstMarkerX, 13));
    EXPECT_EQ(dc.pixels[8], CPoint(c.firstMarkerX + 2, 11));
  }
}

TEST(RulerMarksTest, TheVerticalRulerMarksTheTextHeight) {
  RecordingRulerDC dc;
  DrawVerticalRuler(dc, SmallLayout(), 288, 20);
  EXPECT_EQ(dc.fills, std::vector<CRect>{CRect(0, 25, 20, 264)});
  EXPECT_EQ(dc.fillColors[0], kRulerTextHeightColor);
  EXPECT_EQ(dc.lines, (std::vector<std::string>{"0,288-20,288", "0,24-20,24", "0,264-20,264"}));
}

TEST(RulerMarksTest, ThePageNumberIsCentredButStartsInsideANarrowCorner) {
  EXPECT_STREQ(RulerPageNumber(0), "1");
  struct Case {
    CRect square;
    CSize text;
    CPoint origin;
  } cases[] = {
      {CRect(0, 100, 20, 16 + 100), CSize(6, 8), CPoint(7, 104)},
      {CRect(0, 100, 20, 16 + 100), CSize(30, 20), CPoint(1, 101)},
  };
  for (const Case& c : cases) EXPECT_EQ(RulerNumberOrigin(c.square, c.text), c.origin);
}

}  // namespace
