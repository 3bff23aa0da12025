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

void CPageLayout::ComputeMetrics(int ppiX, int ppiY) {
  int units = UnitsPerInch();
  int pageWidth = IsLandscape() ? settings.length : settings.width;
  int pageHeight = IsLandscape() ? settings.width : settings.length;
  int widthPx = EdMulDiv(ppiX, pageWidth, units);
  int heightPx = EdMulDiv(ppiY, pageHeight, units);
  textRect.SetRect(EdMulDiv(ppiX, settings.leftMargin, units),
                   EdMulDiv(ppiY, settings.topMargin, units),
                   widthPx - EdMulDiv(ppiX, settings.rightMargin, units),
                   heightPx - EdMulDiv(ppiY, settings.bottomMargin, units));

  pixelTabStops.RemoveAll();
  int last = 0;
  for (int i = 0; i < tabStops.GetSize(); i++) {
    last = EdMulDiv(ppiX, static_cast<int>(tabStops[i]), units);
    pixelTabStops.Add(static_cast<DWORD>(last));
  }
  if (tabInterval == 0) return;
  double step = static_cast<double>(tabInterval) * ppiX / units;
  int k = static_cast<int>(last / step + 1.0);
  for (;; k++) {
    int stop = EdMulDiv(ppiX, static_cast<int>(tabInterval) * k, units);
    if (stop < 0 || stop >= textRect.Width()) break;
    pixelTabStops.Add(static_cast<DWORD>(stop));
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
