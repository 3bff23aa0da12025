// Reversing part of a string or array in place (right-to-left runs).
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

// Reverses count elements from start; count -1 means to the end. A range
// reaching past the end is cut at it.
void ReverseCStringRange(CString& text, int start, int count = -1);
void ReverseByteArrayRange(CByteArray& bytes, int start, int count = -1);
void ReverseDWordArrayRange(CDWordArray& values, int start, int count = -1);
