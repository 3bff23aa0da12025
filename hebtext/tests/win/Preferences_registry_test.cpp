// The preferences in the real registry, under the current user's
// "Software\Pomlar Software\Zulta", through the application's profile.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/win/CWinApp.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/SystemPreferences.h"

namespace {

constexpr char kProfileKey[] = "Software\\Pomlar Software\\Zulta";

// The program's application object as start-up leaves it, with the
// preferences going to its profile.
struct ProgramProfile {
  ProgramProfile() : store(&app) {
    app.SetRegistryKey("Pomlar Software");
    SetPreferenceStore(&store);
  }
  ~ProgramProfile() { SetPreferenceStore(nullptr); }
  CWinApp app{"Zulta"};
  CAppProfileStore store;
};

class RegistryPreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteProfile(); }
  void TearDown() override { DeleteProfile(); }
  static void DeleteProfile() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey); }

  // A value as the registry holds it; type 0 when absent.
  static std::string RawValue(LPCSTR section, LPCSTR entry, DWORD& type) {
    char data[512] = {};
    DWORD size = sizeof data - 1;
    type = 0;
    std::string key = std::string(kProfileKey) + "\\" + section;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_ANY, &type, data, &size) !=
        ERROR_SUCCESS)
      type = 0;
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(data)) : std::string(data);
  }
  static void StoreRaw(LPCSTR section, LPCSTR entry, LPCSTR text) {
    std::string key = std::string(kProfileKey) + "\\" + section;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), entry, REG_SZ, text,
                      static_cast<DWORD>(strlen(text) + 1));
  }
};

TEST_F(RegistryPreferencesTest, WhatOneRunWritesTheNextReads) {
  {
    ProgramProfile run;
    SaveAccent(2);
    SaveKamStyle(7);
    SaveKamColor(0x00FF00);
    SaveEditorFonts("Pomlar David 2", 20, 1, 1);
    PageSettingsRec grammar;
    SetDefaultPageSettings(&grammar, 1);
    grammar.leftMargin = 500;
    SavePageSettings(&grammar, 1, 0);
    CDWordArray stops;
    stops.Add(500);
    stops.Add(1500);
    SaveTabStops(750, stops, 1);
  }
  DWORD type = 0;
  EXPECT_EQ(RawValue("General", "Accent", type), "2");
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(RawValue("General", "KAMStyle", type), "1");
  EXPECT_EQ(RawValue("General", "FontHebrew", type), "Pomlar David 2|20|1");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(RawValue("Printer", "GramTableSettings", type), "2 1 8500 11000 1 500 1000 750 1000");
  EXPECT_EQ(RawValue("HebrewEditor", "TabStopsCustom", type), "500|1500|");
  EXPECT_EQ(RawValue("HebrewEditor", "TabStopsInterval", type), "750");

  ProgramProfile next;
  EXPECT_EQ(LoadAccent(), 2);
  EXPECT_EQ(LoadKamStyle(), 1);
  EXPECT_EQ(LoadKamColor(), 0x00FF00u);
  CString face;
  WORD size = 0;
  BYTE style = 0;
  LoadEditorFonts(face, size, style, 1);
  EXPECT_STREQ(face, "Pomlar David 2");
  EXPECT_EQ(size, 20);
  PageSettingsRec grammar;
  EXPECT_EQ(LoadPageSettings(&grammar, 1, 0), 1);
  EXPECT_EQ(grammar.leftMargin, 500);
  EXPECT_EQ(grammar.orientation, 2);
  int interval = 0;
  CDWordArray stops;
  LoadTabStops(interval, stops, 1);
  EXPECT_EQ(interval, 750);
  EXPECT_EQ(stops.GetSize(), 2);
}

TEST_F(RegistryPreferencesTest, BinaryValuesGoThroughTheProfile) {
  ProgramProfile run;
  const BYTE bytes[] = {1, 0, 2, 0xFF};
  ASSERT_TRUE(run.store.WriteProfileBinary("Test", "Bytes", bytes, sizeof bytes));
  std::vector<BYTE> data{9};
  ASSERT_TRUE(run.store.GetProfileBinary("Test", "Bytes", data));
  EXPECT_EQ(data, std::vector<BYTE>(bytes, bytes + sizeof bytes));
  EXPECT_FALSE(run.store.GetProfileBinary("Test", "Missing", data));
  EXPECT_TRUE(data.empty());
}

TEST_F(RegistryPreferencesTest, EditorColoursDefaultToTheSystemColours) {
  ProgramProfile run;
  const EditorColors system = GetSystemEditorColors();
  EXPECT_EQ(system.text, ::GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(system.selectionBackground, ::GetSysColor(COLOR_HIGHLIGHT));
  StoreRaw("General", "ColorEnglish", "ff0000");  // no '|': nothing taken
  COLORREF colors[4] = {};
  LoadEditorColors(colors[0], colors[1], colors[2], colors[3], 0);
  EXPECT_EQ(colors[0], system.text);
  EXPECT_EQ(colors[1], system.background);
  EXPECT_EQ(colors[2], system.selectedText);
  EXPECT_EQ(colors[3], system.selectionBackground);

  SaveEditorColors(0x000080, 0xFFFFFF, 0x00FFFF, 0x800000, 1);
  DWORD type = 0;
  EXPECT_EQ(RawValue("General", "ColorHebrew", type), "80|ffffff|ffff|800000");
  // Without a selected-text colour the stored selection pair stays.
  SaveEditorColors(0x123456, 0xABCDEF, static_cast<COLORREF>(-1), 0, 1);
  EXPECT_EQ(RawValue("General", "ColorHebrew", type), "123456|abcdef|ffff|800000");
  LoadEditorColors(colors[0], colors[1], colors[2], colors[3], 1);
  EXPECT_EQ(colors[0], 0x123456u);
  EXPECT_EQ(colors[3], 0x800000u);
}

TEST_F(RegistryPreferencesTest, WindowPlacesAreCheckedAgainstTheScreen) {
  ProgramProfile run;
  RECT rect{};
  LoadWindowRect(rect, "Main");
  EXPECT_EQ(rect.left, -1);
  EXPECT_EQ(rect.top, -1);
  EXPECT_EQ(rect.right, -1);
  EXPECT_EQ(rect.bottom, -1);
  SaveWindowRect(RECT{100, 120, 300, 400}, "Tutor");
  DWORD type = 0;
  EXPECT_EQ(RawValue("General", "Tutor", type), "100 120 300 400");
  LoadWindowRect(rect, "Tutor");
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.bottom, 400);
  StoreRaw("General", "LetterID", "100 100 50 300");
  LoadWindowRect(rect, "LetterID");
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, ::GetSystemMetrics(SM_CXFULLSCREEN));
  EXPECT_EQ(rect.bottom, ::GetSystemMetrics(SM_CYFULLSCREEN));
  EXPECT_TRUE(IsRectOffScreen(RECT{::GetSystemMetrics(SM_CXSCREEN) + 1, 0, 5000, 100}));
  EXPECT_FALSE(IsRectOffScreen(RECT{10, 10, 100, 100}));
}

}  // namespace
