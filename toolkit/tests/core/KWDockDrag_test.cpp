#include "toolkit/core/KWDockDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr DWORD kBothWays = kKWAlignAny;

TEST(KWDockDrag, RectanglesMoveTheLeastToHoldTheCursor) {
  struct Case {
    CPoint pt;
    CRect moved;
  };
  const CRect start(100, 100, 200, 130);
  const Case cases[] = {
      {{150, 110}, {100, 100, 200, 130}},  // already inside
      {{40, 110}, {40, 100, 140, 130}},    // left of it
      {{260, 90}, {160, 90, 260, 120}},    // right of and above it
      {{150, 170}, {100, 140, 200, 170}},  // below it
  };
  for (const Case& c : cases) {
    CRect rect = start;
    KWKeepUnderCursor(rect, c.pt);
    EXPECT_EQ(rect, c.moved) << c.pt.x << "," << c.pt.y;
  }
  KWDragRects rects{start, CRect(0, 0, 30, 100), CRect(10, 10, 20, 20), CRect(150, 150, 160, 160)};
  KWKeepUnderCursor(rects, CPoint(150, 110));
  EXPECT_EQ(rects.dragHorz, start);
  EXPECT_EQ(rects.dragVert, CRect(120, 10, 150, 110));
  EXPECT_EQ(rects.frameHorz, CRect(140, 100, 150, 110));
  EXPECT_EQ(rects.frameVert, CRect(150, 110, 160, 120));
  KWMoveDragRects(rects, CSize(-5, 7));
  EXPECT_EQ(rects.dragHorz, CRect(95, 107, 195, 137));
  EXPECT_EQ(rects.frameVert, CRect(145, 117, 155, 127));
}

TEST(KWDockDrag, DragStartsFromTheBarsSizesAroundThePoint) {
  struct Case {
    const char* name;
    KWBarSizing sizing;
    CRect bar;
    CPoint pt;
    BOOL bBarHorz;
    KWDragRects rects;
  };
  const CRect horzBar(100, 20, 300, 46);
  const Case cases[] = {
      {"dynamic, moved to the point", kwSizeDynamic, horzBar, {290, 30}, TRUE,
       {{110, 20, 290, 46}, {260, 20, 290, 170}, {124, 0, 290, 63}, {124, 0, 290, 63}}},
      {"fixed: frames from the docked rectangles", kwSizeFixed, horzBar, {290, 30}, TRUE,
       {{100, 20, 300, 46}, {264, 20, 290, 220}, {97, 0, 303, 49}, {258, 0, 290, 223}}},
      {"other, horizontal bar", kwSizeOther, horzBar, {290, 30}, TRUE,
       {{100, 20, 300, 46}, {277, 20, 303, 140}, {97, 0, 303, 49}, {274, 0, 306, 143}}},
      {"other, vertical bar", kwSizeOther, {0, 60, 26, 400}, {10, 200}, FALSE,
       {{0, 187, 120, 213}, {0, 60, 26, 400}, {-3, 167, 123, 216}, {-3, 40, 29, 403}}},
  };
  for (const Case& c : cases) {
    KWDragStart s;
    s.sizing = c.sizing;
    s.bar = c.bar;
    s.pt = c.pt;
    s.bBarHorz = c.bBarHorz;
    s.horz = c.sizing == kwSizeDynamic ? CSize(180, 26) : CSize(200, 26);
    s.vert = c.sizing == kwSizeDynamic ? CSize(30, 150) : CSize(26, 200);
    s.other = c.bBarHorz ? CSize(26, 120) : CSize(120, 26);
    s.floating = CSize(160, 40);
    s.frameBorders = CRect(3, 20, 3, 3);
    const KWDragRects r = KWStartDragRects(s);
    EXPECT_EQ(r.dragHorz, c.rects.dragHorz) << c.name;
    EXPECT_EQ(r.dragVert, c.rects.dragVert) << c.name;
    EXPECT_EQ(r.frameHorz, c.rects.frameHorz) << c.name;
    EXPECT_EQ(r.frameVert, c.rects.frameVert) << c.name;
  }
}

// A frame with a top dock bar above y = 50 and a left one left of x = 50; a
// rectangle docks where its centre lies.
DWORD ProbeFrame(const CRect& rect, DWORD dwStyle) {
  const CPoint c = rect.CenterPoint();
  if (c.y < 50 && c.x >= 50) return dwStyle & kKWAlignTop;
  if (c.x < 50 && c.y >= 50) return dwStyle & kKWAlignLeft;
  return 0;
}

TEST(KWDockDrag, OverDockStyleFollowsTheBarsOrientationAndShift) {
  struct Case {
    const char* name;
    CRect horz;
    CRect vert;
    BOOL bBarHorz;
    BOOL bFlip;
    DWORD dwDockStyle;
    DWORD over;
  };
  const Case cases[] = {
      {"horizontal over the top", {60, 0, 200, 30}, {60, 0, 90, 140}, TRUE, FALSE, kBothWays,
       kKWAlignTop},
      {"horizontal over the left, both agree", {0, 60, 40, 80}, {0, 60, 30, 200}, TRUE, FALSE,
       kBothWays, kKWAlignLeft},
      {"rectangles disagree", {60, 60, 200, 80}, {0, 60, 30, 200}, TRUE, FALSE, kBothWays, 0},
      {"flipped takes its own rectangle only", {60, 60, 200, 80}, {0, 60, 30, 200}, TRUE, TRUE,
       kBothWays, kKWAlignLeft},
      {"vertical over the left", {60, 60, 200, 80}, {0, 60, 30, 200}, FALSE, FALSE, kBothWays,
       kKWAlignLeft},
      {"top only, over the left", {0, 60, 40, 80}, {0, 60, 30, 200}, TRUE, FALSE, kKWAlignTop, 0},
      {"left only, horizontal bar", {60, 60, 200, 80}, {0, 60, 30, 200}, TRUE, FALSE,
       kKWAlignLeft, kKWAlignLeft},
      {"over nothing", {300, 300, 400, 330}, {300, 300, 330, 400}, TRUE, FALSE, kBothWays, 0},
  };
  for (const Case& c : cases) {
    const KWDragRects rects{c.horz, c.vert, CRect(), CRect()};
    EXPECT_EQ(KWOverDockStyle(rects, c.bBarHorz, c.bFlip, c.dwDockStyle, ProbeFrame), c.over)
        << c.name;
  }
}

TEST(KWDockDrag, OverDockStyleAsksEachOrientationWithoutTheOther) {
  std::vector<DWORD> asked;
  const KWDockProbe probe = [&](const CRect&, DWORD dwStyle) {
    asked.push_back(dwStyle);
    return DWORD{0};
  };
  KWOverDockStyle(KWDragRects{}, TRUE, FALSE, kBothWays | kKWFloatMulti, probe);
  const DWORD horz = kKWOrientHorz | kKWFloatMulti;
  const DWORD vert = kKWOrientVert | kKWFloatMulti;
  EXPECT_EQ(asked, (std::vector<DWORD>{horz, horz, horz, vert, vert}));
}

TEST(KWDockDrag, CtrlAndShiftChangeTheStateOnlyWhenTheyChange) {
  struct Step {
    KWDragKey key;
    BOOL bDown;
    DWORD dwDockStyle;
    BOOL changed;
    BOOL bForceFrame;
    BOOL bFlip;
  };
  const Step steps[] = {
      {kwKeyControl, TRUE, kBothWays, TRUE, TRUE, FALSE},
      {kwKeyControl, TRUE, kBothWays, FALSE, TRUE, FALSE},  // auto-repeat
      {kwKeyShift, TRUE, kKWOrientHorz, TRUE, TRUE, FALSE},  // one way only: no flip
      {kwKeyShift, TRUE, kBothWays, TRUE, TRUE, TRUE},
      {kwKeyControl, FALSE, kBothWays, TRUE, FALSE, TRUE},
      {kwKeyShift, FALSE, kBothWays, TRUE, FALSE, FALSE},
      {kwKeyShift, FALSE, kBothWays, FALSE, FALSE, FALSE},
  };
  KWDragKeys keys;
  for (const Step& s : steps) {
    EXPECT_EQ(KWApplyDragKey(keys, s.key, s.bDown, s.dwDockStyle), s.changed);
    EXPECT_EQ(keys.bForceFrame, s.bForceFrame);
    EXPECT_EQ(keys.bFlip, s.bFlip);
  }
}

TEST(KWDockDrag, FloatingStyleTakesTheTopUnlessTheBarLiesVertically) {
  struct Case {
    DWORD dwBarStyle;
    BOOL bBarHorz;
    BOOL bFlip;
    DWORD dwDockStyle;
    DWORD style;
  };
  const Case cases[] = {
      {0, TRUE, FALSE, kBothWays, kKWAlignTop},
      {0, FALSE, FALSE, kBothWays | kKWFloatMulti, kKWAlignLeft | kKWFloatMulti},
      {0, FALSE, TRUE, kBothWays, kKWAlignTop},
      {0, TRUE, TRUE, kBothWays, kKWAlignLeft},
      {kKWSizeDynamic, FALSE, FALSE, kBothWays | kKWFloatMulti, kKWAlignTop | kKWFloatMulti},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KWFloatStyle(c.dwBarStyle, c.bBarHorz, c.bFlip, c.dwDockStyle), c.style)
        << c.dwBarStyle << " " << c.bBarHorz << c.bFlip;
}

TEST(KWDockDrag, FeedbackIsTheDockRectangleOverADockBarElseTheFrame) {
  KWFeedbackInput in;
  in.rects = {CRect(100, 10, 200, 40), CRect(10, 100, 40, 200), CRect(90, 0, 210, 60),
              CRect(0, 90, 60, 210)};
  in.frameMetrics = CSize(4, 5);
  in.dockBar = CRect(0, 0, 800, 50);
  struct Case {
    const char* name;
    DWORD over;
    BOOL bDockWindow;
    BOOL bBarHorz;
    BOOL bFlip;
    BOOL bRemove;
    CRect rect;
    CSize edge;
    BOOL bHalftone;
  };
  const Case cases[] = {
      {"toolbar over the top", kKWAlignTop, FALSE, TRUE, FALSE, FALSE, {101, 11, 199, 39}, {1, 1},
       FALSE},
      {"docking window inside the dock bar", kKWAlignTop, TRUE, TRUE, FALSE, FALSE,
       {101, 11, 199, 39}, {1, 1}, FALSE},
      {"removed", kKWAlignTop, FALSE, TRUE, FALSE, TRUE, {101, 11, 199, 39}, {0, 0}, FALSE},
      {"over the left", kKWAlignLeft, FALSE, TRUE, FALSE, FALSE, {11, 101, 39, 199}, {1, 1},
       FALSE},
      {"floating, horizontal", 0, FALSE, TRUE, FALSE, FALSE, {90, 0, 210, 60}, {3, 4}, TRUE},
      {"floating, flipped", 0, FALSE, TRUE, TRUE, FALSE, {0, 90, 60, 210}, {3, 4}, TRUE},
      {"floating, vertical", 0, TRUE, FALSE, FALSE, FALSE, {0, 90, 60, 210}, {3, 4}, TRUE},
  };
  for (const Case& c : cases) {
    in.dwOverDockStyle = c.over;
    in.bDockWindow = c.bDockWindow;
    in.bBarHorz = c.bBarHorz;
    in.bFlip = c.bFlip;
    in.bRemove = c.bRemove;
    const KWDragFeedback out = KWDragFeedbackFor(in);
    EXPECT_EQ(out.rect, c.rect) << c.name;
    EXPECT_EQ(out.edge, c.edge) << c.name;
    EXPECT_EQ(out.bHalftone, c.bHalftone) << c.name;
  }
}

TEST(KWDockDrag, DockingWindowBesideAnEmptyDockBarSpansItsLength) {
  KWFeedbackInput in;
  in.bDockWindow = TRUE;
  in.rects.dragHorz = CRect(100, 496, 300, 596);  // centre below the bottom dock bar
  in.rects.dragVert = CRect(796, 100, 896, 300);  // centre right of the right dock bar
  in.dwOverDockStyle = kKWAlignBottom;
  in.dockBar = CRect(0, 500, 800, 504);
  EXPECT_EQ(KWDragFeedbackFor(in).rect, CRect(1, 497, 799, 595));
  in.dwOverDockStyle = kKWAlignRight;
  in.dockBar = CRect(800, 0, 804, 600);
  EXPECT_EQ(KWDragFeedbackFor(in).rect, CRect(797, 1, 895, 599));
  // No dock bar found: the drag rectangle as it is.
  in.dockBar = CRect();
  EXPECT_EQ(KWDragFeedbackFor(in).rect, CRect(797, 101, 895, 299));
}

TEST(KWDockDrag, EmptyDockBarsTakeADropFromAFewPixelsAway) {
  struct Case {
    CRect window;
    CRect area;
  };
  const CRect client(0, 0, 800, 600);
  const Case cases[] = {
      {{0, 0, 800, 0}, {0, 0, 800, 4}},          // empty top: clipped above
      {{0, 600, 800, 600}, {0, 596, 800, 600}},  // empty bottom: clipped below
      {{0, 30, 0, 570}, {0, 30, 4, 570}},        // empty left
      {{0, 0, 800, 26}, {0, 0, 800, 26}},        // a bar with rows
      {{900, 0, 1000, 26}, {900, 0, 1000, 26}},  // outside the parent: not clipped
  };
  for (const Case& c : cases) EXPECT_EQ(KWDockBarHitArea(c.window, client), c.area);
}

}  // namespace
