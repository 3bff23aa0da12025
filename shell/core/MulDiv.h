// a * b / c rounded to the nearest integer (halves away from zero) with a
// 64-bit product, as the system's MulDiv; -1 when c is 0.
#pragma once

namespace shellcore {

int MulDiv(int a, int b, int c);

}  // namespace shellcore
