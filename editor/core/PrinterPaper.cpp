#include "editor/core/PrinterPaper.h"

#include "classlib/core/MulDivRounded.h"
#include "editor/core/PaperSizes.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

// Tenths of a millimetre and thousandths of an inch in an inch.
constexpr int kTenthsMmPerInch = 254;
constexpr int kThousandthsPerInch = 1000;

short ToTenthsMm(WORD value, WORD unit) {
  if (unit != kUnitInches) return static_cast<short>(value);
  return static_cast<short>(MulDivRounded(value, kTenthsMmPerInch, kThousandthsPerInch));
}

WORD FromTenthsMm(short value, WORD unit) {
  if (unit != kUnitInches) return static_cast<WORD>(value);
  return static_cast<WORD>(MulDivRounded(value, kThousandthsPerInch, kTenthsMmPerInch));
}

// A paper of the table gives the record its size and unit; the margins
// follow into the new unit, so that they keep their length on paper.
void TakeSizedPaper(PageSettingsRec& rec) {
  PaperSize size;
  if (!LookupPaperSize(rec.paperCode, size) || size.unit == 0) return;
  if (size.unit != rec.unit) {
    for (WORD* margin : {&rec.leftMargin, &rec.topMargin, &rec.rightMargin, &rec.bottomMargin})
      *margin = size.unit == kUnitInches ? FromTenthsMm(static_cast<short>(*margin), kUnitInches)
                                         : static_cast<WORD>(ToTenthsMm(*margin, rec.unit));
    rec.unit = size.unit;
  }
  rec.width = size.width;
  rec.length = size.length;
}

}  // namespace

PrinterPaper PrinterPaperFor(const PageSettingsRec& rec) {
  PrinterPaper paper;
  paper.fields = kPaperFieldOrientation | kPaperFieldSize;
  paper.orientation = static_cast<short>(rec.orientation);
  paper.paperSize = static_cast<short>(rec.paperCode);
  if (rec.paperCode == kCustomPaperCode) {
    paper.fields |= kPaperFieldLength | kPaperFieldWidth;
    paper.paperLength = ToTenthsMm(rec.length, rec.unit);
    paper.paperWidth = ToTenthsMm(rec.width, rec.unit);
  }
  return paper;
}

BOOL TakePrinterPaper(const PrinterPaper& paper, PageSettingsRec& rec) {
  if ((paper.fields & kPaperFieldOrientation) != 0)
    rec.orientation = static_cast<WORD>(paper.orientation);
  if ((paper.fields & kPaperFieldSize) != 0) rec.paperCode = static_cast<WORD>(paper.paperSize);
  if (rec.paperCode != kCustomPaperCode) {
    TakeSizedPaper(rec);
    return FALSE;
  }
  if ((paper.fields & kPaperFieldLength) != 0) rec.length = FromTenthsMm(paper.paperLength, rec.unit);
  if ((paper.fields & kPaperFieldWidth) != 0) rec.width = FromTenthsMm(paper.paperWidth, rec.unit);
  return TRUE;
}
