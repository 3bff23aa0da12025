#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "editor/core/CharAttr.h"
#include "editor/core/RtfReader.h"
#include "editor/core/RtfWriter.h"

namespace {

struct Parsed {
  int error;
  std::string text;
  std::vector<DWORD> attrs;
  size_t paragraphs;
  BOOL hebrew;
};

Parsed Parse(const std::string& rtf, DocStyleTables* tables = nullptr) {
  CRtfTables t(rtf.data(), rtf.size(), tables);
  int error = RtfParse(t);
  return Parsed{error, t.text, t.attrs, t.paraFormats.size(), t.hebrewSeen};
}

TEST(RtfReaderTest, EdgeCases) {
  struct Case {
    const char* rtf;
    int error;
    const char* text;
  } cases[] = {
      {"{\\rtf1 a}", kRtfOk, "a"},
      {"{\\rtf1 \\unknownword a}", kRtfOk, "a"},
      {"{\\rtf1 {\\*\\unknownword skipped}a}", kRtfOk, "a"},
      {"{\\rtf1 \\'e0}", kRtfOk, "\xE0"},
      {"{\\rtf1 \\'g0}", kRtfInvalidHex, ""},
      {"{\\rtf1 \\'a{\\'bc}ffffffffffff}", kRtfInvalidHex, ""},
      {"{\\rtf1 \\'a}b}", kRtfInvalidHex, ""},
      {"{\\rtf1 \\'a\\'bc}", kRtfInvalidHex, ""},
      {"{\\rtf1 \\'e\n0}", kRtfOk, "\xE0"},
      {"{\\rtf1 \\'e", kRtfEndOfFile, ""},
      {"{\\rtf1 \\u1488?}", kRtfOk, "\xE0"},
      {"{\\rtf1 \\u1488\\'e0}", kRtfOk, "\xE0"},
      {"{\\rtf1\\uc2 \\u1488??b}", kRtfOk,
       "\xE0"
       "b"},
      {"{\\rtf1 a", kRtfUnmatchedBrace, "a"},
      {"{\\rtf1 a}}", kRtfStackUnderflow, "a"},
      {"{\\rtf1 \\bin3 {}\\}", kRtfOk, "{}\\"},
      {"{\\rtf1 \\bin0 a}", kRtfOk, "a"},
      {"{\\rtf1 \\bin-5 a}", kRtfOk, "a"},
      {"{\\rtf1 \\bin99999999999999 ab}", kRtfUnmatchedBrace, "ab}"},
      {"{\\rtf1 \\par", kRtfEndOfFile, ""},
      {"{\\rtf1 a\\{\\}\\\\}", kRtfOk, "a{}\\"},
      {"{\\rtf1 {\\info {\\title t}}x}", kRtfOk, "x"},
  };
  for (const Case& c : cases) {
    Parsed p = Parse(c.rtf);
    EXPECT_EQ(p.error, c.error) << c.rtf;
    EXPECT_EQ(p.text, c.text) << c.rtf;
  }
}

TEST(RtfReaderTest, UnicodeEscapeGivesOneAlefAndSetsTheHebrewFlag) {
  DocStyleTables tables;
  Parsed p = Parse("{\\rtf1 \\u1488?}", &tables);
  EXPECT_TRUE(p.hebrew);
  ASSERT_EQ(p.text.size(), 1u);
  EXPECT_EQ(tables.fontNames[AttrFont(p.attrs[0])], "Pomlar David 2");
  EXPECT_EQ(p.paragraphs, 1u);
}

TEST(RtfReaderTest, ColorTableAndSizes) {
  DocStyleTables tables;
  Parsed p =
      Parse("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1\\fs25 a\\cf0\\fs0 b}", &tables);
  ASSERT_EQ(p.text, "ab");
  EXPECT_EQ(tables.textColors[AttrTextColor(p.attrs[0])], 0x0000FFu);
  EXPECT_EQ(tables.textColors[AttrTextColor(p.attrs[1])], 0u) << "colour 0: the components at 0";
  EXPECT_EQ(tables.fontSizes[AttrSize(p.attrs[0])], 13) << "25 half-points round up";
  EXPECT_EQ(AttrSize(p.attrs[1]), 0u);
}

TEST(RtfReaderTest, HostileInputIsBounded) {
  std::string deep(kRtfMaxDepth + 10, '{');
  EXPECT_EQ(Parse(deep).error, kRtfStackOverflow);
  std::string longWord = "{\\" + std::string(5000, 'b') + " a}";
  EXPECT_EQ(Parse(longWord).text, "a");
  std::string colors = "{\\rtf1{\\colortbl";
  for (int i = 0; i < 300; ++i) colors += "\\red1;";
  colors += "}\\cf299\\f70000\\fs99999999999 x}";
  DocStyleTables tables;
  Parsed p = Parse(colors, &tables);
  EXPECT_EQ(p.error, kRtfOk);
  EXPECT_EQ(p.text, "x");
}

TEST(RtfReaderTest, EqualTableEntriesShareOneIndex) {
  DocStyleTables tables;
  tables.AddDefaultEntries();
  tables.fontNames.Add("Arial");
  tables.textColors.Add(0x0000FF);
  std::string rtf = "{\\rtf1{\\fonttbl";
  for (int i = 0; i < 200; ++i)
    rtf += "{\\f" + std::to_string(i) + (i % 2 ? " ARIAL;}" : " Face;}");
  rtf += "}{\\colortbl;\\red1;\\red255;\\red1;}\\f1\\cf3 a\\f199\\cf2 b\\f2\\cf1 c}";
  Parsed p = Parse(rtf, &tables);
  ASSERT_EQ(p.text, "abc");
  EXPECT_EQ(AttrFont(p.attrs[0]), 1u) << "the table's own entry, whatever the case";
  EXPECT_EQ(AttrFont(p.attrs[1]), 1u);
  EXPECT_EQ(tables.fontNames[AttrFont(p.attrs[2])], "Face");
  EXPECT_EQ(AttrTextColor(p.attrs[0]), AttrTextColor(p.attrs[2]));
  EXPECT_EQ(AttrTextColor(p.attrs[1]), 1u);

  CRtfTables local("", 0);
  EXPECT_EQ(local.AddLocalFontName("a"), 1);
  EXPECT_EQ(local.AddLocalFontName("b"), 2);
  EXPECT_EQ(local.AddLocalFontName("a"), 1);
  EXPECT_EQ(local.AddLocalFontName(""), 0);
  EXPECT_EQ(local.AddLocalColor(0x10), 1);
  EXPECT_EQ(local.AddLocalColor(0x20), 2);
  EXPECT_EQ(local.AddLocalColor(0x10), 1);
  EXPECT_EQ(local.AddLocalColor(0xFFFFFFFF), 0);
}

TEST(RtfReaderTest, ParagraphsTakeTheFormatInForceAtTheirEnd) {
  DocStyleTables tables;
  std::string rtf =
      "{\\rtf1 \\qc A\\par\\pard\\qr\\sl360\\slmult1 B\\par\\pard C\\sl480\\slmult1\\par"
      "\\sectd\\cols2\\colsx360\\pard D\\sl360\\par\\sect\\xls30\\sectd E}";
  CRtfTables parse(rtf.data(), rtf.size(), &tables);
  ASSERT_EQ(RtfParse(parse), kRtfOk);
  const struct {
    UINT align;
    WORD lineSpace;
    int columns, gap;
  } expected[] = {
      {2, 0, 1, 720}, {1, 50, 1, 720}, {0, 100, 1, 720}, {0, 0, 2, 360}, {0, 30, 1, 720},
  };
  ASSERT_EQ(parse.paraFormats.size(), std::size(expected));
  ASSERT_EQ(parse.paraColumns.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(FormatAlign(parse.paraFormats[i]), expected[i].align) << i;
    EXPECT_EQ(tables.GetLineSpace(FormatLineSpace(parse.paraFormats[i])), expected[i].lineSpace)
        << i;
    EXPECT_EQ(parse.paraColumns[i].count, expected[i].columns) << i;
    EXPECT_EQ(parse.paraColumns[i].gapTwips, expected[i].gap) << i;
  }
}

TEST(RtfReaderTest, RightToLeftParagraphsAlignByTheirLeadingEdge) {
  const struct {
    const char* rtf;
    UINT align;  // as shown: 0 left, 1 right, 2 centre
  } cases[] = {
      {"{\\rtf1 \\rtlpar A}", 1},       {"{\\rtf1 \\ql\\rtlpar A}", 1},
      {"{\\rtf1 \\qj\\rtlpar A}", 1},  {"{\\rtf1 \\qr\\rtlpar A}", 0},
      {"{\\rtf1 \\qc\\rtlpar A}", 2},  {"{\\rtf1 \\rtlpar\\ltrpar\\qr A}", 1},
      {"{\\rtf1 \\rtlpar\\pard A}", 0}, {"{\\rtf1 \\qr A}", 1},
  };
  for (const auto& c : cases) {
    CRtfTables parse(c.rtf, std::strlen(c.rtf));
    ASSERT_EQ(RtfParse(parse), kRtfOk) << c.rtf;
    ASSERT_EQ(parse.paraFormats.size(), 1u) << c.rtf;
    EXPECT_EQ(FormatAlign(parse.paraFormats[0]), c.align) << c.rtf;
  }
}

TEST(RtfReaderTest, StateDoesNotCarryOverFromAFailedParse) {
  EXPECT_EQ(Parse("{\\rtf1 {\\b {\\info ").error, kRtfUnmatchedBrace);
  Parsed p = Parse("{\\rtf1 a}");
  EXPECT_EQ(p.text, "a");
  EXPECT_EQ(AttrStyle(p.attrs[0]), 0u);
}

ZultaDocData* MakeDoc() {
  ZultaDocData* doc = new ZultaDocData;
  doc->styles.AddDefaultEntries();
  doc->styles.fontNames.Add("Arial");
  doc->styles.textColors.Add(0x00FF00);
  for (int i = 1; i < 32; ++i) doc->styles.backColors.Add(0x010101 * i);
  for (ZultaSideData& side : doc->sides) side.face = "Courier New";
  return doc;
}

TEST(RtfWriterTest, OneFormatWritesOneGroupAndEscapes) {
  std::unique_ptr<ZultaDocData> doc(MakeDoc());
  std::string text = "a{b}\\c\tx\r\x01";
  std::vector<DWORD> attrs(text.size(), 0);
  CString rtf;
  BuildRtf(*doc, 0, rtf, text, attrs, {0}, nullptr);
  std::string s(rtf, rtf.GetLength());
  EXPECT_EQ(s.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}"), s.find("{\\fonttbl"));
  EXPECT_NE(s.find("a\\{b\\}\\\\c\\tab x\\par \\'01"), std::string::npos) << s;
  EXPECT_EQ(s.find("fcharset"), s.rfind("fcharset")) << "one font entry";
  EXPECT_EQ(s.find("{\\f0\\fs"), s.rfind("{\\f0\\fs")) << "one group";
}

TEST(RtfWriterTest, ColorPositionsShiftAndHighBackgroundsStayOutOfTheFontBits) {
  std::unique_ptr<ZultaDocData> doc(MakeDoc());
  std::string text = "ab";
  DWORD back31 = SetAttrField(0, CharAttrBits::kBackColorShift, CharAttrBits::kBackColorMask, 31);
  DWORD text1 = SetAttrField(0, CharAttrBits::kTextColorShift, CharAttrBits::kTextColorMask, 1);
  std::vector<DWORD> attrs = {text1, back31};
  CString rtf;
  BuildRtf(*doc, 0, rtf, text, attrs, {}, nullptr);
  std::string s(rtf, rtf.GetLength());
  EXPECT_NE(s.find("\\cf1\\cb2 a"), std::string::npos) << s;
  EXPECT_NE(s.find("\\f0\\fs24\\cf0\\cb3 b"), std::string::npos) << s;
}

TEST(RtfWriterTest, WrittenRtfReadsBackWithTextAndAttributes) {
  std::unique_ptr<ZultaDocData> doc(MakeDoc());
  doc->sides[0].pointSize = 12;
  std::string text = "plain bold{}\\ end\rnext";
  using namespace CharAttrBits;
  DWORD bold = SetAttrField(0, kStyleShift, kStyleMask, 1);
  DWORD arialGreen =
      SetAttrField(SetAttrField(0, kFontShift, kFontMask, 1), kTextColorShift, kTextColorMask, 1);
  std::vector<DWORD> attrs(text.size(), 0);
  for (size_t i = 6; i < 10; ++i) attrs[i] = bold;
  for (size_t i = 10; i < 14; ++i) attrs[i] = arialGreen | (2u << kStyleShift);
  std::vector<DWORD> written = attrs;
  CString rtf;
  BuildRtf(*doc, 0, rtf, text, written, {0, 0}, nullptr);
  DocStyleTables tables;
  Parsed p = Parse(std::string(rtf, rtf.GetLength()), &tables);
  ASSERT_EQ(p.error, kRtfOk);
  ASSERT_EQ(p.text, text);
  for (size_t i = 0; i < text.size(); ++i) {
    EXPECT_EQ(AttrStyle(p.attrs[i]), AttrStyle(attrs[i])) << i;
    CString face = tables.fontNames[AttrFont(p.attrs[i])];
    EXPECT_EQ(face, AttrFont(attrs[i]) ? "Arial" : "Courier New") << i;
    EXPECT_EQ(tables.fontSizes[AttrSize(p.attrs[i])], 12) << i;
    EXPECT_EQ(tables.textColors[AttrTextColor(p.attrs[i])],
              AttrTextColor(attrs[i]) ? 0x00FF00u : 0u)
        << i;
  }
}

TEST(RtfWriterTest, ReverseLinesKeepsLineOrder) {
  std::string text = "abc\rde";
  std::vector<BYTE> points = {1, 2, 3, 0, 4, 5};
  std::vector<DWORD> attrs = {1, 2, 3, 0, 4, 5};
  ReverseLines(text, points, attrs);
  EXPECT_EQ(text, "cba\red");
  EXPECT_EQ(points, (std::vector<BYTE>{3, 2, 1, 0, 5, 4}));
  EXPECT_EQ(attrs, (std::vector<DWORD>{3, 2, 1, 0, 5, 4}));
}

}  // namespace
