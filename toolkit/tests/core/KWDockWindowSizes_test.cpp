#include "toolkit/core/KWDockWindowSizes.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kAlignTop = 0x2000;
constexpr DWORD kAlignLeft = 0x1000;
constexpr DWORD kBorderRight = 0x0400;

using Place = KWDockPlace;

TEST(KWDockWindowSizes, CreateTurnsTheDockedSizeForTheOtherSides) {
  struct {
    DWORD style;
    CSize horz, vert;
  } const cases[] = {
      {kAlignTop, CSize(300, 100), CSize(100, 300)},
      {0, CSize(300, 100), CSize(100, 300)},
      {kAlignLeft, CSize(100, 300), CSize(300, 100)},
      {kBorderRight, CSize(100, 300), CSize(300, 100)},
  };
  for (const auto& c : cases) {
    auto sizes = KWDockWindowSizes::ForCreate(CSize(300, 100), c.style);
    EXPECT_EQ(sizes.horzDocked, c.horz) << c.style;
    EXPECT_EQ(sizes.vertDocked, c.vert) << c.style;
    EXPECT_EQ(sizes.floating, CSize(100, 100));
    EXPECT_EQ(sizes.desired, CSize(300, 100));
  }
}

TEST(KWDockWindowSizes, DynamicLayoutAnswersEachRequest) {
  struct {
    int length;
    DWORD mode;
    CSize result, desired, floating;
  } const cases[] = {
      {0, kKWLayoutHorzDock, CSize(300, 100), CSize(90, 60), CSize(70, 70)},
      {0, kKWLayoutVertDock, CSize(100, 300), CSize(90, 60), CSize(70, 70)},
      {0, kKWLayoutMruWidth, CSize(70, 70), CSize(90, 60), CSize(70, 70)},
      // A floating resize: the width, or the height, never below 50.
      {120, kKWLayoutHorz, CSize(120, 60), CSize(120, 60), CSize(70, 70)},
      {30, kKWLayoutHorz, CSize(50, 60), CSize(50, 60), CSize(70, 70)},
      {140, kKWLayoutHorz | kKWLayoutLengthY, CSize(90, 140), CSize(90, 140), CSize(70, 70)},
      {10, kKWLayoutHorz | kKWLayoutLengthY, CSize(90, 50), CSize(90, 50), CSize(70, 70)},
      // Other modes leave the desired size alone.
      {140, kKWLayoutLengthY, CSize(90, 60), CSize(90, 60), CSize(70, 70)},
      // A commit keeps the desired size as the floating one, after the change.
      {120, kKWLayoutHorz | kKWLayoutCommit, CSize(90, 60), CSize(90, 60), CSize(90, 60)},
      {0, kKWLayoutHorzDock | kKWLayoutCommit, CSize(300, 100), CSize(90, 60), CSize(90, 60)},
  };
  for (const auto& c : cases) {
    KWDockWindowSizes sizes = KWDockWindowSizes::ForCreate(CSize(300, 100), kAlignTop);
    sizes.floating = CSize(70, 70);
    sizes.desired = CSize(90, 60);
    EXPECT_EQ(sizes.DynamicLayout(c.length, c.mode), c.result) << c.mode << " " << c.length;
    EXPECT_EQ(sizes.desired, c.desired) << c.mode << " " << c.length;
    EXPECT_EQ(sizes.floating, c.floating) << c.mode << " " << c.length;
  }
}

TEST(KWDockWindowSizes, RowLengthFollowsThePlace) {
  struct {
    Place place;
    CSize afterExpand, afterMinimize;
    int given;
    CSize afterRestore;
  } const cases[] = {
      {Place::kTopBottom, CSize(400, 60), CSize(18, 60), 300 - 18, CSize(300, 60)},
      {Place::kLeftRight, CSize(90, 400), CSize(90, 18), 300 - 18, CSize(90, 300)},
      {Place::kFloating, CSize(90, 60), CSize(90, 60), 0, CSize(90, 60)},
  };
  for (const auto& c : cases) {
    KWDockWindowSizes sizes = KWDockWindowSizes::ForCreate(CSize(300, 100), kAlignTop);
    sizes.desired = CSize(90, 60);
    sizes.ExpandLength(c.place, 400);
    EXPECT_EQ(sizes.desired, c.afterExpand);
    EXPECT_TRUE(sizes.bExpanded);
    EXPECT_EQ(sizes.MinimizeLength(c.place, 18), c.given);
    EXPECT_EQ(sizes.desired, c.afterMinimize);
    EXPECT_FALSE(sizes.bExpanded);
    sizes.bExpanded = TRUE;
    sizes.RestoreLength(c.place);
    EXPECT_EQ(sizes.desired, c.afterRestore);
    EXPECT_FALSE(sizes.bExpanded);
  }
}

TEST(KWDockWindowSizes, SetBarSizeStoresThePlacesSize) {
  const CSize size(250, 80);
  struct {
    Place place;
    CSize KWDockWindowSizes::*field;
  } const cases[] = {
      {Place::kTopBottom, &KWDockWindowSizes::horzDocked},
      {Place::kLeftRight, &KWDockWindowSizes::vertDocked},
      {Place::kFloating, &KWDockWindowSizes::floating},
  };
  for (const auto& c : cases) {
    KWDockWindowSizes sizes;
    sizes.SetBarSize(c.place, size);
    EXPECT_EQ(sizes.desired, size);
    EXPECT_EQ(sizes.*c.field, size);
    int unchanged = (sizes.horzDocked == size) + (sizes.vertDocked == size) + (sizes.floating == size);
    EXPECT_EQ(unchanged, 1);
  }
}

// A window sized on the left (200 x 490) and docked straight on the top
// takes its top size, not a row as deep as its old length.
TEST(KWDockWindowSizes, DockingAcrossSidesTakesTheNewSidesSize) {
  const CSize vert(200, 490), horz(560, 120), desired(200, 490);
  struct {
    Place from, to;
    CSize desired;
  } const cases[] = {
      {Place::kLeftRight, Place::kTopBottom, horz},
      {Place::kTopBottom, Place::kLeftRight, vert},
      {Place::kLeftRight, Place::kLeftRight, desired},
      {Place::kFloating, Place::kTopBottom, desired},
      {Place::kTopBottom, Place::kFloating, desired},
  };
  for (const auto& c : cases) {
    KWDockWindowSizes sizes;
    sizes.vertDocked = vert;
    sizes.horzDocked = horz;
    sizes.desired = desired;
    sizes.DockAt(c.from, c.to);
    EXPECT_EQ(sizes.desired, c.desired) << static_cast<int>(c.from) << " to " << static_cast<int>(c.to);
    EXPECT_EQ(sizes.vertDocked, vert);
    EXPECT_EQ(sizes.horzDocked, horz);
  }
}

TEST(KWDockWindowSizes, RecordRoundTripsSizesAndFlagsButNotTheStyle) {
  KWDockWindowSizes stored = KWDockWindowSizes::ForCreate(CSize(300, 100), kAlignLeft);
  stored.desired = CSize(-5, 70000);
  stored.bOnlyInRow = TRUE;
  std::vector<BYTE> record = stored.ToRecord(0x0123);
  ASSERT_EQ(record.size(), kKWDockSizeRecordBytes);
  // Little-endian int32 in order; the style last.
  EXPECT_EQ(record[0], 44);
  EXPECT_EQ(record[1], 1);
  EXPECT_EQ(record[4], 100);
  EXPECT_EQ(record[24], 0xFB);
  EXPECT_EQ(record[27], 0xFF);
  EXPECT_EQ(record[32], 1);
  EXPECT_EQ(record[40], 0x23);
  EXPECT_EQ(record[41], 0x01);

  KWDockWindowSizes loaded;
  ASSERT_TRUE(loaded.ApplyRecord(record.data(), record.size()));
  EXPECT_EQ(loaded.vertDocked, stored.vertDocked);
  EXPECT_EQ(loaded.horzDocked, stored.horzDocked);
  EXPECT_EQ(loaded.floating, stored.floating);
  EXPECT_EQ(loaded.desired, stored.desired);
  EXPECT_TRUE(loaded.bOnlyInRow);
  EXPECT_FALSE(loaded.bExpanded);
  // The applied part alone is enough.
  KWDockWindowSizes partial;
  EXPECT_TRUE(partial.ApplyRecord(record.data(), kKWDockSizeRecordAppliedBytes));
  EXPECT_EQ(partial.desired, stored.desired);
}

TEST(KWDockWindowSizes, ShortRecordsChangeNothing) {
  std::vector<BYTE> record = KWDockWindowSizes::ForCreate(CSize(300, 100), 0).ToRecord(0);
  for (std::size_t length : {std::size_t{0}, std::size_t{4}, kKWDockSizeRecordAppliedBytes - 1}) {
    KWDockWindowSizes sizes;
    EXPECT_FALSE(sizes.ApplyRecord(record.data(), length)) << length;
    EXPECT_EQ(sizes.horzDocked, CSize(200, 100));
    EXPECT_EQ(sizes.vertDocked, CSize(200, 100));
  }
  KWDockWindowSizes sizes;
  EXPECT_FALSE(sizes.ApplyRecord(nullptr, kKWDockSizeRecordBytes));
}

}  // namespace
