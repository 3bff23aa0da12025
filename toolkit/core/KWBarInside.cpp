#include "toolkit/core/KWBarInside.h"

void KWCalcInsideRect(CRect& rect, DWORD dwStyle, const KWBarBorders& b, bool bHorz) {
  if (dwStyle & kKWBarBorderLeft) rect.left += b.cxLine;
  if (dwStyle & kKWBarBorderTop) rect.top += b.cyLine;
  if (dwStyle & kKWBarBorderRight) rect.right -= b.cxLine;
  if (dwStyle & kKWBarBorderBottom) rect.bottom -= b.cyLine;
  bool bGripper = (dwStyle & kKWBarGripper) && !(dwStyle & kKWBarFloating);
  if (bHorz) {
    rect.left += b.cxLeft;
    rect.top += b.cyTop;
    rect.right -= b.cxRight;
    rect.bottom -= b.cyBottom;
    if (bGripper) rect.left += kKWGripperRoom;
  } else {
    rect.left += b.cyTop;
    rect.top += b.cxLeft;
    rect.right -= b.cyBottom;
    rect.bottom -= b.cxRight;
    if (bGripper) rect.top += kKWGripperRoom;
  }
}
