// The texts of the toolbar's font-size box: each size as "%2d" (a blank
// before one digit, so that the texts sort and compare like the numbers),
// in ascending order.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

// Sizes the box takes: as many as its two-character texts hold.
constexpr int kMinBoxFontSize = 1;
constexpr int kMaxBoxFontSize = 99;
constexpr int kMaxBoxFontSizeDigits = 2;

CString FontSizeBoxText(int size);
// The entry that shows the size; -1 for none.
int FindFontSizeBoxEntry(const CStringArray& entries, int size);
// Where a size not yet listed goes: before the first entry of a larger size.
int FontSizeBoxInsertIndex(const CStringArray& entries, int size);
// The size typed into the box; 0 when the text is no size the box takes.
WORD ParseTypedFontSize(LPCSTR text);

// The largest of the standard sizes every size list offers.
constexpr int kLargestStandardFontSize = 72;
// Appends to a size list the standard sizes it lacks, in their order, with
// the current size text once before the first larger standard size unless
// it is a standard size itself, no size (0 or empty) or above the largest.
void AppendStandardFontSizes(CStringArray& entries, LPCSTR currentSize);
