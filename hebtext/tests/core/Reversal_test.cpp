// Reversing ranges of strings and arrays in place.
#include "hebtext/core/Reversal.h"

#include <gtest/gtest.h>

namespace {

TEST(ReverseCStringRange, ReversesTheRangeAndCutsItAtTheEnd) {
  struct Case {
    int start;
    int count;
    const char* expected;
  } const cases[] = {
      {0, -1, "fedcba"}, {1, 3, "adcbef"},  {4, 10, "abcdfe"},
      {6, 1, "abcdef"},  {-1, 2, "abcdef"}, {2, 0, "abcdef"},
  };
  for (const auto& c : cases) {
    CString text("abcdef");
    ReverseCStringRange(text, c.start, c.count);
    EXPECT_STREQ(text, c.expected) << c.start << " " << c.count;
    EXPECT_EQ(text.GetLength(), 6);
  }
}

TEST(ReverseArrayRanges, ReverseBytesAndDoubleWords) {
  CByteArray bytes;
  for (BYTE b : {1, 2, 3, 4}) bytes.Add(b);
  ReverseByteArrayRange(bytes, 1);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[1], 4);
  EXPECT_EQ(bytes[3], 2);
  CDWordArray values;
  for (DWORD v : {10u, 20u, 30u}) values.Add(v);
  ReverseDWordArrayRange(values, 0, 2);
  EXPECT_EQ(values[0], 20u);
  EXPECT_EQ(values[1], 10u);
  EXPECT_EQ(values[2], 30u);
  ReverseDWordArrayRange(values, 5, 2);  // outside: nothing
  EXPECT_EQ(values[0], 20u);
}

}  // namespace
