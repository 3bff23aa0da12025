// The program's menu: commands routed to their handlers, the state of the
// Edit items, the About box.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <utility>

#include "classlib/win/AfxRes.h"
#include "resources/HebtextIds.h"
#include "resources/MainFrameIds.h"
#include "resources/ShellIds.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace main_menu_test {

// The width of a popup menu's frame, in pixels.
constexpr int kMenuFrame = 3;
// The About box's picture and where the program writes the version line on it.
constexpr int kPictureWidth = 480, kPictureHeight = 330;
constexpr int kVersionLeft = 39, kVersionTop = 250, kVersionRight = 440, kVersionBottom = 279;

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_zulta.Started()) << "error " << m_zulta.StartError();
    ASSERT_NE(nullptr, m_zulta.MainWindow());
  }
  ZultaProcess m_zulta;
};

// Puts plain text on the clipboard, as another program would.
void PutTextOnClipboard(const char* text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  const size_t size = strlen(text) + 1;
  HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(::GlobalLock(hData), text, size);
  ::GlobalUnlock(hData);
  ::SetClipboardData(CF_TEXT, hData);
  ::CloseClipboard();
}

// Menus belong to their process under Wine: the open popup is looked at on
// the screen. Outside a Hebrew edit control the application's Edit commands
// stay enabled and send their message to whatever has the focus.
TEST_F(MainMenuTest, EditCommandsAreEnabledOutsideAHebrewEditControl) {
  // Paste is enabled by text on the clipboard, whatever an earlier test left there.
  PutTextOnClipboard("x");
  ::PostMessageA(m_zulta.MainWindow(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  HWND hPopup = WaitForTopLevelWindow(m_zulta.Id(), nullptr, "#32768");
  ASSERT_NE(nullptr, hPopup) << "the Edit menu did not open";
  const PixelTest isItemText = IsColor(::GetSysColor(COLOR_MENUTEXT));
  const PixelTest isGrey = IsColor(::GetSysColor(COLOR_GRAYTEXT));
  RgbImage shot;
  // Inside the popup's frame (whose grey may be the same) only the
  // separator's line is grey: greyed item texts would be more.
  auto greyItemPixels = [&] {
    const RECT items = {kMenuFrame, kMenuFrame, shot.width - kMenuFrame, shot.height - kMenuFrame};
    return CountPixels(shot, items, isGrey);
  };
  // The popup is painted a moment after it appears (until then the screen
  // shows what lies under it): its items show and stay as they are.
  WaitFor([&] {
    RgbImage next = CaptureWindow(hPopup);
    const bool bSettled = next.pixels == shot.pixels;
    shot = std::move(next);
    return bSettled && CountPixels(shot, isItemText) > 50 && greyItemPixels() < shot.width;
  });
  EXPECT_FALSE(SaveScreenshot(shot, "edit-menu").empty());
  EXPECT_GT(CountPixels(shot, isItemText), 50) << "enabled item texts";
  EXPECT_LT(greyItemPixels(), shot.width) << "greyed items";
  ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(0u, m_zulta.Close());
}

// With no document open, Copy Special and Paste Special go to the Hebrew
// edit control that has the focus, when their state allows: in the empty
// lookup box nothing is selected to copy, and the clipboard has text to paste.
TEST_F(MainMenuTest, SpecialClipboardCommandsGoToTheFocusedLookupBoxWhenEnabled) {
  const DWORD thread = ::GetWindowThreadProcessId(m_zulta.MainWindow(), nullptr);
  auto focusId = [&] {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(thread, &info);
    return ::GetDlgCtrlID(info.hwndFocus);
  };
  // Choosing another lookup mode puts the focus in the lookup box; one of
  // two is another than the one the last run left.
  for (UINT nMode : {ID_LOOKUP_HEBREW_LIST, ID_LOOKUP_ENGLISH_KEYWORDS})
    ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, nMode, 0);
  HWND hLookupBar = FindDescendantById(m_zulta.MainWindow(), IDW_LOOKUP_TOOLBAR);
  ASSERT_TRUE(WaitFor([&] {
    return ::SendMessageA(hLookupBar, TB_ISBUTTONCHECKED, ID_LOOKUP_ENGLISH_KEYWORDS, 0) != 0 &&
           focusId() == IDC_LOOKUP_EDIT;
  })) << "no focus in the lookup box";
  PutTextOnClipboard("shalom");

  ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, ID_HEBEDIT_COPY_SPECIAL, 0);
  ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, ID_HEBEDIT_PASTE_SPECIAL, 0);
  HWND hPaste = WaitForTopLevelWindow(m_zulta.Id(), "Paste Special", "#32770");
  ASSERT_NE(nullptr, hPaste) << "Paste Special did not reach the lookup box";
  // Copy Special, queued first, would be open beneath it had it run.
  EXPECT_EQ(nullptr, FindTopLevelWindow(m_zulta.Id(), "Copy Special", "#32770"));
  ::PostMessageA(hPaste, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hPaste); }));
  EXPECT_EQ(0u, m_zulta.Close());
}

TEST_F(MainMenuTest, AboutShowsThePictureWithTheVersionUntilOK) {
  ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, ID_APP_ABOUT, 0);
  HWND hAbout = WaitForTopLevelWindow(m_zulta.Id(), "About Zulta", "#32770");
  ASSERT_NE(nullptr, hAbout) << "no About box";
  HWND hOK = ::GetDlgItem(hAbout, IDOK);
  EXPECT_TRUE(hOK != nullptr && ::IsWindowVisible(hOK) && ::IsWindowEnabled(hOK));
  // The picture's light band, with the version line written in black on it.
  RgbImage shot;
  RECT band = {};
  auto darkTextPixels = [&] { return CountPixels(shot, band, IsColor(RGB(0, 0, 0))); };
  WaitFor([&] {
    shot = CaptureWindow(hAbout);
    RECT client = {};
    ::GetClientRect(hAbout, &client);
    POINT origin = {0, 0};
    ::ClientToScreen(hAbout, &origin);
    RECT window = {};
    ::GetWindowRect(hAbout, &window);
    // The version line's rectangle in the picture, scaled to the client area.
    const int left = origin.x - window.left, top = origin.y - window.top;
    band = {left + client.right * kVersionLeft / kPictureWidth,
            top + client.bottom * kVersionTop / kPictureHeight,
            left + client.right * kVersionRight / kPictureWidth,
            top + client.bottom * kVersionBottom / kPictureHeight};
    return darkTextPixels() > 50;
  });
  EXPECT_FALSE(SaveScreenshot(shot, "about-box").empty());
  EXPECT_GT(darkTextPixels(), 50) << "no version line";
  ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hAbout); })) << "the box did not close";
  EXPECT_EQ(0u, m_zulta.Close());
}

TEST_F(MainMenuTest, ExitEndsTheProgram) {
  ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_EQ(0u, m_zulta.Close());
}

}  // namespace main_menu_test
