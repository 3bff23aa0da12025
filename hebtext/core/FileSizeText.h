// File sizes as the file lists show them: whole kilobytes, at least 1KB.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// "1KB" under one kilobyte, "2KB" for 1,536 bytes, "1,953KB" for 2,000,000.
void FormatKBytes(DWORD size, CString& text);
