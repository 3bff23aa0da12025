// The toolkit's access to the application's settings: under the root key's
// "Software\<registry key>\<profile name>", in sections (subkeys) of named
// values, or in the private INI file the global data names. A store lives on
// the stack for one load or save; it keeps the application's key and the
// last section's key open until it goes, since a layout reads many values
// from few sections and each key opened costs a round trip to the registry.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

class CWinApp;

class CKWProfileStore {
 public:
  explicit CKWProfileStore(HKEY hRootKey = HKEY_CURRENT_USER);
  virtual ~CKWProfileStore();
  CKWProfileStore(const CKWProfileStore&) = delete;
  CKWProfileStore& operator=(const CKWProfileStore&) = delete;

  // The application's key, created when missing; nullptr when the application
  // has no registry key or it cannot be opened. The caller closes it.
  virtual HKEY GetAppRegistryKey();
  // A section's key, created when missing; the caller closes it.
  virtual HKEY GetSectionKey(LPCSTR lpszSection);

  BOOL WriteInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
  int GetInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
  // No entry deletes the whole section, no text the value.
  BOOL WriteString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
  CString GetString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
  BOOL WriteBinary(LPCSTR lpszSection, LPCSTR lpszEntry, const BYTE* pData, UINT nBytes);
  // *ppData is a new[] block the caller deletes; FALSE, with nullptr and 0,
  // when the value is missing or unreadable.
  BOOL GetBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE** ppData, UINT* pBytes);
  // The section with every key below it.
  BOOL DeleteSection(LPCSTR lpszSection);
  BOOL DeleteValue(LPCSTR lpszSection, LPCSTR lpszEntry);
  // The names of a section's values with their types (REG_*; text in an INI
  // file), and the names of its subkeys (none in an INI file), in store order.
  BOOL EnumValues(LPCSTR lpszSection, CStringArray& names, CDWordArray& types);
  BOOL EnumKeys(LPCSTR lpszSection, CStringArray& names);

 private:
  bool UsesIniFile() const { return !m_strIniFile.IsEmpty(); }
  // The section's key, kept open by the store; nullptr when it cannot be had.
  HKEY OpenSection(LPCSTR lpszSection);
  void CloseSection();

  HKEY m_hAppKey = nullptr;
  HKEY m_hSectionKey = nullptr;
  CString m_strSection;

  HKEY m_hRootKey;
  CString m_strIniFile;
  CWinApp* m_pApp;
};
