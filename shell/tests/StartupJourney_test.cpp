// A user's first day: a fresh copy of the program ends when the build of its
// databases is declined and builds them when asked again; the main window
// comes up with its bars and docking windows, help says where to read, and a
// layout change lasts to the next start, which asks nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "resources/MainFrameIds.h"
#include "resources/ShellIds.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WindowCapture.h"

namespace startup_journey_test {

// The first start's build takes a few minutes on a loaded machine.
constexpr DWORD kDatabaseBuildTimeoutMs = 10 * 60 * 1000;
const char* const kDatabaseFiles[] = {"MSPKDB.BIN", "MSPKDB.IDX", "HLCDB.BIN",  "HLCDB.IDX",
                                      "DEFIN.BIN",  "DEFIN.IDX",  "HLCDEF.BIN", "HLCDEF.IDX"};

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

bool IsDatabaseFile(const std::string& name) {
  for (const char* file : kDatabaseFiles)
    if (::lstrcmpiA(file, name.c_str()) == 0) return true;
  return false;
}

// A copy of the program folder, as freshly installed: the program and its
// grammar files, without the databases the first start builds.
class FreshProgramCopy {
 public:
  FreshProgramCopy() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_folder = std::string(temp) + "ZultaJourney\\";
    RemoveFolder();
    const std::string source = FolderOf(WindowsPath(ZULTA_EXE_PATH));
    ::CreateDirectoryA(m_folder.c_str(), nullptr);
    ::CreateDirectoryA((m_folder + "bin").c_str(), nullptr);
    m_ok = ::CopyFileA((source + "Zulta.exe").c_str(), ProgramPath().c_str(), FALSE) != FALSE;
    for (const std::string& name : FilesOf(source + "bin\\")) {
      if (IsDatabaseFile(name)) continue;
      m_ok = m_ok && ::CopyFileA((source + "bin\\" + name).c_str(),
                                 (m_folder + "bin\\" + name).c_str(), FALSE) != FALSE;
    }
  }
  ~FreshProgramCopy() { RemoveFolder(); }

  bool Ok() const { return m_ok; }
  std::string ProgramPath() const { return m_folder + "Zulta.exe"; }
  bool HasDatabases() const {
    for (const char* file : kDatabaseFiles)
      if (::GetFileAttributesA((m_folder + "bin\\" + file).c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    return true;
  }

 private:
  static std::vector<std::string> FilesOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE hFind = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return names;
  }
  void RemoveFolder() const {
    for (const std::string& name : FilesOf(m_folder + "bin\\"))
      ::DeleteFileA((m_folder + "bin\\" + name).c_str());
    ::RemoveDirectoryA((m_folder + "bin").c_str());
    for (const std::string& name : FilesOf(m_folder)) ::DeleteFileA((m_folder + name).c_str());
    ::RemoveDirectoryA(m_folder.c_str());
  }

  std::string m_folder;
  bool m_ok = false;
};

bool BarShown(HWND hMain, int id) {
  HWND hBar = FindDescendantById(hMain, id);
  return hBar != nullptr && ::IsWindowVisible(hBar);
}

// The main window once the program has gone idle and repainted its bars:
// the status panes start with the texts that size them ("Pg 999, Ln 999",
// OVR, CAP, NUM) and with no document and no lock key show none (the
// indicator panes sit in the right quarter of the bar); the toolbars grey
// their buttons in the same idle pass, so the picture is taken once a few
// looks in a row see the same window.
RgbImage CaptureIdleMainWindow(HWND hMain) {
  RECT window = {}, status = {};
  ::GetWindowRect(hMain, &window);
  ::GetWindowRect(FindDescendantById(hMain, IDW_STATUS_BAR), &status);
  const RECT indicators = {status.right - (status.right - status.left) / 4 - window.left,
                           status.top - window.top, status.right - window.left,
                           status.bottom - window.top};
  const PixelTest isText = IsColor(::GetSysColor(COLOR_BTNTEXT));
  constexpr int kSteadyLooks = 5;
  RgbImage shot;
  int steady = 0;
  EXPECT_TRUE(WaitFor([&] {
    RgbImage next = CaptureWindow(hMain);
    const bool same = next.pixels == shot.pixels;
    shot = std::move(next);
    steady = same && CountPixels(shot, indicators, isText) == 0 ? steady + 1 : 0;
    return steady >= kSteadyLooks;
  })) << "the status panes kept their sizing texts";
  return shot;
}

TEST(StartupJourney, FirstStartsBuildTheDatabasesOnceAcceptedAndTheLayoutLastsToTheNextStart) {
  FreshProgramCopy copy;
  ASSERT_TRUE(copy.Ok()) << "cannot copy the program";
  ::RegDeleteTreeA(HKEY_CURRENT_USER, kZultaProfileKey);

  ZultaStart firstStart;
  firstStart.programPath = copy.ProgramPath();
  firstStart.databasesReady = false;
  firstStart.waitForMainWindow = false;
  {
    // Declined, the build leaves the program nothing to start with: it ends,
    // after the exit processing of a start-up that stopped early.
    ZultaProcess zulta(firstStart);
    ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
    HWND hQuestion = WaitForBoxSaying(zulta.Id(), "need to be built");
    ASSERT_NE(nullptr, hQuestion) << "no question about the databases";
    ::PostMessageA(hQuestion, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(0u, zulta.ExitCode());
    EXPECT_EQ(nullptr, zulta.MainWindow());
  }
  {
    ZultaProcess zulta(firstStart);
    ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
    HWND hQuestion = WaitForBoxSaying(zulta.Id(), "need to be built");
    ASSERT_NE(nullptr, hQuestion) << "no question about the databases";
    // The splash stands meanwhile, without its OK button.
    HWND hSplash = FindTopLevelWindow(zulta.Id(), "About Zulta", "#32770");
    ASSERT_NE(nullptr, hSplash) << "no splash";
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hSplash, IDOK)));
    SaveScreenshot(CaptureWindow(hSplash), "journey-splash");

    ::PostMessageA(hQuestion, WM_COMMAND, IDYES, 0);
    HWND hReport = WaitForBoxSaying(zulta.Id(), "successfully built", kDatabaseBuildTimeoutMs);
    ASSERT_NE(nullptr, hReport) << "the build did not report success";
    EXPECT_TRUE(copy.HasDatabases());
    ::PostMessageA(hReport, WM_COMMAND, IDOK, 0);

    HWND hMain = zulta.WaitForMainWindow();
    ASSERT_NE(nullptr, hMain) << "no main window after the build";
    EXPECT_TRUE(::IsZoomed(hMain));
    // The splash goes once the main window is shown.
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hSplash); })) << "the splash stayed";
    for (int bar : {IDW_FILE_TOOLBAR, IDW_STATUS_BAR, IDW_GRAMMAR_TABLES, IDW_KEYBOARD_GUIDES})
      EXPECT_TRUE(BarShown(hMain, bar)) << "bar " << std::hex << bar;
    SaveScreenshot(CaptureIdleMainWindow(hMain), "journey-main-window");
    // Help of the frame: there is no help file, and the program says where to read instead.
    constexpr LPARAM kFrameHelpContext = 0x20000 + IDR_MAINFRAME;
    ::PostMessageA(hMain, WM_COMMANDHELP, 0, kFrameHelpContext);
    HWND hHelp = WaitForBoxSaying(zulta.Id(), "Help is not installed");
    ASSERT_NE(nullptr, hHelp) << "no word about the missing help";
    EXPECT_NE(std::string::npos, ChildTexts(hHelp).find("README.md"));
    const std::string readme = FolderOf(WindowsPath(ZULTA_EXE_PATH)) + "README.md";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(readme.c_str()))
        << "no README.md beside the program";
    ::PostMessageA(hHelp, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hHelp); }));

    ::PostMessageA(hMain, WM_COMMAND, ID_VIEW_FILE_TOOLBAR, 0);
    EXPECT_TRUE(WaitFor([&] { return !BarShown(hMain, IDW_FILE_TOOLBAR); }))
        << "the File toolbar stayed";
    EXPECT_EQ(0u, zulta.Close());
  }

  ZultaStart nextStart;
  nextStart.programPath = copy.ProgramPath();
  nextStart.databasesReady = false;  // as the first start left the profile
  {
    ZultaProcess zulta(nextStart);
    ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
    HWND hMain = zulta.MainWindow();
    ASSERT_NE(nullptr, hMain) << "no main window on the next start";
    EXPECT_FALSE(BarShown(hMain, IDW_FILE_TOOLBAR)) << "the hidden toolbar came back";
    EXPECT_TRUE(BarShown(hMain, IDW_STATUS_BAR));
    SaveScreenshot(CaptureIdleMainWindow(hMain), "journey-next-start");
    EXPECT_EQ(0u, zulta.Close());
  }
  ::RegDeleteTreeA(HKEY_CURRENT_USER, kZultaProfileKey);
}

}  // namespace startup_journey_test
