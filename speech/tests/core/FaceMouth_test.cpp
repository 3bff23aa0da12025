// The mouth of each speaking face for notices from closed to wide open.
#include "speech/core/FaceMouth.h"

#include <gtest/gtest.h>

namespace FaceMouth_test {

struct NerlaCase {
  BYTE opening, width;
  int row, column;
};

class NerlaMouthTable : public ::testing::TestWithParam<NerlaCase> {};

TEST_P(NerlaMouthTable, PicksTheGridCell) {
  const NerlaCase& c = GetParam();
  const MouthCell cell = NerlaMouthCell(c.opening, c.width);
  EXPECT_EQ(cell.row, c.row) << int(c.opening);
  EXPECT_EQ(cell.column, c.column) << int(c.width);
}

INSTANTIATE_TEST_SUITE_P(Notices, NerlaMouthTable,
                         ::testing::Values(NerlaCase{0, 0, 1, 1}, NerlaCase{15, 36, 1, 1},
                                           NerlaCase{16, 37, 2, 2}, NerlaCase{128, 128, 5, 4},
                                           NerlaCase{200, 219, 7, 6},
                                           NerlaCase{255, 255, 7, 6}));  // the largest cell

TEST(StarMouthEllipse, GrowsFromTheFrameTop) {
  const FaceRect closed = StarMouthEllipse(0, 0);
  EXPECT_EQ(closed.top, kStarMouthFrame.top);
  EXPECT_EQ(closed.bottom - closed.top, 5);
  EXPECT_EQ(closed.right - closed.left, 10);
  EXPECT_EQ(closed.left, 51 + 11);  // centred in the frame
  const FaceRect open = StarMouthEllipse(255, 255);
  EXPECT_EQ(open.bottom - open.top, (18 + 5) * 12 / 10);  // taller than 10: a fifth more
  EXPECT_EQ(open.right - open.left, 31 + 10);
}

TEST(DreidelMouthLine, RunsFromTheEdgeDownAndUp) {
  const DreidelMouth closed = DreidelMouthLine(0, 0);
  EXPECT_EQ(closed.points[0].x, 56);
  EXPECT_EQ(closed.points[0].y, 106);
  EXPECT_EQ(closed.points[1].y, 110);
  EXPECT_EQ(closed.points[2].x, 66);
  EXPECT_EQ(closed.fillFrom.y, 107);
  const DreidelMouth wide = DreidelMouthLine(255, 255);
  EXPECT_EQ(wide.points[0].x, 61 - 49);
  EXPECT_EQ(wide.points[0].y, 110);  // left of 28: the lowest step
  EXPECT_EQ(wide.points[1].y, 110 + 44);
  const DreidelMouth middle = DreidelMouthLine(0, 100);
  EXPECT_EQ(middle.points[0].x, 61 - 22);
  EXPECT_EQ(middle.points[0].y, 108);
}

TEST(MenorahMouthEllipse, KeepsAMinimumWidth) {
  const FaceRect closed = MenorahMouthEllipse(0, 0);
  EXPECT_EQ(closed.right - closed.left, 3);
  EXPECT_EQ(closed.top, 25);
  EXPECT_EQ(closed.bottom, 28);
  const FaceRect open = MenorahMouthEllipse(255, 255);
  EXPECT_EQ(open.right - open.left, 24);
  EXPECT_EQ(open.left, 92 - 12);
  EXPECT_EQ(open.bottom, 24 + 28);
}

}  // namespace FaceMouth_test
