// The process's one record of the Windows version.
#pragma once

#include <windows.h>

class CKWOSVersionInfo : public OSVERSIONINFOA {
 public:
  // Filled by GetVersionEx on the first call.
  static const CKWOSVersionInfo& Get();

  bool IsPlatform(DWORD platformId, DWORD major, DWORD minor) const {
    return dwPlatformId == platformId && dwMajorVersion == major && dwMinorVersion == minor;
  }

 private:
  CKWOSVersionInfo();
};
