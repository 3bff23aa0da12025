// The page settings of one side of a document or of grammar-table printing:
// nine 16-bit values kept in this order by the profile and by document files.
#pragma once

#include "classlib/core/WinTypes.h"

struct PageSettingsRec {
  WORD orientation = 1;   // 1 portrait, 2 landscape
  WORD paperCode = 1;     // printer paper code, 0 for a custom size (1 = Letter)
  WORD length = 11000;    // paper length in the unit
  WORD width = 8500;      // paper width in the unit
  WORD unit = 1;          // 1 thousandths of an inch, 2 tenths of a millimetre
  WORD leftMargin = 750;
  WORD topMargin = 1000;
  WORD rightMargin = 750;
  WORD bottomMargin = 1000;
};

static_assert(sizeof(PageSettingsRec) == 18, "nine 16-bit values");
