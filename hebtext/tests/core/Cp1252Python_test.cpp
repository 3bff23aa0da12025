// Code page 1252, the code of the document faces that are not Hebrew, against
// Python's codec (data/cp1252.txt and data/cp1255.txt, by data/make-fixtures.py).
#include <gtest/gtest.h>

#include <map>

#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/tests/core/FixtureFile.h"

namespace {

TEST(Cp1252Python, AgreesOnEveryByteBothWays) {
  const std::map<int, UINT> python = fixture::CodePageUnits("cp1252.txt");
  ASSERT_FALSE(python.empty()) << "data/cp1252.txt is missing";
  for (int byte = 0; byte < 256; ++byte) {
    const bool defined = python.count(byte) != 0;
    EXPECT_EQ(defined ? python.at(byte) : kReplacementCharacter,
              Windows1252ToUnicode(static_cast<BYTE>(byte)))
        << byte;
    if (!defined) continue;
    BYTE back = 0;
    EXPECT_TRUE(UnicodeToWindows1252(python.at(byte), back)) << byte;
    EXPECT_EQ(byte, back) << byte;
  }
  BYTE none = 0;
  EXPECT_FALSE(UnicodeToWindows1252(0x20AA, none));
  EXPECT_FALSE(UnicodeToWindows1252(0x05D0, none));
}

// A text file of the other faces' text gives each character its code page
// 1255 byte where that code page has one.
TEST(Cp1252Python, EachByteGoesToTheCodePage1255ByteOfItsCharacter) {
  const std::map<int, UINT> cp1252 = fixture::CodePageUnits("cp1252.txt");
  std::map<UINT, int> cp1255Bytes;
  for (const auto& [byte, unit] : fixture::CodePageUnits("cp1255.txt")) cp1255Bytes[unit] = byte;
  ASSERT_FALSE(cp1255Bytes.empty()) << "data/cp1255.txt is missing";
  const int kCurrencySign = 0xA4;  // stands for the new shekel sign, at its byte
  for (const auto& [byte, unit] : cp1252) {
    const int expected = byte == kCurrencySign    ? kCurrencySign
                         : cp1255Bytes.count(unit) ? cp1255Bytes.at(unit)
                                                   : '?';
    EXPECT_EQ(expected, Windows1252ToWindows1255(static_cast<BYTE>(byte))) << byte;
  }
}

}  // namespace
