// Splitting a module's full file name into its folder.
#pragma once

#include <cstddef>

// The length of the folder part of a Windows file name, its trailing backslash
// included; 0 when the name has no folder. The cut is at the last backslash, so
// the folder is right whatever the module's own file is called.
std::size_t FolderPartLength(const char* path);
