#include "toolkit/core/KWDockLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

KWDockEntry Bar(int length, int thickness,
                KWDockEntry::BarClass barClass = KWDockEntry::kToolkitBar) {
  KWDockEntry e;
  e.kind = KWDockEntry::kBar;
  e.barClass = barClass;
  e.bVisible = TRUE;
  e.nLength = length;
  e.nThickness = thickness;
  return e;
}

KWDockEntry Window(int length, int thickness) {
  KWDockEntry e = Bar(length, thickness);
  e.bDockWindow = TRUE;
  e.nDesiredLength = length;
  e.nMinLength = 50;
  return e;
}

KWDockEntry Break() { return KWDockEntry(); }

// Shares rows as the docking windows do, and fits toolbars to the room.
class FakeHost : public KWDockLayoutHost {
 public:
  explicit FakeHost(int avail) : avail_(avail) {}
  void NormalizeRow(KWDockEntries& entries, int index) override {
    const int newWindow = KWFindNewDockWindow(entries, index);
    KWShareRowLength(entries, index, newWindow, avail_);
    if (newWindow != kKWNoEntry) entries[newWindow].bNew = FALSE;
  }
  int HideButtonsToFit(const KWDockEntry&, int, int room) override {
    calls.push_back(-room);
    return room;
  }
  int ShowHiddenButtons(const KWDockEntry&, int length, int room) override {
    calls.push_back(room);
    return length;
  }
  std::vector<int> calls;  // rooms asked for; a hide's negated

 private:
  int avail_;
};

KWDockLayoutOptions Options(UINT id, CSize sizeMax) {
  KWDockLayoutOptions options;
  options.nDockBarId = id;
  options.sizeMax = sizeMax;
  return options;
}

TEST(KWDockLayout, TopBarSplitsRowsAndWindowsFillTheirRow) {
  KWDockEntries entries = {Window(200, 100), Window(300, 100), Break(), Bar(150, 26), Break()};
  for (KWDockEntry& e : entries) e.dwStyle = kKWBarBorderAny;
  FakeHost host(600);
  const KWDockLayoutResult result =
      KWLayOutDockBar(entries, Options(kKWDockBarTop, CSize(600, 400)), host);
  EXPECT_FALSE(result.bRecalcLater);
  EXPECT_EQ(result.rects[0], CRect(0, -1, 247, 99));
  EXPECT_EQ(result.rects[1], CRect(253, -1, 600, 99));
  EXPECT_EQ(result.rects[3], CRect(0, 105, 150, 131));
  ASSERT_EQ(result.splitters.size(), 2u);
  const KWDockSplitterPlace& bar = result.splitters[0];
  EXPECT_EQ(bar.rect, CRect(247, -1, 253, 99));  // reaches across its row
  EXPECT_EQ(bar.nKind, kKWSplitterVert);
  EXPECT_FALSE(bar.bRowSplitter);
  EXPECT_EQ(bar.nIndex, 1);
  const KWDockSplitterPlace& row = result.splitters[1];
  EXPECT_EQ(row.rect, CRect(0, 99, 600, 105));  // reaches along the whole bar
  EXPECT_EQ(row.nKind, kKWSplitterHorz);
  EXPECT_TRUE(row.bRowSplitter);
  EXPECT_EQ(row.nIndex, 0);
  EXPECT_EQ(result.size, CSize(600, 132));
  // Windows lose the borders their splitters and the frame's edge draw; the
  // toolbar keeps all but the one towards the splitter.
  EXPECT_EQ(entries[0].dwStyle & kKWBarBorderAny, 0u);
  EXPECT_EQ(entries[1].dwStyle & kKWBarBorderAny, 0u);
  EXPECT_EQ(entries[3].dwStyle & kKWBarBorderAny, kKWBarBorderAny & ~kKWBarBorderTop);
  EXPECT_TRUE(entries[0].bOnlyInRow == FALSE && entries[1].bOnlyInRow == FALSE);
}

TEST(KWDockLayout, LeftBarRowSplitterAdvancesSevenPixels) {
  KWDockEntries entries = {Window(300, 150), Break(), Bar(200, 30), Break()};
  FakeHost host(400);
  const KWDockLayoutResult result =
      KWLayOutDockBar(entries, Options(kKWDockBarLeft, CSize(800, 400)), host);
  EXPECT_EQ(result.rects[0], CRect(0, -1, 150, 399));
  EXPECT_TRUE(entries[0].bOnlyInRow);
  ASSERT_EQ(result.splitters.size(), 1u);
  EXPECT_EQ(result.splitters[0].rect, CRect(150, -1, 156, 400));
  EXPECT_EQ(result.splitters[0].nKind, kKWSplitterVert);
  EXPECT_EQ(result.rects[2], CRect(157, 0, 187, 200));  // stays where it was
  EXPECT_EQ(result.size, CSize(186, 399));
}

TEST(KWDockLayout, BottomBarSplitterComesBeforeItsRow) {
  KWDockEntries entries = {Window(300, 100), Break()};
  FakeHost host(500);
  const KWDockLayoutResult result =
      KWLayOutDockBar(entries, Options(kKWDockBarBottom, CSize(500, 400)), host);
  ASSERT_EQ(result.splitters.size(), 1u);
  EXPECT_EQ(result.splitters[0].rect, CRect(0, -1, 500, 5));
  EXPECT_EQ(result.splitters[0].nIndex, 0);
  EXPECT_EQ(result.rects[0], CRect(0, 5, 500, 105));
  EXPECT_EQ(result.size, CSize(500, 106));
}

TEST(KWDockLayout, BarBeyondTheRowStartsANewRow) {
  KWDockEntries entries = {Bar(300, 26), Bar(100, 26), Break()};
  const void* second = &entries;  // any tag the caller's bar would be
  entries[1].pOwner = second;
  FakeHost host(300);
  const KWDockLayoutOptions options = Options(kKWDockBarTop, CSize(300, 400));
  EXPECT_TRUE(KWLayOutDockBar(entries, options, host).bRecalcLater);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1].kind, KWDockEntry::kRowBreak);
  EXPECT_EQ(entries[2].pOwner, second);
  const KWDockLayoutResult again = KWLayOutDockBar(entries, options, host);
  EXPECT_FALSE(again.bRecalcLater);
  EXPECT_EQ(again.rects[2], CRect(0, 25, 100, 51));
}

TEST(KWDockLayout, MenuBarMovesIntoARowOfItsOwnBeforeItsRow) {
  KWDockEntries entries = {Bar(100, 26), Break(), Bar(100, 26),
                           Bar(300, 22, KWDockEntry::kMenuBar), Break()};
  FakeHost host(600);
  EXPECT_TRUE(KWLayOutDockBar(entries, Options(kKWDockBarTop, CSize(600, 400)), host).bRecalcLater);
  ASSERT_EQ(entries.size(), 6u);
  const KWDockEntry::BarClass classes[] = {KWDockEntry::kToolkitBar, KWDockEntry::kToolkitBar,
                                           KWDockEntry::kMenuBar, KWDockEntry::kToolkitBar,
                                           KWDockEntry::kToolkitBar, KWDockEntry::kToolkitBar};
  const KWDockEntry::Kind kinds[] = {KWDockEntry::kBar, KWDockEntry::kRowBreak,
                                     KWDockEntry::kBar, KWDockEntry::kRowBreak,
                                     KWDockEntry::kBar, KWDockEntry::kRowBreak};
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].kind, kinds[i]) << i;
    if (entries[i].kind == KWDockEntry::kBar) {
      EXPECT_EQ(entries[i].barClass, classes[i]) << i;
    }
  }
}

TEST(KWDockLayout, BarKeepsThePlaceItWasDraggedTo) {
  KWDockEntries entries = {Bar(100, 26), Break()};
  entries[0].rectCurrent = CRect(250, 0, 350, 26);
  FakeHost host(600);
  KWLayOutDockBar(entries, Options(kKWDockBarTop, CSize(600, 400)), host);
  EXPECT_EQ(entries[0].rectNew, CRect(250, -1, 350, 25));
  EXPECT_TRUE(entries[0].dwStyle & kKWBarBorderLeft);
  // Dragged past the end, it comes back to end there.
  entries[0].rectCurrent = CRect(560, 0, 660, 26);
  KWLayOutDockBar(entries, Options(kKWDockBarTop, CSize(600, 400)), host);
  EXPECT_EQ(entries[0].rectNew, CRect(500, -1, 600, 25));
}

TEST(KWDockLayout, ChevronToolbarsAreFittedToTheirRow) {
  struct Case {
    UINT id;
    int firstLength;
    std::vector<int> calls;
  };
  const Case cases[] = {
      {kKWDockBarTop, 100, {kKWUnlimitedLength, 500}},  // the last shows what fits
      {kKWDockBarTop, 450, {kKWUnlimitedLength, -150}},  // or hides what does not
      {kKWDockBarLeft, 100, {500}},                     // only the last on a side bar
  };
  for (const Case& c : cases) {
    KWDockEntries entries = {Bar(c.firstLength, 26, KWDockEntry::kChevronToolBar),
                             Bar(200, 26, KWDockEntry::kChevronToolBar), Break()};
    FakeHost host(600);
    KWLayOutDockBar(entries, Options(c.id, CSize(600, 600)), host);
    EXPECT_EQ(host.calls, c.calls) << c.id << " " << c.firstLength;
  }
}

TEST(KWDockLayout, OtherBarsOverlapByTheirBorders) {
  KWDockEntries entries = {Bar(100, 26, KWDockEntry::kOtherBar),
                           Bar(100, 26, KWDockEntry::kOtherBar), Break(), Bar(50, 20), Break()};
  FakeHost host(600);
  const KWDockLayoutResult result =
      KWLayOutDockBar(entries, Options(kKWDockBarTop, CSize(600, 400)), host);
  EXPECT_EQ(result.rects[1], CRect(98, -1, 198, 25));
  EXPECT_EQ(result.rects[3], CRect(0, 23, 50, 43));
}

TEST(KWDockLayout, EmptyDockBarTakesItsBaseSize) {
  KWDockEntries entries = {Break()};
  FakeHost host(600);
  KWDockLayoutOptions options = Options(kKWDockBarTop, CSize(600, 400));
  options.sizeBase = CSize(0, 4);
  const KWDockLayoutResult result = KWLayOutDockBar(entries, options, host);
  EXPECT_EQ(result.size, CSize(0, 4));
  EXPECT_TRUE(result.splitters.empty());
}

}  // namespace
