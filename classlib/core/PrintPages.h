// Which pages a print job prints, from the document's page range and the
// range the user chose in the print dialog.
#pragma once

#include "classlib/core/WinTypes.h"

// A document's pages run from its first page; a last page of kPrintPageUnknown
// means the document does not know its length: printing goes on until the
// view says it is done.
constexpr UINT kPrintPageUnknown = 0xFFFF;

struct PrintPageSpan {
  UINT nFirst;
  UINT nLast;
  // No page at all (an empty document, or a chosen range outside it).
  bool IsEmpty() const { return nFirst > nLast; }
};

// The document's range when the user chose all pages; else the chosen range
// (in either order) cut to the document's.
PrintPageSpan PagesToPrint(UINT nMinPage, UINT nMaxPage, bool bRangeChosen, UINT nFromPage,
                           UINT nToPage);
