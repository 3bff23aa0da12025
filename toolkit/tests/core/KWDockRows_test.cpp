#include "toolkit/core/KWDockRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace kw_dock_rows_test {

KWDockEntry Bar(int length, int thickness, BOOL bVisible = TRUE) {
  KWDockEntry e;
  e.kind = KWDockEntry::kBar;
  e.bVisible = bVisible;
  e.nLength = length;
  e.nThickness = thickness;
  return e;
}

KWDockEntry Window(int length, int minLength, int thickness = 100) {
  KWDockEntry e = Bar(length, thickness);
  e.bDockWindow = TRUE;
  e.nDesiredLength = length;
  e.nMinLength = minLength;
  return e;
}

KWDockEntry Break() { return KWDockEntry(); }

KWDockEntry Placeholder() {
  KWDockEntry e;
  e.kind = KWDockEntry::kPlaceholder;
  return e;
}

std::vector<int> Lengths(const KWDockEntries& entries) {
  std::vector<int> lengths;
  for (const KWDockEntry& e : entries)
    if (e.bDockWindow) lengths.push_back(e.nLength);
  return lengths;
}

TEST(KWDockRows, RowBoundsAndMembership) {
  const KWDockEntries rows = {Bar(100, 26), Window(200, 50), Break(), Window(150, 40), Break()};
  EXPECT_EQ(KWRowStart(rows, 1), 0);
  EXPECT_EQ(KWRowStart(rows, 3), 3);
  EXPECT_EQ(KWRowStart(rows, 5), kKWNoEntry);
  EXPECT_EQ(KWRowStart(rows, -1), kKWNoEntry);
  EXPECT_EQ(KWRowEnd(rows, 0), 2);
  EXPECT_EQ(KWRowEnd(rows, 3), 4);
  const BOOL last[] = {FALSE, TRUE, FALSE, TRUE, FALSE};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(KWIsLastInRow(rows, i), last[i]) << i;
  EXPECT_FALSE(KWIsLastInRow(KWDockEntries(), 0));
}

TEST(KWDockRows, RowQueriesCountVisibleBarsToTheRowEnd) {
  // A toolbar, two docking windows, a hidden bar and a placeholder; then a
  // second row that no query from the first reaches.
  const KWDockEntries rows = {Bar(100, 26),      Window(200, 50, 80), Window(150, 40, 90),
                              Bar(300, 120, FALSE), Placeholder(),   Break(),
                              Window(500, 60, 200)};
  struct Case {
    int index, exclude;
    int count, thickness, minThickness, desired, minLength;
  };
  const Case cases[] = {
      {0, kKWNoEntry, 2, 90, 26, 350, 90},
      {1, kKWNoEntry, 2, 90, 2, 350, 90},
      {2, kKWNoEntry, 1, 90, 2, 150, 40},
      {0, 2, 1, 80, 26, 200, 50},
      {3, kKWNoEntry, 0, 0, 2, 0, 0},
      {6, kKWNoEntry, 1, 200, 2, 500, 60},
      {9, kKWNoEntry, 0, 0, 2, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KWCountDockWindows(rows, c.index, c.exclude), c.count) << c.index;
    EXPECT_EQ(KWRowThickness(rows, c.index, c.exclude), c.thickness) << c.index;
    EXPECT_EQ(KWMinRowThickness(rows, c.index, c.exclude), c.minThickness) << c.index;
    EXPECT_EQ(KWDesiredRowLength(rows, c.index, c.exclude), c.desired) << c.index;
    EXPECT_EQ(KWMinRowLength(rows, c.index, c.exclude), c.minLength) << c.index;
  }
}

TEST(KWDockRows, FixedLengthHoldsOtherBarsAndTheSplittersBetweenWindows) {
  const int split = kKWDockSplitterWidth;
  struct Case {
    KWDockEntries rows;
    int index, exclude, fixed;
  };
  const Case cases[] = {
      // A bar between two windows has a splitter on each side.
      {{Window(200, 50), Bar(100, 26), Window(150, 40)}, 0, kKWNoEntry, split + 100 + split},
      {{Window(200, 50), Bar(100, 26), Window(150, 40)}, 1, kKWNoEntry, split + 100 + split},
      {{Window(200, 50), Bar(100, 26), Window(150, 40)}, 2, kKWNoEntry, split},
      {{Window(200, 50), Bar(100, 26), Window(150, 40)}, 0, 1, split + split},
      // A bar before the windows, or after the last one, has none.
      {{Bar(100, 26), Window(200, 50), Window(150, 40)}, 0, kKWNoEntry, 100 + split},
      {{Window(200, 50), Window(150, 40), Bar(100, 26)}, 0, kKWNoEntry, split + 100},
      // Hidden bars take nothing.
      {{Window(200, 50), Bar(100, 26, FALSE), Window(150, 40)}, 0, kKWNoEntry, split},
      // Only the row of the index counts; an index off the array has none.
      {{Bar(100, 26), Break(), Window(200, 50), Window(150, 40)}, 2, kKWNoEntry, split},
      {{Bar(100, 26)}, 4, kKWNoEntry, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KWFixedRowLength(c.rows, c.index, c.exclude), c.fixed) << c.index;
}

TEST(KWDockRows, FindsNewFirstAndExpandedWindows) {
  KWDockEntries rows = {Bar(100, 26), Window(200, 50), Window(150, 40), Window(120, 40),
                        Break(),      Window(300, 50)};
  rows[2].bNew = TRUE;
  rows[1].bExpanded = rows[1].bOnlyInRow = TRUE;  // alone in its row before: not counted
  rows[3].bExpanded = TRUE;
  rows[5].bExpanded = TRUE;
  EXPECT_EQ(KWFindNewDockWindow(rows, 0), 2);
  EXPECT_EQ(KWFindNewDockWindow(rows, 3), kKWNoEntry);
  EXPECT_EQ(KWFirstDockWindow(rows, 0), 1);
  EXPECT_EQ(KWFirstDockWindow(rows, 2), 2);
  EXPECT_EQ(KWFirstDockWindow(rows, 4), kKWNoEntry);
  EXPECT_EQ(KWFindExpandedDockWindow(rows, 2), 3);  // searched from the row's start
  EXPECT_EQ(KWFindExpandedDockWindow(rows, 5), 5);
  EXPECT_EQ(KWFindExpandedDockWindow(rows, 7), kKWNoEntry);
}

TEST(KWDockRows, ResizingPassesTheChangeAlongTheRow) {
  struct Case {
    BOOL bBefore;
    int index, delta, left;
    std::vector<int> lengths;
  };
  const Case cases[] = {
      {TRUE, 2, 30, 0, {100, 130, 100}},     // a growth goes to the nearest window
      {TRUE, 2, -70, 0, {80, 50, 100}},      // a shrink takes it to its minimum first
      {TRUE, 2, -200, -100, {50, 50, 100}},  // what no window can give is returned
      {TRUE, 0, 10, 10, {100, 100, 100}},    // no window before the first
      {TRUE, 2, 0, 0, {100, 100, 100}},
      {FALSE, 1, -70, 0, {100, 50, 80}},
      {FALSE, 1, 25, 0, {100, 125, 100}},
      {FALSE, 3, 25, 25, {100, 100, 100}},   // the row's end
  };
  for (const Case& c : cases) {
    KWDockEntries rows = {Window(100, 50), Window(100, 50), Window(100, 50)};
    const int left = c.bBefore ? KWResizeBefore(rows, c.index, c.delta)
                               : KWResizeFrom(rows, c.index, c.delta);
    EXPECT_EQ(left, c.left) << c.index << " " << c.delta;
    EXPECT_EQ(Lengths(rows), c.lengths) << c.index << " " << c.delta;
    for (const KWDockEntry& e : rows) EXPECT_EQ(e.nDesiredLength, e.nLength);
  }
}

TEST(KWDockRows, WindowsShareTheRowLength) {
  const int split = kKWDockSplitterWidth;
  struct Case {
    KWDockEntries rows;
    int newWindow, avail;
    std::vector<int> lengths;
  };
  const Case cases[] = {
      // Two windows fill the row exactly; an odd difference leaves the rest
      // to the last.
      {{Window(200, 50), Window(300, 50)}, kKWNoEntry, 600, {247, 347}},
      {{Window(200, 50), Window(300, 50)}, kKWNoEntry, 601, {247, 348}},
      {{Window(200, 50), Window(300, 50)}, kKWNoEntry, 500, {197, 297}},
      // A shrink the later window cannot take stays with the earlier one.
      {{Window(200, 50), Window(100, 90)}, kKWNoEntry, 200 + split, {110, 90}},
      // No window goes below its minimum, even when the row overruns.
      {{Window(100, 80), Window(100, 80), Window(100, 80)}, kKWNoEntry, 200 + 2 * split,
       {80, 80, 80}},
      // A window just docked keeps its length; the others share the rest.
      {{Window(200, 50), Window(150, 50)}, 1, 506, {350, 150}},
      {{Window(200, 50), Window(150, 50)}, 1, 306, {150, 150}},
      {{Window(200, 50), Window(150, 50)}, 1, 136, {50, 80}},
      // One window takes all the room the fixed bars leave.
      {{Bar(100, 26), Window(200, 50)}, kKWNoEntry, 500, {400}},
      {{Bar(100, 26), Window(200, 50)}, kKWNoEntry, 120, {50}},
  };
  for (const Case& c : cases) {
    KWDockEntries rows = c.rows;
    EXPECT_EQ(KWShareRowLength(rows, 0, c.newWindow, c.avail), 100);
    EXPECT_EQ(Lengths(rows), c.lengths) << c.avail;
    for (const KWDockEntry& e : rows) {
      if (!e.bDockWindow) continue;
      EXPECT_EQ(e.nDesiredLength, e.nLength);
      EXPECT_EQ(e.nThickness, 100);
    }
  }
}

TEST(KWDockRows, SharingARowWithoutWindowsChangesNothing) {
  KWDockEntries rows = {Bar(100, 26), Break(), Window(200, 50)};
  EXPECT_EQ(KWShareRowLength(rows, 0, kKWNoEntry, 500), 26);
  EXPECT_EQ(Lengths(rows), std::vector<int>({200}));
  EXPECT_EQ(KWShareRowLength(rows, 9, kKWNoEntry, 500), 0);
}

}  // namespace kw_dock_rows_test
