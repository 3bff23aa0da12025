// Where a grammar table goes on the printed page: the page less the margins
// of the grammar page settings, in printer dots, as the printer's printable
// area sees it, and the one scale that fits the view's whole form into it.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/PageSettingsRec.h"

// What the printer reports of itself (GetDeviceCaps).
struct PrinterPage {
  int dpiX = 0, dpiY = 0;        // LOGPIXELSX, LOGPIXELSY
  int printableWidth = 0;        // HORZRES
  int printableHeight = 0;       // VERTRES
  int offsetX = 0, offsetY = 0;  // PHYSICALOFFSETX, PHYSICALOFFSETY
};

struct GrammarPrintLayout {
  RECT printable = {0, 0, 0, 0};  // in the printable area's coordinates
  double scale = 0;               // printer dots per logical unit of the view
};

// The view's total size is in logical units; a zero size or a page with no
// room gives scale 0.
GrammarPrintLayout ComputeGrammarPrintLayout(const PageSettingsRec& settings,
                                             const PrinterPage& printer, int viewWidth,
                                             int viewHeight);
