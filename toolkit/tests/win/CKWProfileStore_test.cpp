// The profile store against the registry of the Wine prefix, and against a
// private INI file.
#include "toolkit/win/CKWProfileStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "classlib/win/CWinApp.h"
#include "toolkit/win/CKWGlobalData.h"

namespace kw_profile_store_test {

constexpr char kCompanyKey[] = "Zulta Toolkit Test Company";
constexpr char kAppKey[] = "Software\\Zulta Toolkit Test Company\\Zulta Toolkit Tests";

class ProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
  }
  void TearDown() override { DeleteCompanyKey(); }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }
  static bool KeyExists(const std::string& section) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\" + section).c_str(), 0,
                        KEY_READ, &hKey) != ERROR_SUCCESS)
      return false;
    ::RegCloseKey(hKey);
    return true;
  }
  // A value as another program might have stored it.
  static void StoreRaw(LPCSTR lpszSection, LPCSTR lpszEntry, DWORD type, const void* pData,
                       DWORD nBytes) {
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER,
                                               (std::string(kAppKey) + "\\" + lpszSection).c_str(),
                                               0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr));
    ::RegSetValueExA(hKey, lpszEntry, 0, type, static_cast<const BYTE*>(pData), nBytes);
    ::RegCloseKey(hKey);
  }

  CWinApp m_app{"Zulta Toolkit Tests"};
};

TEST_F(ProfileStoreTest, ValuesMakeTheRoundTripAndMissingOnesGiveTheDefaults) {
  CKWProfileStore store;
  EXPECT_EQ(store.GetInt("Settings", "Missing", 17), 17);
  EXPECT_STREQ(store.GetString("Settings", "Missing", "default"), "default");
  EXPECT_STREQ(store.GetString("Settings", "Missing"), "");
  BYTE* pData = reinterpret_cast<BYTE*>(1);
  UINT nBytes = 5;
  EXPECT_FALSE(store.GetBinary("Settings", "Missing", &pData, &nBytes));
  EXPECT_EQ(pData, nullptr);
  EXPECT_EQ(nBytes, 0u);

  for (int value : {0, -1, 0x7FFFFFFF}) {
    ASSERT_TRUE(store.WriteInt("Settings", "Number", value));
    EXPECT_EQ(store.GetInt("Settings", "Number", 17), value);
  }
  ASSERT_TRUE(store.WriteString("Settings", "Text", "1,20,300"));
  EXPECT_STREQ(store.GetString("Settings", "Text", "x"), "1,20,300");
  const BYTE record[44] = {1, 2, 3, 0, 0xFF, 0x80};
  ASSERT_TRUE(store.WriteBinary("Bar-Bar0", "Bar Position", record, sizeof record));
  ASSERT_TRUE(store.GetBinary("Bar-Bar0", "Bar Position", &pData, &nBytes));
  std::unique_ptr<BYTE[]> owned(pData);
  ASSERT_EQ(nBytes, sizeof record);
  EXPECT_EQ(0, memcmp(pData, record, sizeof record));
}

TEST_F(ProfileStoreTest, ValuesOfAnotherTypeGiveTheDefault) {
  CKWProfileStore store;
  StoreRaw("Settings", "Number", REG_SZ, "12", 3);
  EXPECT_EQ(store.GetInt("Settings", "Number", 5), 5);
  const DWORD number = 12;
  StoreRaw("Settings", "Text", REG_DWORD, &number, sizeof number);
  EXPECT_STREQ(store.GetString("Settings", "Text", "default"), "default");
}

TEST_F(ProfileStoreTest, AStringStoredWithoutItsTerminatorEndsWithItsData) {
  StoreRaw("Settings", "Unterminated", REG_SZ, "abcdef", 3);
  StoreRaw("Settings", "Embedded", REG_SZ, "ab\0cd", 6);
  CKWProfileStore store;
  EXPECT_STREQ(store.GetString("Settings", "Unterminated"), "abc");
  EXPECT_STREQ(store.GetString("Settings", "Embedded"), "ab");
}

TEST_F(ProfileStoreTest, DeletingASectionTakesItsNestedKeysWithIt) {
  CKWProfileStore store;
  ASSERT_TRUE(store.WriteInt("Layout", "Bars", 2));
  ASSERT_TRUE(store.WriteInt("Layout\\Inner", "Value", 1));
  ASSERT_TRUE(store.WriteInt("Layout\\Inner\\Deeper", "Value", 1));
  ASSERT_TRUE(store.WriteInt("Layout\\Second", "Value", 1));
  ASSERT_TRUE(store.WriteInt("Kept", "Value", 3));
  EXPECT_TRUE(store.DeleteSection("Layout"));
  EXPECT_FALSE(KeyExists("Layout"));
  EXPECT_EQ(store.GetInt("Layout", "Bars", -1), -1);
  EXPECT_EQ(store.GetInt("Kept", "Value", -1), 3);
  EXPECT_FALSE(store.DeleteSection("Never Written"));
}

TEST_F(ProfileStoreTest, WritingNoEntryRemovesTheSectionAndNoTextTheValue) {
  CKWProfileStore store;
  ASSERT_TRUE(store.WriteString("Columns", "Widths", "120,80"));
  ASSERT_TRUE(store.WriteString("Columns", "Other", "x"));
  ASSERT_TRUE(store.WriteInt("Columns\\Nested", "Value", 1));
  EXPECT_TRUE(store.WriteString("Columns", "Widths", nullptr));
  EXPECT_STREQ(store.GetString("Columns", "Widths", "gone"), "gone");
  EXPECT_STREQ(store.GetString("Columns", "Other"), "x");
  EXPECT_TRUE(store.WriteString("Columns", nullptr, nullptr));
  EXPECT_FALSE(KeyExists("Columns"));
  ASSERT_TRUE(store.WriteInt("Recent Item List", "Item1", 32771));
  EXPECT_TRUE(store.DeleteValue("Recent Item List", "Item1"));
  EXPECT_EQ(store.GetInt("Recent Item List", "Item1", 0), 0);
}

TEST_F(ProfileStoreTest, EnumeratesASectionsValuesAndKeys) {
  CKWProfileStore store;
  ASSERT_TRUE(store.WriteInt("Listed", "Number", 1));
  ASSERT_TRUE(store.WriteString("Listed", "Text", "x"));
  const BYTE byte = 1;
  ASSERT_TRUE(store.WriteBinary("Listed", "Bytes", &byte, 1));
  ASSERT_TRUE(store.WriteInt("Listed\\Child", "Value", 1));
  CStringArray names;
  CDWordArray types;
  ASSERT_TRUE(store.EnumValues("Listed", names, types));
  // In the registry's order, which is the store's own.
  std::map<std::string, DWORD> listed;
  for (int i = 0; i < names.GetSize(); ++i) listed[std::string(names[i])] = types[i];
  EXPECT_EQ(listed, (std::map<std::string, DWORD>{
                        {"Number", REG_DWORD}, {"Text", REG_SZ}, {"Bytes", REG_BINARY}}));
  ASSERT_TRUE(store.EnumKeys("Listed", names));
  ASSERT_EQ(names.GetSize(), 1);
  EXPECT_STREQ(names[0], "Child");
}

TEST_F(ProfileStoreTest, WithoutARegistryKeyWritesFailAndReadsGiveTheDefault) {
  free(const_cast<LPSTR>(m_app.m_pszRegistryKey));
  m_app.m_pszRegistryKey = nullptr;
  CKWProfileStore store;
  EXPECT_EQ(store.GetAppRegistryKey(), nullptr);
  EXPECT_FALSE(store.WriteInt("Settings", "Number", 1));
  EXPECT_FALSE(store.WriteString("Settings", "Text", "x"));
  EXPECT_EQ(store.GetInt("Settings", "Number", 9), 9);
}

// The same calls on a private INI file, which the global data names.
class IniProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char directory[MAX_PATH];
    ::GetTempPathA(MAX_PATH, directory);
    m_path = std::string(directory) + "zulta-toolkit-profile.ini";
    ::DeleteFileA(m_path.c_str());
    KWGetGlobalData().strProfileName = m_path.c_str();
  }
  void TearDown() override {
    KWGetGlobalData().strProfileName.Empty();
    ::DeleteFileA(m_path.c_str());
  }
  std::string m_path;
};

TEST_F(IniProfileStoreTest, BinaryValuesAreLettersAndOddTextIsRefused) {
  CKWProfileStore store;
  const BYTE bytes[] = {0x12, 0xAB};
  ASSERT_TRUE(store.WriteBinary("Settings", "Bytes", bytes, sizeof bytes));
  char text[16] = {};
  ::GetPrivateProfileStringA("Settings", "Bytes", "", text, sizeof text, m_path.c_str());
  EXPECT_STREQ(text, "CBLK");
  BYTE* pData = nullptr;
  UINT nBytes = 0;
  ASSERT_TRUE(store.GetBinary("Settings", "Bytes", &pData, &nBytes));
  std::unique_ptr<BYTE[]> owned(pData);
  ASSERT_EQ(nBytes, 2u);
  EXPECT_EQ(pData[0], 0x12);
  EXPECT_EQ(pData[1], 0xAB);

  ::WritePrivateProfileStringA("Settings", "Odd", "CBL", m_path.c_str());
  EXPECT_FALSE(store.GetBinary("Settings", "Odd", &pData, &nBytes));
  EXPECT_EQ(pData, nullptr);

  ASSERT_TRUE(store.WriteInt("Settings", "Number", -12));
  EXPECT_EQ(store.GetInt("Settings", "Number", 0), -12);
  EXPECT_EQ(store.GetInt("Settings", "Missing", 7), 7);
  CStringArray names;
  CDWordArray types;
  ASSERT_TRUE(store.EnumValues("Settings", names, types));
  ASSERT_EQ(names.GetSize(), 3);
  EXPECT_STREQ(names[2], "Number");
  EXPECT_TRUE(store.DeleteSection("Settings"));
  EXPECT_EQ(store.GetInt("Settings", "Number", 0), 0);
}

}  // namespace kw_profile_store_test
