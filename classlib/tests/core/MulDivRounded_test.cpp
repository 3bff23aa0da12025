// Scaling as the system's MulDiv does: rounded to nearest, halves away from
// zero, a 64-bit product, -1 for a zero divisor or a result beyond 32 bits.
#include "classlib/core/MulDivRounded.h"

#include <gtest/gtest.h>

namespace {

TEST(MulDivRoundedTest, RoundsToNearestLikeTheSystem) {
  struct Case {
    int a, b, c, result;
  };
  const Case cases[] = {{96, 100, 508, 19}, {7, 1, 2, 4},  {-7, 1, 2, -4},
                        {5, 2, 3, 3},       {1, 1, 0, -1}, {7, -1, -2, 4}};
  for (const Case& c : cases)
    EXPECT_EQ(c.result, MulDivRounded(c.a, c.b, c.c)) << c.a << "*" << c.b << "/" << c.c;
  EXPECT_EQ(1500000000, MulDivRounded(1000000000, 3, 2));  // 64-bit product
  EXPECT_EQ(-1, MulDivRounded(1000000000, 3, 1));          // beyond 32 bits
}

}  // namespace
