#include "editor/core/CPageLayout.h"

#include "editor/core/EdMulDiv.h"

CPageLayout::CPageLayout(const CPageLayout& source, CPageLayout* after) {
  *this = source;
  if (after != nullptr) LinkAfter(after);
}

CPageLayout& CPageLayout::operator=(const CPageLayout& source) {
  if (this == &source) return *this;
  side = source.side;
  settings = source.settings;
  textRect = source.textRect;
  tabStops.Copy(source.tabStops);
  tabInterval = source.tabInterval;
  pixelTabStops.Copy(source.pixelTabStops);
  return *this;
}

static bool SameSettings(const PageSettingsRec& a, const PageSettingsRec& b) {
  return a.orientation == b.orientation && a.paperCode == b.paperCode && a.length == b.length &&
         a.width == b.width && a.unit == b.unit && a.leftMargin == b.leftMargin &&
         a.topMargin == b.topMargin && a.rightMargin == b.rightMargin &&
         a.bottomMargin == b.bottomMargin;
}

bool CPageLayout::operator==(const CPageLayout& other) const {
  if (side != other.side || !SameSettings(settings, other.settings) ||
      tabInterval != other.tabInterval || tabStops.GetSize() != other.tabStops.GetSize() ||
      textRect != other.textRect)
    return false;
  for (int i = 0; i < tabStops.GetSize(); i++)
    if (tabStops[i] != other.tabStops[i]) return false;
  return true;
}

BOOL CPageLayout::HasSamePageSize(const CPageLayout& other) const {
  const PageSettingsRec& a = settings;
  const PageSettingsRec& b = other.settings;
  if (a.orientation != b.orientation) return FALSE;
  if (a.paperCode == 0 && b.paperCode == 0) return a.length == b.length;
  return a.paperCode == b.paperCode;
}

CSize CPageLayout::PaperPixels(int ppiX, int ppiY) const {
  const int units = UnitsPerInch();
  const int pageWidth = IsLandscape() ? settings.length : settings.width;
  const int pageHeight = IsLandscape() ? settings.width : settings.length;
  return CSize(EdMulDiv(ppiX, pageWidth, units), EdMulDiv(ppiY, pageHeight, units));
}

void CPageLayout::ComputeMetrics(int ppiX, int ppiY) {
  int units = UnitsPerInch();
  const CSize paper = PaperPixels(ppiX, ppiY);
  textRect.SetRect(EdMulDiv(ppiX, settings.leftMargin, units),
                   EdMulDiv(ppiY, settings.topMargin, units),
                   paper.cx - EdMulDiv(ppiX, settings.rightMargin, units),
                   paper.cy - EdMulDiv(ppiY, settings.bottomMargin, units));

  ComputePixelTabStops(*this, ppiX, textRect.Width(), pixelTabStops);
}

void ComputePixelTabStops(const CPageLayout& layout, int pixelsPerInchX, int textWidth,
                          CDWordArray& stops) {
  const int units = layout.UnitsPerInch();
  stops.RemoveAll();
  int last = 0;
  for (int i = 0; i < layout.tabStops.GetSize(); i++) {
    last = EdMulDiv(pixelsPerInchX, static_cast<int>(layout.tabStops[i]), units);
    stops.Add(static_cast<DWORD>(last));
  }
  if (layout.tabInterval == 0) return;
  // The interval's stops go on after the last stop set by hand.
  double step = static_cast<double>(layout.tabInterval) * pixelsPerInchX / units;
  int k = static_cast<int>(last / step + 1.0);
  for (;; k++) {
    int stop = EdMulDiv(pixelsPerInchX, static_cast<int>(layout.tabInterval) * k, units);
    if (stop < 0 || stop >= textWidth) break;
    stops.Add(static_cast<DWORD>(stop));
  }
}

void CPageLayout::LinkAfter(CPageLayout* after) {
  Unlink();
  prev = after;
  next = after->next;
  if (next != nullptr) next->prev = this;
  after->next = this;
}

void CPageLayout::Unlink() {
  if (prev != nullptr) prev->next = next;
  if (next != nullptr) next->prev = prev;
  prev = next = nullptr;
}
