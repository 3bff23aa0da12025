// The database check at start-up in a scratch program folder that holds the
// grammar files compiled beside the program: the question answered, the build
// dialog watched and cancelled, the order check run on what was built.
#include "lexicon/win/DatabaseStartup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "classlib/win/CWinApp.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/tests/win/ProgramGrammarFolder.h"
#include "resources/LexiconIds.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr char kCompanyKey[] = "Zulta Database Startup Test";
constexpr char kProfileKey[] = "Software\\Zulta Database Startup Test";
constexpr char kBuildCaption[] = "Building Word/Definitions Databases...";
constexpr char kOrderCheckCaption[] = "Build Database";
constexpr UINT kWatchIntervalMs = 20;

std::string DlgItemText(HWND hDlg, int nID) {
  char text[256] = {};
  ::GetDlgItemTextA(hDlg, nID, text, sizeof text);
  return text;
}

// While it lives, calls onTick with each shown window of this thread whose
// caption is the one given, from a timer that runs in the modal loops.
class DialogWatcher {
 public:
  DialogWatcher(const char* caption, std::function<void(HWND)> onTick)
      : m_caption(caption), m_onTick(std::move(onTick)) {
    t_pWatcher = this;
    m_timer = ::SetTimer(nullptr, 0, kWatchIntervalMs, &OnTimer);
  }
  ~DialogWatcher() {
    ::KillTimer(nullptr, m_timer);
    t_pWatcher = nullptr;
  }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (t_pWatcher != nullptr)
      ::EnumThreadWindows(::GetCurrentThreadId(), &Visit, reinterpret_cast<LPARAM>(t_pWatcher));
  }
  static BOOL CALLBACK Visit(HWND hWnd, LPARAM lParam) {
    auto* pWatcher = reinterpret_cast<DialogWatcher*>(lParam);
    char caption[128] = {};
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if (::IsWindowVisible(hWnd) && pWatcher->m_caption == caption) pWatcher->m_onTick(hWnd);
    return TRUE;
  }

  static thread_local DialogWatcher* t_pWatcher;
  std::string m_caption;
  std::function<void(HWND)> m_onTick;
  UINT_PTR m_timer = 0;
};
thread_local DialogWatcher* DialogWatcher::t_pWatcher = nullptr;

class DatabaseStartupTest : public testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
    m_app.SetRegistryKey(kCompanyKey);
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    m_folder = std::string(temp) + "zulta-dbstartup-" + std::to_string(::GetCurrentProcessId()) +
               "-" + testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder + "bin");
    const std::string grammar = GrammarBinFolder();
    for (const GrammarFileName& file : kGrammarFiles) {
      const std::string name = std::string(file.path).substr(4);  // after "bin\"
      ASSERT_TRUE(::CopyFileA((grammar + name).c_str(), (m_folder + file.path).c_str(), FALSE))
          << grammar + name;
    }
    SetGrammarFolder(m_folder.c_str());
    ASSERT_TRUE(LoadGrammarData().loaded);
  }
  void TearDown() override {
    FreeGrammarData();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
  }

  bool Exists(const CString& relativePath) const {
    return std::filesystem::exists(m_folder + static_cast<LPCSTR>(relativePath));
  }
  int BuildValue() { return static_cast<int>(m_app.GetProfileInt("Database", "Build", -7)); }
  static bool HasBox(const MessageBoxAnswerer& answerer, const std::string& caption,
                     const std::string& text) {
    for (const ShownMessageBox& box : answerer.Boxes())
      if (box.caption == caption && box.texts.find(text) != std::string::npos) return true;
    return false;
  }

  CWinApp m_app{"Zulta"};
  std::string m_folder;
};

TEST_F(DatabaseStartupTest, AYesBuildsBothDatabasesUnderTheProgressDialog) {
  std::string progressLine;
  std::string screenshot;
  MessageBoxAnswerer answerer(IDYES);
  const DWORD start = ::GetTickCount();
  DatabaseReadyFlags ready;
  {
    DialogWatcher watcher(kBuildCaption, [&](HWND hDlg) {
      const std::string line = DlgItemText(hDlg, IDC_DATABASE_PROGRESS_LINE);
      if (line.empty() || !screenshot.empty()) return;
      progressLine = line;
      screenshot = SaveScreenshot(CaptureWindow(hDlg), "database-build-dialog");
    });
    ready = CheckBuildDatabases(nullptr, m_folder.c_str());
  }
  std::printf("question to report: %lu ms\n", ::GetTickCount() - start);
  EXPECT_TRUE(ready.hebrewReady);
  EXPECT_TRUE(ready.definitionsReady);
  EXPECT_EQ(0, BuildValue());
  for (const CString& file : AllDatabaseFiles()) EXPECT_TRUE(Exists(file)) << file;
  EXPECT_TRUE(HasBox(answerer, "Hebrew and Definitions Databases not built!",
                     "This will take approximately"));
  EXPECT_TRUE(HasBox(answerer, "", "Word/Definition Databases successfully built"));
  EXPECT_FALSE(progressLine.empty());
  EXPECT_FALSE(screenshot.empty());

  // What was built is in order.
  bool started = false;
  std::string doneLine;
  INT_PTR result = 0;
  {
    DialogWatcher watcher(kOrderCheckCaption, [&](HWND hDlg) {
      if (!started) {
        started = true;
        ::SendMessageA(::GetDlgItem(hDlg, IDC_DATABASE_START), BM_CLICK, 0, 0);
        return;
      }
      const std::string line = DlgItemText(hDlg, IDC_DATABASE_PROGRESS_LINE);
      if (line.rfind("DONE!", 0) != 0 || DlgItemText(hDlg, IDC_DATABASE_START) != "Start") return;
      doneLine = line;
      ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    result = RunDbVerifyDialog(nullptr, m_folder.c_str());
  }
  EXPECT_EQ(1, result);
  EXPECT_EQ(0u, doneLine.find("DONE! Compared ")) << doneLine;
}

TEST_F(DatabaseStartupTest, CancelDuringTheBuildRemovesTheUnfinishedGroupsFiles) {
  // A word database left half-built by an earlier start, beside a definition
  // database that is complete.
  m_app.WriteProfileInt("Database", "Build", 0);
  for (const char* file : {"bin\\MSPKDB.BIN", "bin\\HLCDB.BIN", "bin\\DEFIN.BIN"})
    std::ofstream(m_folder + file) << "stale";
  MessageBoxAnswerer answerer(IDYES);
  bool cancelled = false;
  DatabaseReadyFlags ready;
  {
    DialogWatcher watcher(kBuildCaption, [&](HWND hDlg) {
      if (cancelled || DlgItemText(hDlg, IDC_DATABASE_PROGRESS_LINE).empty()) return;
      cancelled = true;
      ::SendMessageA(::GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
    });
    ready = CheckBuildDatabases(nullptr, m_folder.c_str());
  }
  EXPECT_TRUE(cancelled);
  EXPECT_FALSE(ready.hebrewReady || ready.definitionsReady);
  EXPECT_TRUE(HasBox(answerer, "Hebrew Database not built!", "Hebrew Database needs to be built."));
  for (const CString& file : DatabaseGroupFiles(DatabaseGroup::kWords))
    EXPECT_FALSE(Exists(file)) << file;
  EXPECT_TRUE(Exists("bin\\DEFIN.BIN"));
  EXPECT_TRUE(HasBox(answerer, "", "Word/Definition Database build aborted!"));
}

TEST_F(DatabaseStartupTest, AMissingGrammarFileIsNamedAndTheProgramMayNotStart) {
  ASSERT_TRUE(::DeleteFileA((m_folder + "bin\\verbdata.bin").c_str()));
  MessageBoxAnswerer answerer(IDOK);
  const DatabaseReadyFlags ready = CheckBuildDatabases(nullptr, m_folder.c_str());
  EXPECT_FALSE(ready.hebrewReady || ready.definitionsReady);
  ASSERT_EQ(2u, answerer.Boxes().size());
  EXPECT_NE(std::string::npos, answerer.Boxes()[0].texts.find("File Missing: VerbData.bin"));
  EXPECT_EQ("Database Files not Installed Properly!", answerer.Boxes()[1].caption);
  EXPECT_NE(std::string::npos,
            answerer.Boxes()[1].texts.find(
                "One or more Database Files do not Exist!\n\nYou will need to reinstall ZULTA!"));
  EXPECT_EQ(-7, BuildValue());  // the check stopped before the profile
}

}  // namespace
