// The rows of a dock bar: packing, dragged offsets, wrapping, the room the
// rows take, where a dropped bar joins them, and saved positions brought to a
// screen of another size.
#include <gtest/gtest.h>

#include <vector>

#include "classlib/core/DockRows.h"
#include "classlib/core/DockScreenScale.h"

namespace {

DockSlot Bar(int cx, int cy, int xNow = 0, int yNow = 0) {
  DockSlot slot;
  slot.kind = DockSlot::kBar;
  slot.bVisible = TRUE;
  slot.size = CSize(cx, cy);
  slot.rectCurrent = CRect(CPoint(xNow, yNow), CSize(cx, cy));
  return slot;
}
DockSlot HiddenBar(int cx, int cy) {
  DockSlot slot = Bar(cx, cy);
  slot.bVisible = FALSE;
  return slot;
}
DockSlot Break() { return DockSlot(); }
DockSlot Placeholder() {
  DockSlot slot;
  slot.kind = DockSlot::kPlaceholder;
  return slot;
}

DockRowsOptions Horizontal(int nLength, int nOverlap = 0) {
  DockRowsOptions options;
  options.bHorz = TRUE;
  options.nLength = nLength;
  options.nOverlap = nOverlap;
  return options;
}

struct LayoutCase {
  const char* name;
  std::vector<DockSlot> slots;
  DockRowsOptions options;
  std::vector<CRect> rects;
  std::vector<size_t> wrapBefore;
  CSize size;
};

const CRect kNone(0, 0, 0, 0);

TEST(DockRowsTest, BarsArePackedIntoRowsAndWrapWhenNothingOfThemFits) {
  DockRowsOptions floating = Horizontal(50);
  floating.bFloating = TRUE;
  DockRowsOptions vertical = Horizontal(300);
  vertical.bHorz = FALSE;
  // clang-format off
  const LayoutCase cases[] = {
    {"empty dock bar takes no room", {Break()}, Horizontal(400), {kNone}, {}, CSize(0, 0)},
    {"one row packed from the start",
     {Break(), Bar(100, 26), Bar(60, 26), Break()}, Horizontal(400),
     {kNone, CRect(0, 0, 100, 26), CRect(100, 0, 160, 26), kNone}, {}, CSize(160, 26)},
    {"two rows, the second below the thicker first",
     {Break(), Bar(100, 30), Break(), Bar(80, 20), Break()}, Horizontal(400),
     {kNone, CRect(0, 0, 100, 30), kNone, CRect(0, 30, 80, 50), kNone}, {}, CSize(100, 50)},
    {"neighbours and rows share their edges",
     {Break(), Bar(100, 30), Bar(50, 30), Break(), Bar(80, 20), Break()}, Horizontal(400, 2),
     {kNone, CRect(0, 0, 100, 30), CRect(98, 0, 148, 30), kNone, CRect(0, 28, 80, 48), kNone},
     {}, CSize(148, 48)},
    {"a dragged bar keeps its offset",
     {Break(), Bar(100, 26), Bar(60, 26, 250, 0), Break()}, Horizontal(400),
     {kNone, CRect(0, 0, 100, 26), CRect(250, 0, 310, 26), kNone}, {}, CSize(310, 26)},
    {"an offset past the end comes back into the row",
     {Break(), Bar(100, 26, 380, 0), Break()}, Horizontal(400),
     {kNone, CRect(300, 0, 400, 26), kNone}, {}, CSize(400, 26)},
    {"a bar partly in the room stays in its row",
     {Break(), Bar(150, 26), Bar(100, 26), Break()}, Horizontal(200),
     {kNone, CRect(0, 0, 150, 26), CRect(150, 0, 250, 26), kNone}, {}, CSize(250, 26)},
    {"a bar with nothing in the room wraps",
     {Break(), Bar(200, 26), Bar(100, 26), Bar(50, 20), Break()}, Horizontal(200),
     {kNone, CRect(0, 0, 200, 26), CRect(0, 26, 100, 52), CRect(100, 26, 150, 46), kNone},
     {2}, CSize(200, 52)},
    {"the first bar of a row never wraps",
     {Break(), Bar(300, 26), Break()}, Horizontal(200),
     {kNone, CRect(0, 0, 300, 26), kNone}, {}, CSize(300, 26)},
    {"hidden bars and placeholders take no room",
     {Break(), HiddenBar(100, 26), Placeholder(), Bar(60, 26), Break(), HiddenBar(90, 90), Break()},
     Horizontal(400),
     {kNone, kNone, kNone, CRect(0, 0, 60, 26), kNone, kNone, kNone}, {}, CSize(60, 26)},
    {"a floating dock bar packs and never wraps",
     {Break(), Bar(40, 26, 30, 0), Bar(40, 26), Break()}, floating,
     {kNone, CRect(0, 0, 40, 26), CRect(40, 0, 80, 26), kNone}, {}, CSize(80, 26)},
    {"a left dock bar's rows run top to bottom",
     {Break(), Bar(26, 100), Bar(26, 60, 0, 150), Break(), Bar(40, 30), Break()}, vertical,
     {kNone, CRect(0, 0, 26, 100), CRect(0, 150, 26, 210), kNone, CRect(26, 0, 66, 30), kNone},
     {}, CSize(66, 210)},
  };
  // clang-format on
  for (const LayoutCase& c : cases) {
    DockRowsLayout layout = LayOutDockRows(c.slots, c.options);
    ASSERT_EQ(c.rects.size(), layout.rects.size()) << c.name;
    for (size_t i = 0; i < c.rects.size(); ++i)
      EXPECT_EQ(c.rects[i], layout.rects[i]) << c.name << ", slot " << i;
    EXPECT_EQ(c.wrapBefore, layout.wrapBefore) << c.name;
    EXPECT_EQ(c.size, layout.size) << c.name;
  }
}

TEST(DockRowsTest, ADroppedBarJoinsTheRowUnderItOrMakesANewOne) {
  // Two rows: A and B in the first (y 0 to 26), C in the second (26 to 56).
  const std::vector<DockSlot> slots = {Break(), Bar(100, 26, 0, 0), Bar(80, 26, 100, 0),
                                       Break(), Bar(90, 30, 0, 26), Break()};
  struct Case {
    const char* name;
    CPoint ptDrop;
    size_t nIndex;
    BOOL bNewRow;
  };
  // clang-format off
  const Case cases[] = {
    {"above the first row", CPoint(10, -20), 1, TRUE},
    {"first row, before A", CPoint(-5, 4), 1, FALSE},
    {"first row, between A and B", CPoint(50, 4), 2, FALSE},
    {"first row, after B", CPoint(150, 10), 3, FALSE},
    {"second row, after C", CPoint(120, 30), 5, FALSE},
    {"below the last row", CPoint(10, 70), 6, TRUE},
  };
  // clang-format on
  for (const Case& c : cases) {
    DockInsertion insertion = FindDockInsertion(slots, TRUE, c.ptDrop);
    EXPECT_EQ(c.nIndex, insertion.nIndex) << c.name;
    EXPECT_EQ(c.bNewRow, insertion.bNewRow) << c.name;
  }
}

TEST(DockRowsTest, AnEmptyDockBarTakesTheDropAsItsFirstRow) {
  DockInsertion insertion = FindDockInsertion({Break()}, FALSE, CPoint(3, 40));
  EXPECT_EQ(1u, insertion.nIndex);
  EXPECT_TRUE(insertion.bNewRow);
  // On a left dock bar the rows are columns: y runs along them.
  const std::vector<DockSlot> column = {Break(), Bar(26, 100, 0, 0), Break()};
  EXPECT_EQ(2u, FindDockInsertion(column, FALSE, CPoint(5, 150)).nIndex);
  EXPECT_TRUE(FindDockInsertion(column, FALSE, CPoint(40, 10)).bNewRow);
}

TEST(DockScreenScaleTest, PositionsFollowTheScreenAndStayOnIt) {
  struct Case {
    const char* name;
    CPoint pt;
    CSize sizeSaved;
    CSize sizeNow;
    CPoint expected;
  };
  // clang-format off
  const Case cases[] = {
    {"same screen", CPoint(300, 200), CSize(1024, 768), CSize(1024, 768), CPoint(300, 200)},
    {"nothing saved keeps the point", CPoint(300, 200), CSize(0, 0), CSize(1024, 768),
     CPoint(300, 200)},
    {"a smaller screen scales down", CPoint(800, 600), CSize(1600, 1200), CSize(800, 600),
     CPoint(400, 300)},
    {"a larger screen scales up, rounded", CPoint(333, 101), CSize(1000, 1000),
     CSize(1280, 1024), CPoint(426, 103)},
    {"a point past the right edge comes back", CPoint(5000, 100), CSize(0, 0), CSize(800, 600),
     CPoint(800 - kMinOnScreen, 100)},
    {"a point above and left of the screen comes back", CPoint(-400, -30), CSize(800, 600),
     CSize(800, 600), CPoint(0, 0)},
    {"no position stays", CPoint(kNoDockPosition, kNoDockPosition), CSize(1600, 1200),
     CSize(800, 600), CPoint(kNoDockPosition, kNoDockPosition)},
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, ScaleDockPoint(c.pt, c.sizeSaved, c.sizeNow)) << c.name;
}

TEST(DockScreenScaleTest, AFramesCornerIsKeptWhereItsCaptionCanBeTaken) {
  const CSize screen(800, 600);
  struct Case {
    CPoint pt;
    CPoint expected;
  };
  const Case cases[] = {
      {CPoint(-4, -20), CPoint(0, 0)},
      {CPoint(790, 590), CPoint(800 - kMinOnScreen, 600 - kMinOnScreen)},
      {CPoint(kNoDockPosition, kNoDockPosition), CPoint(0, 0)},
      {CPoint(100, 50), CPoint(100, 50)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, KeepDockPointOnScreen(c.pt, screen)) << c.pt.x;
  EXPECT_EQ(CPoint(-4, 900), KeepDockPointOnScreen(CPoint(-4, 900), CSize(0, 0)));
}

TEST(DockScreenScaleTest, ARectangleMovesWithItsCornerAndKeepsItsSize) {
  CRect rect = ScaleDockRectPos(CRect(800, 400, 900, 426), CSize(1600, 800), CSize(800, 600));
  EXPECT_EQ(CRect(400, 300, 500, 326), rect);
}

}  // namespace
