// The number view's figures and printed captions.
#include "tables/core/NumberCaptions.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberCaptions, SequenceFiguresTakeTheOrdinalSuffix) {
  struct Case {
    LONG value;
    int ordinal;
    const char* figures;
  } const cases[] = {{1, 0, "1"},     {1, 1, "1st"},     {2, 1, "2nd"},     {3, 1, "3rd"},
                     {11, 1, "11th"}, {112, 1, "112th"}, {9999, 0, "9999"}, {18999, 1, "18999th"}};
  for (const auto& c : cases) EXPECT_EQ(c.figures, SequenceFigures(c.value, c.ordinal));
}

TEST(NumberCaptions, TheTypedNumberIsGroupedByThousands) {
  struct Case {
    const char* digits;
    int ordinal;
    const char* caption;
  } const cases[] = {
      {"", 0, ""},
      {"", 1, ""},
      {"7", 0, "7"},
      {"123", 1, "123rd"},
      {"1234", 0, "1,234"},
      {"123456", 0, "123,456"},
      {"1234567", 1, "1,234,567th"},
      {"1000000001", 1, "1,000,000,001st"},
      {"999999999912", 1, "999,999,999,912th"},
      {"100000000022", 1, "100,000,000,022nd"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.caption, GroupedNumberCaption(c.digits, c.ordinal));
}

TEST(NumberCaptions, GenderAndFormatLines) {
  EXPECT_STREQ("Masculine", NumberGenderCaption(0));
  EXPECT_STREQ("Feminine", NumberGenderCaption(1));
  EXPECT_STREQ("Cardinal", NumberFormatCaption(0));
  EXPECT_STREQ("Ordinal", NumberFormatCaption(1));
}

}  // namespace
