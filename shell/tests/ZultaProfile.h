// The program's profile as the program tests and the start-up benchmark
// prepare it: the current user's "Software\Pomlar Software\Zulta".
#pragma once

#include <windows.h>

constexpr char kZultaProfileKey[] = "Software\\Pomlar Software\\Zulta";
constexpr char kDatabaseProfileKey[] = "Software\\Pomlar Software\\Zulta\\Database";
// The value that asks start-up to build the databases (absent: it asks).
constexpr char kDatabaseBuildValue[] = "Build";

// The value start-up leaves once the databases are built: the databases
// beside the program (built with it) are taken as they are.
inline void MarkDatabasesBuilt() {
  HKEY hKey = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kDatabaseProfileKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                        &hKey, nullptr) != ERROR_SUCCESS)
    return;
  const DWORD kNoBuild = 0;
  ::RegSetValueExA(hKey, kDatabaseBuildValue, 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&kNoBuild), sizeof kNoBuild);
  ::RegCloseKey(hKey);
}
