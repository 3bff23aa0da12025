// What the application object offers the program: strings from its
// resources, message boxes, the wait cursor, its names and handles.
#include <string>

#include "classlib/tests/win/WndTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWaitCursor.h"
#include "testing/win/MessageBoxes.h"

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
            AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_WNDTEST_FRAME), RT_MENU));
  EXPECT_NE(nullptr, m_app.LoadIcon(IDR_WNDTEST_FRAME));
  EXPECT_EQ(nullptr, m_app.LoadIcon(9999));
}

TEST_F(AppServicesTest, OleIsReadyAfterTheFirstCallAndStaysSo) {
  EXPECT_TRUE(AfxOleInit());
  EXPECT_TRUE(AfxOleInit());
  AfxEnableControlContainer();
}

TEST_F(AppServicesTest, AMessageBoxShowsAStringOfTheResources) {
  MessageBoxAnswerer answerer;
  EXPECT_EQ(IDOK, AfxMessageBox(IDS_WNDTEST_MESSAGE));
  ASSERT_EQ(1u, answerer.Boxes().size());
  EXPECT_EQ("Zulta Tests", answerer.Boxes()[0].caption);
  EXPECT_NE(std::string::npos, answerer.Boxes()[0].texts.find("A message from the string table"))
      << answerer.Boxes()[0].texts;
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
