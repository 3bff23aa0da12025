// What the grammar tabs share of printing: the page settings sheet of
// Grammar Table/Print/Preview, the printer's page, and the page a view
// prints itself on with its fonts scaled from the screen's to the printer's.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CFont.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/win/CFontInfo.h"
#include "tables/core/GrammarPrintLayout.h"

class CDC;
class CPrintInfo;
class CScrollView;
class CWnd;

PrinterPage ReadPrinterPage(CDC* pDC);

// Shows the page settings sheet for the view's table, starting from the
// grammar defaults the first time; its Print or Preview button keeps the
// settings and sends the view File/Print or File/Print Preview.
void RunGrammarPrintSheet(CWnd* pView, PageSettingsRec& settings, BOOL& settingsTaken);

// Lays the view out on the printer's page, framing it in a preview; false
// when it does not fit.
bool LayOutGrammarPrintPage(CDC* pDC, CPrintInfo* pInfo, const PageSettingsRec& settings,
                            CScrollView* pView, GrammarPrintLayout& layout);

struct GrammarPrintPage {
  GrammarPrintLayout layout;
  CRect printable;        // device units
  CFontInfo hebrewFont;   // the screen's Hebrew font at the page's scale
  CFont labelFont;        // the view's dialog font at the page's scale
  CFontInfo englishFont;  // the same for the definition's painter
};

// The page laid out as above, with the view's fonts made for it.
bool BeginGrammarPrintPage(CDC* pDC, CPrintInfo* pInfo, const PageSettingsRec& settings,
                           CScrollView* pView, const CFontInfo& screenFont, GrammarPrintPage& page);
