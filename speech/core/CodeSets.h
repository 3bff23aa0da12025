// Small code tests the pronunciation rules share beside those of HebChar.h.
#pragma once

#include <algorithm>
#include <initializer_list>

#include "hebtext/core/HebChar.h"

// True when the low byte of c is one of the codes.
inline bool IsAnyOf(int c, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), c & 0xFF) != codes.end();
}

// Vav with or without dagesh (IsVav of HebChar.h is the same test; the
// rules name it as the letter form they mean).
inline bool IsVavForm(int c) { return IsAnyOf(c, {HebCode::Vav, HebCode::VavDagesh}); }
