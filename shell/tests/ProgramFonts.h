// Test helper: the program's Hebrew fonts installed in the Wine prefix.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/tests/ZultaProcess.h"

// The program's Hebrew fonts in the prefix's font folder and list, as the
// program's own start script installs them, so that its Hebrew shows.
inline void InstallProgramFonts() {
  struct Face {
    const char* file;
    const char* family;
  };
  static const Face kFaces[] = {
      {"PomlarSephardi2.ttf", "Pomlar Sephardi 2"}, {"PomlarStam2.ttf", "Pomlar Stam 2"},
      {"PomlarDavid2.ttf", "Pomlar David 2"},       {"PomlarVelira2.ttf", "Pomlar Velira 2"},
      {"PomlarNoam2.ttf", "Pomlar Noam 2"},         {"PomlarCursiva2.ttf", "Pomlar Cursiva 2"}};
  const char* binary = std::getenv("ZULTA_BINARY_DIR");
  if (binary == nullptr) return;
  const std::string source = WindowsPath(std::string(binary) + "/Zulta/fonts/");
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  HKEY hKey = nullptr;
  if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                        "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
    return;
  for (const Face& face : kFaces) {
    const std::string target = std::string(windows) + "\\Fonts\\" + face.file;
    ::CopyFileA((source + face.file).c_str(), target.c_str(), FALSE);
    const std::string name = std::string(face.family) + " (TrueType)";
    ::RegSetValueExA(hKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(face.file),
                     static_cast<DWORD>(std::strlen(face.file) + 1));
  }
  ::RegCloseKey(hKey);
}
