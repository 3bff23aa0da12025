// The inside of a control bar: its client rectangle less the border lines
// its style asks for, its border widths and the gripper of a docked bar.
#pragma once

#include "classlib/core/Geometry.h"

// The bar style bits the inside depends on (the class library's CBRS_*).
constexpr DWORD kKWBarBorderLeft = 0x100;
constexpr DWORD kKWBarBorderTop = 0x200;
constexpr DWORD kKWBarBorderRight = 0x400;
constexpr DWORD kKWBarBorderBottom = 0x800;
constexpr DWORD kKWBarGripper = 0x400000;
constexpr DWORD kKWBarFloating = 0x1;
// The room a gripper takes before the items.
constexpr int kKWGripperRoom = 7;

struct KWBarBorders {
  int cxLeft = 0;
  int cyTop = 0;
  int cxRight = 0;
  int cyBottom = 0;
  int cxLine = 0;  // a border line's width and height
  int cyLine = 0;
};

// Shrinks rect to the bar's inside. A vertical bar turns its borders with
// it: the top border is at its left, the left border at its top.
void KWCalcInsideRect(CRect& rect, DWORD dwStyle, const KWBarBorders& borders, bool bHorz);
