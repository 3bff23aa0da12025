#include "hebtext/win/AppProfileStore.h"

#include <memory>

#include "classlib/win/CWinApp.h"

UINT CAppProfileStore::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
  return m_pApp->GetProfileInt(section, entry, defaultValue);
}

BOOL CAppProfileStore::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
  return m_pApp->WriteProfileInt(section, entry, value);
}

CString CAppProfileStore::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
  return m_pApp->GetProfileString(section, entry, defaultValue);
}

BOOL CAppProfileStore::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
  return m_pApp->WriteProfileString(section, entry, value);
}

BOOL CAppProfileStore::GetProfileBinary(LPCSTR section, LPCSTR entry, std::vector<BYTE>& data) {
  data.clear();
  LPBYTE pData = nullptr;
  UINT nBytes = 0;
  if (!m_pApp->GetProfileBinary(section, entry, &pData, &nBytes)) return FALSE;
  std::unique_ptr<BYTE[]> owned(pData);
  data.assign(pData, pData + nBytes);
  return TRUE;
}

BOOL CAppProfileStore::WriteProfileBinary(LPCSTR section, LPCSTR entry, const BYTE* data,
                                          UINT size) {
  return m_pApp->WriteProfileBinary(section, entry, const_cast<LPBYTE>(data), size);
}
