// Text on the real clipboard.
#include "hebtext/win/ClipboardText.h"

#include <gtest/gtest.h>

namespace {

class ClipboardTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
  }
};

TEST_F(ClipboardTextTest, EightBitTextMakesTheRoundTrip) {
  ASSERT_TRUE(CopyTextToClipboard("\xE0\xE1 text", CF_TEXT, TRUE));
  CString text;
  ReadClipboardText(nullptr, CF_TEXT, text);
  EXPECT_STREQ(text, "\xE0\xE1 text");
  EXPECT_EQ(GetClipboardTextLength(nullptr, CF_TEXT), 7);
}

TEST_F(ClipboardTextTest, UnicodeTextIsReadAsTheProgramsHebrew) {
  ASSERT_TRUE(CopyTextToClipboard(L"\x05D0\x05D1!", TRUE));
  EXPECT_EQ(GetClipboardTextLength(nullptr, CF_UNICODETEXT), 3);
  CString text;
  ReadClipboardText(nullptr, CF_UNICODETEXT, text);
  EXPECT_STREQ(text, "\xE0\xE1!");
}

TEST_F(ClipboardTextTest, RtfCountsOnlyWhenItIsRtf) {
  UINT rtf = GetRtfClipboardFormat();
  ASSERT_NE(rtf, 0u);
  EXPECT_EQ(rtf, ::RegisterClipboardFormatA("Rich Text Format"));
  ASSERT_TRUE(CopyTextToClipboard("{\\rtf1 x}", rtf, TRUE));
  EXPECT_EQ(GetClipboardTextLength(nullptr, rtf), 1);
  CString text;
  ReadClipboardText(nullptr, rtf, text);
  EXPECT_STREQ(text, "{\\rtf1 x}");
  ASSERT_TRUE(CopyTextToClipboard("plain", rtf, TRUE));
  EXPECT_EQ(GetClipboardTextLength(nullptr, rtf), 0);
}

TEST_F(ClipboardTextTest, FormatsAddUpUnlessTheClipboardIsEmptiedFirst) {
  ASSERT_TRUE(CopyTextToClipboard("{\\rtf1 x}", GetRtfClipboardFormat(), TRUE));
  ASSERT_TRUE(CopyTextToClipboard("x", CF_TEXT, FALSE));
  EXPECT_EQ(GetClipboardTextLength(nullptr, GetRtfClipboardFormat()), 1);
  EXPECT_EQ(GetClipboardTextLength(nullptr, CF_TEXT), 1);
  ASSERT_TRUE(CopyTextToClipboard("yy", CF_TEXT, TRUE));
  EXPECT_EQ(GetClipboardTextLength(nullptr, GetRtfClipboardFormat()), 0);
  CString text("old");
  ReadClipboardText(nullptr, GetRtfClipboardFormat(), text);
  EXPECT_STREQ(text, "");
}

}  // namespace
