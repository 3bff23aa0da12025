// The life of window objects: binding at creation, subclassing, self-deletion
// after the window is gone, and no handler called for a window that has gone.
#include <string>

#include "classlib/tests/win/WndTestSupport.h"
#include "testing/win/WaitFor.h"

namespace {

int g_nCalls = 0;
int g_nDeleted = 0;

// Counts its handler calls; deletes itself after its window is gone.
class CCountingWnd : public CWnd {
 public:
  ~CCountingWnd() override { ++g_nDeleted; }

 protected:
  afx_msg LRESULT OnUser(WPARAM, LPARAM) { return ++g_nCalls; }
  afx_msg void OnTimer(UINT_PTR) { ++g_nCalls; }
  void PostNcDestroy() override { delete this; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
  ON_MESSAGE(WM_USER, OnUser)
  ON_WM_TIMER()
END_MESSAGE_MAP()

class LifetimeTest : public AppTest {
 protected:
  void SetUp() override {
    g_nCalls = 0;
    g_nDeleted = 0;
  }
};

TEST_F(LifetimeTest, ASelfOwningObjectIsDeletedWhenItsWindowGoes) {
  auto* pWnd = new CCountingWnd;
  ASSERT_TRUE(CreateTopLevel(*pWnd));
  HWND hWnd = pWnd->m_hWnd;
  EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
  EXPECT_EQ(1, ::SendMessageA(hWnd, WM_USER, 0, 0));
  ::DestroyWindow(hWnd);
  EXPECT_EQ(1, g_nDeleted);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(LifetimeTest, NoHandlerRunsForAWindowThatHasGone) {
  auto* pWnd = new CCountingWnd;
  ASSERT_TRUE(CreateTopLevel(*pWnd));
  HWND hWnd = pWnd->m_hWnd;
  ::PostMessageA(hWnd, WM_USER, 0, 0);
  ::SetTimer(hWnd, 1, 1, nullptr);
  ASSERT_TRUE(WaitForQueued(QS_TIMER)) << "the timer is due";
  ::DestroyWindow(hWnd);
  PumpPending();
  EXPECT_EQ(0, ::SendMessageA(hWnd, WM_USER, 0, 0));
  EXPECT_EQ(0, g_nCalls);
  EXPECT_EQ(1, g_nDeleted);
}

TEST_F(LifetimeTest, DeletingTheObjectDestroysItsWindow) {
  HWND hWnd = nullptr;
  {
    CWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    hWnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(LifetimeTest, ADetachedWindowNoLongerReachesTheObject) {
  CWnd* pWnd = new CCountingWnd;
  ASSERT_TRUE(CreateTopLevel(*pWnd));
  HWND hWnd = pWnd->Detach();
  EXPECT_EQ(0, ::SendMessageA(hWnd, WM_USER, 0, 0));
  EXPECT_EQ(0, g_nCalls);
  delete pWnd;
  EXPECT_TRUE(::IsWindow(hWnd)) << "the window outlives the detached object";
  ::DestroyWindow(hWnd);
}

class CFailingWnd : public CWnd {
 public:
  ~CFailingWnd() override { ++g_nDeleted; }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
  void PostNcDestroy() override { delete this; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(LifetimeTest, AFailedCreationEndsTheObjectOnce) {
  auto* pWnd = new CFailingWnd;
  EXPECT_FALSE(CreateTopLevel(*pWnd));
  EXPECT_EQ(1, g_nDeleted);
  // A class that does not exist: no window, no WM_NCDESTROY, still one end.
  g_nDeleted = 0;
  auto* pOther = new CFailingWnd;
  EXPECT_FALSE(
      pOther->CreateEx(0, "No such class", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
  EXPECT_EQ(1, g_nDeleted);
}

// Default passes on the message being handled, even after the handler sent
// others in between.
class CNestingWnd : public CWnd {
 protected:
  afx_msg int OnSetText(LPCSTR) {
    SendMessage(WM_USER + 3);
    return static_cast<int>(Default());
  }
  afx_msg LRESULT OnNested(WPARAM, LPARAM) { return 0; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
  ON_WM_SETTEXT()
  ON_MESSAGE(WM_USER + 3, OnNested)
END_MESSAGE_MAP()

TEST_F(LifetimeTest, DefaultUsesTheMessageBeingHandled) {
  CNestingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd));
  wnd.SetWindowText("new text");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ("new text", text);
}

// A control of a system class, its characters counted before its own
// procedure handles them.
class CCharCountingEdit : public CWnd {
 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    ++g_nCalls;
    CWnd::OnChar(nChar, nRepCnt, nFlags);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCharCountingEdit, CWnd)
  ON_WM_CHAR()
END_MESSAGE_MAP()

TEST_F(LifetimeTest, ASubclassedControlKeepsItsOwnBehaviour) {
  HWND hEdit =
      ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, hEdit);
  LONG_PTR originalProc = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
  CCharCountingEdit edit;
  ASSERT_TRUE(edit.SubclassWindow(hEdit));
  ::SendMessageA(hEdit, WM_CHAR, 'x', 1);
  EXPECT_EQ(1, g_nCalls);
  char text[8] = {};
  ::GetWindowTextA(hEdit, text, sizeof text);
  EXPECT_STREQ("x", text);

  EXPECT_EQ(hEdit, edit.UnsubclassWindow());
  EXPECT_EQ(originalProc, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
  ::SendMessageA(hEdit, WM_CHAR, 'y', 1);
  EXPECT_EQ(1, g_nCalls);
  ::DestroyWindow(hEdit);
}

TEST_F(LifetimeTest, AControlCreatedThroughTheObjectIsBoundFromItsFirstMessage) {
  CCharCountingEdit edit;
  ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr));
  EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.m_hWnd));
  EXPECT_EQ(1, ::SendMessageA(edit.m_hWnd, WM_QUERYAFXWNDPROC, 0, 0));
  ::SendMessageA(edit.m_hWnd, WM_CHAR, 'z', 1);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ("z", text);
  EXPECT_EQ(1, g_nCalls);
}

}  // namespace
