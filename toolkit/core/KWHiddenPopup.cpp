#include "toolkit/core/KWHiddenPopup.h"

#include <algorithm>

namespace {
// A joint shorter than this is a corner, not an edge.
constexpr int kJointMinLength = 2;
}  // namespace

int KWHiddenRowWidth(int cxButton) {
  return std::min(cxButton * kKWHiddenRowButtons, kKWHiddenRowMaxWidth);
}

CPoint KWHiddenPopupOrigin(const CRect& c, CSize size, KWDockSide side) {
  switch (side) {
    case KWDockSide::Bottom: return CPoint(c.right - size.cx + 1, c.top - size.cy + 1);
    case KWDockSide::Right: return CPoint(c.left - size.cx + 1, c.bottom - size.cy + 1);
    case KWDockSide::Left: return CPoint(c.right, c.bottom - size.cy + 1);
    default: return CPoint(c.right - size.cx + 1, c.bottom);
  }
}

std::vector<int> KWHiddenRowBreaks(const std::vector<int>& widths, int nRowWidth) {
  int nWidest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
  nRowWidth = std::max(nRowWidth, nWidest);
  std::vector<int> breaks;
  int x = 0;
  for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
    if (x + widths[i] > nRowWidth && x > 0) {
      breaks.push_back(i);
      x = 0;
    }
    x += widths[i];
  }
  return breaks;
}

bool KWPopupJoint(const CRect& button, const CRect& window, CPoint& from, CPoint& to) {
  CRect joint(std::max(button.left, window.left), std::max(button.top, window.top),
              std::min(button.right, window.right), std::min(button.bottom, window.bottom));
  joint.OffsetRect(-window.left, -window.top);
  if (joint.top == joint.bottom && joint.left + kJointMinLength < joint.right) {
    from = CPoint(joint.left + 1, joint.top);
    to = CPoint(joint.right, joint.top);
    return true;
  }
  if (joint.left == joint.right && joint.top + kJointMinLength < joint.bottom) {
    from = CPoint(joint.left, joint.top + 1);
    to = CPoint(joint.left, joint.bottom);
    return true;
  }
  return false;
}
