// The profile as the portable code sees it: integer, string and binary values
// by section and entry. The application's registry-backed profile functions
// implement it on Windows; MemoryProfileStore holds the values in memory.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

class IProfileStore {
 public:
  virtual UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) = 0;
  virtual BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value) = 0;
  virtual CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) = 0;
  // A null value deletes the entry.
  virtual BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) = 0;
  // FALSE, with data emptied, when the entry holds no binary value.
  virtual BOOL GetProfileBinary(LPCSTR section, LPCSTR entry, std::vector<BYTE>& data) = 0;
  virtual BOOL WriteProfileBinary(LPCSTR section, LPCSTR entry, const BYTE* data, UINT size) = 0;

 protected:
  ~IProfileStore() = default;
};
