// The page settings of one side of a document or of grammar-table printing:
// nine 16-bit values kept in this order by the profile and by document files.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

struct PageSettingsRec {
  WORD orientation = 1;  // 1 portrait, 2 landscape
  WORD paperCode = 1;    // printer paper code, 0 for a custom size (1 = Letter)
  WORD length = 11000;   // paper length in the unit
  WORD width = 8500;     // paper width in the unit
  WORD unit = 1;         // 1 thousandths of an inch, 2 tenths of a millimetre
  WORD leftMargin = 750;
  WORD topMargin = 1000;
  WORD rightMargin = 750;
  WORD bottomMargin = 1000;
};

static_assert(sizeof(PageSettingsRec) == 18, "nine 16-bit values");

// A US Letter page with three-quarter-inch side and one-inch top and bottom
// margins; landscape for grammar tables, portrait for documents.
PageSettingsRec* SetDefaultPageSettings(PageSettingsRec* rec, int grammar);

// The stored text: nine numbers separated by blanks, with the width before
// the length.
CString FormatPageSettingsText(const PageSettingsRec& rec);
// Reads the stored text into the record; numbers missing at the end read as
// 0. FALSE, with the record untouched, when the text does not hold a page
// setting (empty, or an orientation or unit that does not exist).
BOOL ParsePageSettingsText(LPCSTR text, PageSettingsRec& rec);

// The profile's page settings: the grammar tables' ("GramTableSettings"),
// else the document side's ("DocSettings_HEB" or "DocSettings_ENG").
void SavePageSettings(const PageSettingsRec* rec, int grammar, int hebrew);
// 1 when a stored value was read, 0 when the defaults were applied.
int LoadPageSettings(PageSettingsRec* rec, int grammar, int hebrew);
// LoadPageSettings for a record that may be missing.
void InitPageSettings(PageSettingsRec* rec, int grammar, int hebrew);
