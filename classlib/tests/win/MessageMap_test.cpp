// Messages reach the handlers of the message maps: window messages with their
// parameters unpacked, user and registered messages, a derived class's entries
// before its base's; notifications reflected to the control that sent them.
#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CScrollBar.h"

namespace {

const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("ZultaTests.MessageMap.Registered");
constexpr UINT kNotRegistered = WM_USER + 7;

class CRecordingWnd : public CWnd {
 public:
  std::vector<std::string> m_log;
  CSize m_size;
  CPoint m_point;
  HWND m_hWndInOnCreate = nullptr;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    m_hWndInOnCreate = m_hWnd;
    m_log.push_back("create");
    return CWnd::OnCreate(lpcs);
  }
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    m_size = CSize(cx, cy);
    CWnd::OnSize(nType, cx, cy);
  }
  afx_msg void OnLButtonDown(UINT, CPoint point) { m_point = point; }
  afx_msg LRESULT OnUserSum(WPARAM wParam, LPARAM lParam) {
    return static_cast<LRESULT>(wParam) + lParam;
  }
  afx_msg LRESULT OnUserOther(WPARAM, LPARAM) { return 11; }
  afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_MESSAGE(WM_USER, OnUserSum)
  ON_MESSAGE(WM_USER + 1, OnUserOther)
  ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
END_MESSAGE_MAP()

class CDerivedWnd : public CRecordingWnd {
 protected:
  afx_msg LRESULT OnUserDerived(WPARAM, LPARAM) { return 100; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
  ON_MESSAGE(WM_USER, OnUserDerived)
END_MESSAGE_MAP()

using MessageMapTest = AppTest;

TEST_F(MessageMapTest, WindowMessagesReachTheirHandlersWithUnpackedParameters) {
  CRecordingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd));
  EXPECT_EQ(wnd.m_hWnd, wnd.m_hWndInOnCreate) << "bound before WM_CREATE";
  EXPECT_EQ(std::vector<std::string>{"create"}, wnd.m_log);

  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 45));
  EXPECT_EQ(CSize(120, 45), wnd.m_size);
  // Coordinates left of and above the client area are negative.
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
  EXPECT_EQ(CPoint(-5, 7), wnd.m_point);
}

TEST_F(MessageMapTest, UserRegisteredAndUnmappedMessages) {
  CRecordingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd));
  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT expected;
  } const cases[] = {
      {WM_USER, 2, 3, 5},
      {WM_USER + 1, 0, 0, 11},
      {WM_TEST_REGISTERED, 21, 0, 42},
      {kNotRegistered, 21, 0, 0},  // no entry: the default procedure answers 0
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, wnd.SendMessage(c.message, c.wParam, c.lParam)) << std::hex << c.message;
}

TEST_F(MessageMapTest, ADerivedEntryComesBeforeTheBaseOnes) {
  CDerivedWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd));
  EXPECT_EQ(100, wnd.SendMessage(WM_USER, 2, 3));
  EXPECT_EQ(11, wnd.SendMessage(WM_USER + 1));  // from the base's map
  EXPECT_EQ(std::vector<std::string>{"create"}, wnd.m_log);
}

// ---- Reflection.

constexpr int kChildId = 7;
constexpr UINT kReflectedCode = 0x300;
constexpr UINT kParentCode = 0x301;

class CReflectingChild : public CWnd {
 public:
  std::vector<std::string> m_log;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    m_log.push_back("draw " + std::to_string(lpDIS->itemID));
  }
  void VScroll(UINT nSBCode, UINT nPos) {
    m_log.push_back("vscroll " + std::to_string(nSBCode) + " " + std::to_string(nPos));
  }

 protected:
  afx_msg void OnReflectClick(NMHDR*, LRESULT* pResult) {
    m_log.push_back("click");
    *pResult = 33;
  }
  afx_msg void OnReflectChange() { m_log.push_back("change"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
  ON_NOTIFY_REFLECT(NM_CLICK, OnReflectClick)
  ON_CONTROL_REFLECT(kReflectedCode, OnReflectChange)
  ON_WM_DRAWITEM_REFLECT()
  ON_WM_VSCROLL_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
 public:
  std::vector<std::string> m_log;

 protected:
  afx_msg void OnChildClick(NMHDR*, LRESULT*) { m_log.push_back("parent click"); }
  afx_msg void OnChildDblClk(NMHDR* pNMHDR, LRESULT* pResult) {
    m_log.push_back("parent dblclk " + std::to_string(pNMHDR->idFrom));
    *pResult = 44;
  }
  afx_msg void OnChildChange() { m_log.push_back("parent change"); }
  afx_msg void OnChildOther() { m_log.push_back("parent other"); }
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    m_log.push_back("hscroll " + std::to_string(nSBCode) + " " + std::to_string(nPos) +
                    (pScrollBar == nullptr ? " own" : " control"));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
  ON_NOTIFY(NM_CLICK, kChildId, OnChildClick)
  ON_NOTIFY(NM_DBLCLK, kChildId, OnChildDblClk)
  ON_CONTROL(kReflectedCode, kChildId, OnChildChange)
  ON_CONTROL(kParentCode, kChildId, OnChildOther)
  ON_WM_HSCROLL()
END_MESSAGE_MAP()

class ReflectionTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateTopLevel(m_parent));
    ASSERT_TRUE(m_child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20),
                               &m_parent, kChildId));
  }
  LRESULT Notify(UINT code) {
    NMHDR nmhdr = {m_child.m_hWnd, kChildId, code};
    return m_parent.SendMessage(WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&nmhdr));
  }
  void Command(UINT code) {
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, code),
                         reinterpret_cast<LPARAM>(m_child.m_hWnd));
  }
  CParentWnd m_parent;
  CReflectingChild m_child;
};

TEST_F(ReflectionTest, AReflectedNotificationIsTheChildsAndNotTheParents) {
  EXPECT_EQ(33, Notify(NM_CLICK));
  EXPECT_EQ(std::vector<std::string>{"click"}, m_child.m_log);
  EXPECT_TRUE(m_parent.m_log.empty());
}

TEST_F(ReflectionTest, ANotificationTheChildDoesNotTakeGoesToTheParent) {
  EXPECT_EQ(44, Notify(NM_DBLCLK));
  EXPECT_EQ(std::vector<std::string>{"parent dblclk 7"}, m_parent.m_log);
  EXPECT_TRUE(m_child.m_log.empty());
}

TEST_F(ReflectionTest, ControlNotificationsAreReflectedOrRouted) {
  Command(kReflectedCode);
  Command(kParentCode);
  EXPECT_EQ(std::vector<std::string>{"change"}, m_child.m_log);
  EXPECT_EQ(std::vector<std::string>{"parent other"}, m_parent.m_log);
}

TEST_F(ReflectionTest, OwnerDrawingGoesToTheControl) {
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = kChildId;
  dis.itemID = 5;
  dis.hwndItem = m_child.m_hWnd;
  EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DRAWITEM, kChildId, reinterpret_cast<LPARAM>(&dis)));
  EXPECT_EQ(std::vector<std::string>{"draw 5"}, m_child.m_log);
}

TEST_F(ReflectionTest, ScrollingGoesToTheParentOrIsReflectedToTheBar) {
  m_parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30), 0);
  m_parent.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12),
                       reinterpret_cast<LPARAM>(m_child.m_hWnd));
  EXPECT_EQ(std::vector<std::string>{"hscroll 5 30 own"}, m_parent.m_log);
  EXPECT_EQ(std::vector<std::string>{"vscroll 4 12"}, m_child.m_log);
}

}  // namespace
