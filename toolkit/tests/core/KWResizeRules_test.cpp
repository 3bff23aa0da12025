#include "toolkit/core/KWResizeRules.h"

#include <gtest/gtest.h>

namespace {

struct MoveCase {
  CKWResizeRect anchors;
  int dx, dy;
  CRect moved;
};

TEST(KWResizeRules, EdgesFollowTheirFractionOfTheChange) {
  const CKWResizeRect start(CRect(10, 20, 110, 50));
  const MoveCase cases[] = {
      {{0, 0, 0, 0}, 40, 30, {10, 20, 110, 50}},   // stays
      {{0, 0, 1, 1}, 40, 30, {10, 20, 150, 80}},   // stretches
      {{1, 0, 1, 0}, 40, 30, {50, 20, 150, 50}},   // keeps its distance from the right
      {{1, 1, 1, 1}, -6, -4, {4, 16, 104, 46}},    // follows the bottom-right corner
      {{0.5f, 0, 0.5f, 0}, 40, 0, {30, 20, 130, 50}},  // stays centred
      {{0, 0, 1, 0}, 40, 30, {10, 20, 150, 50}},   // stretches in width only
  };
  for (const MoveCase& c : cases) {
    CRect moved = KWTruncatedRect(KWMoveResizeRect(start, c.anchors, c.dx, c.dy));
    EXPECT_EQ(moved, c.moved) << c.anchors.left << " " << c.anchors.right << " " << c.dx;
  }
}

TEST(KWResizeRules, FractionalMovesAccumulate) {
  CKWResizeRect pos(CRect(0, 0, 10, 10));
  const CKWResizeRect half(0.5f, 0, 0.5f, 0);
  for (int step = 0; step < 3; ++step) pos = KWMoveResizeRect(pos, half, 3, 0);
  EXPECT_EQ(KWTruncatedRect(pos), CRect(4, 0, 14, 10));  // 1.5, 3.0, 4.5
}

TEST(KWResizeRules, UnchangedCornerOrSizeIsNotSent) {
  struct FlagCase {
    CRect current, target;
    UINT flags;
  };
  const FlagCase cases[] = {
      {{5, 5, 25, 15}, {5, 5, 25, 15}, kwSwpMoveFlags | kwSwpNoMove | kwSwpNoSize},
      {{5, 5, 25, 15}, {8, 5, 28, 15}, kwSwpMoveFlags | kwSwpNoSize},
      {{5, 5, 25, 15}, {5, 5, 30, 20}, kwSwpMoveFlags | kwSwpNoMove},
      {{5, 5, 25, 15}, {6, 6, 30, 20}, kwSwpMoveFlags},
  };
  for (const FlagCase& c : cases) EXPECT_EQ(KWResizeMoveFlags(c.current, c.target), c.flags);
  EXPECT_EQ(kwSwpMoveFlags, 0x214u);
}

struct LimitCase {
  UINT flags;
  CRect stored;
  CSize minSize, maxSize;
  KWTrackLimits expected;
};

TEST(KWResizeRules, TrackingLimitsFollowFlagsAndSizes) {
  const KWTrackLimits base = {{1000, 800}, {100, 30}, {1200, 900}};
  const CRect stored(50, 50, 350, 250);
  const LimitCase cases[] = {
      {0, stored, {0, 0}, {0, 0}, base},
      {0, stored, {300, 200}, {0, 0}, {{1000, 800}, {300, 200}, {1200, 900}}},
      {kwResizeFixedWidth, stored, {300, 200}, {0, 0}, {{300, 800}, {300, 200}, {300, 900}}},
      {kwResizeFixedHeight, stored, {0, 0}, {0, 0}, {{1000, 200}, {100, 30}, {1200, 200}}},
      {0, stored, {0, 150}, {500, 0}, {{1000, 800}, {100, 150}, {500, 900}}},
      {kwResizeFixedWidth | kwResizeFixedHeight, CRect(), {300, 200}, {500, 400}, base},
  };
  for (const LimitCase& c : cases) {
    KWTrackLimits limits = base;
    KWApplyTrackLimits(c.flags, c.stored, c.minSize, c.maxSize, limits);
    EXPECT_EQ(limits.maxSize, c.expected.maxSize) << c.flags;
    EXPECT_EQ(limits.minTrack, c.expected.minTrack) << c.flags;
    EXPECT_EQ(limits.maxTrack, c.expected.maxTrack) << c.flags;
  }
}

TEST(CKWResizeRect, AddsIntersectsAndTellsNormal) {
  CKWResizeRect sum(0.5f, 0, 0.5f, 0);
  sum += CKWResizeRect(0.5f, 0, 0.5f, 0);
  EXPECT_EQ(sum, CKWResizeRect(1, 0, 1, 0));

  struct MeetCase {
    CKWResizeRect a, b, common;
  };
  const MeetCase cases[] = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, {5, 5, 10, 10}},
      {{0, 0, 10, 10}, {20, 20, 30, 30}, {0, 0, 0, 0}},   // disjoint
      {{0, 0, 10, 10}, {10, 0, 20, 10}, {10, 0, 10, 10}},  // touching: the edge
      {{0, 0, 10, 10}, {0, 10, 10, 20}, {0, 10, 10, 10}},
  };
  for (const MeetCase& c : cases) {
    CKWResizeRect common = c.a & c.b;
    EXPECT_EQ(common, c.common);
    EXPECT_TRUE(common.IsNormal());
  }
  EXPECT_FALSE(CKWResizeRect(2, 0, 1, 0).IsNormal());
  EXPECT_EQ(CKWResizeRect(CKWResizePoint(1, 0), CKWResizePoint(1, 0.5f)),
            CKWResizeRect(1, 0, 1, 0.5f));
}

}  // namespace
