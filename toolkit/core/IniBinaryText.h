// Binary values in an INI file: two letters a byte, 'A' plus the low four
// bits, then 'A' plus the high four bits.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

CString EncodeIniBinary(const BYTE* data, UINT count);
// Fails, leaving bytes empty, on text of odd length or with a letter outside 'A'..'P'.
bool DecodeIniBinary(const char* text, std::vector<BYTE>& bytes);
