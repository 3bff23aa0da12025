// Scope objects that make the toolkit's resources the class library's current
// ones while toolkit dialogs and strings are loaded, and the setter that names
// the module holding them (by default nothing is switched).
#pragma once

#include <windows.h>

// The toolkit's resource and instance handles; nullptr keeps the program's.
void KWSetResourceHandles(HINSTANCE hResource, HINSTANCE hInstance);

class CKWResourceScope {
 public:
  CKWResourceScope();
  ~CKWResourceScope();
  CKWResourceScope(const CKWResourceScope&) = delete;
  CKWResourceScope& operator=(const CKWResourceScope&) = delete;

 private:
  HINSTANCE m_hOldResource;
};

// Switches the module's instance handle too, when the module has none.
class CKWModuleResourceScope {
 public:
  CKWModuleResourceScope();
  ~CKWModuleResourceScope() { Release(); }
  CKWModuleResourceScope(const CKWModuleResourceScope&) = delete;
  CKWModuleResourceScope& operator=(const CKWModuleResourceScope&) = delete;
  void Release();

 private:
  HINSTANCE m_hOldResource;
  HINSTANCE m_hOldInstance;
  bool m_bActive;
};

// A loaded library, freed with the holder.
class CKWLibrary {
 public:
  explicit CKWLibrary(LPCSTR lpszFileName) : m_hModule(::LoadLibraryA(lpszFileName)) {}
  ~CKWLibrary() { Free(); }
  CKWLibrary(const CKWLibrary&) = delete;
  CKWLibrary& operator=(const CKWLibrary&) = delete;
  // Frees the current library and loads another.
  BOOL Load(LPCSTR lpszFileName);
  HMODULE GetHandle() const { return m_hModule; }

 private:
  void Free();
  HMODULE m_hModule;
};
