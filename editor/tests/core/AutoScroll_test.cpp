#include "editor/core/AutoScroll.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kDocumentHeight = 5000;
const CRect kScrolled(0, 100, 400, 400);  // scrolled away from both ends

// The intervals the timer is armed with over a run of checks at y.
std::vector<int> Intervals(AutoScrollState& state, const CRect& client, int y, int checks,
                           AutoScrollAction expected) {
  std::vector<int> intervals;
  for (int i = 0; i < checks; ++i) {
    EXPECT_EQ(CheckAutoScroll(state, true, client, kDocumentHeight, y), expected) << "check " << i;
    intervals.push_back(state.intervalMs);
  }
  return intervals;
}

// Checks 1-4 at 50 ms, 5-9 at 25, 10-14 at 12, 15-19 at 6, then 3 for good.
std::vector<int> ExpectedSpeedUp(int checks) {
  std::vector<int> intervals;
  for (int check = 1; check <= checks; ++check)
    intervals.push_back(check < 5 ? 50 : check < 10 ? 25 : check < 15 ? 12 : check < 20 ? 6 : 3);
  return intervals;
}

TEST(AutoScrollTest, HoldingOutsideSpeedsUpEveryFifthCheckInEitherDirection) {
  struct Case {
    const char* name;
    int y;
    AutoScrollAction action;
  };
  for (const Case& c : {Case{"below", kScrolled.bottom + 30, kAutoScrollDown},
                        Case{"above", kScrolled.top - 30, kAutoScrollUp}}) {
    SCOPED_TRACE(c.name);
    AutoScrollState state;
    EXPECT_EQ(Intervals(state, kScrolled, c.y, 30, c.action), ExpectedSpeedUp(30));
  }
}

TEST(AutoScrollTest, StopsInsideOrWithoutCaptureOrAtTheEnds) {
  struct Case {
    const char* name;
    bool captured;
    CRect client;
    int y;
  };
  const CRect atTop(0, 0, 400, 300);
  const CRect atBottom(0, kDocumentHeight - 300, 400, kDocumentHeight);
  for (const Case& c : {Case{"inside", true, kScrolled, 200},
                        Case{"not captured", false, kScrolled, kScrolled.bottom + 30},
                        Case{"above an unscrolled view", true, atTop, -10},
                        Case{"below the document's end", true, atBottom, kDocumentHeight + 10}}) {
    SCOPED_TRACE(c.name);
    AutoScrollState state;
    EXPECT_EQ(CheckAutoScroll(state, c.captured, c.client, kDocumentHeight, c.y), kAutoScrollStop);
  }
}

TEST(AutoScrollTest, TurningBackStartsAgainAtFiftyMilliseconds) {
  AutoScrollState state;
  Intervals(state, kScrolled, kScrolled.bottom + 10, 12, kAutoScrollDown);
  ASSERT_EQ(state.intervalMs, 12);
  EXPECT_EQ(Intervals(state, kScrolled, kScrolled.top - 10, 6, kAutoScrollUp), ExpectedSpeedUp(6));
  EXPECT_EQ(Intervals(state, kScrolled, kScrolled.bottom + 10, 2, kAutoScrollDown),
            ExpectedSpeedUp(2));
}

}  // namespace
