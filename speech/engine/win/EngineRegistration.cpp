// The two functions regsvr32 (or a setup program) calls to record where the
// library is, so that the program finds it, and to remove that record. The
// key lands in the registry view of the library's own bitness, which is the
// one a program of that bitness reads.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "speech/engine/SonsynApi.h"

namespace {

// The folder of this library, with its trailing backslash; empty when its
// name cannot be read whole.
std::string LibraryFolder() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(&LibraryFolder), &self))
    return std::string();
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

STDAPI DllRegisterServer() {
  try {
    const std::string folder = LibraryFolder();
    if (folder.empty()) return E_UNEXPECTED;
    const LSTATUS status =
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, SONSYN_REGISTRY_KEY, SONSYN_REGISTRY_VALUE, REG_SZ,
                        folder.c_str(), static_cast<DWORD>(folder.size() + 1));
    return status == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

STDAPI DllUnregisterServer() {
  const LSTATUS status = RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, SONSYN_REGISTRY_KEY, SONSYN_REGISTRY_VALUE);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
