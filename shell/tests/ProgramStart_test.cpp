// Starts the real program, as a user would, and closes it again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/win/AfxRes.h"
#include "resources/ShellIds.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace {

TEST(ProgramStart, CarriesItsIconAndVersion) {
  HMODULE exe =
      ::LoadLibraryExA(WindowsPath(ZULTA_EXE_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  EXPECT_NE(::FindResourceA(exe, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON), nullptr)
      << "no program icon";
  ::FreeLibrary(exe);

  std::string path = WindowsPath(ZULTA_EXE_PATH);
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  char* copyright = nullptr;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\LegalCopyright",
                               reinterpret_cast<void**>(&copyright), &length));
  EXPECT_NE(std::string(copyright).find("Pomlar Software"), std::string::npos);
}

TEST(ProgramStart, ShowsTheMainWindowAndExitsCleanlyOnClose) {
  ZultaProcess zulta;
  ASSERT_TRUE(zulta.Started()) << "cannot start " << ZULTA_EXE_PATH << ", error "
                               << zulta.StartError();
  HWND hMain = zulta.MainWindow();
  ASSERT_NE(hMain, nullptr) << "no visible window titled Zulta";
  EXPECT_TRUE(::IsZoomed(hMain));

  ::RedrawWindow(hMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The client area is painted in the application workspace colour, which
  // reaches the screen a moment later.
  const uint32_t workspace = CaptureColor(::GetSysColor(COLOR_APPWORKSPACE));
  RgbImage shot;
  auto centre = [&] { return shot.PixelAt(shot.width / 2, shot.height / 2); };
  WaitFor([&] {
    shot = CaptureWindow(hMain);
    return shot.width > 100 && centre() == workspace;
  });
  EXPECT_FALSE(SaveScreenshot(shot, "main-window").empty());
  ASSERT_GT(shot.width, 100);
  EXPECT_EQ(centre(), workspace);

  EXPECT_EQ(zulta.Close(), 0u);
}

TEST(ProgramStart, RefusesAFileThatDoesNotExistAndEnds) {
  ZultaStart start;
  start.arguments = "C:\\NoSuchFolder\\Missing.zlt";
  start.waitForMainWindow = false;
  ZultaProcess zulta(start);
  ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
  HWND hBox = WaitForBoxSaying(zulta.Id(), "File Path does not exist!");
  ASSERT_NE(hBox, nullptr);
  ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
  EXPECT_NE(~0u, zulta.ExitCode()) << "the program went on";
}

}  // namespace
