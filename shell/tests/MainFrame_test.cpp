// The main window as the user first sees it and as it is kept: its bars and
// docking windows where the first start puts them, its menus, a toolbar and
// a docking window hidden and the layout reset, and the layout restored at
// the next start.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "resources/MainFrameIds.h"
#include "resources/NumberTableIds.h"
#include "resources/ShellIds.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace main_frame_test {

constexpr char kBarStatePrefix[] = "ZultaBarState-";
// A docking window's tab control.
constexpr int kTabCtrlId = 0x3020;
constexpr int kPrepositionTab = 2;
// The width of a popup menu's frame, in pixels.
constexpr int kMenuFrame = 3;

RECT ScreenRect(HWND hWnd) {
  RECT rect = {};
  ::GetWindowRect(hWnd, &rect);
  return rect;
}

bool IsShown(HWND hMain, int nID) {
  HWND hBar = FindDescendantById(hMain, nID);
  return hBar != nullptr && ::IsWindowVisible(hBar);
}

// The saved layout's sections, as the program's toolkit keeps them.
std::vector<std::string> SavedLayoutSections() {
  std::vector<std::string> sections;
  HKEY hKey = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kZultaProfileKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    return sections;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(hKey, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    if (std::string(name).rfind(kBarStatePrefix, 0) == 0) sections.push_back(name);
  }
  ::RegCloseKey(hKey);
  return sections;
}

int ProfileInt(const char* section, const char* entry) {
  DWORD value = 0;
  DWORD size = sizeof value;
  const std::string key = std::string(kZultaProfileKey) + "\\" + section;
  if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<int>(value);
}

void ForgetSavedLayout() {
  for (const std::string& section : SavedLayoutSections())
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kZultaProfileKey) + "\\" + section).c_str());
}

class MainFrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ForgetSavedLayout(); }

  void Start() {
    m_zulta = std::make_unique<ZultaProcess>();
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    m_hMain = m_zulta->MainWindow();
    ASSERT_NE(nullptr, m_hMain);
    // The layout is done once every docking window is in its place.
    ASSERT_TRUE(WaitFor([&] { return IsShown(m_hMain, IDW_KEYBOARD_GUIDES); }));
  }
  // The command is carried out at once; the posted message after it lets
  // the program's idle time bring its bars up to date, as after any input.
  void Command(UINT nID) {
    ::SendMessageA(m_hMain, WM_COMMAND, nID, 0);
    ::PostMessageA(m_hMain, WM_NULL, 0, 0);
  }
  // The program's window with the keyboard focus.
  HWND FocusedWindow() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_hMain, nullptr), &info);
    return info.hwndFocus;
  }
  // The selected tab of Grammar Tables.
  int GrammarTab() {
    HWND hTabs = ::GetDlgItem(FindDescendantById(m_hMain, IDW_GRAMMAR_TABLES), kTabCtrlId);
    return static_cast<int>(::SendMessageA(hTabs, TCM_GETCURSEL, 0, 0));
  }
  void Close() { EXPECT_EQ(0u, m_zulta->Close()); }

  // The default layout: toolbars in two rows at the top, Grammar Tables at
  // the left, the lookup window and Keyboard Guides side by side below.
  void ExpectDefaultLayout() {
    const RECT file = ScreenRect(FindDescendantById(m_hMain, IDW_FILE_TOOLBAR));
    const RECT grammarBar = ScreenRect(FindDescendantById(m_hMain, IDW_GRAMMAR_TOOLBAR));
    const RECT lookupBar = ScreenRect(FindDescendantById(m_hMain, IDW_LOOKUP_TOOLBAR));
    const RECT editorBar = ScreenRect(FindDescendantById(m_hMain, IDW_EDITOR_TOOLBAR));
    const RECT grammar = ScreenRect(FindDescendantById(m_hMain, IDW_GRAMMAR_TABLES));
    const RECT lookup = ScreenRect(FindDescendantById(m_hMain, IDW_LOOKUP_WINDOW));
    const RECT keyboard = ScreenRect(FindDescendantById(m_hMain, IDW_KEYBOARD_GUIDES));
    const RECT status = ScreenRect(FindDescendantById(m_hMain, IDW_STATUS_BAR));
    EXPECT_EQ(file.top, grammarBar.top) << "one row";
    EXPECT_EQ(file.top, lookupBar.top);
    EXPECT_LE(file.right, grammarBar.left);
    EXPECT_LE(grammarBar.right, lookupBar.left);
    EXPECT_GE(editorBar.top, file.bottom) << "a row of its own below";
    EXPECT_GE(grammar.top, editorBar.bottom) << "below the toolbars";
    EXPECT_LE(grammar.left, lookup.left) << "at the left";
    EXPECT_GE(lookup.top, grammar.bottom) << "below Grammar Tables";
    EXPECT_EQ(lookup.top, keyboard.top) << "side by side";
    EXPECT_LE(lookup.right, keyboard.left);
    EXPECT_LE(lookup.bottom, status.top) << "above the status bar";
    // Grammar Tables at two thirds of the screen's height, half its width.
    const int screenWidth = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    EXPECT_NEAR(screenWidth / 2, grammar.right - grammar.left, screenWidth / 10);
  }

  // The main window once its bars are painted: the File toolbar's pictures
  // and the status bar's face show.
  RgbImage CapturePainted() {
    const RECT window = ScreenRect(m_hMain);
    auto areaOf = [&](int nID) {
      const RECT bar = ScreenRect(FindDescendantById(m_hMain, nID));
      return RECT{bar.left - window.left, bar.top - window.top, bar.right - window.left,
                  bar.bottom - window.top};
    };
    const RECT toolbar = areaOf(IDW_FILE_TOOLBAR);
    const RECT status = areaOf(IDW_STATUS_BAR);
    RgbImage shot;
    WaitFor([&] {
      shot = CaptureWindow(m_hMain);
      return CountPixels(shot, toolbar, IsColor(RGB(0, 0, 128))) > 20 &&
             CountPixels(shot, status, IsColor(::GetSysColor(COLOR_BTNFACE))) >
                 (status.right - status.left) * 5;
    });
    return shot;
  }

  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hMain = nullptr;
};

TEST_F(MainFrameTest, FirstStartShowsTheDefaultLayout) {
  Start();
  ExpectDefaultLayout();
  EXPECT_FALSE(SaveScreenshot(CapturePainted(), "main-frame-default-layout").empty());
  Close();
}

// Full View sizes the window to the whole of the number tab's form, which
// then needs no scroll bar; again on the unchanged window it goes back to the
// user's size less a pixel. Hiding a docking window with no document open
// moves the focus to the lookup window, and hiding that one to the keyboard
// guides.
TEST_F(MainFrameTest, FullViewRestoresAndAHiddenWindowPassesTheFocusOn) {
  Start();
  HWND hGrammar = FindDescendantById(m_hMain, IDW_GRAMMAR_TABLES);
  Command(ID_GRAMMAR_NUMBER_TABLE);
  HWND hNumberView = ::GetParent(FindDescendantById(m_hMain, IDC_NUMBER_EDIT));
  ASSERT_NE(hNumberView, nullptr);
  RECT before = ScreenRect(hGrammar);
  Command(ID_GRAMMAR_FULL_VIEW);
  RECT full = ScreenRect(hGrammar);
  // The form is 396 dialog units wide and its number edit 60: the edit
  // gives the form's width in pixels.
  const RECT edit = ScreenRect(FindDescendantById(m_hMain, IDC_NUMBER_EDIT));
  const int kFormUnits = 396, kEditUnits = 60;
  RECT client = {};
  ::GetClientRect(hNumberView, &client);
  EXPECT_EQ((edit.right - edit.left) * kFormUnits / kEditUnits, client.right);
  EXPECT_EQ(0, ::GetWindowLongA(hNumberView, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_NE(before.right - before.left, full.right - full.left);
  Command(ID_GRAMMAR_FULL_VIEW);
  RECT restored = ScreenRect(hGrammar);
  EXPECT_EQ(before.right - before.left - 1, restored.right - restored.left);

  Command(ID_VIEW_GRAMMAR_TABLES);
  HWND hLookup = FindDescendantById(m_hMain, IDW_LOOKUP_WINDOW);
  EXPECT_TRUE(WaitFor([&] {
    HWND hFocus = FocusedWindow();
    return hFocus != nullptr && ::GetParent(hFocus) == hLookup;
  })) << "the lookup window's list has the focus";
  // Each docking window answers help with its own context.
  const LRESULT kBarHelpContextBase = 0x50000;
  EXPECT_EQ(kBarHelpContextBase + IDW_LOOKUP_WINDOW, ::SendMessageA(hLookup, WM_HELPHITTEST, 0, 0));
  EXPECT_EQ(kBarHelpContextBase + IDW_GRAMMAR_TABLES,
            ::SendMessageA(hGrammar, WM_HELPHITTEST, 0, 0));
  // Hiding the lookup window then moves it on to the keyboard guides.
  Command(ID_VIEW_LOOKUP_WINDOW);
  HWND hKeyboard = FindDescendantById(m_hMain, IDW_KEYBOARD_GUIDES);
  ASSERT_TRUE(IsShown(m_hMain, IDW_KEYBOARD_GUIDES));
  EXPECT_TRUE(WaitFor([&] { return ::IsChild(hKeyboard, FocusedWindow()) != FALSE; }))
      << "the keyboard guides have the focus";
  Command(ID_VIEW_RESET_LAYOUT);
  Close();
  ForgetSavedLayout();
}

// A saved layout that names a bar the frame does not have is not used: the
// first start's layout shows and the saved one is deleted.
TEST_F(MainFrameTest, ASavedLayoutNamingAnUnknownBarIsDiscarded) {
  Start();
  Command(ID_VIEW_KEYBOARD_GUIDES);
  Close();
  const std::string summary = std::string(kZultaProfileKey) + "\\ZultaBarState-Summary";
  DWORD bars = 0;
  DWORD size = sizeof bars;
  ASSERT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_CURRENT_USER, summary.c_str(), "Bars",
                                          RRF_RT_REG_DWORD, nullptr, &bars, &size));
  const std::string extra =
      std::string(kZultaProfileKey) + "\\ZultaBarState-Bar" + std::to_string(bars);
  const DWORD unknownBar = 0xE8F0;
  ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, extra.c_str(), "BarID", REG_DWORD,
                                             &unknownBar, sizeof unknownBar));
  ++bars;
  ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, summary.c_str(), "Bars", REG_DWORD,
                                             &bars, sizeof bars));

  Start();
  EXPECT_TRUE(IsShown(m_hMain, IDW_KEYBOARD_GUIDES));
  ExpectDefaultLayout();
  EXPECT_TRUE(SavedLayoutSections().empty());
  Close();
  ForgetSavedLayout();
}

// A lookup mode button takes the lookup edit's focus and is ticked; choosing
// the mode already active changes nothing, not even the focus.
TEST_F(MainFrameTest, LookupModesTickTheirButtonAndFocusTheEdit) {
  Start();
  HWND hLookupBar = FindDescendantById(m_hMain, IDW_LOOKUP_TOOLBAR);
  HWND hKeyboard = FindDescendantById(m_hMain, IDW_KEYBOARD_GUIDES);
  auto isChecked = [&](UINT nID) {
    return ::SendMessageA(hLookupBar, TB_ISBUTTONCHECKED, nID, 0) != 0;
  };
  auto keyboardHasFocus = [&] { return ::IsChild(hKeyboard, FocusedWindow()) != FALSE; };
  EXPECT_TRUE(WaitFor([&] { return isChecked(ID_LOOKUP_HEBREW_LIST); }));
  // Posted, it comes after whatever start-up posted.
  ::PostMessageA(m_hMain, WM_COMMAND, ID_FOCUS_KEYBOARD_GUIDES, 0);
  ASSERT_TRUE(WaitFor(keyboardHasFocus));

  Command(ID_LOOKUP_ENGLISH_KEYWORDS);
  EXPECT_EQ(IDC_LOOKUP_EDIT, ::GetDlgCtrlID(FocusedWindow()));
  EXPECT_TRUE(WaitFor([&] { return isChecked(ID_LOOKUP_ENGLISH_KEYWORDS); }));
  EXPECT_FALSE(isChecked(ID_LOOKUP_HEBREW_LIST));

  Command(ID_FOCUS_KEYBOARD_GUIDES);
  ASSERT_TRUE(keyboardHasFocus());
  Command(ID_LOOKUP_ENGLISH_KEYWORDS);
  EXPECT_TRUE(keyboardHasFocus());
  Command(ID_LOOKUP_HEBREW_LIST);
  Close();
}

TEST(MainFrameResourceTest, TheMenuEndsWithTheDeveloperPopupThatTheFrameRemoves) {
  HMODULE exe =
      ::LoadLibraryExA(WindowsPath(ZULTA_EXE_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HMENU hMenu = ::LoadMenuA(exe, MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(nullptr, hMenu);
  const char* const expected[] = {
      "&File",   "&Edit",          "&Search",      "F&ormat",
      "&View",   "&Grammar Table", "&Preferences", "&Language Reference",
      "&Window", "&Help",          "&Developer"};
  ASSERT_EQ(static_cast<int>(std::size(expected)), ::GetMenuItemCount(hMenu));
  for (UINT i = 0; i < std::size(expected); ++i) {
    char text[64] = {};
    ::GetMenuStringA(hMenu, i, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(expected[i], text);
  }
  ::DestroyMenu(hMenu);
  EXPECT_NE(nullptr, ::LoadAcceleratorsA(exe, MAKEINTRESOURCEA(IDR_MAINFRAME)));
  ::FreeLibrary(exe);
}

// Each menu opens from its mnemonic and shows enabled items.
TEST_F(MainFrameTest, EachMenuOpensWithEnabledItems) {
  Start();
  struct Menu {
    char key;
    const char* name;
  };
  const Menu menus[] = {{'f', "file"},          {'e', "edit"},        {'v', "view"},
                        {'g', "grammar-table"}, {'p', "preferences"}, {'l', "language-reference"},
                        {'w', "window"},        {'h', "help"}};
  const uint32_t menuFace = CaptureColor(::GetSysColor(COLOR_MENU));
  const PixelTest isPainted = [&](uint32_t rgb) { return rgb != menuFace; };
  const PixelTest isText = IsColor(::GetSysColor(COLOR_MENUTEXT));
  for (const Menu& menu : menus) {
    ::PostMessageA(m_hMain, WM_SYSCOMMAND, SC_KEYMENU, menu.key);
    HWND hPopup = WaitForTopLevelWindow(m_zulta->Id(), nullptr, "#32768");
    ASSERT_NE(nullptr, hPopup) << menu.name << " did not open";
    RgbImage shot;
    auto itemPixels = [&](const PixelTest& test) {
      const RECT items = {kMenuFrame, kMenuFrame, shot.width - kMenuFrame,
                          shot.height - kMenuFrame};
      return CountPixels(shot, items, test);
    };
    // The popup is painted a moment after it appears, and on a slow machine
    // its frame can show before its items: wait until the items are drawn
    // (the enabled ones in the text colour) and stay as they are.
    const bool bDrawn = WaitFor([&] {
      RgbImage next = CaptureWindow(hPopup);
      const bool bSettled = next.pixels == shot.pixels;
      shot = std::move(next);
      return bSettled && itemPixels(isPainted) > 50 && itemPixels(isText) > 50;
    });
    EXPECT_FALSE(SaveScreenshot(shot, "main-menu-" + std::string(menu.name)).empty());
    EXPECT_TRUE(bDrawn) << menu.name << ": the items were not drawn";
    EXPECT_GT(itemPixels(isText), 50) << menu.name << ": enabled items";
    ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(hPopup); })) << menu.name;
  }
  Close();
}

TEST_F(MainFrameTest, HiddenBarsComeBackWithResetLayoutAndTheLayoutIsKeptForTheNextStart) {
  Start();
  Command(ID_VIEW_FILE_TOOLBAR);
  Command(ID_VIEW_GRAMMAR_TABLES);
  EXPECT_FALSE(IsShown(m_hMain, IDW_FILE_TOOLBAR));
  EXPECT_FALSE(IsShown(m_hMain, IDW_GRAMMAR_TABLES));
  Command(ID_VIEW_RESET_LAYOUT);
  EXPECT_TRUE(IsShown(m_hMain, IDW_FILE_TOOLBAR));
  EXPECT_TRUE(IsShown(m_hMain, IDW_GRAMMAR_TABLES));
  ExpectDefaultLayout();

  // Hidden when the program ends, hidden when it starts again; the same tab
  // of Grammar Tables in front.
  Command(ID_VIEW_KEYBOARD_GUIDES);
  Command(ID_VIEW_LOOKUP_TOOLBAR);
  Command(ID_GRAMMAR_PREPOSITION_TABLE);
  EXPECT_EQ(kPrepositionTab, GrammarTab());
  Close();
  const std::vector<std::string> sections = SavedLayoutSections();
  EXPECT_NE(sections.end(), std::find(sections.begin(), sections.end(), "ZultaBarState-Summary"));
  EXPECT_EQ(kPrepositionTab, ProfileInt("Settings", "ActiveGrammarTab"));

  m_zulta = std::make_unique<ZultaProcess>();
  m_hMain = m_zulta->MainWindow();
  ASSERT_NE(nullptr, m_hMain);
  ASSERT_TRUE(WaitFor([&] { return IsShown(m_hMain, IDW_GRAMMAR_TABLES); }));
  EXPECT_FALSE(IsShown(m_hMain, IDW_KEYBOARD_GUIDES));
  EXPECT_FALSE(IsShown(m_hMain, IDW_LOOKUP_TOOLBAR));
  EXPECT_TRUE(IsShown(m_hMain, IDW_FILE_TOOLBAR));
  EXPECT_EQ(kPrepositionTab, GrammarTab());
  EXPECT_FALSE(SaveScreenshot(CapturePainted(), "main-frame-restored-layout").empty());
  Command(ID_VIEW_RESET_LAYOUT);
  EXPECT_TRUE(IsShown(m_hMain, IDW_KEYBOARD_GUIDES));
  EXPECT_TRUE(SavedLayoutSections().empty()) << "Reset forgets the saved layout";
  Command(ID_GRAMMAR_VERB_TABLE);
  Close();
  ForgetSavedLayout();
}

}  // namespace main_frame_test
