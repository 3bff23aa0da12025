// Starts the real program, as a user would, and closes it again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "testing/win/WindowCapture.h"

namespace {

std::string WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path.front() == '\\' ? "Z:" + path : path;
}

HWND WaitForTopLevelWindow(DWORD processId, const char* title) {
  for (int attempt = 0; attempt < 300; ++attempt) {
    HWND hWnd = nullptr;
    while ((hWnd = ::FindWindowExA(nullptr, hWnd, nullptr, title)) != nullptr) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(hWnd, &owner);
      if (owner == processId && ::IsWindowVisible(hWnd)) return hWnd;
    }
    ::Sleep(100);
  }
  return nullptr;
}

TEST(ProgramStart, CarriesItsIconAndVersion) {
  HMODULE exe = ::LoadLibraryExA(WindowsPath(ZULTA_EXE_PATH).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  EXPECT_NE(::FindResourceA(exe, MAKEINTRESOURCEA(118), MAKEINTRESOURCEA(14)), nullptr)  // RT_GROUP_ICON
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
  std::string commandLine = "\"" + WindowsPath(ZULTA_EXE_PATH) + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
      << "cannot start " << commandLine;

  HWND hMain = WaitForTopLevelWindow(process.dwProcessId, "Zulta");
  ASSERT_NE(hMain, nullptr) << "no visible window titled Zulta";
  EXPECT_TRUE(::IsZoomed(hMain));

  ::RedrawWindow(hMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::Sleep(300);
  RgbImage shot = CaptureWindow(hMain);
  EXPECT_FALSE(SaveScreenshot(shot, "main-window").empty());
  ASSERT_GT(shot.width, 100);
  // The client area is painted in the application workspace colour.
  COLORREF workspace = ::GetSysColor(COLOR_APPWORKSPACE);
  uint32_t expected = (GetRValue(workspace) << 16) | (GetGValue(workspace) << 8) | GetBValue(workspace);
  EXPECT_EQ(shot.PixelAt(shot.width / 2, shot.height / 2), expected);

  ::PostMessageA(hMain, WM_CLOSE, 0, 0);
  ASSERT_EQ(::WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

}  // namespace
