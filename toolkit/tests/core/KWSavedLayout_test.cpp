#include "toolkit/core/KWSavedLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr UINT kTop = 0xE81B;
constexpr UINT kLeft = 0xE81C;
constexpr UINT kRight = 0xE81D;
constexpr UINT kBottom = 0xE81E;
constexpr UINT kToolBar = 100;
constexpr UINT kDockWindow = 200;
constexpr UINT kTabBar = 201;
constexpr UINT kStatusBar = 0xE801;  // a bar that never docks
constexpr UINT kGoneBar = 300;
constexpr UINT kKept = kKWSavedPlaceHolderFlag;

// A frame with its top, left and bottom sides; the right one is gone.
KWLayoutHost Host() {
  KWLayoutHost host;
  host.bars = {{kTop, true, false},       {kLeft, true, false},      {kBottom, true, false},
               {kToolBar, false, true},   {kDockWindow, false, true}, {kTabBar, false, true},
               {kStatusBar, false, false}};
  host.rectWork = CRect(0, 0, 800, 570);  // a taskbar below
  host.rectFrameBorders = CRect(4, 22, 4, 4);
  return host;
}

KWSavedBar Bar(UINT nID) {
  KWSavedBar bar;
  bar.nBarID = nID;
  return bar;
}

KWSavedBar DockBar(UINT nID, std::vector<UINT> rows) {
  KWSavedBar bar = Bar(nID);
  bar.bDockBar = true;
  bar.rows = std::move(rows);
  return bar;
}

KWSavedBar FloatingFrame(CPoint pos, std::vector<UINT> rows) {
  KWSavedBar bar = DockBar(kKWSavedDockBarFloat, std::move(rows));
  bar.bFloating = true;
  bar.pos = pos;
  return bar;
}

TEST(KWSavedLayout, RecordsOfBarsAndSidesTheFrameHasNoMoreAreDropped) {
  std::vector<KWSavedBar> saved = {
      Bar(kToolBar),
      Bar(kGoneBar),                                    // a bar the program no longer makes
      DockBar(kRight, {0, kDockWindow, 0}),             // a side that is gone
      DockBar(kTop, {0, kToolBar, kGoneBar, 0, kStatusBar, 0}),
      Bar(kTop),                                        // a dock bar's id as a bar's
      Bar(kToolBar),                                    // the same bar twice
      Bar(0),                                           // no bar at all
      DockBar(kLeft, {0, kToolBar, 0, kDockWindow, 0}),  // the tool bar again
      Bar(kStatusBar),
  };
  EXPECT_EQ(KWFitSavedLayout(saved, Host()), (std::vector<size_t>{0, 3, 7, 8}));
  EXPECT_EQ(saved[3].rows, (std::vector<UINT>{0, kToolBar, 0}));
  EXPECT_EQ(saved[7].rows, (std::vector<UINT>{0, kDockWindow, 0}));
}

TEST(KWSavedLayout, RowsKeepEachBarOnceWithoutEmptyRows) {
  struct Case {
    const char* name;
    std::vector<UINT> rows;
    std::vector<UINT> fitted;
  };
  const Case cases[] = {
      {"empty rows close up", {0, 0, kToolBar, 0, 0, 0, kTabBar, 0, 0}, {0, kToolBar, 0, kTabBar, 0}},
      {"a row of gone bars goes", {0, kGoneBar, 0, kDockWindow, 0}, {0, kDockWindow, 0}},
      {"high bits are not part of the id", {0, 0x7E0000 | kToolBar, 0}, {0, kToolBar, 0}},
      {"a kept place once", {0, kToolBar | kKept, kToolBar | kKept, kTabBar, 0},
       {0, kToolBar | kKept, kTabBar, 0}},
      {"a kept place beside its bar", {0, kTabBar, kTabBar | kKept, kTabBar, 0},
       {0, kTabBar, kTabBar | kKept, 0}},
      {"dock bars and bars that never dock are no row's", {0, kLeft, kStatusBar, kToolBar},
       {0, kToolBar}},
  };
  for (const Case& c : cases) {
    std::vector<KWSavedBar> saved = {DockBar(kTop, c.rows)};
    EXPECT_EQ(KWFitSavedLayout(saved, Host()).size(), 1u) << c.name;
    EXPECT_EQ(saved[0].rows, c.fitted) << c.name;
  }
}

TEST(KWSavedLayout, FloatingFramesHoldABarAndStayInReach) {
  struct Case {
    const char* name;
    CPoint pos;
    std::vector<UINT> rows;
    bool bKept;
    CPoint fitted;
  };
  const Case cases[] = {
      {"inside stays", {300, 200}, {0, kDockWindow, 0}, true, {300, 200}},
      {"from a larger screen, right and below", {1500, 1100}, {0, kDockWindow, 0}, true, {768, 538}},
      {"caption above the top", {-50, 5}, {0, kDockWindow, 0}, true, {4, 22}},
      {"the farthest ints", {INT_MIN, INT_MAX}, {0, kTabBar, 0}, true, {4, 538}},
      {"only gone bars", {300, 200}, {0, kGoneBar, 0}, false, {}},
      {"only a kept place", {300, 200}, {0, kToolBar | kKept, 0}, false, {}},
      {"empty", {300, 200}, {}, false, {}},
  };
  for (const Case& c : cases) {
    std::vector<KWSavedBar> saved = {FloatingFrame(c.pos, c.rows)};
    EXPECT_EQ(KWFitSavedLayout(saved, Host()).size(), c.bKept ? 1u : 0u) << c.name;
    if (c.bKept) {
      EXPECT_EQ(saved[0].pos, c.fitted) << c.name;
    }
  }
}

TEST(KWSavedLayout, ABarFloatingInOneFrameIsNotDockedInAnother) {
  std::vector<KWSavedBar> saved = {FloatingFrame({10, 30}, {0, kDockWindow, 0}),
                                   DockBar(kLeft, {0, kDockWindow, 0, kTabBar, 0}),
                                   FloatingFrame({10, 30}, {0, kDockWindow, 0})};
  EXPECT_EQ(KWFitSavedLayout(saved, Host()), (std::vector<size_t>{0, 1}));
  EXPECT_EQ(saved[1].rows, (std::vector<UINT>{0, kTabBar, 0}));
}

TEST(KWSavedLayout, DockedPlacesAndLastPlacesStayOnTheWorkArea) {
  struct Case {
    const char* name;
    CPoint pos;
    UINT nMRUDockID;
    CRect rectMRUDock;
    CPoint ptMRUFloat;
    CPoint fittedPos;
    UINT fittedDockID;
    CRect fittedRect;
    CPoint fittedFloat;
  };
  const Case cases[] = {
      {"inside stays", {40, 0}, kLeft, {0, 10, 30, 200}, {100, 100},
       {40, 0}, kLeft, {0, 10, 30, 200}, {100, 100}},
      {"no place stays none", {-1, -1}, kTop, {}, {0, 0}, {-1, -1}, kTop, {}, {0, 0}},
      {"a gone side is forgotten", {0, 0}, kRight, {0, 10, 30, 200}, {0, 0},
       {0, 0}, 0, {0, 10, 30, 200}, {0, 0}},
      {"the floating side is no dock side", {0, 0}, kKWSavedDockBarFloat, {}, {0, 0},
       {0, 0}, 0, {}, {0, 0}},
      {"from a larger screen", {1500, 900}, kBottom, {1400, 0, 1700, 26}, {1500, 1000},
       {768, 538}, kBottom, {768, 0, 1068, 26}, {768, 538}},
      {"larger than the screen, below zero", {-7, 3}, kTop, {-900, -5, 2000, 40}, {-400, -3},
       {-1, 3}, kTop, {0, 0, 800, 45}, {0, 0}},
      {"the farthest ints", {INT_MAX, INT_MIN}, kTop, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
       {INT_MAX, INT_MIN}, {768, -1}, kTop, {0, 0, 800, 570}, {768, 0}},
  };
  for (const Case& c : cases) {
    KWSavedBar bar = Bar(kDockWindow);
    bar.pos = c.pos;
    bar.bDocking = true;
    bar.nMRUDockID = c.nMRUDockID;
    bar.rectMRUDock = c.rectMRUDock;
    bar.ptMRUFloat = c.ptMRUFloat;
    bar.rows = {kToolBar};  // a bar's record has no rows
    std::vector<KWSavedBar> saved = {bar};
    ASSERT_EQ(KWFitSavedLayout(saved, Host()).size(), 1u) << c.name;
    EXPECT_EQ(saved[0].pos, c.fittedPos) << c.name;
    EXPECT_EQ(saved[0].nMRUDockID, c.fittedDockID) << c.name;
    EXPECT_EQ(saved[0].rectMRUDock, c.fittedRect) << c.name;
    EXPECT_EQ(saved[0].ptMRUFloat, c.fittedFloat) << c.name;
    EXPECT_TRUE(saved[0].rows.empty()) << c.name;
  }
}

TEST(KWSavedLayout, CountsFromTheProfileAreBounded) {
  struct Case {
    int nCount;
    int nBounded;
  };
  const Case cases[] = {{-5, 0}, {0, 0}, {3, 3}, {kKWMaxSavedBars, kKWMaxSavedBars},
                        {INT_MAX, kKWMaxSavedBars}, {INT_MIN, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(KWBoundSavedCount(c.nCount, kKWMaxSavedBars), c.nBounded) << c.nCount;

  // More records or row entries than any frame has: the rest is not read.
  std::vector<KWSavedBar> saved(kKWMaxSavedBars + 10, Bar(kToolBar));
  saved.back() = Bar(kDockWindow);
  EXPECT_EQ(KWFitSavedLayout(saved, Host()), (std::vector<size_t>{0}));
  std::vector<UINT> rows(kKWMaxSavedBarIds, 0);
  rows.push_back(kToolBar);
  saved = {DockBar(kTop, rows)};
  KWFitSavedLayout(saved, Host());
  EXPECT_EQ(saved[0].rows, (std::vector<UINT>{0}));
}

}  // namespace
