// An exception that a message's handler lets through stops at the window
// procedure or the message loop: it shows its message in a message box, the
// message gets its default result, and the window and the program go on.
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include <gmock/gmock.h>

#include "classlib/core/CFileException.h"
#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CUserException.h"
#include "testing/win/MessageBoxes.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr UINT WM_THROW = WM_USER;
constexpr UINT WM_ANSWER = WM_USER + 1;
constexpr UINT WM_THROW_BEFORE_DISPATCH = WM_USER + 2;
constexpr LRESULT kAnswer = 42;

using Thrower = std::function<void()>;

// Runs its thrower for WM_THROW, before WM_THROW_BEFORE_DISPATCH is
// dispatched, and when asked in WM_CREATE or WM_PAINT; answers WM_ANSWER.
class CThrowingWnd : public CWnd {
 public:
  Thrower m_throw;
  UINT m_nThrowingMessage = WM_THROW;  // or WM_CREATE, WM_PAINT

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_THROW_BEFORE_DISPATCH) m_throw();
    return CWnd::PreTranslateMessage(pMsg);
  }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) {
    if (m_nThrowingMessage == WM_CREATE) m_throw();
    return 0;
  }
  afx_msg void OnPaint() {
    if (m_nThrowingMessage == WM_PAINT) m_throw();
    Default();
  }
  afx_msg LRESULT OnThrow(WPARAM, LPARAM) {
    m_throw();
    return kAnswer;
  }
  afx_msg LRESULT OnAnswer(WPARAM, LPARAM) { return kAnswer; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_MESSAGE(WM_THROW, OnThrow)
  ON_MESSAGE(WM_ANSWER, OnAnswer)
END_MESSAGE_MAP()

std::string MessageOf(CException&& e) {
  char message[256] = {};
  e.GetErrorMessage(message, sizeof message);
  return message;
}

const char kMissingFile[] = "missing.txt";
const std::string kMissingFileMessage =
    MessageOf(CFileException(CFileException::fileNotFound, -1, kMissingFile));
const std::string kOutOfMemoryMessage = MessageOf(CMemoryException(FALSE));

void ThrowMissingFile() { AfxThrowFileException(CFileException::fileNotFound, -1, kMissingFile); }

struct ThrowCase {
  const char* name;
  Thrower thrower;
  std::string reported;
};

const ThrowCase kThrowCases[] = {
    {"a file exception", &ThrowMissingFile, kMissingFileMessage},
    {"the memory exception", [] { AfxThrowMemoryException(); }, kOutOfMemoryMessage},
    {"std::bad_alloc", [] { throw std::bad_alloc(); }, kOutOfMemoryMessage},
    {"another C++ exception", [] { throw std::runtime_error("lost"); },
     "An unexpected error occurred."},
};

// The application records the reports instead of showing them; the last
// test shows a real message box.
class WndProcExceptionTest : public DialogTest {
 protected:
  void SetUp() override {
    m_wnd.m_throw = &ThrowMissingFile;
    ASSERT_TRUE(CreateTopLevel(m_wnd, WS_POPUP));
  }

  ::testing::AssertionResult WindowGoesOn() {
    if (!::IsWindow(m_wnd.m_hWnd)) return ::testing::AssertionFailure() << "the window is gone";
    if (m_wnd.SendMessage(WM_ANSWER) != kAnswer)
      return ::testing::AssertionFailure() << "the window no longer answers";
    return ::testing::AssertionSuccess();
  }

  // Posts the message and runs the application's loop until it was taken.
  void PostAndPump(UINT message) {
    m_wnd.PostMessage(message);
    do {
      ASSERT_TRUE(m_app.PumpMessage());
    } while (m_app.m_msgCur.message != message);
  }

  CThrowingWnd m_wnd;
};

TEST_F(WndProcExceptionTest, ASentMessageReportsTheErrorAndReturnsTheDefault) {
  for (const ThrowCase& c : kThrowCases) {
    m_app.m_messages.clear();
    m_wnd.m_throw = c.thrower;
    EXPECT_EQ(0, m_wnd.SendMessage(WM_THROW)) << c.name;
    EXPECT_THAT(m_app.m_messages, ElementsAre(c.reported)) << c.name;
    EXPECT_TRUE(WindowGoesOn()) << c.name;
  }
}

TEST_F(WndProcExceptionTest, APostedMessageIsReportedByTheLoop) {
  for (UINT message : {WM_THROW, WM_THROW_BEFORE_DISPATCH}) {
    m_app.m_messages.clear();
    PostAndPump(message);
    EXPECT_THAT(m_app.m_messages, ElementsAre(kMissingFileMessage)) << message;
    EXPECT_TRUE(WindowGoesOn()) << message;
  }
}

TEST_F(WndProcExceptionTest, AUserExceptionIsNotReportedAgain) {
  m_wnd.m_throw = [] { AfxThrowUserException(); };
  EXPECT_EQ(0, m_wnd.SendMessage(WM_THROW));
  EXPECT_THAT(m_app.m_messages, IsEmpty());
  EXPECT_TRUE(WindowGoesOn());
}

TEST_F(WndProcExceptionTest, AnExceptionInCreationFailsTheCreation) {
  CThrowingWnd wnd;
  wnd.m_nThrowingMessage = WM_CREATE;
  wnd.m_throw = &ThrowMissingFile;
  EXPECT_FALSE(CreateTopLevel(wnd, WS_POPUP));
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_THAT(m_app.m_messages, ElementsAre(kMissingFileMessage));
}

TEST_F(WndProcExceptionTest, AFailedPaintIsReportedOnceAndNotAskedForAgain) {
  m_wnd.m_nThrowingMessage = WM_PAINT;
  m_wnd.ShowWindow(SW_SHOWNA);
  m_wnd.Invalidate();
  m_wnd.UpdateWindow();
  EXPECT_FALSE(::GetUpdateRect(m_wnd.m_hWnd, nullptr, FALSE));
  EXPECT_THAT(m_app.m_messages, ElementsAre(kMissingFileMessage));
  EXPECT_TRUE(WindowGoesOn());
}

// The report is a real message box, read and answered here.
using ReportedExceptionTest = AppTest;

TEST_F(ReportedExceptionTest, TheMessageBoxShowsTheErrorOfTheCause) {
  CThrowingWnd wnd;
  wnd.m_throw = &ThrowMissingFile;
  ASSERT_TRUE(CreateTopLevel(wnd, WS_POPUP));
  MessageBoxAnswerer answerer;
  EXPECT_EQ(0, wnd.SendMessage(WM_THROW));
  ASSERT_EQ(1u, answerer.Boxes().size());
  EXPECT_EQ("Zulta Tests", answerer.Boxes()[0].caption);
  EXPECT_NE(std::string::npos, answerer.Boxes()[0].texts.find(kMissingFileMessage))
      << answerer.Boxes()[0].texts;
  EXPECT_EQ(kAnswer, wnd.SendMessage(WM_ANSWER));
}

}  // namespace
