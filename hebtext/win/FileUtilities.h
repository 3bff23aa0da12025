// Files the program removes for the user, into the recycle bin.
#pragma once

#include <windows.h>

BOOL FileExists(LPCSTR path);
// Deletes an existing file to the recycle bin, asking the user first when
// askFirst is set; TRUE when the file is gone afterwards.
BOOL DeleteFileToRecycleBin(LPCSTR path, BOOL askFirst);
