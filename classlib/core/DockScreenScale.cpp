#include "classlib/core/DockScreenScale.h"

#include <algorithm>

namespace {

// v * nNow / nSaved, rounded to the nearest, in 64 bits.
int ScaleCoordinate(int v, int nSaved, int nNow) {
  if (nSaved <= 0 || nNow <= 0 || nSaved == nNow) return v;
  long long scaled = static_cast<long long>(v) * nNow;
  long long half = nSaved / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / nSaved : (scaled - half) / nSaved);
}

int KeepWithin(int v, int nScreen) {
  if (nScreen <= 0) return v;
  return std::max(0, std::min(v, nScreen - kMinOnScreen));
}

}  // namespace

CPoint KeepDockPointOnScreen(CPoint pt, CSize sizeScreen) {
  return CPoint(KeepWithin(pt.x, sizeScreen.cx), KeepWithin(pt.y, sizeScreen.cy));
}

CPoint ScaleDockPoint(CPoint pt, CSize sizeSaved, CSize sizeNow) {
  if (pt.x == kNoDockPosition && pt.y == kNoDockPosition) return pt;
  return KeepDockPointOnScreen(CPoint(ScaleCoordinate(pt.x, sizeSaved.cx, sizeNow.cx),
                                      ScaleCoordinate(pt.y, sizeSaved.cy, sizeNow.cy)),
                               sizeNow);
}

CRect ScaleDockRectPos(const CRect& rect, CSize sizeSaved, CSize sizeNow) {
  CPoint ptTopLeft = ScaleDockPoint(rect.TopLeft(), sizeSaved, sizeNow);
  return CRect(ptTopLeft, rect.Size());
}
