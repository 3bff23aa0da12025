// The folder a document's Save dialog starts in.
#pragma once

#include "classlib/core/CString.h"

// The path up to its last backslash; a drive's root keeps its backslash
// ("C:\" rather than "C:", which names the drive's current folder). Empty
// for a path without a folder.
CString GetFolderOfPath(const CString& path);
