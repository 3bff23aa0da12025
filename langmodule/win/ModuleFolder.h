// The folder this module was loaded from; its registration points there.
#pragma once

#include <windows.h>

// Stores the module's folder; false when its file name cannot be read whole.
bool StoreModuleFolder(HMODULE module);

// The stored folder with its trailing backslash.
const char* GetModuleFolder();
