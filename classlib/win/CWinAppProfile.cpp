// The application's settings in the current user's registry.
#include <memory>

#include "classlib/win/CWinApp.h"

namespace {

// Closes a registry key when it goes out of scope.
struct KeyCloser {
  void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using ScopedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

HKEY CreateSubKey(HKEY hParent, LPCSTR lpszSubKey) {
  HKEY hKey = nullptr;
  DWORD dwDisposition = 0;
  if (::RegCreateKeyExA(hParent, lpszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &hKey, &dwDisposition) != ERROR_SUCCESS)
    return nullptr;
  return hKey;
}

constexpr DWORD kFirstReadSize = 256;
constexpr char kSoftwareKey[] = "Software";

// Reads a value of the given type, in one call when it fits the first
// buffer, else again with the size the registry asked for; FALSE for a
// missing value or another type.
BOOL QueryValue(HKEY hKey, LPCSTR lpszEntry, DWORD dwWantedType, std::unique_ptr<BYTE[]>& data,
                DWORD& nBytes) {
  DWORD nSize = kFirstReadSize;
  for (;;) {
    // One byte more holds a terminator a stored string may lack.
    data.reset(new BYTE[nSize + 1]);
    DWORD dwType = 0;
    nBytes = nSize;
    const LONG status = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, data.get(), &nBytes);
    if (status == ERROR_MORE_DATA && nBytes > nSize) {
      nSize = nBytes;
      continue;
    }
    if (status != ERROR_SUCCESS || dwType != dwWantedType) return FALSE;
    data[nBytes] = 0;
    return TRUE;
  }
}

// The application's key below the current user's root.
CString AppKeyPath(LPCSTR lpszRegistryKey, LPCSTR lpszProfileName) {
  CString strPath;
  strPath.Format("%s\\%s\\%s", kSoftwareKey, lpszRegistryKey, lpszProfileName);
  return strPath;
}

}  // namespace

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
  free(const_cast<LPSTR>(m_pszRegistryKey));
  m_pszRegistryKey = _strdup(lpszRegistryKey);
  // The profile is named after the application from now on.
  free(const_cast<LPSTR>(m_pszProfileName));
  m_pszProfileName = m_pszAppName != nullptr ? _strdup(m_pszAppName) : nullptr;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  CString strKey;
  strKey.LoadString(nIDRegistryKey);
  SetRegistryKey(strKey);
}

// Each key is opened or created with its whole path in one call: every key
// opened on the way costs a round trip to the registry, and settings are read
// one value at a time.
HKEY CWinApp::GetAppRegistryKey() {
  if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr) return nullptr;
  return CreateSubKey(HKEY_CURRENT_USER, AppKeyPath(m_pszRegistryKey, m_pszProfileName));
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection) {
  if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr) return nullptr;
  if (lpszSection == nullptr || *lpszSection == '\0') {
    ScopedKey hApp(GetAppRegistryKey());
    return hApp ? CreateSubKey(hApp.get(), lpszSection) : nullptr;
  }
  CString strPath = AppKeyPath(m_pszRegistryKey, m_pszProfileName);
  strPath += '\\';
  strPath += lpszSection;
  return CreateSubKey(HKEY_CURRENT_USER, strPath);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
  ScopedKey hSection(GetSectionKey(lpszSection));
  std::unique_ptr<BYTE[]> data;
  DWORD nBytes = 0;
  if (!hSection || !QueryValue(hSection.get(), lpszEntry, REG_DWORD, data, nBytes) ||
      nBytes != sizeof(DWORD))
    return static_cast<UINT>(nDefault);
  DWORD dwValue = 0;
  memcpy(&dwValue, data.get(), sizeof dwValue);
  return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
  ScopedKey hSection(GetSectionKey(lpszSection));
  if (!hSection) return FALSE;
  DWORD dwValue = static_cast<DWORD>(nValue);
  return ::RegSetValueExA(hSection.get(), lpszEntry, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
  ScopedKey hSection(GetSectionKey(lpszSection));
  std::unique_ptr<BYTE[]> data;
  DWORD nBytes = 0;
  if (!hSection || !QueryValue(hSection.get(), lpszEntry, REG_SZ, data, nBytes))
    return CString(lpszDefault);
  return CString(reinterpret_cast<LPCSTR>(data.get()));
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
  if (lpszEntry == nullptr) {
    ScopedKey hApp(GetAppRegistryKey());
    if (!hApp) return FALSE;
    return ::RegDeleteKeyA(hApp.get(), lpszSection) == ERROR_SUCCESS;
  }
  ScopedKey hSection(GetSectionKey(lpszSection));
  if (!hSection) return FALSE;
  if (lpszValue == nullptr) return ::RegDeleteValueA(hSection.get(), lpszEntry) == ERROR_SUCCESS;
  return ::RegSetValueExA(hSection.get(), lpszEntry, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(lpszValue),
                          static_cast<DWORD>(strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
  *ppData = nullptr;
  *pBytes = 0;
  ScopedKey hSection(GetSectionKey(lpszSection));
  std::unique_ptr<BYTE[]> data;
  DWORD nBytes = 0;
  if (!hSection || !QueryValue(hSection.get(), lpszEntry, REG_BINARY, data, nBytes)) return FALSE;
  *ppData = data.release();
  *pBytes = nBytes;
  return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes) {
  ScopedKey hSection(GetSectionKey(lpszSection));
  if (!hSection) return FALSE;
  return ::RegSetValueExA(hSection.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
