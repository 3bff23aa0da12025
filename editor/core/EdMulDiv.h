// Scaling a*b/c rounded to the nearest integer, as the Windows MulDiv does,
// so that page measures come out the same pixel for pixel everywhere.
#pragma once

#include <cstdint>

// -1 when c is 0 or the result does not fit 32 bits, like MulDiv.
inline int EdMulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t num = static_cast<int64_t>(a) * b;
  int64_t den = c;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  int64_t q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int>(q);
}
