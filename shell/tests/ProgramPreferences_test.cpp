// The program reads its preferences at start-up from the current user's
// "Software\Pomlar Software\Zulta".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/tests/ZultaProcess.h"

namespace program_preferences_test {

bool KeyExists(const std::string& subKey) {
  HKEY hKey = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    return false;
  ::RegCloseKey(hKey);
  return true;
}

TEST(ProgramPreferences, StartUpReadsEverySectionOfTheProfile) {
  ::RegDeleteTreeA(HKEY_CURRENT_USER, kZultaProfileKey);
  {
    ZultaProcess zulta;
    ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
    ASSERT_NE(zulta.MainWindow(), nullptr);
    EXPECT_EQ(zulta.Close(), 0u);
  }
  // Reading a section through the profile opens (and so makes) its key.
  for (const char* section : {"General", "Printer", "HebrewEditor", "EnglishEditor"})
    EXPECT_TRUE(KeyExists(std::string(kZultaProfileKey) + "\\" + section)) << section;
  ::RegDeleteTreeA(HKEY_CURRENT_USER, kZultaProfileKey);
}

}  // namespace program_preferences_test
