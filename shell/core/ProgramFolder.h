// The program's folder from the path of its program file.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// The folder that holds the program file, with a trailing backslash. A
// program run from a build folder named "Release" (any case) belongs to the
// folder above it, where its data lives.
CString ProgramFolderOf(LPCSTR programFilePath);
