// CFontInfo: the logical font built from face, size and style, its metrics
// and the width table, against the device.
#include "hebtext/win/CFontInfo.h"

#include <gtest/gtest.h>

#include "classlib/win/CFont.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/win/HebrewTestFonts.h"

namespace {

class CFontInfoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterHebrewFonts(); }
  Canvas canvas_{10, 10};
  CDC* dc() { return canvas_.dc(); }
};

TEST_F(CFontInfoTest, BuildsTheLogicalFontFromSizeAndStyle) {
  ASSERT_EQ(96, dc()->GetDeviceCaps(LOGPIXELSY));
  CFontInfo font(dc(), "Pomlar David 2", 12, CFontInfo::kBold | CFontInfo::kUnderline);
  const LOGFONT& lf = *font.GetLogFont();
  EXPECT_EQ(-16, lf.lfHeight);
  EXPECT_EQ(FW_BOLD, lf.lfWeight);
  EXPECT_EQ(0, lf.lfItalic);
  EXPECT_NE(0, lf.lfUnderline);
  EXPECT_EQ(ANSI_CHARSET, lf.lfCharSet);
  EXPECT_EQ(OUT_TT_ONLY_PRECIS, lf.lfOutPrecision);
  EXPECT_EQ(PROOF_QUALITY, lf.lfQuality);
  EXPECT_EQ(VARIABLE_PITCH, lf.lfPitchAndFamily);
  EXPECT_STREQ("Pomlar David 2", font.GetFaceName());
  EXPECT_EQ(font.GetTextMetrics().tmHeight + font.GetTextMetrics().tmExternalLeading,
            font.GetLineHeight());
  EXPECT_GT(font.GetLineHeight(), 16);
}

TEST_F(CFontInfoTest, TakesSizeAndStyleFromALogicalFont) {
  struct Case {
    LONG height, weight;
    BYTE italic, underline;
    WORD points;
    BYTE style;
  };
  for (const Case& c :
       {Case{-16, 400, 0, 0, 12, 0}, Case{16, 401, 0, 0, 12, 1}, Case{-32, 700, 1, 1, 24, 7}}) {
    LOGFONT lf = {};
    lf.lfHeight = c.height;
    lf.lfWeight = c.weight;
    lf.lfItalic = c.italic;
    lf.lfUnderline = c.underline;
    lstrcpynA(lf.lfFaceName, "Pomlar Noam 2", LF_FACESIZE);
    CFontInfo font(dc(), lf);
    EXPECT_EQ(c.points, font.GetPointSize()) << c.height;
    EXPECT_EQ(c.style, font.GetStyle()) << c.weight;
  }
}

TEST_F(CFontInfoTest, WidthTableMatchesTheDeviceForEveryCode) {
  CFontInfo font(dc(), "Pomlar Sephardi 2", 20, 0);
  ASSERT_TRUE(font.MeasureCharWidths(dc()));
  CFont* previous = dc()->SelectObject(font.GetFont());
  for (int code = 1; code < 256; ++code) {
    const char text[1] = {static_cast<char>(code)};
    SIZE size = {};
    GetTextExtentPoint32A(dc()->m_hAttribDC, text, 1, &size);
    const bool blank =
        code == HebCode::Tab || code == HebCode::FormFeed || code == HebCode::CarriageReturn;
    EXPECT_EQ(blank ? 0 : size.cx, font.GetCharWidth(code)) << code;
    EXPECT_EQ(static_cast<DWORD>(size.cy), HIWORD(font.GetExtentTable()[code])) << code;
  }
  dc()->SelectObject(previous);
  EXPECT_EQ(0, font.GetCharWidth(0));
  EXPECT_GT(font.GetCharWidth(HebCode::Alef), 0);
  EXPECT_EQ(font.GetCharWidth(HebCode::Alef), font.GetCharWidth(0x1200 + HebCode::Alef));
}

TEST_F(CFontInfoTest, IsSameComparesTheFaceWithCase) {
  CFontInfo a(dc(), "Pomlar Stam 2", 12, 0);
  CFontInfo b(dc(), "Pomlar Stam 2", 12, 0);
  CFontInfo c(dc(), "POMLAR STAM 2", 12, 0);
  CFontInfo d(dc(), "Pomlar Stam 2", 14, 0);
  EXPECT_EQ(1, a.IsSame(b));
  EXPECT_EQ(0, a.IsSame(c));
  EXPECT_EQ(0, a.IsSame(d));
  EXPECT_EQ(1, a.IsDifferent(d));
}

TEST_F(CFontInfoTest, ScaledFontKeepsTheMetricsOfItsOwnSize) {
  CFontInfo plain(dc(), "Pomlar Velira 2", 12, 0);
  CFontInfo scaled;
  scaled.SetScaled(dc(), "Pomlar Velira 2", 12, 0, 2.0);
  EXPECT_EQ(plain.GetLineHeight(), scaled.GetLineHeight());
  EXPECT_EQ(-32, scaled.GetLogFont()->lfHeight);
  LOGFONT made = {};
  scaled.GetFont()->GetLogFont(&made);
  EXPECT_EQ(-32, made.lfHeight);
}

// Setting, copying or resetting never leaves a font object of the old
// description behind, and copies never share one.
TEST_F(CFontInfoTest, FontObjectFollowsTheDescription) {
  CFontInfo font(dc(), "Pomlar Cursiva 2", 12, 0);
  ASSERT_NE(nullptr, font.GetFont()->m_hObject);
  font.Set(dc(), "Pomlar Cursiva 2", 24, 0, TRUE);
  LOGFONT made = {};
  font.GetFont()->GetLogFont(&made);
  EXPECT_EQ(-32, made.lfHeight);

  CFontInfo copy(font);
  EXPECT_NE(font.GetFont(), copy.GetFont());
  EXPECT_EQ(font.GetLineHeight(), copy.GetLineHeight());
  CFontInfo assigned(dc(), "Pomlar Noam 2", 10, 0);
  assigned.GetFont();
  assigned = font;
  assigned.GetFont()->GetLogFont(&made);
  EXPECT_STREQ("Pomlar Cursiva 2", made.lfFaceName);

  const HGDIOBJ before = font.GetFont()->m_hObject;
  font.Reset();
  EXPECT_EQ(0u, GetObjectType(before)) << "the reset font object is deleted";
}

}  // namespace
