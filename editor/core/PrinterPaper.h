// The paper of a page-settings record as a printer's DEVMODE holds it, and
// back. The printer takes a custom paper's length and width in tenths of a
// millimetre, whatever the record's unit.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/PageSettingsRec.h"

// The DEVMODE field bits of the paper (the values of DM_ORIENTATION,
// DM_PAPERSIZE, DM_PAPERLENGTH and DM_PAPERWIDTH).
constexpr DWORD kPaperFieldOrientation = 0x1;
constexpr DWORD kPaperFieldSize = 0x2;
constexpr DWORD kPaperFieldLength = 0x4;
constexpr DWORD kPaperFieldWidth = 0x8;
// The paper code of a custom size.
constexpr WORD kCustomPaperCode = 0;

struct PrinterPaper {
  DWORD fields = 0;  // which of the values below the printer takes
  short orientation = 1;
  short paperSize = 1;
  short paperLength = 0;  // tenths of a millimetre
  short paperWidth = 0;
};

// What the printer is given for the record: orientation and paper code,
// and for a custom paper its length and width.
PrinterPaper PrinterPaperFor(const PageSettingsRec& rec);
// The record takes back the printer's choice, each value only when its
// field is set; a custom length and width come back in the record's unit,
// a paper of the paper table takes its size and unit from the table (the
// margins converted to that unit). Returns whether the paper is a custom one.
BOOL TakePrinterPaper(const PrinterPaper& paper, PageSettingsRec& rec);
