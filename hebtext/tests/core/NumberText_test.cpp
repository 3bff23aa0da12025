// Character tests and the number readers of the settings texts.
#include "hebtext/core/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
  const char* text;
  int expected;
};

TEST(ParseSignedInt, ReadsTheFirstNumberAndStopsBeforeOverflow) {
  const IntCase cases[] = {
      {"abc-12x", -12},
      {"42", 42},
      {"  7|8", 7},
      {"2147483647", 2147483647},
      {"2147483648", 214748364},
      {"9999999999", 999999999},
      {"-2147483648", -214748364},
      {"", 0},
      {"no digits", 0},
      {"-x5", 0},
  };
  for (const IntCase& c : cases) EXPECT_EQ(ParseSignedInt(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseSignedInt(nullptr), 0);
}

TEST(ParseHex, ReadsEitherCaseFromTheFirstHexDigit) {
  struct HexCase {
    const char* text;
    DWORD expected;
  } const cases[] = {
      {"ff", 0xFF},
      {"  |80FFff", 0x80FFFF},
      {"zz1aG", 0x1A},
      {"", 0},
      {"ffffffff", 0xFFFFFFFF},
      {"123456789", 0x23456789},  // wraps silently, as a 32-bit number
  };
  for (const HexCase& c : cases) EXPECT_EQ(ParseHex(c.text), c.expected) << c.text;
}

TEST(CharacterTests, ClassifyByTheirOwnRules) {
  EXPECT_TRUE(IsDigitChar('0'));
  EXPECT_FALSE(IsDigitChar('a'));
  EXPECT_TRUE(IsDigitChar(0x100 + '5'));  // only the low 8 bits count
  EXPECT_TRUE(IsHexDigitChar('f'));
  EXPECT_TRUE(IsHexDigitChar('F'));
  EXPECT_FALSE(IsHexDigitChar('g'));
  for (char c : {'\t', '\f', '\r', ' '}) EXPECT_TRUE(IsBlankChar(c));
  EXPECT_FALSE(IsBlankChar('\n'));
  EXPECT_TRUE(IsPrintableChar(0xE1));   // as 'a'
  EXPECT_FALSE(IsPrintableChar(0x81));  // as a control character
  EXPECT_TRUE(IsPunctNotDashSlash('.'));
  EXPECT_FALSE(IsPunctNotDashSlash('-'));
  EXPECT_FALSE(IsPunctNotDashSlash('/'));
  EXPECT_FALSE(IsPunctNotDashSlash('a'));
}

TEST(TrimBlanks, RemovesBlanksAtBothEnds) {
  CString text("\t  some text \r\f ");
  TrimBlanks(text);
  EXPECT_STREQ(text, "some text");
  CString blanks(" \t ");
  TrimBlanks(blanks);
  EXPECT_STREQ(blanks, "");
}

TEST(IntPower, GivesOneBelowExponentOne) {
  EXPECT_EQ(IntPower(10, 3), 1000);
  EXPECT_EQ(IntPower(2, 0), 1);
  EXPECT_EQ(IntPower(2, -4), 1);
}

TEST(BlankFieldReader, MissingNumbersReadAsZeroAndTheRestStays) {
  BlankFieldReader reader("12 ff 3");
  EXPECT_EQ(reader.NextInt(), 12);
  EXPECT_EQ(reader.NextHex(), 0xFFu);
  EXPECT_EQ(reader.NextInt(), 3);
  EXPECT_EQ(reader.NextInt(), 0);
  EXPECT_EQ(reader.NextHex(), 0u);
  EXPECT_STREQ(reader.Rest(), "");
  BlankFieldReader face("1 Times New Roman");
  face.NextInt();
  EXPECT_STREQ(face.Rest(), "Times New Roman");
}

TEST(CutStoredText, KeepsAtMostTheGivenLength) {
  EXPECT_STREQ(CutStoredText(CString('x', 300), 255), CString('x', 255));
  EXPECT_STREQ(CutStoredText("short", 255), "short");
}

}  // namespace
