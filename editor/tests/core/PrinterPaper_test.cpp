// The paper of a page-settings record in a printer's DEVMODE and back: a
// custom size always travels in tenths of a millimetre; a paper of the
// table comes back with its size.
#include "editor/core/PrinterPaper.h"

#include <gtest/gtest.h>

namespace {

PageSettingsRec Page(WORD orientation, WORD paperCode, WORD width, WORD length, WORD unit) {
  PageSettingsRec rec;
  rec.orientation = orientation;
  rec.paperCode = paperCode;
  rec.width = width;
  rec.length = length;
  rec.unit = unit;
  return rec;
}

constexpr DWORD kSized = kPaperFieldOrientation | kPaperFieldSize;
constexpr DWORD kCustom = kSized | kPaperFieldLength | kPaperFieldWidth;

TEST(PrinterPaperFor, GivesACustomSizeInTenthsOfAMillimetre) {
  struct Case {
    PageSettingsRec rec;
    DWORD fields;
    short orientation, paperSize, length, width;
  };
  const Case cases[] = {
      {Page(1, 1, 8500, 11000, 1), kSized, 1, 1, 0, 0},        // Letter: the code alone
      {Page(2, 9, 2100, 2970, 2), kSized, 2, 9, 0, 0},         // A4 landscape
      {Page(1, 0, 8000, 10000, 1), kCustom, 1, 0, 2540, 2032}, // inches converted
      {Page(2, 0, 1500, 2000, 2), kCustom, 2, 0, 2000, 1500},  // millimetres as they are
      {Page(1, 0, 8333, 11667, 1), kCustom, 1, 0, 2963, 2117}, // rounded to the nearest
  };
  for (const Case& c : cases) {
    const PrinterPaper paper = PrinterPaperFor(c.rec);
    SCOPED_TRACE(FormatPageSettingsText(c.rec));
    EXPECT_EQ(paper.fields, c.fields);
    EXPECT_EQ(paper.orientation, c.orientation);
    EXPECT_EQ(paper.paperSize, c.paperSize);
    EXPECT_EQ(paper.paperLength, c.length);
    EXPECT_EQ(paper.paperWidth, c.width);
  }
}

TEST(TakePrinterPaper, BringsACustomSizeBackInTheRecordsUnit) {
  for (WORD unit : {WORD{1}, WORD{2}}) {
    const PageSettingsRec sent = Page(2, 0, unit == 1 ? 6000 : 1500, unit == 1 ? 9000 : 2200, unit);
    PageSettingsRec back = Page(1, 1, 1, 1, unit);
    EXPECT_TRUE(TakePrinterPaper(PrinterPaperFor(sent), back));
    EXPECT_STREQ(FormatPageSettingsText(back), FormatPageSettingsText(sent));
  }
}

TEST(TakePrinterPaper, TakesOnlyTheFieldsTheDriverSet) {
  PrinterPaper paper;
  paper.fields = kPaperFieldOrientation;
  paper.orientation = 2;
  paper.paperSize = 9;
  PageSettingsRec rec = Page(1, 1, 8500, 11000, 1);
  EXPECT_FALSE(TakePrinterPaper(paper, rec)) << "still Letter, a sized paper";
  EXPECT_EQ(rec.orientation, 2);
  EXPECT_EQ(rec.paperCode, 1);

  // A paper of the table brings its size, here in millimetres.
  paper.fields = kCustom;
  paper.paperLength = 2540;
  EXPECT_FALSE(TakePrinterPaper(paper, rec));
  EXPECT_STREQ(FormatPageSettingsText(rec), "2 9 2100 2970 2 191 254 191 254")
      << "A4, the margins of 3/4 and 1 inch in tenths of a millimetre";
  // And back to inches with Letter.
  paper.paperSize = 1;
  EXPECT_FALSE(TakePrinterPaper(paper, rec));
  EXPECT_STREQ(FormatPageSettingsText(rec), "2 1 8500 11000 1 752 1000 752 1000");

  // A custom paper whose driver gives no length keeps the record's.
  paper.fields = kPaperFieldSize | kPaperFieldWidth;
  paper.paperSize = 0;
  paper.paperWidth = 1270;
  EXPECT_TRUE(TakePrinterPaper(paper, rec));
  EXPECT_EQ(rec.width, 5000);
  EXPECT_EQ(rec.length, 11000);

  // Custom and the reserved codes have no size: the record keeps its own.
  paper.fields = kPaperFieldSize;
  paper.paperSize = 48;
  EXPECT_FALSE(TakePrinterPaper(paper, rec));
  EXPECT_EQ(rec.width, 5000);
}

}  // namespace
