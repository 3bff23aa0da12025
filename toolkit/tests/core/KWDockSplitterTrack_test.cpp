#include "toolkit/core/KWDockSplitterTrack.h"

#include <gtest/gtest.h>

#include <vector>

namespace kw_dock_splitter_track_test {

KWDockEntry Window(int length, int minLength, int thickness) {
  KWDockEntry e;
  e.kind = KWDockEntry::kBar;
  e.bVisible = e.bDockWindow = TRUE;
  e.nLength = e.nDesiredLength = length;
  e.nMinLength = minLength;
  e.nThickness = thickness;
  return e;
}

KWDockEntry Toolbar(int length, int thickness) {
  KWDockEntry e;
  e.kind = KWDockEntry::kBar;
  e.bVisible = TRUE;
  e.nLength = length;
  e.nThickness = thickness;
  return e;
}

TEST(KWDockSplitterTrack, RowSplitterRangesFromTheFixedBarsToTheFreeRoom) {
  const KWDockEntries rows = {Toolbar(100, 26), Window(200, 50, 120), Window(150, 40, 90)};
  const KWSplitterExtent extent = KWRowSplitterLimits(rows, 0, 300);
  EXPECT_EQ(extent.start, 120);
  EXPECT_EQ(extent.current, 120);
  EXPECT_EQ(extent.lower, 26);
  EXPECT_EQ(extent.upper, 420);
  EXPECT_EQ(KWRowSplitterLimits(rows, 1, -5).lower, kKWMinRowThickness);
  EXPECT_EQ(KWRowSplitterLimits(rows, 1, -5).upper, 120);
}

TEST(KWDockSplitterTrack, BarSplitterStopsWhereEitherSideReachesItsMinimum) {
  // Windows of 200 (min 50) and 100 (min 40) before the splitter, 150 (min 30)
  // after it.
  const KWDockEntries rows = {Window(200, 50, 90), Window(100, 40, 90), Window(150, 30, 90)};
  const KWSplitterExtent extent = KWBarSplitterLimits(rows, 2, 312);
  EXPECT_EQ(extent.current, 312);
  EXPECT_EQ(extent.lower, 312 - 210);
  EXPECT_EQ(extent.upper, 312 + 120);
  const KWSplitterExtent none = KWBarSplitterLimits(rows, 7, 40);
  EXPECT_EQ(none.lower, 40);
  EXPECT_EQ(none.upper, 40);
}

TEST(KWDockSplitterTrack, DragDeepensTheRowAwayFromTheFrameEdge) {
  struct Case {
    UINT id;
    BOOL bRow;
    int kind;
    CPoint mouse;
    int current;
    CSize moved;
  };
  // Extent 100 between 40 and 130; the drag starts at (50, 50).
  const Case cases[] = {
      {kKWDockBarTop, TRUE, kKWSplitterHorz, {50, 80}, 130, {0, 30}},
      {kKWDockBarTop, TRUE, kKWSplitterHorz, {50, 120}, 130, {0, 30}},  // stops at the maximum
      {kKWDockBarTop, TRUE, kKWSplitterHorz, {70, 50}, 100, {0, 0}},    // across the axis
      {kKWDockBarBottom, TRUE, kKWSplitterHorz, {50, 30}, 120, {0, -20}},
      {kKWDockBarBottom, TRUE, kKWSplitterHorz, {50, 150}, 40, {0, 60}},  // stops at the minimum
      {kKWDockBarLeft, TRUE, kKWSplitterVert, {60, 50}, 110, {10, 0}},
      {kKWDockBarRight, TRUE, kKWSplitterVert, {60, 50}, 90, {10, 0}},
      {kKWDockBarRight, TRUE, kKWSplitterVert, {0, 50}, 130, {-30, 0}},
      {kKWDockBarTop, FALSE, kKWSplitterVert, {35, 90}, 85, {-15, 0}},
      {kKWDockBarLeft, FALSE, kKWSplitterHorz, {0, -20}, 40, {0, -60}},
  };
  for (const Case& c : cases) {
    KWSplitterExtent extent;
    extent.start = extent.current = 100;
    extent.lower = 40;
    extent.upper = 130;
    EXPECT_EQ(KWSplitterDrag(extent, c.id, c.bRow, c.kind, c.mouse, CPoint(50, 50)), c.moved)
        << c.id << " " << c.mouse.x << "," << c.mouse.y;
    EXPECT_EQ(extent.current, c.current) << c.id << " " << c.mouse.x << "," << c.mouse.y;
    EXPECT_EQ(extent.start, 100);
  }
}

TEST(KWDockSplitterTrack, DragOutsideTheLimitsNeverMovesFurtherOut) {
  KWSplitterExtent extent;
  extent.start = extent.current = 100;
  extent.lower = 120;  // a row already thinner than its bars allow
  extent.upper = 90;
  EXPECT_EQ(KWSplitterDrag(extent, kKWDockBarTop, TRUE, kKWSplitterHorz, {0, 40}, {0, 0}),
            CSize(0, 0));
  EXPECT_EQ(extent.current, 100);
}

TEST(KWDockSplitterTrack, BarSplitMovesLengthBetweenNeighbours) {
  struct Case {
    int delta;
    std::vector<int> lengths;
  };
  const Case cases[] = {
      {30, {200, 130, 120}},
      {-110, {150, 40, 260}},  // the nearer window gives up to its minimum first
      {0, {200, 100, 150}},
  };
  for (const Case& c : cases) {
    KWDockEntries rows = {Window(200, 50, 90), Window(100, 40, 90), Window(150, 30, 90)};
    KWApplyBarSplit(rows, 2, c.delta);
    std::vector<int> lengths;
    for (const KWDockEntry& e : rows) lengths.push_back(e.nLength);
    EXPECT_EQ(lengths, c.lengths) << c.delta;
  }
}

TEST(KWDockSplitterTrack, RowThicknessGoesToItsDockingWindowsOnly) {
  KWDockEntries rows = {Toolbar(100, 26), Window(200, 50, 90), KWDockEntry(),
                        Window(100, 40, 70)};
  KWSetRowThickness(rows, 0, 140);
  EXPECT_EQ(rows[0].nThickness, 26);
  EXPECT_EQ(rows[1].nThickness, 140);
  EXPECT_EQ(rows[3].nThickness, 70);
}

TEST(KWDockSplitterTrack, RaisedEdgeLines) {
  using Lines = std::vector<KWSplitterLine>;
  auto rects = [](const Lines& lines) {
    std::vector<CRect> out;
    for (const KWSplitterLine& l : lines) out.push_back(l.rect);
    return out;
  };
  const CRect vert(10, 0, 16, 40);
  EXPECT_EQ(rects(KWSplitterEdges(vert, kKWSplitterVert, 0, FALSE)),
            std::vector<CRect>({{10, 0, 15, 1}, {10, 0, 11, 40}, {10, 39, 15, 40},
                                {14, 0, 15, 40}, {15, 0, 16, 40}}));
  const CRect horz(0, 20, 50, 26);
  const Lines lines = KWSplitterEdges(horz, kKWSplitterHorz, kKWDockNoFrameLine, FALSE);
  EXPECT_EQ(rects(lines),
            std::vector<CRect>({{0, 20, 1, 25}, {0, 20, 49, 21}, {49, 20, 50, 25},
                                {0, 24, 49, 25}}));
  const KWSplitterColor colors[] = {kwSplitterHighlight, kwSplitterHighlight, kwSplitterShadow,
                                    kwSplitterShadow};
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].color, colors[i]);
  EXPECT_EQ(KWSplitterEdges(horz, kKWSplitterHorz, 0, FALSE).back().rect, CRect(0, 25, 50, 26));
  EXPECT_TRUE(KWSplitterEdges(vert, kKWSplitterVert, 0, TRUE).empty());
  EXPECT_TRUE(KWSplitterEdges(vert, kKWSplitterVert, kKWDockFlatSplitters, FALSE).empty());
}

}  // namespace kw_dock_splitter_track_test
