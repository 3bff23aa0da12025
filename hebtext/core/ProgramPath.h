// The program's folder, where its data lives, and path tests.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// Set once at start-up from the program file's path: the text up to and
// including its last backslash.
void SetProgramFolder(LPCSTR programFilePath);
const CString& GetProgramFolder();
// The program folder followed by the relative path.
void MakeProgramPath(CString& path, LPCSTR relativePath);
// TRUE when the path ends in '.' and the extension (case ignored).
BOOL HasExtension(LPCSTR path, LPCSTR extension);
