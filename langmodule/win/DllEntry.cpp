// The library's entry and the two functions a setup program (or regsvr32)
// calls to record the module with the speech engine and to remove it again.
#include <windows.h>
#include <olectl.h>

#include "langmodule/win/ModuleFolder.h"
#include "langmodule/win/UiLanguageKeys.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  // Without its folder the module could not say where its files are.
  if (reason == DLL_PROCESS_ATTACH) return StoreModuleFolder(instance) ? TRUE : FALSE;
  return TRUE;
}

// Nothing may escape to the caller but the result: a failed allocation is one
// more unexpected failure.
STDAPI DllRegisterServer() {
  try {
    return RegisterUiLanguage(GetModuleFolder()) ? S_OK : E_UNEXPECTED;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

STDAPI DllUnregisterServer() {
  try {
    return UnregisterUiLanguage() ? S_OK : E_UNEXPECTED;
  } catch (...) {
    return E_UNEXPECTED;
  }
}
