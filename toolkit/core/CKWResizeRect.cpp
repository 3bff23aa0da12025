#include "toolkit/core/CKWResizeRect.h"

#include <algorithm>

CKWResizeRect& CKWResizeRect::operator+=(const CKWResizeRect& other) {
  left += other.left;
  top += other.top;
  right += other.right;
  bottom += other.bottom;
  return *this;
}

CKWResizeRect CKWResizeRect::operator&(const CKWResizeRect& other) const {
  CKWResizeRect common(std::max(left, other.left), std::max(top, other.top),
                       std::min(right, other.right), std::min(bottom, other.bottom));
  return common.IsNormal() ? common : CKWResizeRect(0, 0, 0, 0);
}

bool CKWResizeRect::operator==(const CKWResizeRect& other) const {
  return left == other.left && top == other.top && right == other.right &&
         bottom == other.bottom;
}
