#include "tables/core/DefinitionExport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr BYTE kRomanVariable = 0x12;
constexpr BYTE kHebrewCharSet = 177;
const RtfFontInfo kEnglishFontInfo = {kRomanVariable, 0, kRtfEnglishFace};
const RtfFontInfo kHebrewFontInfo = {0, kHebrewCharSet, kRtfHebrewFace};

const char kRtfHeader[] =
    "{\\rtf\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
    "{\\f1\\fnil\\fcharset177 Pomlar Sephardi 2;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}"
    "\\plain{\\f0\\fs28\\cf1 ";

struct DefinitionExportCase {
  const char* markup;
  int which;
  const char* plain;
  const char* body;  // the RTF between the header and the closing "}}"
};

TEST(DefinitionExport, ExportsTheChosenDefinitions) {
  const DefinitionExportCase cases[] = {
      {"to eat", 0, "to eat", "to eat\\par "},
      {"  to &eat ; to dine ", 0, "1. to eat\r\n2. to dine", "1. to eat\\par 2. to dine\\par "},
      {"to eat; to dine", 2, "to dine", "to dine\\par "},
      {"to eat; to dine", 3, "", ""},
      {"", 0, "", ""},
      // Text that would end a group or start a control word is escaped.
      {"a\\b {c}", 0, "a\\b {c}", "a\\\\b \\{c\\}\\par "},
      {"caf\xE9", 0, "caf\xE9", "caf\\'e9\\par "},
  };
  for (const DefinitionExportCase& c : cases) {
    const ExportedDefinitions out =
        ExportDefinitions(c.markup, c.which, kEnglishFontInfo, kHebrewFontInfo);
    EXPECT_EQ(out.plainText, c.plain) << c.markup;
    EXPECT_EQ(out.rtf, std::string(kRtfHeader) + c.body + "}}") << c.markup;
  }
}

TEST(DefinitionExport, HebrewGoesInItsOwnFontInVisualOrder) {
  // shel: shin with shin dot and segol, then lamed.
  const ExportedDefinitions out =
      ExportDefinitions("of <SHEL> him", 0, kEnglishFontInfo, kHebrewFontInfo);
  EXPECT_EQ(out.plainText, "of \xD1\xC6\xEC him");
  EXPECT_EQ(out.rtf, std::string(kRtfHeader) +
                         "of }{\\f1\\fs28\\cf2 \\'ec\\'d1\\'c6}{\\f0\\fs28\\cf1  him\\par }}");
}

TEST(DefinitionExport, HebrewWithoutItsEndDropsTheRest) {
  const ExportedDefinitions out =
      ExportDefinitions("of <SHEL him", 0, kEnglishFontInfo, kHebrewFontInfo);
  EXPECT_EQ(out.plainText, "of ");
}

TEST(DefinitionExport, FamilyKeywords) {
  const std::pair<BYTE, const char*> cases[] = {
      {0x00, "nil"},    {0x12, "roman"}, {0x22, "swiss"}, {0x31, "modern"},
      {0x40, "script"}, {0x50, "decor"}, {0x60, "nil"},
  };
  for (const auto& c : cases) EXPECT_STREQ(RtfFamilyKeyword(c.first), c.second) << int(c.first);
}

}  // namespace
