// What the application object offers the program: strings from its
// resources, message boxes, the wait cursor, its names and handles.
#include <string>

#include "classlib/tests/win/WndTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWaitCursor.h"

namespace {

using AppServicesTest = AppTest;

TEST_F(AppServicesTest, StringsComeFromTheResourcesWhateverTheirLength) {
  CString text;
  ASSERT_TRUE(text.LoadString(IDS_WNDTEST_MESSAGE));
  EXPECT_STREQ("A message from the string table", text);
  ASSERT_TRUE(text.LoadString(IDS_WNDTEST_LONG));
  EXPECT_EQ(399, text.GetLength());
  EXPECT_EQ(0, text.Find("Long text Long text"));
  EXPECT_FALSE(text.LoadString(9999));
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(AppServicesTest, TheApplicationAndItsHandlesAreFound) {
  EXPECT_EQ(&m_app, AfxGetApp());
  EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetInstanceHandle());
  EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle());
  EXPECT_STREQ("Zulta Tests", AfxGetAppName());
  EXPECT_EQ(AfxGetInstanceHandle(),
            AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_WNDTEST_FRAME), MAKEINTRESOURCEA(4)));
  EXPECT_NE(nullptr, m_app.LoadIcon(IDR_WNDTEST_FRAME));
  EXPECT_EQ(nullptr, m_app.LoadIcon(9999));
}

TEST_F(AppServicesTest, OleIsReadyAfterTheFirstCallAndStaysSo) {
  EXPECT_TRUE(AfxOleInit());
  EXPECT_TRUE(AfxOleInit());
  AfxEnableControlContainer();
}

// Reads the open message box of this thread and presses its OK button.
struct MessageBoxReader {
  static std::string s_caption;
  static std::string s_texts;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR nID, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, 0);
  }
  static BOOL CALLBACK FindBox(HWND hWnd, LPARAM) {
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;
    char caption[64] = {};
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    s_caption = caption;
    ::EnumChildWindows(hWnd, &CollectText, 0);
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
  }
  static BOOL CALLBACK CollectText(HWND hWnd, LPARAM) {
    char text[128] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    s_texts += std::string(text) + "|";
    return TRUE;
  }
};
std::string MessageBoxReader::s_caption;
std::string MessageBoxReader::s_texts;

TEST_F(AppServicesTest, AMessageBoxShowsAStringOfTheResources) {
  UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &MessageBoxReader::OnTimer);
  int nResult = AfxMessageBox(IDS_WNDTEST_MESSAGE);
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(IDOK, nResult);
  EXPECT_EQ("Zulta Tests", MessageBoxReader::s_caption);
  EXPECT_NE(std::string::npos, MessageBoxReader::s_texts.find("A message from the string table"))
      << MessageBoxReader::s_texts;
}

TEST_F(AppServicesTest, TheWaitCursorNestsAndComesBack) {
  HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  HCURSOR hWait = ::LoadCursor(nullptr, IDC_WAIT);
  ::SetCursor(hArrow);
  {
    CWaitCursor outer;
    EXPECT_EQ(hWait, ::GetCursor());
    {
      CWaitCursor inner;
      ::SetCursor(hArrow);  // something changed it meanwhile
      inner.Restore();
      EXPECT_EQ(hWait, ::GetCursor());
    }
    EXPECT_EQ(hWait, ::GetCursor()) << "still waiting for the outer one";
  }
  EXPECT_EQ(hArrow, ::GetCursor());
}

}  // namespace
