// Fractions of an owner's change in size by which a control's point or edges
// move: 0 keeps it where it is, 1 moves it by the whole change. The layout
// also keeps each control's own rectangle in this type, so that fractional
// moves accumulate instead of being lost to rounding.
#pragma once

#include "classlib/core/Geometry.h"

class CKWResizePoint {
 public:
  // Left unset, as a plain pair of floats.
  CKWResizePoint() {}
  CKWResizePoint(float fx, float fy) : x(fx), y(fy) {}

  float x;
  float y;
};

class CKWResizeRect {
 public:
  // Left unset, as four plain floats.
  CKWResizeRect() {}
  CKWResizeRect(float l, float t, float r, float b) : left(l), top(t), right(r), bottom(b) {}
  CKWResizeRect(const CRect& rect)
      : CKWResizeRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
                      static_cast<float>(rect.right), static_cast<float>(rect.bottom)) {}
  CKWResizeRect(const CKWResizePoint& topLeft, const CKWResizePoint& bottomRight)
      : CKWResizeRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y) {}

  // A control registered again gets the sum of its fractions.
  CKWResizeRect& operator+=(const CKWResizeRect& other);
  // The common part; (0, 0, 0, 0) when the two do not meet.
  CKWResizeRect operator&(const CKWResizeRect& other) const;
  bool operator==(const CKWResizeRect& other) const;
  bool operator!=(const CKWResizeRect& other) const { return !(*this == other); }
  bool IsNormal() const { return left <= right && top <= bottom; }

  float left;
  float top;
  float right;
  float bottom;
};
