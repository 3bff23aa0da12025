#include "hebtext/core/ScrollIntoView.h"

namespace {

LONG ScrollAxis(LONG visibleNear, LONG visibleFar, LONG targetNear, LONG targetFar) {
  LONG position = visibleNear;
  if (targetNear < visibleNear)
    position = targetNear;
  else if (targetFar > visibleFar)
    position = visibleNear + (targetFar - visibleFar);
  return position < 0 ? 0 : position;
}

}  // namespace

POINT ScrollPositionToShow(const RECT& visible, const RECT& target) {
  bool inside = target.left >= visible.left && target.top >= visible.top &&
                target.right <= visible.right && target.bottom <= visible.bottom;
  if (inside) return POINT{visible.left, visible.top};
  return POINT{ScrollAxis(visible.left, visible.right, target.left, target.right),
               ScrollAxis(visible.top, visible.bottom, target.top, target.bottom)};
}
