// What one side of a document prints on a sheet: its page's settings, where
// its text goes on the printer's drawing area and its tab stops, all in
// printer pixels. Printing fills it for every page from the side's layout.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/core/Geometry.h"
#include "hebtext/core/PageSettingsRec.h"

class CPageLayout;

// The presence mark of a side without a page of the printed number.
constexpr int kNoPrintedPage = -1;

struct DocSidePrintState {
  int presence = kNoPrintedPage;  // the side's number while it prints
  PageSettingsRec settings;
  CRect textRect;
  CDWordArray tabStops;
};

// The state of a side printing the page laid out by `layout`, on a printer
// of these resolutions whose drawing area (the printable part of the
// paper, centred on it) has the size `drawSize`. Margins falling into the
// unprintable edge are cut to it.
void FillSidePrintState(const CPageLayout& layout, int side, CSize pixelsPerInch, CSize drawSize,
                        DocSidePrintState& state);
