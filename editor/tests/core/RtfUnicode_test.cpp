// How the RTF reader keeps characters beyond ASCII: \u escapes with their
// fallback text, Windows-1255 bytes of Hebrew fonts, and the control words
// that stand for separators and typographic characters.
#include <gtest/gtest.h>

#include <string>

#include "editor/core/CharAttr.h"
#include "editor/core/RtfReader.h"

namespace {

const char kHebrewFace[] = "Pomlar David 2";

struct Read {
  int error;
  std::string text;
  std::string faces;  // the face of each character, joined by '|'
};

Read ReadRtf(const std::string& rtf, const char* latinFace = "") {
  DocStyleTables tables;
  CRtfTables t(rtf.data(), rtf.size(), &tables);
  t.latinFace = latinFace;
  Read read{RtfParse(t), t.text, ""};
  for (size_t i = 0; i < t.attrs.size(); ++i) {
    if (i > 0) read.faces += '|';
    read.faces += static_cast<LPCSTR>(tables.fontNames[AttrFont(t.attrs[i])]);
  }
  return read;
}

// Every character of the text in one face.
std::string Faces(const std::string& face, size_t count) {
  std::string faces;
  for (size_t i = 0; i < count; ++i) faces += (i ? "|" : "") + face;
  return faces;
}

struct Case {
  const char* what;
  const char* rtf;
  const char* text;
  const char* face;  // of every character
};

TEST(RtfUnicodeTest, CharactersKeepTheirBytesAndFaces) {
  // clang-format off
  const Case cases[] = {
      {"Latin letters as written by LibreOffice",
       "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 caf\\u233\\'e9 \\u252\\'fcber}", "caf\xE9 \xFC" "ber",
       "Arial"},
      {"1252 punctuation", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 \\u8364\\'80\\u171\\'ab"
       "\\u8220\\'93\\u8221\\'94\\u8216\\'91\\u8217\\'92\\u8212\\'97}",
       "\x80\xAB\x93\x94\x91\x92\x97", "Arial"},
      {"Hebrew letter and point", "{\\rtf1 \\u1513\\'3f\\u1464\\'3f}", "\xF9\xC8", kHebrewFace},
      {"presentation form: letter and dot", "{\\rtf1 \\u64298\\'3f}", "\xF9\xD1", kHebrewFace},
      {"geresh and gershayim", "{\\rtf1 \\u1523\\'3f\\u1524\\'3f}", "'\"", kHebrewFace},
      {"qamats qatan", "{\\rtf1 \\u1495?\\u1479?}", "\xE7\xC8", kHebrewFace},
      {"holam haser for vav", "{\\rtf1 \\u1493?\\u1466?}", "\xE5\xCA", kHebrewFace},
      {"Latin beside a Hebrew face takes the default font",
       "{\\rtf1\\deff1{\\fonttbl{\\f0 Pomlar David 2;}{\\f1 Arial;}}\\f0 \\u233?}", "\xE9",
       "Arial"},
      {"Latin beside a Hebrew face without a Latin default takes the side's face",
       "{\\rtf1\\deff0{\\fonttbl{\\f0 Pomlar David 2;}}\\f0 \\u233?}", "\xE9", ""},
      {"Hebrew bytes of a Hebrew charset font",
       "{\\rtf1{\\fonttbl{\\f0\\fcharset177 David;}}\\f0 \\'f9\\'c8}", "\xF9\xC8", kHebrewFace},
      {"Hebrew bytes of a Hebrew code page document",
       "{\\rtf1\\ansi\\ansicpg1255{\\fonttbl{\\f0 Arial;}}\\f0 \\'e0}", "\xE0", kHebrewFace},
      {"an ANSI font of a Hebrew code page document",
       "{\\rtf1\\ansi\\ansicpg1255{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 \\'e0}", "\xE0",
       kHebrewFace},
      {"a font of another script keeps its bytes",
       "{\\rtf1\\ansi\\ansicpg1255{\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0 \\'e0}", "\xE0",
       "Symbol"},
      {"1252 in an old Hebrew-coded face takes the side's face",
       "{\\rtf1{\\fonttbl{\\f0 David (Hebrew);}}\\f0 \\u233\\'e9}", "\xE9", ""},
      {"1252 in a Hebrew charset font of another maker stays in it",
       "{\\rtf1{\\fonttbl{\\f0\\fcharset177 David;}}\\f0 \\u233\\'e9}", "\xE9", "David"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Read read = ReadRtf(c.rtf);
    EXPECT_EQ(read.error, kRtfOk) << c.what;
    EXPECT_EQ(read.text, c.text) << c.what;
    EXPECT_EQ(read.faces, Faces(c.face, read.text.size())) << c.what;
  }
}

TEST(RtfUnicodeTest, LatinBesideHebrewWithoutALatinDefaultTakesTheCallersFace) {
  Read read = ReadRtf("{\\rtf1\\deff0{\\fonttbl{\\f0 Pomlar David 2;}}\\f0 \\'e0\\u233?}", "Arial");
  EXPECT_EQ(read.text, "\xE0\xE9");
  EXPECT_EQ(read.faces, std::string(kHebrewFace) + "|Arial");
}

TEST(RtfUnicodeTest, FallbackTextIsReadOverOrStandsForTheCharacter) {
  const struct {
    const char* what;
    const char* rtf;
    const char* text;
  } cases[] = {
      {"one fallback character by default", "{\\rtf1 \\u1488?b}", "\xE0" "b"},
      {"a hex escape is one fallback character", "{\\rtf1 \\u1488\\'e0b}", "\xE0" "b"},
      {"\\uc2 reads over two", "{\\rtf1\\uc2 \\u1488\\'e0\\'e0b}", "\xE0" "b"},
      {"\\uc0 reads over none", "{\\rtf1\\uc0 \\u1488 b}", "\xE0" "b"},
      {"a group end ends the fallback", "{\\rtf1 {\\u1488}b}", "\xE0" "b"},
      {"a control word's character ends the fallback", "{\\rtf1 \\u1488\\par b}",
       "\xE0\r" "b"},
      {"\\uc is kept per group", "{\\rtf1 {\\uc2 \\u1488??}\\u1489?b}", "\xE0\xE1" "b"},
      {"no code page: the fallback is the text", "{\\rtf1 \\u20013\\'3f}", "?"},
      {"a fallback of two", "{\\rtf1\\uc2 \\u20013\\'41Bc}", "ABc"},
      {"no code page and no fallback: '?'", "{\\rtf1\\uc0 \\u20013 x}", "?x"},
      {"a fallback cut off by the group end: '?'", "{\\rtf1 {\\u20013}x}", "?x"},
      {"negative values count from 65536", "{\\rtf1 \\u-1238?}", "\xF9\xD1"},
      {"direction marks leave nothing", "{\\rtf1 a\\u8207\\'fe\\u8206\\'fdb}", "ab"},
      {"cantillation and paseq leave nothing", "{\\rtf1 \\u1488?\\u1425?\\u1472?b}",
       "\xE0" "b"},
  };
  for (const auto& c : cases) {
    Read read = ReadRtf(c.rtf);
    EXPECT_EQ(read.error, kRtfOk) << c.what;
    EXPECT_EQ(read.text, c.text) << c.what;
  }
}

TEST(RtfUnicodeTest, SeparatorsAndTypographicWordsGiveTheirCharacters) {
  Read read = ReadRtf(
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 one\\line two\\tab three\\~four\\_five"
      "\\emdash a\\endash b\\lquote c\\rquote\\ldblquote d\\rdblquote\\bullet}");
  EXPECT_EQ(read.error, kRtfOk);
  EXPECT_EQ(read.text,
            "one\rtwo\tthree four-five\x97"
            "a\x96"
            "b\x91"
            "c\x92\x93"
            "d\x94\x95");
  EXPECT_EQ(read.faces, Faces("Arial", read.text.size()));
}

TEST(RtfUnicodeTest, TypographicWordsInAHebrewFaceTakeTheDefaultFont) {
  Read read =
      ReadRtf("{\\rtf1\\deff1{\\fonttbl{\\f0 Pomlar David 2;}{\\f1 Arial;}}\\f0 \\'e0\\emdash}");
  EXPECT_EQ(read.text, "\xE0\x97");
  EXPECT_EQ(read.faces, std::string(kHebrewFace) + "|Arial");
}

TEST(RtfUnicodeTest, LibreOfficeParagraphKeepsEveryWord) {
  // As LibreOffice writes Latin and Hebrew in one paragraph.
  Read read = ReadRtf(
      "{\\rtf1\\ansi\\deff3{\\fonttbl{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif;}}"
      "\\pard\\plain \\ltrch\\loch\\f3\\fs24{\\loch\nCaf\\u233\\'e9 \\u8220\\'93q\\u8221\\'94}{\n"
      "\\u1513\\'3f\\u1473\\'3f\\u1464\\'3f\\u1500\\'3f}\n\\par \\pard\\plain {\\loch\n"
      "one\\line two\\tab three}\n\\par }");
  EXPECT_EQ(read.error, kRtfOk);
  EXPECT_EQ(read.text,
            "Caf\xE9 \x93q\x94\xF9\xD1\xC8\xEC\r"
            "one\rtwo\tthree\r");
}

}  // namespace
