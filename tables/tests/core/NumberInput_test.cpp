// The number view's input filter: trimming, digits only, the caret's place
// and the limits of the two modes.
#include "tables/core/NumberInput.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberInput, KeepsTheDigitsAndFindsTheFirstDroppedCharacter) {
  struct Case {
    const char* typed;
    int limit;
    const char* text;
    const char* digits;
    int firstDropped;
  } const cases[] = {
      {"12a3", kSingleInputLimit, "12a3", "123", 2},
      {"123", kSingleInputLimit, "123", "123", -1},
      {"  45  ", kSingleInputLimit, "45", "45", -1},
      {" 4 5x", kSingleInputLimit, "4 5x", "45", 1},
      {"-7", kSingleInputLimit, "-7", "7", 0},
      {"1.5", kSingleInputLimit, "1.5", "15", 1},
      {"abc", kSingleInputLimit, "abc", "", 0},
      {"   ", kSingleInputLimit, "", "", -1},
      {"", kSingleInputLimit, "", "", -1},
      {"1234567890123", kSingleInputLimit, "123456789012", "123456789012", -1},
      {"99999", kSequenceInputLimit, "9999", "9999", -1},
      {"12345a", kSequenceInputLimit, "1234", "1234", -1},
  };
  for (const auto& c : cases) {
    const FilteredNumberInput filtered = FilterNumberInput(c.typed, c.limit);
    EXPECT_EQ(c.text, filtered.text) << c.typed;
    EXPECT_EQ(c.digits, filtered.digits) << c.typed;
    EXPECT_EQ(c.firstDropped, filtered.firstDropped) << c.typed;
  }
}

TEST(NumberInput, TwelveDigitsReadExactly) {
  EXPECT_EQ(0.0, DigitsValue(""));
  EXPECT_EQ(7.0, DigitsValue("007"));
  EXPECT_EQ(999999999999.0, DigitsValue("999999999999"));
  EXPECT_EQ(123456789012.0, DigitsValue("123456789012"));
}

}  // namespace
