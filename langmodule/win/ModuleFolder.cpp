#include "langmodule/win/ModuleFolder.h"

#include "langmodule/core/ModulePath.h"

namespace {

char g_moduleFolder[512];

}  // namespace

bool StoreModuleFolder(HMODULE module) {
  DWORD length = GetModuleFileNameA(module, g_moduleFolder, sizeof g_moduleFolder);
  // A name that fills the buffer was cut short, and older systems leave it
  // unterminated: its folder would be wrong.
  if (length == 0 || length >= sizeof g_moduleFolder) {
    g_moduleFolder[0] = '\0';
    return false;
  }
  g_moduleFolder[FolderPartLength(g_moduleFolder)] = '\0';
  return true;
}

const char* GetModuleFolder() { return g_moduleFolder; }
