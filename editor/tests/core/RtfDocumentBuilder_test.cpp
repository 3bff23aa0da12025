#include <gtest/gtest.h>

#include <string>

#include "editor/core/RtfDocumentBuilder.h"
#include "editor/core/RtfReader.h"

namespace {

std::string Build(const char* text, const RtfDocumentOptions& options) {
  RtfTextStyle normal, stressed;
  normal.face = "Arial";
  normal.textColor = 0x000000;
  stressed.face = "Arial";
  stressed.textColor = 0x0000FF;
  stressed.style = 1;
  CRtfTables2 tables;
  const CString& rtf = tables.BuildRtfDocument(text, options, stressed, normal);
  return std::string(rtf, rtf.GetLength());
}

std::string PlainText(const std::string& rtf) {
  CRtfTables t(rtf.data(), rtf.size());
  EXPECT_EQ(RtfParse(t), kRtfOk) << rtf;
  return t.text;
}

TEST(RtfDocumentBuilderTest, StressMarksSwitchStylesAndAreNotWritten) {
  RtfDocumentOptions options;
  std::string rtf = Build("sha*lom-. next", options);
  EXPECT_EQ(PlainText(rtf), "shalom. next");
  EXPECT_EQ(rtf.find("{\\fonttbl{\\f1\\fnil\\fcharset0 Arial;}}"), rtf.find("{\\fonttbl"))
      << "the same face twice is listed once";
  EXPECT_NE(rtf.find("{\\f1\\fs24\\cf2\\b lom}"), std::string::npos) << rtf;
  options.hyphenateStress = TRUE;
  EXPECT_EQ(PlainText(Build("sha*lom-im", options)), "sha-lom-im");
  EXPECT_EQ(PlainText(Build("*sha-lom", options)), "sha-lom") << "no hyphen at a word start";
}

TEST(RtfDocumentBuilderTest, Capitals) {
  struct Case {
    BOOL words, lines;
    const char* text;
    const char* plain;
  } cases[] = {
      {FALSE, FALSE, "ab cd. ef", "ab cd. ef"}, {TRUE, FALSE, "ab cd\nef", "Ab Cdef"},
      {FALSE, TRUE, "ab cd\nef", "Ab cdEf"},    {TRUE, FALSE, "ab. cd", "Ab. Cd"},
      {FALSE, FALSE, "a{b}\\", "a{b}\\"},
  };
  for (const Case& c : cases) {
    RtfDocumentOptions options;
    options.capitalizeWords = c.words;
    options.capitalizeLines = c.lines;
    std::string rtf = Build(c.text, options);
    EXPECT_EQ(PlainText(rtf), c.plain) << c.text;
  }
}

TEST(RtfDocumentBuilderTest, RepeatedColoursKeepTheirPositions) {
  RtfTextStyle normal, stressed;
  normal.textColor = stressed.textColor = 0x0000FF;
  stressed.backColor = 0x00FF00;
  CRtfTables2 tables;
  tables.BuildRtfDocument("x", RtfDocumentOptions(), stressed, normal);
  EXPECT_EQ(tables.colorIndex[0], 1u);
  EXPECT_EQ(tables.colorIndex[1], 1u);
  EXPECT_EQ(tables.colorIndex[3], 2u);
  std::string rtf(tables.result, tables.result.GetLength());
  EXPECT_NE(rtf.find("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"),
            std::string::npos)
      << rtf;
}

}  // namespace
