// The program's Hebrew fonts as Windows sees them: found by family name for
// an ANSI request, and every byte of the Hebrew code reaching its own glyph.
#include <windows.h>

#include <gtest/gtest.h>

#include "hebtext/core/HebrewFontFamily.h"
#include "hebtext/tests/win/HebrewTestFonts.h"

namespace {

class HebrewFontsTest : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(kHebrewFontFaceCount, RegisterHebrewFonts()); }

  void SetUp() override {
    LOGFONTA logFont = {};
    logFont.lfHeight = -24;
    logFont.lfCharSet = ANSI_CHARSET;
    logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    lstrcpynA(logFont.lfFaceName, GetParam(), LF_FACESIZE);
    font_ = CreateFontIndirectA(&logFont);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, font_);
  }
  void TearDown() override {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(font_);
  }

  HFONT font_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_P(HebrewFontsTest, IsChosenForItsFamilyName) {
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc_, LF_FACESIZE, face);
  EXPECT_STREQ(GetParam(), face);
}

// The fonts keep glyph index = byte, so each byte must come out as itself.
TEST_P(HebrewFontsTest, EveryByteReachesItsGlyphThroughTheAnsiCalls) {
  for (int byte = 1; byte < 256; ++byte) {
    const char text[1] = {static_cast<char>(byte)};
    WORD glyph = 0;
    ASSERT_EQ(1u, GetGlyphIndicesA(dc_, text, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS));
    EXPECT_EQ(byte, glyph) << "byte " << byte << " under code page " << GetACP();
  }
}

// What a Hebrew Windows turns each byte into for a font asked for with
// DEFAULT_CHARSET. Code page 1255 writes U+00D7 and U+00F7 at 170 and 186,
// where code page 1252 has them at 215 and 247; the fonts keep them for 1252,
// the code page of the ANSI_CHARSET fonts the program asks for.
TEST_P(HebrewFontsTest, EveryByteReachesItsGlyphThroughItsHebrewImage) {
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == 170 || byte == 186) continue;
    const char text[1] = {static_cast<char>(byte)};
    WCHAR unit = 0;
    ASSERT_EQ(1, MultiByteToWideChar(1255, 0, text, 1, &unit, 1));
    WORD glyph = 0;
    ASSERT_EQ(1u, GetGlyphIndicesW(dc_, &unit, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS));
    EXPECT_EQ(byte, glyph) << "byte " << byte << " as U+" << std::hex << unit;
  }
}

INSTANTIATE_TEST_SUITE_P(SixFaces, HebrewFontsTest, ::testing::ValuesIn(g_hebrewFontFaces));

}  // namespace
