// The file list's column widths as the profile keeps them: each width a
// decimal number followed by '|', the last one too ("100|190|90|80|50|").
#pragma once

#include "classlib/core/CString.h"
#include "editor/core/FileListSort.h"

// The widths a missing or damaged profile entry gives.
extern const int kDefaultFileColumnWidths[kFileColumnCount];
const int kMinFileColumnWidth = 1;
const int kMaxFileColumnWidth = 499;

// Reads at most kFileColumnCount widths, stopping at the end of the text or
// after a number no '|' follows; the columns not read take their defaults
// (a shortened entry never leaves a column zero wide). An empty text, or any
// width outside kMinFileColumnWidth to kMaxFileColumnWidth, gives all the
// defaults.
void ParseFileColumnWidths(LPCSTR text, int widths[kFileColumnCount]);
CString FormatFileColumnWidths(const int widths[kFileColumnCount]);
