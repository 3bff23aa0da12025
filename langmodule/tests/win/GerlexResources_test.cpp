// The German resources, read from the module as the engine's control panel
// reads them: as a data file.
#include "langmodule/tests/win/GerlexTestSupport.h"
#include "resources/gerlex/GerlexIds.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

const WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

class GerlexResources : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(module_, nullptr) << BuiltModulePath(); }
  void TearDown() override { FreeLibrary(module_); }

  // The resource's data, or null when the module has none in German.
  const BYTE* German(LPCSTR type, int id) const {
    HRSRC resource = FindResourceExA(module_, type, MAKEINTRESOURCEA(id), kGerman);
    return resource ? static_cast<const BYTE*>(LockResource(LoadResource(module_, resource)))
                    : nullptr;
  }

  std::wstring String(int id) const {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module_, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
  }

  HMODULE module_ = LoadLibraryExA(BuiltModulePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
};

// The caption of an extended dialog template: after the fixed header come the
// menu and the class, each none (0), an ordinal (0xFFFF, n) or a string.
std::wstring DialogCaption(const BYTE* dialog) {
  const WORD* p = reinterpret_cast<const WORD*>(dialog + 26);
  for (int field = 0; field < 2; ++field) {
    if (*p == 0xFFFF) {
      p += 2;
    } else {
      while (*p++) {
      }
    }
  }
  return std::wstring(reinterpret_cast<const wchar_t*>(p));
}

struct DialogCase {
  int id;
  const wchar_t* caption;
};

TEST_F(GerlexResources, EveryPageIsAGermanDialogWithItsCaption) {
  const DialogCase pages[] = {{IDD_VOICE_PAGE, L"Stimme"},
                              {IDD_LEXICON_PAGE, L"Benutzerlexikon"},
                              {IDD_TEXT_PAGE, L"Textverarbeitung"},
                              {IDD_ABOUT_PAGE, L"Info"}};
  for (const DialogCase& page : pages) {
    const BYTE* dialog = German(RT_DIALOG, page.id);
    ASSERT_NE(dialog, nullptr) << page.id;
    // An extended template: version 1, signature 0xFFFF.
    EXPECT_EQ(reinterpret_cast<const WORD*>(dialog)[0], 1) << page.id;
    EXPECT_EQ(reinterpret_cast<const WORD*>(dialog)[1], 0xFFFF) << page.id;
    EXPECT_EQ(DialogCaption(dialog), page.caption) << page.id;
  }
}

TEST_F(GerlexResources, EveryStringIsGermanAndPresent) {
  for (int id = IDS_PANEL_TITLE; id <= IDS_ASK_SAVE_CHANGES; ++id) {
    EXPECT_NE(German(RT_STRING, id / 16 + 1), nullptr) << id;
    EXPECT_FALSE(String(id).empty()) << id;
  }
}

TEST_F(GerlexResources, StringsKeepTheirUmlautsAndQuotes) {
  EXPECT_EQ(String(IDS_LANGUAGE_NAME), L"Deutsch (Deutschland)");
  EXPECT_EQ(String(IDS_GENDER_MALE), L"männlich");
  EXPECT_EQ(String(IDS_RATE_VALUE), L"%d Wörter/Min.");
  EXPECT_EQ(String(IDS_ASK_REMOVE_WORD),
            L"Möchten Sie den Eintrag „%s“ aus dem Benutzerlexikon entfernen?");
}

TEST_F(GerlexResources, LogoIsATrueColourBitmap) {
  const BYTE* logo = German(RT_BITMAP, IDB_LOGO);
  ASSERT_NE(logo, nullptr);
  const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(logo);
  EXPECT_EQ(header->biWidth, 128);
  EXPECT_EQ(header->biHeight, 64);
  EXPECT_EQ(header->biBitCount, 24);
}

TEST_F(GerlexResources, VersionNamesTheInterfaceInGerman) {
  std::string path = BuiltModulePath();
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00060002u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00020000u);

  wchar_t* description = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040704B0\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_STREQ(description, L"SAPI-Schnittstelle für Vocarin Spokwell TTS Engine");
}

}  // namespace
