// The application's settings under
// HKEY_CURRENT_USER\Software\<registry key>\<application>\<section>.
#include <memory>
#include <string>

#include "classlib/tests/win/WndTestSupport.h"

namespace profile_test {

constexpr const char* kCompanyKey = "Zulta Test Company";
constexpr const char* kAppKey = "Software\\Zulta Test Company\\Zulta Tests";

class ProfileTest : public AppTest {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
  }
  void TearDown() override {
    DeleteCompanyKey();
    AppTest::TearDown();
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }
  static bool KeyExists(const std::string& subKey) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
      return false;
    ::RegCloseKey(hKey);
    return true;
  }
  // Stores a value as another program might have written it.
  static void StoreRaw(LPCSTR lpszEntry, DWORD dwType, const void* pData, DWORD nBytes) {
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\Raw").c_str(), 0,
                                nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr));
    ::RegSetValueExA(hKey, lpszEntry, 0, dwType, static_cast<const BYTE*>(pData), nBytes);
    ::RegCloseKey(hKey);
  }
};

TEST_F(ProfileTest, TheProfileIsNamedAfterTheApplication) {
  EXPECT_STREQ(kCompanyKey, m_app.m_pszRegistryKey);
  EXPECT_STREQ("Zulta Tests", m_app.m_pszProfileName);
  ASSERT_TRUE(m_app.WriteProfileInt("Section", "Entry", 1));
  EXPECT_TRUE(KeyExists(std::string(kAppKey) + "\\Section"));
}

TEST_F(ProfileTest, NumbersMakeTheRoundTrip) {
  for (int value : {0, 1, -5, 0x7FFFFFFF}) {
    ASSERT_TRUE(m_app.WriteProfileInt("Numbers", "Value", value));
    EXPECT_EQ(value, static_cast<int>(m_app.GetProfileInt("Numbers", "Value", 42))) << value;
  }
}

TEST_F(ProfileTest, StringsMakeTheRoundTrip) {
  for (const char* value : {"", "Frank Ruehl", "\xE0\xE1\xE2 - 1255"}) {
    ASSERT_TRUE(m_app.WriteProfileString("Texts", "Value", value));
    EXPECT_STREQ(value, m_app.GetProfileString("Texts", "Value", "default")) << value;
  }
}

TEST_F(ProfileTest, BinaryDataMakesTheRoundTrip) {
  BYTE data[] = {0, 1, 0, 0xFF, 0x80, 0};
  ASSERT_TRUE(m_app.WriteProfileBinary("Blobs", "Value", data, sizeof data));
  LPBYTE pRead = nullptr;
  UINT nBytes = 0;
  ASSERT_TRUE(m_app.GetProfileBinary("Blobs", "Value", &pRead, &nBytes));
  std::unique_ptr<BYTE[]> owner(pRead);
  ASSERT_EQ(sizeof data, nBytes);
  EXPECT_EQ(0, memcmp(data, pRead, sizeof data));
}

TEST_F(ProfileTest, AMissingValueGivesTheDefault) {
  EXPECT_EQ(42u, m_app.GetProfileInt("Missing", "Value", 42));
  EXPECT_STREQ("default", m_app.GetProfileString("Missing", "Value", "default"));
  EXPECT_STREQ("", m_app.GetProfileString("Missing", "Value"));
  LPBYTE pRead = reinterpret_cast<LPBYTE>(1);
  UINT nBytes = 99;
  EXPECT_FALSE(m_app.GetProfileBinary("Missing", "Value", &pRead, &nBytes));
  EXPECT_EQ(nullptr, pRead);
  EXPECT_EQ(0u, nBytes);
}

TEST_F(ProfileTest, AValueOfAnotherTypeGivesTheDefault) {
  ASSERT_TRUE(m_app.WriteProfileString("Mixed", "Text", "12"));
  ASSERT_TRUE(m_app.WriteProfileInt("Mixed", "Number", 12));
  EXPECT_EQ(42u, m_app.GetProfileInt("Mixed", "Text", 42));
  EXPECT_STREQ("default", m_app.GetProfileString("Mixed", "Number", "default"));
  LPBYTE pRead = nullptr;
  UINT nBytes = 0;
  EXPECT_FALSE(m_app.GetProfileBinary("Mixed", "Number", &pRead, &nBytes));
}

TEST_F(ProfileTest, AStringStoredWithoutItsTerminatorIsReadWhole) {
  StoreRaw("Unterminated", REG_SZ, "abc", 3);
  EXPECT_STREQ("abc", m_app.GetProfileString("Raw", "Unterminated", "default"));
}

TEST_F(ProfileTest, EntriesAndSectionsAreDeleted) {
  ASSERT_TRUE(m_app.WriteProfileString("Doomed", "A", "1"));
  ASSERT_TRUE(m_app.WriteProfileString("Doomed", "B", "2"));
  EXPECT_TRUE(m_app.WriteProfileString("Doomed", "A", nullptr));
  EXPECT_STREQ("gone", m_app.GetProfileString("Doomed", "A", "gone"));
  EXPECT_STREQ("2", m_app.GetProfileString("Doomed", "B", "gone"));
  EXPECT_TRUE(m_app.WriteProfileString("Doomed", nullptr, nullptr));
  EXPECT_FALSE(KeyExists(std::string(kAppKey) + "\\Doomed"));
}

TEST(ProfileWithoutKeyTest, ReadsGiveTheDefaultAndWritesFail) {
  CWinApp app("Zulta Tests");
  EXPECT_FALSE(app.WriteProfileInt("Section", "Value", 5));
  EXPECT_EQ(42u, app.GetProfileInt("Section", "Value", 42));
  EXPECT_STREQ("default", app.GetProfileString("Section", "Value", "default"));
}

}  // namespace profile_test
