#include <gtest/gtest.h>

#include <vector>

#include "editor/core/ColumnWidths.h"

namespace {

std::vector<int> Parse(const char* text) {
  int widths[kFileColumnCount] = {};
  ParseFileColumnWidths(text, widths);
  return std::vector<int>(widths, widths + kFileColumnCount);
}

const std::vector<int> kDefaults(kDefaultFileColumnWidths,
                                 kDefaultFileColumnWidths + kFileColumnCount);

TEST(ColumnWidths, ReadsUpToFiveBarEndedWidths) {
  const struct {
    const char* text;
    std::vector<int> widths;
  } cases[] = {
      {"1|2|3|4|5|", {1, 2, 3, 4, 5}},
      {"1|2|3|4|5|6|7|", {1, 2, 3, 4, 5}},   // never more than five
      {"11|22|", {11, 22, 90, 80, 50}},      // the rest keep their defaults
      {"11|22|33", {11, 22, 33, 80, 50}},    // the last bar missing: stop there
      {"11|22 33|", {11, 22, 90, 80, 50}},   // no bar after 22: stop there
      {"", kDefaults},
      {"499|1|", {499, 1, 90, 80, 50}},
      {"500|", kDefaults},                   // out of range: all defaults
      {"10|0|", kDefaults},
      {"10|x|", kDefaults},
      {"10|-5|", kDefaults},
      {"10|99999999999999999999999|", kDefaults},  // bounded, no overflow
  };
  for (const auto& c : cases) EXPECT_EQ(c.widths, Parse(c.text)) << c.text;
  EXPECT_EQ(kDefaults, Parse(nullptr));
}

TEST(ColumnWidths, WritesWhatItReadsBack) {
  const int widths[kFileColumnCount] = {120, 7, 499, 80, 1};
  const CString text = FormatFileColumnWidths(widths);
  EXPECT_STREQ("120|7|499|80|1|", text);
  EXPECT_EQ(std::vector<int>(widths, widths + kFileColumnCount), Parse(text));
}

}  // namespace
