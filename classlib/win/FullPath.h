// The full path of a file as documents keep it.
#pragma once

#include "classlib/core/CString.h"

// lpszPath made absolute; unchanged when the system cannot (or the result
// would not fit MAX_PATH).
CString AfxFullPath(LPCSTR lpszPath);
