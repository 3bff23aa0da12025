// The arithmetic of refitting a dialog to another font: client size and
// child rectangles scale by the ratio of the fonts' character cells, and the
// dialog keeps its centre.
#pragma once

#include "classlib/core/Geometry.h"

struct DialogFontScale {
  // Character cells: width = average character width, height = height + external leading.
  int oldWidth = 0;
  int oldHeight = 0;
  int newWidth = 0;
  int newHeight = 0;

  // A font without a measurable cell cannot be scaled from: the sizes stay.
  bool IsValid() const { return oldWidth > 0 && oldHeight > 0 && newWidth > 0 && newHeight > 0; }
  int ScaleX(int x) const { return IsValid() ? Scale(x, newWidth, oldWidth) : x; }
  int ScaleY(int y) const { return IsValid() ? Scale(y, newHeight, oldHeight) : y; }

  // A child's rectangle in its parent's client coordinates.
  CRect ScaleChild(const CRect& rect) const;
  // The dialog's new window rectangle: its client area scaled, its non-client
  // borders kept, its centre where it was.
  CRect ScaleWindow(const CRect& window, const CSize& client) const;

 private:
  // Multiplies first, in 64 bits, so that small ratios keep their precision.
  static int Scale(int value, int numerator, int denominator) {
    return static_cast<int>(static_cast<long long>(value) * numerator / denominator);
  }
};
