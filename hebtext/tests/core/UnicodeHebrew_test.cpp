// Windows-1255 to and from UTF-16 and UTF-8.
#include "hebtext/core/UnicodeHebrew.h"

#include <gtest/gtest.h>

#include "hebtext/tests/core/ByteStrings.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;

// Code page 1255 as a whole is checked against Python's codec and Windows'
// table (Cp1255Reference.h); these are the program's own rules on top.
TEST(AnsiHebrewToUnicode, GivesOneUnitPerByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const WideString wide = AnsiHebrewToUnicode(all.c_str());
  ASSERT_EQ(all.size(), wide.size());
  EXPECT_EQ(0, wide.c_str()[wide.size()]);
  const struct {
    int byte, unit;
  } cases[] = {
      {'a', 'a'},       {0xE0, 0x05D0}, {0xC8, 0x05B8}, {0x93, 0x201C}, {0xA4, 0x20AA},
      {0xCA, 0x05BA},   {0xD7, 0x05F3}, {'-', 0x05BE},  {':', 0x05C3},
      {0x81, 0x81},  // undefined in the code page: passed on
  };
  for (const auto& c : cases) EXPECT_EQ(c.unit, wide[c.byte - 1]) << c.byte;
}

TEST(AnsiHebrewToUnicode, StopsAtTheTerminator) {
  EXPECT_EQ((Codes{0x05D0, 'a'}), CodesOf(AnsiHebrewToUnicode("\xE0"
                                                              "a\0\xE1")));
  EXPECT_TRUE(AnsiHebrewToUnicode("").empty());
}

TEST(UnicodeCharToAnsi, MapsHebrewPointsLettersAndPresentationForms) {
  struct Case {
    UINT unit;
    Codes ansi;
    // clang-format off
  } cases[] = {
      {'A', {'A'}},          {0x7F, {0x7F}},        {0x05B0, {0xC0}},      {0x05B9, {0xC9}},
      {0x05BB, {0xCB}},      {0x05BC, {0xCC}},      {0x05BD, {0xCD}},      {0x05BE, {'-'}},
      {0x05C1, {0xD1}},      {0x05C2, {0xD2}},      {0x05C3, {':'}},       {0x05D0, {0xE0}},
      {0x05EA, {0xFA}},      {0xF302, {0xCD}},      {0xF303, {0xCD}},      {0xFB2A, {0xF9, 0xD1}},
      {0xFB2B, {0xF9, 0xD2}}, {0xFB35, {0xE5, 0xCC}}, {0xFB4B, {0xE5, 0xC9}},
      {0x05BA, {0xCA}},      {0x05C7, {0xC8}},      {0x05F3, {'\''}},     {0x05F4, {'"'}},
      {0x05F0, {0xE5, 0xE5}}, {0x05F1, {0xE5, 0xE9}}, {0x05F2, {0xE9, 0xE9}},
      {0xFB31, {0xE1, 0xCC}}, {0xFB4A, {0xFA, 0xCC}}, {0xFB2C, {0xF9, 0xCC, 0xD1}},
      {0xFB1F, {0xE9, 0xE9, 0xC7}}, {0xFB4C, {0xE1}}, {0xFB4F, {0xE0, 0xEC}}, {0xFB29, {'+'}},
      // Nothing for the rest: rafe, paseq, accents, the upper dot, unassigned
      // places, Latin-1 and other punctuation.
      {0x05BF, {}}, {0x05C0, {}}, {0x0591, {}}, {0x05C4, {}}, {0x05EB, {}}, {0xFB37, {}},
      {0xFB1E, {}}, {0x00E9, {}}, {0x80, {}},   {0x201C, {}}, {0xFFFF, {}},
      // clang-format on
  };
  for (const Case& c : cases) {
    BYTE out[kMaxAnsiBytesPerChar] = {};
    const int count = UnicodeCharToAnsi(c.unit, out);
    EXPECT_EQ(c.ansi, Codes(out, out + count)) << std::hex << c.unit;
  }
}

TEST(UnicodeToAnsiHebrew, ConvertsUnitByUnit) {
  const WCHAR text[] = {0xFB2A, 0x05B8, 0x05DC, 0x05D5, 0x05B9, 0x05DD,
                        ' ',    0x05BA, 0x05BE, 0x201C, 0};
  CString result("stale");
  UnicodeToAnsiHebrew(result, text);
  EXPECT_EQ((Codes{0xF9, 0xD1, 0xC8, 0xEC, 0xE5, 0xC9, 0xED, ' ', 0xCA, '-'}), CodesOf(result));
}

TEST(Utf8ToAnsiHebrew, DecodesAndDropsWhatItCannotReadWithoutReadingPastTheEnd) {
  struct Case {
    const char* name;
    Codes utf8;
    Codes ansi;
  } cases[] = {
      {"alef, qamats, ASCII", {0xD7, 0x90, 0xD6, 0xB8, 'a'}, {0xE0, 0xC8, 'a'}},
      {"three-byte presentation form", {0xEF, 0xAC, 0xAA}, {0xF9, 0xD1}},
      {"two-byte sequence cut at the end", {'a', 0xD7}, {'a'}},
      {"three-byte sequence cut after one byte", {'a', 0xEF}, {'a'}},
      {"three-byte sequence cut after two bytes", {'a', 0xEF, 0xAC}, {'a'}},
      {"four-byte sequence skipped", {0xF0, 0x9F, 0x98, 0x80, 'a'}, {'a'}},
      {"four-byte sequence cut at the end", {'a', 0xF0, 0x9F, 0x98}, {'a'}},
      {"five-byte lead skips four", {0xF8, 1, 2, 3, 4, 'a'}, {'a'}},
      {"six-byte lead skips five", {0xFC, 1, 2, 3, 4, 5, 'a'}, {'a'}},
      {"six-byte lead cut at the end", {'a', 0xFC, 1, 2, 3, 4}, {'a'}},
      {"stray continuation bytes", {0x80, 'a', 0xBF}, {'a'}},
      {"0xFE and 0xFF", {0xFE, 'a', 0xFF}, {'a'}},
      {"Latin letters give nothing", {0xC3, 0xA9, 'a'}, {'a'}},
      // Continuation bytes are not checked: the ASCII letter is taken as one.
      {"continuation top bits ignored", {0xC3, 'A', 'b'}, {'b'}},
      {"maqaf and sof pasuq", {0xD6, 0xBE, 0xD7, 0x83}, {'-', ':'}},
      {"empty", {}, {}},
  };
  for (const auto& c : cases) {
    CString text = Text(c.utf8);
    Utf8ToAnsiHebrew(text);
    EXPECT_EQ(c.ansi, CodesOf(text)) << c.name;
  }
}

TEST(AnsiHebrewToUtf8, EncodesThroughTheUnicodeForm) {
  struct Case {
    Codes ansi;
    Codes utf8;
  } cases[] = {
      {{'-'}, {0xD6, 0xBE}},
      {{':'}, {0xD7, 0x83}},
      {{0xE0}, {0xD7, 0x90}},
      {{0xCA}, {0xD6, 0xBA}},
      {{'a', ' '}, {'a', ' '}},
      {{0x80}, {0xE2, 0x82, 0xAC}},
      {{0x81}, {0xC2, 0x81}},
      {{0xFA, 0xCD}, {0xD7, 0xAA, 0xD6, 0xBD}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    CString text = Text(c.ansi);
    AnsiHebrewToUtf8(text);
    EXPECT_EQ(c.utf8, CodesOf(text));
  }
}

// Every byte whose character converts back to it alone comes back from UTF-8.
TEST(AnsiHebrewToUtf8, Utf8ToAnsiHebrewReadsItBack) {
  Codes all;
  for (int b = 1; b < 256; ++b) {
    const char text[2] = {static_cast<char>(b), 0};
    BYTE back[kMaxAnsiBytesPerChar];
    if (UnicodeCharToAnsi(AnsiHebrewToUnicode(text)[0], back) == 1 && back[0] == b) {
      all.push_back(b);
    }
  }
  EXPECT_GT(all.size(), 150u);
  CString text = Text(all);
  AnsiHebrewToUtf8(text);
  Utf8ToAnsiHebrew(text);
  EXPECT_EQ(all, CodesOf(text));
}

}  // namespace
