// What the numeric and short text fields accept.
#include "hebtext/core/EditValidation.h"

#include <gtest/gtest.h>

namespace {

TEST(IsMeasureUnitSuffix, KnowsTheInchMarkAndMetricUnits) {
  for (const char* text : {"\"", " \"", " cm", " CM.", " mm", " Mm."})
    EXPECT_TRUE(IsMeasureUnitSuffix(text)) << text;
  for (const char* text : {"cm", " in", "  mm", " mm..", "", "\"\""})
    EXPECT_FALSE(IsMeasureUnitSuffix(text)) << text;
}

TEST(ValidateEditText, ChecksEachCharacterAgainstTheFlags) {
  const UINT number = kEditAllowDigits | kEditAllowOnePunct;
  struct Case {
    const char* text;
    UINT flags;
    BOOL expected;
  } const cases[] = {
      {"1.5 cm", number | kEditAllowUnitSuffix, TRUE},
      {"1.5 cm", number, FALSE},
      {"0.75\"", number | kEditAllowUnitSuffix, TRUE},
      {"1.5.2", number, FALSE},
      {"1.5", number, TRUE},
      {"", 0, TRUE},
      {"12", kEditAllowLetters, FALSE},
      {"ab", kEditAllowDigits, FALSE},
      {"AB12", kEditAllowDigits | kEditAllowLetters, TRUE},
      {"-3", kEditAllowDigits, FALSE},
      {"-3", kEditAllowDigits | kEditAllowDash, TRUE},
      {"1/2", kEditAllowDigits, FALSE},
      {"1/2", kEditAllowDigits | kEditAllowSlash, TRUE},
      {"1,5", kEditAllowDigits, FALSE},
      {"1 2", kEditAllowDigits, TRUE},  // a blank is neither class nor punctuation
  };
  for (const auto& c : cases)
    EXPECT_EQ(ValidateEditText(c.text, c.flags), c.expected) << c.text << " " << c.flags;
}

}  // namespace
