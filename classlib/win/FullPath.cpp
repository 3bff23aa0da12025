#include "classlib/win/FullPath.h"

#include <windows.h>

CString AfxFullPath(LPCSTR lpszPath) {
  char szFull[MAX_PATH];
  LPSTR lpszFilePart = nullptr;
  DWORD nLength = ::GetFullPathNameA(lpszPath, MAX_PATH, szFull, &lpszFilePart);
  if (nLength == 0 || nLength >= MAX_PATH) return CString(lpszPath);
  return CString(szFull);
}
