// The preferences' profile on Windows: the application object's profile
// functions, that is the current user's key "Software\<company>\<profile>".
#pragma once

#include "hebtext/core/ProfileStore.h"

class CWinApp;

class CAppProfileStore : public IProfileStore {
 public:
  explicit CAppProfileStore(CWinApp* pApp) : m_pApp(pApp) {}
  UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) override;
  BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value) override;
  CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) override;
  BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) override;
  BOOL GetProfileBinary(LPCSTR section, LPCSTR entry, std::vector<BYTE>& data) override;
  BOOL WriteProfileBinary(LPCSTR section, LPCSTR entry, const BYTE* data, UINT size) override;

 private:
  CWinApp* m_pApp;
};
