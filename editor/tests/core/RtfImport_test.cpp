#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "editor/core/CharAttr.h"
#include "editor/core/RtfWriter.h"
#include "editor/core/ZultaDocTransfer.h"
#include "editor/core/ZultaFile.h"
#include "editor/tests/core/DocEditTestSupport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

BOOL Import(const std::string& rtf, ZultaDocData& doc, CZultaFile& file) {
  doc.styles.RemoveAll();
  doc.styles.AddDefaultEntries();
  return file.ReadDocument(reinterpret_cast<const BYTE*>(rtf.data()), rtf.size(), doc);
}

std::string ReadFixture(const std::string& name) {
  const char* root = std::getenv("ZULTA_SOURCE_DIR");
  std::ifstream in(std::string(root ? root : ".") + "/editor/tests/core/data/" + name,
                   std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each line of a side as its alignment letter (Left, Right, Centre) and its
// extra line space in percent, e.g. "C0 R50".
std::string LineLooks(const ZultaDocData& doc, int side) {
  std::string looks;
  for (DWORD format : doc.sides[side].lineFormats) {
    if (!looks.empty()) looks += ' ';
    looks += std::string("LRC?").at(FormatAlign(format));
    looks += std::to_string(doc.styles.GetLineSpace(FormatLineSpace(format)));
  }
  return looks;
}

// A side's column sections as "line:columns/gutter-in-thousandths", e.g. "1:2/500 3:1/0".
std::string SectionLooks(const ZultaSideData& side) {
  std::string looks;
  for (const ZultaSectionRun& run : side.sections) {
    if (!looks.empty()) looks += ' ';
    looks += std::to_string(run.lineIndex) + ":" + std::to_string(run.columns) + "/" +
             std::to_string(static_cast<int>(run.gapInUnit * 1000 + 0.5));
  }
  return looks;
}

TEST(RtfImportTest, ParagraphsKeepTheirAlignmentAndLineSpacing) {
  struct Case {
    const char* rtf;
    const char* lines;
  } cases[] = {
      // Each paragraph takes the format in effect at its end; the line after
      // a closing \par goes on in the format before it.
      {"{\\rtf1 \\pard\\qc A\\par \\pard\\qr B\\par \\pard\\ql C}", "C0 R0 L0"},
      {"{\\rtf1 \\pard\\qc A\\par \\pard\\qr\\par \\pard B\\par}", "C0 R0 L0 L0"},
      {"{\\rtf1 \\qr A\\par \\pard B}", "R0 L0"},
      {"{\\rtf1 \\pard\\qc\\sl360\\slmult1 A\\par \\pard\\sl480\\slmult1 B\\par \\pard C}",
       "C50 L100 L0"},
      // Exact and at-least spacing in twips, and single spacing, add nothing.
      {"{\\rtf1 \\sl360 A\\par \\pard\\sl-360\\slmult1 B\\par \\pard\\sl240\\slmult1 C}",
       "L0 L0 L0"},
      {"{\\rtf1 {\\xls30\\qc A\\par }{\\xls30\\sl480\\slmult1 B}}", "C30 L30"},
      {"{\\rtf1 \\qc A\\page B}", "C0 C0"},
      // Right-to-left paragraphs align to their leading edge, the right.
      {"{\\rtf1 \\pard\\rtlpar A\\par \\pard\\ql\\rtlpar B\\par \\pard\\qr\\rtlpar C\\par "
       "\\pard\\qc\\rtlpar D\\par \\pard\\rtlpar\\ltrpar\\qr E}",
       "R0 R0 L0 C0 R0"},
  };
  for (const Case& c : cases) {
    ZultaDocData doc;
    CZultaFile file;
    ASSERT_TRUE(Import(c.rtf, doc, file)) << c.rtf;
    EXPECT_EQ(LineLooks(doc, 0), c.lines) << c.rtf;
    EXPECT_TRUE(doc.sides[0].sections.empty()) << c.rtf;
  }
}

TEST(RtfImportTest, ColumnsBecomeSectionsWithinTheEditorsLimits) {
  struct Case {
    const char* rtf;
    const char* sections;
  } cases[] = {
      {"{\\rtf1 A\\par \\sect\\sectd\\cols2\\colsx720 B\\par C\\par \\sect\\sectd D}",
       "1:2/500 3:1/0"},
      {"{\\rtf1 \\sectd\\cols3\\colsx1440 A\\par B}", "0:3/1000"},
      {"{\\rtf1 \\cols2 A\\par \\sect\\sectd\\cols3 B\\par \\sect\\sectd\\cols1 C}",
       "0:2/500 1:3/500 2:1/0"},
      // More columns than the editor sets, and a gutter below its narrowest.
      {"{\\rtf1 \\cols9\\colsx0 A}", "0:4/125"},
      // A page break starts a new section, as it does in the editor.
      {"{\\rtf1 \\cols2 A\\page B\\par C}", "0:2/500 1:2/500"},
      {"{\\rtf1 \\cols1 A\\par B}", ""},
  };
  for (const Case& c : cases) {
    ZultaDocData doc;
    CZultaFile file;
    ASSERT_TRUE(Import(c.rtf, doc, file)) << c.rtf;
    EXPECT_EQ(SectionLooks(doc.sides[0]), c.sections) << c.rtf;
  }
}

TEST(RtfImportTest, LibreOfficeParagraphsAndColumnsComeThrough) {
  std::string rtf = ReadFixture("libreoffice-paragraphs.rtf");
  ASSERT_FALSE(rtf.empty()) << "fixture missing";
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Import(rtf, doc, file)) << file.GetError();
  EXPECT_EQ(doc.sides[0].letters, "Centred\rRight\rSpaced\rLeft\rOne\rTwo\rAfter\r");
  EXPECT_EQ(LineLooks(doc, 0), "C0 R0 L50 L0 L0 L0 L0 L0");
  EXPECT_EQ(SectionLooks(doc.sides[0]), "4:2/250 6:1/0");
}

TEST(RtfImportTest, LibreOfficeHebrewParagraphsKeepTheirVisualAlignment) {
  std::string rtf = ReadFixture("libreoffice-hebrew-paragraphs.rtf");
  ASSERT_FALSE(rtf.empty()) << "fixture missing";
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Import(rtf, doc, file)) << file.GetError();
  // Right-to-left paragraphs with no alignment word, \ql, \qr, \qc, \ql, \qr,
  // then a left-to-right one; the last line follows the \par that ends the text.
  EXPECT_EQ(LineLooks(doc, 1), "R0 R0 L0 C0 R0 L0 L0 L0");
}

TEST(RtfImportTest, TheEditorKeepsImportedFormatsAndColumnsThroughItsNextSave) {
  ZultaDocData data;
  CZultaFile file;
  ASSERT_TRUE(Import(ReadFixture("libreoffice-paragraphs.rtf"), data, file)) << file.GetError();
  EditDoc doc;
  doc.model.GetStyleTables().CopyFrom(data.styles);
  FillLoadBuffers(data.sides[0], doc.editor.LoadBuffers(0));
  ASSERT_EQ(doc.editor.BuildSidesFromBuffers(nullptr, FALSE, 96), 1);
  CheckModel(doc.model, true);
  ZultaSideData saved;
  CollectSideForFile(doc.model, 0, saved);
  EXPECT_EQ(saved.letters, data.sides[0].letters);
  EXPECT_EQ(saved.lineFormats, data.sides[0].lineFormats);
  EXPECT_EQ(SectionLooks(saved), SectionLooks(data.sides[0]));
}

TEST(RtfImportTest, SavedRtfOpensWithTheSameParagraphFormatsAndColumns) {
  ZultaDocData doc;
  doc.styles.AddDefaultEntries();
  doc.styles.lineSpace.Add(50);
  const DWORD kSpaced = SetAttrField(0, LineFormatBits::kLineSpaceShift,
                                     LineFormatBits::kLineSpaceMask, 1);
  ZultaSideData& en = doc.sides[0];
  en.face = "Arial";
  en.letters = "centre\rright\r\rspaced\rleft";
  en.points.assign(en.letters.size(), 0);
  en.attrs.assign(en.letters.size(), 0);
  en.lineFormats = {2, 1, 2, kSpaced | 2, 0};
  ZultaSectionRun columns;
  columns.lineIndex = 1;
  columns.columns = 2;
  columns.unit = kUnitMillimetres;
  columns.gapInUnit = 6.35;
  ZultaSectionRun oneColumn;
  oneColumn.lineIndex = 3;
  en.sections = {columns, oneColumn};
  doc.currentSide = 0;
  CZultaFile writer;
  ByteBuffer rtf;
  ASSERT_TRUE(writer.WriteDocument(doc, "saved.rtf", rtf));

  std::string saved(rtf.begin(), rtf.end());
  // Other readers know RTF's own line spacing only, not the program's \xls.
  std::string standard = std::regex_replace(saved, std::regex(R"(\\xls\d+)"), "");
  ASSERT_NE(standard, saved);
  for (const std::string& form : {saved, standard}) {
    ZultaDocData back;
    CZultaFile reader;
    ASSERT_TRUE(Import(form, back, reader)) << reader.GetError();
    EXPECT_EQ(back.sides[0].letters, en.letters);
    EXPECT_EQ(LineLooks(back, 0), "C0 R0 C0 C50 L0") << form;
    EXPECT_EQ(SectionLooks(back.sides[0]), "1:2/250 3:1/0") << "the gutter in inches";
  }
}

TEST(RtfImportTest, RtfFileOpensOnTheHebrewSideWithPoints) {
  std::string rtf =
      "{\\rtf1\\ansi\\qr{\\fonttbl{\\f0 Arial;}}\\uc1\\f0\\fs28 "
      "\\u1513?\\u1464?\\u1500?\\u1493?\\u1465?\\u1501? ab}";
  ZultaDocData doc;
  doc.sides[1].face = "Pomlar David 2";
  CZultaFile file;
  ASSERT_TRUE(Import(rtf, doc, file)) << file.GetError();
  const ZultaSideData& he = doc.sides[1];
  ASSERT_EQ(he.letters.size(), 6u) << he.letters;
  EXPECT_EQ(static_cast<BYTE>(he.letters[0]), 0xF9) << "shin";
  EXPECT_EQ(he.points[0], HebCode::Qamats);
  EXPECT_EQ(LineLooks(doc, 1), "R0");
  EXPECT_EQ(doc.styles.fontSizes[AttrSize(he.attrs[0])], 14);
  EXPECT_EQ(doc.styles.fontNames[0], "");
  EXPECT_EQ(doc.styles.fontSizes[0], 65535);
}

TEST(RtfImportTest, LatinBesideHebrewTakesTheEnglishSidesFace) {
  std::string rtf =
      "{\\rtf1\\deff0{\\fonttbl{\\f0 Pomlar David 2;}}\\f0 "
      "\\u1513?\\u1500?\\u1493?\\u1501? \\u233?}";
  ZultaDocData doc;
  doc.sides[0].face = "Arial";
  doc.sides[1].face = "Pomlar David 2";
  CZultaFile file;
  ASSERT_TRUE(Import(rtf, doc, file)) << file.GetError();
  const ZultaSideData& he = doc.sides[1];
  ASSERT_EQ(he.letters.size(), 6u) << he.letters;
  EXPECT_EQ(doc.FaceOf(1, he.attrs[0]), "Pomlar David 2");
  EXPECT_EQ(static_cast<BYTE>(he.letters[5]), 0xE9) << "e acute in Windows-1252";
  EXPECT_EQ(doc.FaceOf(1, he.attrs[5]), "Arial");
}

// Windows-1252 letters sit where Windows-1255 has letters and points, so
// Latin text must never go through the Hebrew mark order.
TEST(RtfImportTest, AccentedLatinKeepsItsOrder) {
  const std::string french = "\xE0\xC8\xC0 \xE9\xD3\xC1";  // àÈÀ éÓÁ
  std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + french + "}";
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Import(rtf, doc, file)) << file.GetError();
  EXPECT_EQ(doc.sides[0].letters, french);
}

TEST(RtfImportTest, MoreSizesThanTheTableHoldsAreReadWithTheTablesMessage) {
  std::string rtf = "{\\rtf1 ";
  for (int points = 1; points <= 70; points++) rtf += "\\fs" + std::to_string(2 * points) + " a";
  rtf += "}";
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Import(rtf, doc, file)) << file.GetError();
  EXPECT_EQ(doc.sides[0].letters, std::string(70, 'a'));
  ASSERT_FALSE(file.GetMessages().empty());
  for (const UserMessage& message : file.GetMessages()) {
    EXPECT_STREQ(message.text, "Maximum Number of Font Sizes Reached");
    EXPECT_STREQ(message.caption, "");
  }
}

TEST(RtfImportTest, ParseErrorIsReportedAndNothingIsTaken) {
  std::string rtf = "{\\rtf1 \\'zz}";
  ZultaDocData doc;
  doc.sides[1].letters = "kept";
  CZultaFile file;
  EXPECT_FALSE(Import(rtf, doc, file));
  ASSERT_EQ(file.GetMessages().size(), 1u);
  EXPECT_STREQ(file.GetMessages()[0].text, "error 4 parsing rtf");
  EXPECT_STREQ(file.GetMessages()[0].caption, "RTF Parse");
  EXPECT_EQ(doc.sides[1].letters, "kept");
}

}  // namespace
