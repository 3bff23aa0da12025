// Colours written as text.
#include "hebtext/core/ColorSpec.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseColorSpec, ReadsEveryForm) {
  struct Case {
    const char* text;
    COLORREF expected;
  } const cases[] = {
      {"#FF0000", 0x0000FF},        {"255 0 0", 0x0000FF},           {"green", 0x00FF00},
      {"X0000FF", 0x0000FF},        {"x123456", 0x123456},           {"|", kNoColorSpec},
      {"12 34", kInvalidColorSpec}, {"", kInvalidColorSpec},         {"   ", kInvalidColorSpec},
      {"  PaleYellow", 0x80FFFF},   {"LIGHTBLUE2", 0xC00000},        {"LightBlue", 0xFFFF3C},
      {"Fuschia", 0xBF3FFF},        {"#0000ff", 0xFF0000},           {"10,20,30", 0x1E140A},
      {"mauve", kInvalidColorSpec}, {"GREENISH", kInvalidColorSpec},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColorSpec(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseColorSpec(nullptr), kInvalidColorSpec);
}

}  // namespace
