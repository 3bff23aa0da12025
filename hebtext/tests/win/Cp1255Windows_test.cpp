// AnsiHebrewToUnicode against Windows' own code page 1255.
#include <windows.h>

#include <gtest/gtest.h>

#include "hebtext/tests/core/Cp1255Reference.h"

namespace {

int WindowsUnit(int byte) {
  const char text[1] = {static_cast<char>(byte)};
  WCHAR unit = 0;
  if (MultiByteToWideChar(1255, MB_ERR_INVALID_CHARS, text, 1, &unit, 1) != 1) {
    return cp1255::kNoUnit;
  }
  return unit;
}

TEST(Cp1255Windows, AgreesOnEveryByte) {
  ASSERT_TRUE(IsValidCodePage(1255));
  EXPECT_EQ(0x05D0, WindowsUnit(0xE0));
  EXPECT_EQ("", cp1255::Disagreements(WindowsUnit));
}

}  // namespace
