// a * b / c rounded to the nearest integer, halves away from zero, with a
// 64-bit product, as the system's MulDiv computes it: portable code scales
// page measures, font heights and estimates the same way the windows do.
#pragma once

#include <cstdint>

// -1 when c is 0 or the result does not fit 32 bits, like MulDiv.
inline int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t num = static_cast<int64_t>(a) * b;
  int64_t den = c;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const int64_t q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int>(q);
}
