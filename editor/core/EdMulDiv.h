// The editor's scaling of page measures: rounded as the Windows MulDiv does,
// so that they come out the same pixel for pixel everywhere.
#pragma once

#include "classlib/core/MulDivRounded.h"

inline int EdMulDiv(int a, int b, int c) { return MulDivRounded(a, b, c); }
