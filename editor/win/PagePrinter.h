// The printer set up for a page: its orientation and paper go into the
// application's printer settings (DEVMODE) before the print dialog or a
// printer DC is made, and the user's choice in the print dialog comes back
// into the page's record. Used by the editor's printing and preview and by
// the grammar tables' printing.
#pragma once

#include "classlib/win/CPrintInfo.h"
#include "hebtext/core/PageSettingsRec.h"

// The printer of a job. Preview: the application's printer (the print
// dialog when it has none), with its DC. Printing: the record's page goes
// into the application's printer settings and the print dialog runs. The
// page range is the document's; FALSE when the user cancelled or there is
// no printer.
BOOL GetPrinterDC(CPrintInfo* pInfo, const PageSettingsRec* pRec);
// A new printer DC (in the print dialog) whose settings take the record's
// page; a preview's old DC is deleted first. nullptr when it failed.
HDC CreatePrinterDCForPage(CPrintInfo* pInfo, const PageSettingsRec* pRec);
// GetPrinterDC, then for a preview a DC with the record's page; for
// printing the record takes back the orientation and paper the user chose.
BOOL PrinterSetup(CPrintInfo* pInfo, PageSettingsRec* pRec);
