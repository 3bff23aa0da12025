// What the grammar tabs share of printing: the page settings sheet of
// Grammar Table/Print/Preview and what the printer says of its page.
#pragma once

#include "hebtext/core/PageSettingsRec.h"
#include "tables/core/GrammarPrintLayout.h"

class CDC;
class CWnd;

PrinterPage ReadPrinterPage(CDC* pDC);

// Shows the page settings sheet for the view's table, starting from the
// grammar defaults the first time; its Print or Preview button keeps the
// settings and sends the view File/Print or File/Print Preview.
void RunGrammarPrintSheet(CWnd* pView, PageSettingsRec& settings, BOOL& settingsTaken);
