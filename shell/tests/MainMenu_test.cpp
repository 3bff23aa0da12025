// The program's menu: commands routed to their handlers, items greyed by
// their update handler, a message box from the string table.
#include <string>

#include "resources/ShellIds.h"
#include "classlib/win/AfxRes.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WindowCapture.h"

namespace {

// The width of a popup menu's frame, in pixels.
constexpr int kMenuFrame = 3;

std::string MenuText(HMENU hMenu, UINT nPos) {
  char text[64] = {};
  ::GetMenuStringA(hMenu, nPos, text, sizeof text, MF_BYPOSITION);
  return text;
}

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_zulta.Started()) << "error " << m_zulta.StartError();
    ASSERT_NE(nullptr, m_zulta.MainWindow());
  }
  ZultaProcess m_zulta;
};

TEST(MainMenuResourceTest, TheMenuComesFromTheResources) {
  HMODULE exe =
      ::LoadLibraryExA(WindowsPath(ZULTA_EXE_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HMENU hMenu = ::LoadMenuA(exe, MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(nullptr, hMenu);
  ASSERT_EQ(3, ::GetMenuItemCount(hMenu));
  EXPECT_EQ("&File", MenuText(hMenu, 0));
  EXPECT_EQ("&Edit", MenuText(hMenu, 1));
  EXPECT_EQ("&Help", MenuText(hMenu, 2));
  EXPECT_EQ(static_cast<UINT>(ID_APP_EXIT), ::GetMenuItemID(::GetSubMenu(hMenu, 0), 0));
  EXPECT_EQ(static_cast<UINT>(ID_EDIT_UNDO), ::GetMenuItemID(::GetSubMenu(hMenu, 1), 0));
  ::DestroyMenu(hMenu);
  EXPECT_NE(nullptr, ::LoadAcceleratorsA(exe, MAKEINTRESOURCEA(IDR_MAINFRAME)));
  ::FreeLibrary(exe);
}

// Menus belong to their process under Wine: the open popup is looked at on the screen.
TEST_F(MainMenuTest, EditCommandsAreGreyedWhileThereIsNothingToEdit) {
  ::PostMessageA(m_zulta.MainWindow(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  HWND hPopup = WaitForTopLevelWindow(m_zulta.Id(), nullptr, "#32768");
  ASSERT_NE(nullptr, hPopup) << "the Edit menu did not open";
  const PixelTest isGrey = IsColor(::GetSysColor(COLOR_GRAYTEXT));
  RgbImage shot;
  // Greyed item texts, inside the popup's frame (whose grey may be the same).
  auto greyItemPixels = [&] {
    const RECT items = {kMenuFrame, kMenuFrame, shot.width - kMenuFrame, shot.height - kMenuFrame};
    return CountPixels(shot, items, isGrey);
  };
  // The popup is painted a moment after it appears.
  WaitFor([&] {
    shot = CaptureWindow(hPopup);
    return greyItemPixels() > 50;
  });
  EXPECT_FALSE(SaveScreenshot(shot, "edit-menu").empty());
  EXPECT_GT(greyItemPixels(), 50) << "greyed item texts";
  EXPECT_EQ(0, CountPixels(shot, IsColor(::GetSysColor(COLOR_MENUTEXT)))) << "no enabled item";
  ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(0u, m_zulta.Close());
}

TEST_F(MainMenuTest, AboutShowsAMessageBoxFromTheStringTable) {
  ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, ID_APP_ABOUT, 0);
  HWND hBox = WaitForTopLevelWindow(m_zulta.Id(), "Zulta", "#32770");
  ASSERT_NE(nullptr, hBox) << "no message box";
  std::string texts = ChildTexts(hBox);
  EXPECT_NE(std::string::npos, texts.find("|Zulta|")) << texts;
  ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hBox); })) << "the box did not close";
  EXPECT_EQ(0u, m_zulta.Close());
}

TEST_F(MainMenuTest, ExitEndsTheProgram) {
  ::PostMessageA(m_zulta.MainWindow(), WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_EQ(0u, m_zulta.Close());
}

}  // namespace
