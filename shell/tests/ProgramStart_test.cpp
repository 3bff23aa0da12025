// Starts the real program, as a user would, and closes it again.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/win/AfxRes.h"
#include "resources/MainFrameIds.h"
#include "resources/ShellIds.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace program_start_test {

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

TEST(ProgramStart, ShowsTheMainWindowWithoutADocumentAndExitsCleanlyOnClose) {
  ZultaProcess zulta;
  ASSERT_TRUE(zulta.Started()) << "cannot start " << ZULTA_EXE_PATH << ", error "
                               << zulta.StartError();
  HWND hMain = zulta.MainWindow();
  ASSERT_NE(hMain, nullptr) << "no visible window titled Zulta";
  EXPECT_TRUE(::IsZoomed(hMain));
  HWND hClient = ::FindWindowExA(hMain, nullptr, "MDIClient", nullptr);
  ASSERT_NE(hClient, nullptr) << "no document area";
  EXPECT_EQ(nullptr, ::GetWindow(hClient, GW_CHILD)) << "a document window on a plain start";

  ::RedrawWindow(hMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The empty document area is painted in the application workspace colour,
  // which reaches the screen a moment later.
  const uint32_t workspace = CaptureColor(::GetSysColor(COLOR_APPWORKSPACE));
  RgbImage shot;
  auto centre = [&] { return shot.PixelAt(shot.width / 2, shot.height / 2); };
  WaitFor([&] {
    shot = CaptureWindow(hClient);
    return shot.width > 100 && centre() == workspace;
  });
  EXPECT_FALSE(SaveScreenshot(CaptureWindow(hMain), "main-window").empty());
  ASSERT_GT(shot.width, 100);
  EXPECT_EQ(centre(), workspace);

  EXPECT_EQ(zulta.Close(), 0u);
}

// A document of the program in the temporary folder, removed at the end.
class TemporaryDocument {
 public:
  explicit TemporaryDocument(const char* name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + name;
    HANDLE hFile = ::CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(hFile);
  }
  ~TemporaryDocument() { ::DeleteFileA(m_path.c_str()); }
  const std::string& Path() const { return m_path; }

  // As if another program wrote the file: its time moves on.
  void Touch() const {
    HANDLE hFile = ::CreateFileA(m_path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    FILETIME written = {};
    ::GetFileTime(hFile, nullptr, nullptr, &written);
    ULARGE_INTEGER time = {{written.dwLowDateTime, written.dwHighDateTime}};
    time.QuadPart += kLaterBy100ns;
    written = {time.LowPart, time.HighPart};
    ::SetFileTime(hFile, nullptr, nullptr, &written);
    ::CloseHandle(hFile);
  }

 private:
  static constexpr ULONGLONG kLaterBy100ns = 60ull * 10000000;  // a minute
  std::string m_path;
};

constexpr char kChangedQuestion[] = "Another application has modified the file";

std::string WindowText(HWND hWnd) {
  char text[256] = {};
  ::GetWindowTextA(hWnd, text, sizeof text);
  return text;
}

// The program started with a document on its command line.
class DocumentStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ZultaStart start;
    start.arguments = "\"" + m_document.Path() + "\"";
    m_zulta = std::make_unique<ZultaProcess>(start);
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    m_hMain = m_zulta->MainWindow();
    ASSERT_NE(m_hMain, nullptr);
    ASSERT_TRUE(WaitFor([&] {
      return WindowText(m_hMain).find(kDocumentName) != std::string::npos;
    })) << WindowText(m_hMain);
  }

  static constexpr char kDocumentName[] = "ZultaStartNote.zlt";
  TemporaryDocument m_document{kDocumentName};
  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hMain = nullptr;
};

TEST_F(DocumentStartTest, OpensItMaximisedAndAsksBeforeOpeningItAgain) {
  HWND hClient = ::FindWindowExA(m_hMain, nullptr, "MDIClient", nullptr);
  HWND hChild = hClient != nullptr ? ::GetWindow(hClient, GW_CHILD) : nullptr;
  ASSERT_NE(hChild, nullptr) << "no document window";
  EXPECT_TRUE(::IsZoomed(hChild));

  // The recent file list holds it now; opening it from there asks first.
  ::PostMessageA(m_hMain, WM_COMMAND, ID_FILE_MRU_FILE1, 0);
  HWND hAgain = WaitForBoxSaying(m_zulta->Id(), "is already open");
  ASSERT_NE(hAgain, nullptr) << "no question before opening it again";
  EXPECT_EQ("WARNING: Document already open!", WindowText(hAgain));
  ::PostMessageA(hAgain, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hAgain); }));
  EXPECT_EQ(hChild, ::GetWindow(hClient, GW_CHILD)) << "the document window changed";
  EXPECT_EQ(0u, m_zulta->Close());
}

TEST_F(DocumentStartTest, AsksOnceToReloadItWhenAnotherProgramChangedIt) {
  m_document.Touch();
  ::PostMessageA(m_hMain, WM_ACTIVATE, WA_ACTIVE, 0);
  HWND hReload = WaitForBoxSaying(m_zulta->Id(), kChangedQuestion);
  ASSERT_NE(hReload, nullptr) << "no question about the changed file";
  ::PostMessageA(hReload, WM_COMMAND, IDNO, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hReload); }));

  // Kept as it was, the file is not asked about again: the next activation
  // goes straight on to the command queued after it.
  ::PostMessageA(m_hMain, WM_ACTIVATE, WA_ACTIVE, 0);
  ::PostMessageA(m_hMain, WM_COMMAND, ID_APP_ABOUT, 0);
  HWND hAbout = WaitForTopLevelWindow(m_zulta->Id(), "About Zulta", "#32770");
  ASSERT_NE(hAbout, nullptr);
  EXPECT_EQ(nullptr, FindBoxSaying(m_zulta->Id(), kChangedQuestion));
  ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hAbout); }));
  EXPECT_EQ(0u, m_zulta->Close());
}

TEST_F(DocumentStartTest, CloseAllAsksToContinueAndCancelClosesNothing) {
  HWND hClient = ::FindWindowExA(m_hMain, nullptr, "MDIClient", nullptr);
  ASSERT_NE(nullptr, hClient);
  for (int answer : {IDCANCEL, IDOK}) {
    ::PostMessageA(m_hMain, WM_COMMAND, ID_FILE_CLOSE_ALL, 0);
    HWND hBox = WaitForBoxSaying(m_zulta->Id(), "Closing All Open Documents.  Continue?");
    ASSERT_NE(hBox, nullptr) << "no question before closing";
    // At the second question whatever the Cancel queued has been done.
    EXPECT_NE(nullptr, ::GetWindow(hClient, GW_CHILD)) << "Cancel closed the document";
    ::PostMessageA(hBox, WM_COMMAND, answer, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hBox); }));
  }
  EXPECT_TRUE(WaitFor([&] { return ::GetWindow(hClient, GW_CHILD) == nullptr; }))
      << "OK left the document open";
  EXPECT_EQ(0u, m_zulta->Close());
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

}  // namespace program_start_test
