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

TEST(DecodeTextFile, ChoosesTheEncodingByItsMarkOrItsBytes) {
  const struct {
    const char* name;
    Codes bytes;
    std::u32string chars;
  } cases[] = {
      {"Windows-1255", {0xF9, 0xC8, ' ', 0x93, 'a'}, U"\u05E9\u05B8 \u201Ca"},
      {"UTF-8 without a mark", {0xD7, 0xA9, ' ', 'a'}, U"\u05E9 a"},
      {"UTF-8 with its mark", {0xEF, 0xBB, 0xBF, 'a'}, U"a"},
      {"UTF-16 little-endian", {0xFF, 0xFE, 0xE9, 0x05, 'a', 0}, U"\u05E9a"},
      {"UTF-16 big-endian", {0xFE, 0xFF, 0x05, 0xE9, 0, 'a'}, U"\u05E9a"},
      {"a surrogate pair", {0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}, U"\U0001F600"},
      {"an unpaired surrogate and an odd byte", {0xFF, 0xFE, 0x3D, 0xD8, 'a', 0, 'b'},
       U"\uFFFDa\uFFFD"},
      // One sequence that is not UTF-8 makes the whole file Windows-1255.
      {"an overlong form", {0xD7, 0xA9, 0xC0, 0xAF}, U"\u05F3\u00A9\u05B0\u00AF"},
      {"a cut sequence", {0xD7, 0xA9, 0xD7}, U"\u05F3\u00A9\u05F3"},
      {"a byte the code page leaves undefined", {0xFF, 'a'}, U"\uFFFDa"},
      {"NUL characters left out", {'a', 0, 'b', 0}, U"ab"},
      {"UTF-8 with a bad byte after its mark", {0xEF, 0xBB, 0xBF, 0xFF, 'a'}, U"\uFFFDa"},
      {"ASCII", {'a', 'b'}, U"ab"},
      {"empty", {}, U""},
  };
  for (const auto& c : cases) {
    const std::string bytes(c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(c.chars, DecodeTextFile(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()))
        << c.name;
  }
}

TEST(HoldCharacter, PutsEachCharacterInAFaceThatHoldsIt) {
  const struct {
    UINT codePoint;
    TextScript script;
    Codes bytes;
  } cases[] = {
      {'a', TextScript::Latin, {'a'}},
      {'5', TextScript::Neutral, {'5'}},
      {' ', TextScript::Neutral, {' '}},
      {0x05E9, TextScript::Hebrew, {0xF9}},
      {0xFB2C, TextScript::Hebrew, {0xF9, 0xCC, 0xD1}},
      {0x05BE, TextScript::Hebrew, {0xCE}},  // the maqaf, apart from the hyphen
      {0x05F3, TextScript::Hebrew, {'\''}},
      {0x00E9, TextScript::Latin, {0xE9}},
      {0x201C, TextScript::Latin, {0x93}},
      {0x20AC, TextScript::Latin, {0x80}},
      {0x20AA, TextScript::Latin, {0xA4}},  // the shekel, as the currency sign
      {0x0410, TextScript::Neutral, {'?'}},
      {0x1F600, TextScript::Neutral, {'?'}},
      {0x0591, TextScript::Dropped, {}},  // cantillation
      {0x05BF, TextScript::Dropped, {}},  // rafe
      {0x200F, TextScript::Dropped, {}},
      {0xFEFF, TextScript::Dropped, {}},
      {0, TextScript::Dropped, {}},
  };
  for (const auto& c : cases) {
    const HeldChar held = HoldCharacter(c.codePoint);
    EXPECT_EQ(c.script, held.script) << std::hex << c.codePoint;
    EXPECT_EQ(c.bytes, Codes(held.bytes, held.bytes + held.length)) << std::hex << c.codePoint;
  }
}

}  // namespace
