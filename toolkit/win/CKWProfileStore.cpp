#include "toolkit/win/CKWProfileStore.h"

#include <cstring>
#include <memory>
#include <vector>

#include "classlib/win/CWinApp.h"
#include "toolkit/core/IniBinaryText.h"
#include "toolkit/win/CKWGlobalData.h"

namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;
constexpr DWORD kIniStringLength = 4096;
constexpr char kSoftwareKey[] = "Software";
constexpr DWORD kFirstReadSize = 256;

// A key closed with its holder.
class Key {
 public:
  explicit Key(HKEY hKey = nullptr) : m_hKey(hKey) {}
  ~Key() {
    if (m_hKey != nullptr) ::RegCloseKey(m_hKey);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY Get() const { return m_hKey; }
  explicit operator bool() const { return m_hKey != nullptr; }

 private:
  HKEY m_hKey;
};

HKEY CreateKey(HKEY hParent, LPCSTR lpszName) {
  HKEY hKey = nullptr;
  DWORD disposition = 0;
  if (hParent == nullptr || lpszName == nullptr ||
      ::RegCreateKeyExA(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE, kReadWrite, nullptr,
                        &hKey, &disposition) != ERROR_SUCCESS)
    return nullptr;
  return hKey;
}

// A value of the type, read in one call when it fits the first buffer (most
// are numbers), else again with the size the registry asked for, while that
// size keeps changing. FALSE when missing or of another type.
bool QueryValue(HKEY hKey, LPCSTR lpszEntry, DWORD expectedType, std::vector<BYTE>& data) {
  DWORD size = kFirstReadSize;
  for (;;) {
    data.assign(size, 0);
    DWORD type = 0, read = size;
    const LONG status = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &type, data.data(), &read);
    if (status == ERROR_MORE_DATA && read > size) {
      size = read;
      continue;
    }
    if (status != ERROR_SUCCESS || type != expectedType) return false;
    data.resize(read);
    return true;
  }
}

// Deletes the key and, depth first, every key below it.
bool DeleteKeyTree(HKEY hParent, LPCSTR lpszName) {
  HKEY hOpened = nullptr;
  if (::RegOpenKeyExA(hParent, lpszName, 0, kReadWrite, &hOpened) != ERROR_SUCCESS) return false;
  Key hKey(hOpened);
  char subkey[MAX_PATH];
  for (;;) {
    DWORD length = sizeof subkey;
    if (::RegEnumKeyExA(hKey.Get(), 0, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS ||
        !DeleteKeyTree(hKey.Get(), subkey))
      break;
  }
  return ::RegDeleteKeyA(hParent, lpszName) == ERROR_SUCCESS;
}

}  // namespace

CKWProfileStore::CKWProfileStore(HKEY hRootKey)
    : m_hRootKey(hRootKey), m_strIniFile(KWGetGlobalData().strProfileName), m_pApp(AfxGetApp()) {}

CKWProfileStore::~CKWProfileStore() {
  CloseSection();
  if (m_hAppKey != nullptr) ::RegCloseKey(m_hAppKey);
}

HKEY CKWProfileStore::OpenSection(LPCSTR lpszSection) {
  if (m_hSectionKey != nullptr && m_strSection.Compare(lpszSection) == 0) return m_hSectionKey;
  CloseSection();
  m_hSectionKey = GetSectionKey(lpszSection);
  if (m_hSectionKey != nullptr) m_strSection = lpszSection;
  return m_hSectionKey;
}

void CKWProfileStore::CloseSection() {
  if (m_hSectionKey != nullptr) ::RegCloseKey(m_hSectionKey);
  m_hSectionKey = nullptr;
  m_strSection.Empty();
}

HKEY CKWProfileStore::GetAppRegistryKey() {
  if (m_pApp == nullptr || m_pApp->m_pszRegistryKey == nullptr ||
      m_pApp->m_pszProfileName == nullptr)
    return nullptr;
  HKEY hOpened = nullptr;
  if (::RegOpenKeyExA(m_hRootKey, kSoftwareKey, 0, kReadWrite, &hOpened) != ERROR_SUCCESS)
    return nullptr;
  Key hSoftware(hOpened);
  Key hCompany(CreateKey(hSoftware.Get(), m_pApp->m_pszRegistryKey));
  return CreateKey(hCompany.Get(), m_pApp->m_pszProfileName);
}

HKEY CKWProfileStore::GetSectionKey(LPCSTR lpszSection) {
  if (m_hAppKey == nullptr) m_hAppKey = GetAppRegistryKey();
  return CreateKey(m_hAppKey, lpszSection);
}

BOOL CKWProfileStore::WriteInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
  if (UsesIniFile()) {
    CString text;
    text.Format("%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_strIniFile);
  }
  HKEY hSection = OpenSection(lpszSection);
  DWORD value = static_cast<DWORD>(nValue);
  return hSection != nullptr &&
         ::RegSetValueExA(hSection, lpszEntry, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

int CKWProfileStore::GetInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
  if (UsesIniFile())
    return static_cast<int>(
        ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_strIniFile));
  HKEY hSection = OpenSection(lpszSection);
  std::vector<BYTE> data;
  if (hSection == nullptr || !QueryValue(hSection, lpszEntry, REG_DWORD, data) ||
      data.size() != sizeof(DWORD))
    return nDefault;
  DWORD value = 0;
  std::memcpy(&value, data.data(), sizeof value);
  return static_cast<int>(value);
}

BOOL CKWProfileStore::WriteString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
  if (UsesIniFile())
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_strIniFile);
  if (lpszEntry == nullptr) return DeleteSection(lpszSection);
  if (lpszValue == nullptr) return DeleteValue(lpszSection, lpszEntry);
  HKEY hSection = OpenSection(lpszSection);
  return hSection != nullptr &&
         ::RegSetValueExA(hSection, lpszEntry, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(lpszValue),
                          static_cast<DWORD>(std::strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

CString CKWProfileStore::GetString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
  if (UsesIniFile()) {
    CString text;
    DWORD length = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault,
                                              text.GetBuffer(kIniStringLength), kIniStringLength,
                                              m_strIniFile);
    text.ReleaseBuffer(static_cast<int>(length));
    return text;
  }
  HKEY hSection = OpenSection(lpszSection);
  std::vector<BYTE> data;
  if (hSection == nullptr || !QueryValue(hSection, lpszEntry, REG_SZ, data))
    return CString(lpszDefault);
  // A stored string need not end in its terminator: it ends at the first one or with the data.
  const char* text = reinterpret_cast<const char*>(data.data());
  return CString(text, static_cast<int>(strnlen(text, data.size())));
}

BOOL CKWProfileStore::WriteBinary(LPCSTR lpszSection, LPCSTR lpszEntry, const BYTE* pData,
                                  UINT nBytes) {
  if (UsesIniFile()) return WriteString(lpszSection, lpszEntry, EncodeIniBinary(pData, nBytes));
  HKEY hSection = OpenSection(lpszSection);
  return hSection != nullptr &&
         ::RegSetValueExA(hSection, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

BOOL CKWProfileStore::GetBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE** ppData, UINT* pBytes) {
  *ppData = nullptr;
  *pBytes = 0;
  std::vector<BYTE> data;
  if (UsesIniFile()) {
    CString text = GetString(lpszSection, lpszEntry);
    if (text.IsEmpty() || !DecodeIniBinary(text, data)) return FALSE;
  } else {
    HKEY hSection = OpenSection(lpszSection);
    if (hSection == nullptr || !QueryValue(hSection, lpszEntry, REG_BINARY, data)) return FALSE;
  }
  *ppData = new BYTE[data.size()];
  std::memcpy(*ppData, data.data(), data.size());
  *pBytes = static_cast<UINT>(data.size());
  return TRUE;
}

BOOL CKWProfileStore::DeleteSection(LPCSTR lpszSection) {
  if (UsesIniFile())
    return ::WritePrivateProfileStringA(lpszSection, nullptr, nullptr, m_strIniFile);
  // A key kept open would outlive its deletion.
  CloseSection();
  if (m_hAppKey == nullptr) m_hAppKey = GetAppRegistryKey();
  return m_hAppKey != nullptr && DeleteKeyTree(m_hAppKey, lpszSection);
}

BOOL CKWProfileStore::DeleteValue(LPCSTR lpszSection, LPCSTR lpszEntry) {
  if (UsesIniFile())
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, nullptr, m_strIniFile);
  HKEY hSection = OpenSection(lpszSection);
  return hSection != nullptr && ::RegDeleteValueA(hSection, lpszEntry) == ERROR_SUCCESS;
}

BOOL CKWProfileStore::EnumValues(LPCSTR lpszSection, CStringArray& names, CDWordArray& types) {
  names.RemoveAll();
  types.RemoveAll();
  if (UsesIniFile()) {
    // The entry names, each ended by a zero, the list by a second one.
    std::vector<char> list(kIniStringLength);
    ::GetPrivateProfileStringA(lpszSection, nullptr, "", list.data(), kIniStringLength,
                               m_strIniFile);
    for (const char* name = list.data(); *name != '\0'; name += std::strlen(name) + 1) {
      names.Add(name);
      types.Add(REG_SZ);
    }
    return TRUE;
  }
  HKEY hSection = OpenSection(lpszSection);
  if (hSection == nullptr) return FALSE;
  char name[MAX_PATH];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name, type = 0;
    if (::RegEnumValueA(hSection, index, name, &length, nullptr, &type, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return TRUE;
    names.Add(name);
    types.Add(type);
  }
}

BOOL CKWProfileStore::EnumKeys(LPCSTR lpszSection, CStringArray& names) {
  names.RemoveAll();
  if (UsesIniFile()) return TRUE;
  HKEY hSection = OpenSection(lpszSection);
  if (hSection == nullptr) return FALSE;
  char name[MAX_PATH];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(hSection, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return TRUE;
    names.Add(name);
  }
}
