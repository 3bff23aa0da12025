#include "classlib/core/Geometry.h"

#include <algorithm>
#include <utility>

// Each operation works on copies, so the destination may be one of the sources.

void CRect::NormalizeRect() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
  // Empty whenever either source is empty or they do not overlap.
  const CRect overlap(std::max(lpRect1->left, lpRect2->left), std::max(lpRect1->top, lpRect2->top),
                      std::min(lpRect1->right, lpRect2->right),
                      std::min(lpRect1->bottom, lpRect2->bottom));
  if (overlap.IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  *this = overlap;
  return TRUE;
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) {
  const CRect rect1(lpRect1), rect2(lpRect2);
  if (rect1.IsRectEmpty() && rect2.IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  if (rect1.IsRectEmpty()) {
    *this = rect2;
  } else if (rect2.IsRectEmpty()) {
    *this = rect1;
  } else {
    SetRect(std::min(rect1.left, rect2.left), std::min(rect1.top, rect2.top),
            std::max(rect1.right, rect2.right), std::max(rect1.bottom, rect2.bottom));
  }
  return TRUE;
}

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) {
  CRect rest(lpRectSrc1);
  CRect cut;
  if (!rest.IsRectEmpty() && cut.IntersectRect(lpRectSrc1, lpRectSrc2)) {
    const bool fullHeight = cut.top == rest.top && cut.bottom == rest.bottom;
    const bool fullWidth = cut.left == rest.left && cut.right == rest.right;
    if (fullHeight && fullWidth) {
      rest.SetRectEmpty();
    } else if (fullHeight && cut.left == rest.left) {
      rest.left = cut.right;
    } else if (fullHeight && cut.right == rest.right) {
      rest.right = cut.left;
    } else if (fullWidth && cut.top == rest.top) {
      rest.top = cut.bottom;
    } else if (fullWidth && cut.bottom == rest.bottom) {
      rest.bottom = cut.top;
    }
  }
  if (rest.IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  *this = rest;
  return TRUE;
}
