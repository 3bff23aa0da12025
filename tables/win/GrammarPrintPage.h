// The page a grammar view prints itself on, with its fonts scaled from the
// screen's to the printer's.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CFont.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/win/CFontInfo.h"
#include "tables/core/GrammarPrintLayout.h"

class CDC;
class CPrintInfo;
class CScrollView;

struct GrammarPrintPage {
  GrammarPrintLayout layout;
  CRect printable;        // device units
  CFontInfo hebrewFont;   // the screen's Hebrew font at the page's scale
  CFont labelFont;        // the view's dialog font at the page's scale
  CFontInfo englishFont;  // the same for the definition's painter
};

// Lays the view out on the printer's page, framing it in a preview; false
// when it does not fit.
bool BeginGrammarPrintPage(CDC* pDC, CPrintInfo* pInfo, const PageSettingsRec& settings,
                           CScrollView* pView, const CFontInfo& screenFont, GrammarPrintPage& page);
