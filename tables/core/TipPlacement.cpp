#include "tables/core/TipPlacement.h"

namespace {

// The tip starts a quarter of the cursor's width right of the hot spot and
// half its height below it, so that the cursor does not cover it.
constexpr LONG kCursorWidthParts = 4;
constexpr LONG kCursorHeightParts = 2;

LONG RoundedPart(LONG value, LONG parts) { return (value + parts / 2) / parts; }

}  // namespace

bool PlaceTip(POINT anchor, SIZE cursor, const RECT& bounds, SIZE space, TipPlacement& placement) {
  if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) return false;
  const LONG x = anchor.x + RoundedPart(cursor.cx, kCursorWidthParts);
  const LONG y = anchor.y + RoundedPart(cursor.cy, kCursorHeightParts);
  const LONG halfSpace = space.cy / 2;
  placement.window = RECT{x - space.cx, y - halfSpace, x - space.cx + bounds.right + 2 * space.cx,
                          y - halfSpace + bounds.bottom + space.cy};
  placement.table = RECT{bounds.left + space.cx, bounds.top + halfSpace, bounds.right + space.cx,
                         bounds.bottom + halfSpace};
  return true;
}
