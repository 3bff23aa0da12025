// One page of one side: its paper, margins and tab stops and the text
// rectangle and pixel tab stops computed from them. The layouts of a side form
// a list whose entry i lays out page i.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/core/Geometry.h"
#include "hebtext/core/PageSettingsRec.h"

class CPageLayout {
 public:
  CPageLayout() = default;
  // A copy of `source` linked in behind `after`.
  CPageLayout(const CPageLayout& source, CPageLayout* after);
  ~CPageLayout() { Unlink(); }
  // Copies the settings and metrics; the copy stands in no list.
  CPageLayout(const CPageLayout& source) { *this = source; }
  // Copies the settings and metrics and leaves the links alone.
  CPageLayout& operator=(const CPageLayout& source);

  bool operator==(const CPageLayout& other) const;
  bool operator!=(const CPageLayout& other) const { return !(*this == other); }
  BOOL HasSamePageSize(const CPageLayout& other) const;

  // The paper as it lies (landscape turned) on a device of these resolutions.
  CSize PaperPixels(int pixelsPerInchX, int pixelsPerInchY) const;
  // Text rectangle and pixel tab stops for a device of these resolutions.
  void ComputeMetrics(int pixelsPerInchX, int pixelsPerInchY);
  // A layout is usable only with room for text on the page.
  BOOL HasTextArea() const { return textRect.Width() > 0 && textRect.Height() > 0; }
  int UnitsPerInch() const { return settings.unit == 1 ? 1000 : 254; }
  BOOL IsLandscape() const { return settings.orientation == 2; }

  void LinkAfter(CPageLayout* after);
  void Unlink();

  DWORD side = 0;
  PageSettingsRec settings;
  CRect textRect;
  CDWordArray tabStops;   // in the page unit
  DWORD tabInterval = 0;  // in the page unit, 0 none
  CDWordArray pixelTabStops;
  CPageLayout* next = nullptr;
  CPageLayout* prev = nullptr;
};

// The tab stops of a layout in pixels: those set by hand, then the default
// interval's up to the text width.
void ComputePixelTabStops(const CPageLayout& layout, int pixelsPerInchX, int textWidth,
                          CDWordArray& stops);
