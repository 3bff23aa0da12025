// An MDI main frame with its document frames: the MDI client between the
// bars, children made from their resources, the menu bar following the active
// child, the Window menu's list and commands, the child's accelerators, the
// numbered titles, and commands reaching the active view first and the
// application last.
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CMDIChildWnd.h"
#include "classlib/win/CMDIFrameWnd.h"
#include "classlib/win/CStatusBar.h"
#include "classlib/win/CView.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

// Who took each routed command, in order, and what the views were told.
std::vector<std::string> g_routeLog;
std::vector<std::string> g_activationLog;

// The colours the views fill themselves with, one per view made.
const COLORREF kViewColours[] = {RGB(200, 230, 255), RGB(255, 230, 190), RGB(210, 245, 210)};
int g_nViewsMade = 0;

class CRouteView : public CView {
  DECLARE_DYNCREATE(CRouteView)
 public:
  CRouteView() : m_colour(kViewColours[g_nViewsMade++ % 3]) {}
  void OnDraw(CDC* pDC) override {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, m_colour);
  }
  COLORREF m_colour;

 protected:
  // Recorded, not acted on: taking the focus would activate the test's frame,
  // which then takes seconds to hide without a window manager.
  void OnActivateView(BOOL bActivate, CView*, CView*) override {
    g_activationLog.push_back((bActivate ? "activate " : "deactivate ") +
                              std::string(GetParentFrame()->GetTitle()));
  }
  afx_msg void OnRoute(UINT) { g_routeLog.push_back("view"); }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteView, CView)
BEGIN_MESSAGE_MAP(CRouteView, CView)
  ON_COMMAND_RANGE(ID_FRAMETEST_ROUTE_FIRST, ID_FRAMETEST_ROUTE_VIEW, OnRoute)
END_MESSAGE_MAP()

class CRouteChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CRouteChild)
 protected:
  afx_msg void OnRoute(UINT) { g_routeLog.push_back("child frame"); }
  afx_msg void OnChildKey() { g_routeLog.push_back("child key"); }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteChild, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CRouteChild, CMDIChildWnd)
  ON_COMMAND_RANGE(ID_FRAMETEST_ROUTE_FIRST, ID_FRAMETEST_ROUTE_CHILD_FRAME, OnRoute)
  ON_COMMAND(ID_FRAMETEST_CHILD_KEY, OnChildKey)
END_MESSAGE_MAP()

class CTestMainFrame : public CMDIFrameWnd {
 public:
  CStatusBar m_wndStatusBar;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_OVR, ID_INDICATOR_CAPS};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 3)) return -1;
    return 0;
  }
  afx_msg void OnRoute(UINT) { g_routeLog.push_back("main frame"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND_RANGE(ID_FRAMETEST_ROUTE_FIRST, ID_FRAMETEST_ROUTE_MAIN_FRAME, OnRoute)
END_MESSAGE_MAP()

class CRouteApp : public CWinApp {
 public:
  CRouteApp() : CWinApp("Zulta Tests") {}
  // Recorded instead of done.
  CDocument* OpenDocumentFile(LPCSTR lpszFileName) override {
    m_opened.push_back(lpszFileName);
    return nullptr;
  }
  void WinHelp(DWORD_PTR dwData, UINT) override { m_helpContexts.push_back(dwData); }
  std::vector<std::string> m_opened;
  std::vector<DWORD_PTR> m_helpContexts;

 protected:
  afx_msg void OnRoute(UINT) { g_routeLog.push_back("application"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteApp, CWinApp)
  ON_COMMAND_RANGE(ID_FRAMETEST_ROUTE_FIRST, ID_FRAMETEST_ROUTE_APPLICATION, OnRoute)
END_MESSAGE_MAP()

// How two children may lie in the MDI client.
bool SideBySide(const CRect& a, const CRect& b) {
  return a.top == b.top && (a.right <= b.left || b.right <= a.left);
}
bool OneAboveTheOther(const CRect& a, const CRect& b) {
  return a.left == b.left && (a.bottom <= b.top || b.bottom <= a.top);
}
bool Stepped(const CRect& a, const CRect& b) {
  return a.left != b.left && a.top != b.top && a.Size() == b.Size();
}

class MDIFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_routeLog.clear();
    g_activationLog.clear();
    m_pMain = new CTestMainFrame;
    // A bordered popup on the screen: no window manager to wait for.
    ASSERT_TRUE(m_pMain->LoadFrame(IDR_FRAMETEST_MAIN,
                                   WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | FWS_ADDTOTITLE));
    m_hMain = m_pMain->m_hWnd;
    m_app.m_pMainWnd = m_pMain;
    // Hidden: only the picture needs it on the screen.
    m_pMain->SetWindowPos(nullptr, 20, 20, 640, 420, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void TearDown() override {
    if (::IsWindow(m_hMain)) ::DestroyWindow(m_hMain);
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }
  // A child frame with a view, shown and activated.
  CRouteChild* OpenChild(LPCSTR lpszTitle) {
    auto* pChild = new CRouteChild;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CRouteView);
    if (!pChild->LoadFrame(IDR_FRAMETEST_CHILD, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, m_pMain,
                           &context))
      return nullptr;
    pChild->SetTitle(lpszTitle);
    pChild->InitialUpdateFrame(nullptr, TRUE);
    return pChild;
  }
  CRect RectInClient(HWND hWnd) {
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(nullptr, m_pMain->m_hWndMDIClient, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
  }
  CString Title(CWnd* pWnd) {
    CString title;
    pWnd->GetWindowText(title);
    return title;
  }

  CRouteApp m_app;
  CTestMainFrame* m_pMain = nullptr;
  HWND m_hMain = nullptr;
};

TEST_F(MDIFrameTest, TheClientTakesTheRoomTheBarsLeave) {
  ASSERT_NE(nullptr, m_pMain->m_hWndMDIClient);
  char szClass[32];
  ::GetClassNameA(m_pMain->m_hWndMDIClient, szClass, sizeof szClass);
  EXPECT_STRCASEEQ("MDIClient", szClass);
  EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(m_pMain->m_hWndMDIClient));
  CRect client, mdiClient, statusBar;
  m_pMain->GetClientRect(&client);
  ::GetWindowRect(m_pMain->m_hWndMDIClient, &mdiClient);
  m_pMain->m_wndStatusBar.GetWindowRect(&statusBar);
  m_pMain->ScreenToClient(&mdiClient);
  m_pMain->ScreenToClient(&statusBar);
  EXPECT_EQ(client.bottom, statusBar.bottom);
  EXPECT_EQ(client.Width(), statusBar.Width());
  EXPECT_GT(statusBar.Height(), 0);
  EXPECT_EQ(CRect(0, 0, client.right, statusBar.top), mdiClient);
  EXPECT_EQ(m_pMain->GetControlBar(AFX_IDW_STATUS_BAR), &m_pMain->m_wndStatusBar);
}

TEST_F(MDIFrameTest, TheActiveChildsViewAndMenuAreInFront) {
  CRouteChild* pFirst = OpenChild("First");
  CRouteChild* pSecond = OpenChild("Second");
  ASSERT_NE(nullptr, pFirst);
  ASSERT_NE(nullptr, pSecond);
  EXPECT_EQ(pSecond, m_pMain->MDIGetActive());
  EXPECT_EQ(pSecond, m_pMain->GetActiveFrame());
  ASSERT_NE(nullptr, pSecond->GetActiveView());
  EXPECT_TRUE(pSecond->GetActiveView()->IsKindOf(RUNTIME_CLASS(CRouteView)));
  EXPECT_EQ(pSecond->m_hMenuShared, ::GetMenu(m_hMain)) << "the child's menu is on the bar";
  EXPECT_STREQ("Second", Title(pSecond));

  g_activationLog.clear();
  m_pMain->MDIActivate(pFirst);
  EXPECT_EQ(pFirst, m_pMain->MDIGetActive());
  EXPECT_EQ(pFirst->m_hMenuShared, ::GetMenu(m_hMain));
  // The new view is told too once the program is in front; this one is not.
  EXPECT_EQ((std::vector<std::string>{"deactivate Second"}), g_activationLog);

  pFirst->SendMessage(WM_CLOSE);
  EXPECT_EQ(pSecond, m_pMain->MDIGetActive());
  pSecond->SendMessage(WM_CLOSE);
  EXPECT_EQ(nullptr, m_pMain->MDIGetActive());
  EXPECT_EQ(m_pMain->m_hMenuDefault, ::GetMenu(m_hMain)) << "the frame's own menu is back";
  EXPECT_EQ(m_pMain, m_pMain->GetActiveFrame());
}

TEST_F(MDIFrameTest, TheWindowMenuListsTheChildrenAndActivatesThem) {
  CRouteChild* pFirst = OpenChild("Untitled");
  CRouteChild* pSecond = OpenChild("Second");
  ASSERT_NE(nullptr, pSecond);
  // A child renamed after the list was made (a document saved under a name).
  pFirst->SetTitle("First");
  pFirst->OnUpdateFrameTitle(TRUE);
  HMENU hWindowMenu = m_pMain->GetWindowMenuPopup(::GetMenu(m_hMain));
  ASSERT_NE(nullptr, hWindowMenu);
  EXPECT_EQ(static_cast<UINT>(ID_WINDOW_NEW), ::GetMenuItemID(hWindowMenu, 0));
  // The MDI client appends one entry per child from AFX_IDM_FIRST_MDICHILD on.
  std::vector<std::string> entries;
  for (int i = 0; i < ::GetMenuItemCount(hWindowMenu); ++i) {
    UINT nID = ::GetMenuItemID(hWindowMenu, i);
    if (nID < AFX_IDM_FIRST_MDICHILD || nID == static_cast<UINT>(-1)) continue;
    char szText[64] = "";
    ::GetMenuStringA(hWindowMenu, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
    entries.push_back(szText);
  }
  EXPECT_EQ((std::vector<std::string>{"&1 First", "&2 Second"}), entries);

  m_pMain->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
  EXPECT_EQ(pFirst, m_pMain->MDIGetActive()) << "the first entry activates the first child";
}

TEST_F(MDIFrameTest, AClickInAnInactiveChildActivatesIt) {
  CRouteChild* pFirst = OpenChild("First");
  CRouteChild* pSecond = OpenChild("Second");
  ASSERT_NE(nullptr, pSecond);
  // What a click in the first child's view sends before the button message.
  pFirst->GetActiveView()->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_hMain),
                                       MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  EXPECT_EQ(pFirst, m_pMain->MDIGetActive());
  EXPECT_EQ(pFirst->m_hMenuShared, ::GetMenu(m_hMain));
}

TEST_F(MDIFrameTest, TheWindowCommandsArrangeTheChildren) {
  CRouteChild* pFirst = OpenChild("First");
  CRouteChild* pSecond = OpenChild("Second");
  ASSERT_NE(nullptr, pSecond);
  m_pMain->ShowWindow(SW_SHOWNA);  // the MDI client arranges only what is on the screen
  struct Case {
    UINT nCommand;
    const char* what;
    bool (*placed)(const CRect& a, const CRect& b);
  };
  // clang-format off
  const Case cases[] = {
    {ID_WINDOW_TILE_VERT, "side by side", SideBySide},
    {ID_WINDOW_TILE_HORZ, "one above the other", OneAboveTheOther},
    {ID_WINDOW_CASCADE,   "stepped down and right", Stepped},
  };
  // clang-format on
  for (const Case& c : cases) {
    m_pMain->SendMessage(WM_COMMAND, c.nCommand);
    EXPECT_TRUE(c.placed(RectInClient(pFirst->m_hWnd), RectInClient(pSecond->m_hWnd))) << c.what;
  }
}

TEST_F(MDIFrameTest, WindowCommandsAreEnabledOnlyWithAChild) {
  auto enabled = [&](UINT nID) {
    CRecordingCmdUI state;
    state.m_nID = nID;
    state.DoUpdate(m_pMain, TRUE);
    return state.m_enabled;
  };
  EXPECT_EQ(FALSE, enabled(ID_WINDOW_TILE_HORZ));
  ASSERT_NE(nullptr, OpenChild("First"));
  EXPECT_EQ(TRUE, enabled(ID_WINDOW_TILE_HORZ));
  EXPECT_EQ(TRUE, enabled(ID_WINDOW_CASCADE));
}

TEST_F(MDIFrameTest, ACommandReachesTheActiveViewFirstAndTheApplicationLast) {
  struct Case {
    UINT nID;
    std::vector<std::string> withChild;
    std::vector<std::string> withoutChild;
  };
  // clang-format off
  const Case cases[] = {
    {ID_FRAMETEST_ROUTE_VIEW,        {"view"},        {"main frame"}},
    {ID_FRAMETEST_ROUTE_CHILD_FRAME, {"child frame"}, {"main frame"}},
    {ID_FRAMETEST_ROUTE_MAIN_FRAME,  {"main frame"},  {"main frame"}},
    {ID_FRAMETEST_ROUTE_APPLICATION, {"application"}, {"application"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    g_routeLog.clear();
    m_pMain->SendMessage(WM_COMMAND, c.nID);
    EXPECT_EQ(c.withoutChild, g_routeLog) << "without a child: command " << c.nID;
  }
  CRouteChild* pChild = OpenChild("First");
  ASSERT_NE(nullptr, pChild);
  for (const Case& c : cases) {
    g_routeLog.clear();
    m_pMain->SendMessage(WM_COMMAND, c.nID);
    EXPECT_EQ(c.withChild, g_routeLog) << "from the main frame: command " << c.nID;
    // A command sent to the child frame itself goes the same way.
    g_routeLog.clear();
    pChild->SendMessage(WM_COMMAND, c.nID);
    EXPECT_EQ(c.withChild, g_routeLog) << "from the child frame: command " << c.nID;
  }
}

TEST_F(MDIFrameTest, TheActiveChildsAcceleratorsWork) {
  CRouteChild* pChild = OpenChild("First");
  ASSERT_NE(nullptr, pChild);
  // A key pressed in the view and one pressed with the main frame focused.
  for (HWND hWnd : {pChild->GetActiveView()->m_hWnd, m_hMain}) {
    g_routeLog.clear();
    MSG msg = {hWnd, WM_KEYDOWN, VK_F7, 1, 0, {0, 0}};
    EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
    EXPECT_EQ((std::vector<std::string>{"child key"}), g_routeLog);
  }
  pChild->SendMessage(WM_CLOSE);
  MSG msg = {m_hMain, WM_KEYDOWN, VK_F7, 1, 0, {0, 0}};
  EXPECT_FALSE(m_app.PreTranslateMessage(&msg)) << "no child, no child keys";
}

TEST_F(MDIFrameTest, AWindowOfSeveralIsNumberedInItsTitle) {
  CRouteChild* pChild = OpenChild("Sheet");
  ASSERT_NE(nullptr, pChild);
  struct Case {
    int nWindow;
    const char* title;
  };
  const Case cases[] = {{0, "Sheet"}, {1, "Sheet:1"}, {2, "Sheet:2"}};
  for (const Case& c : cases) {
    pChild->m_nWindow = c.nWindow;
    pChild->OnUpdateFrameTitle(TRUE);
    EXPECT_STREQ(c.title, Title(pChild));
    EXPECT_STREQ("Sheet - Frame Test", Title(m_pMain)) << "the main frame names the document";
  }
  pChild->SendMessage(WM_CLOSE);
  EXPECT_STREQ("Frame Test", Title(m_pMain));
}

TEST_F(MDIFrameTest, TwoTiledChildrenWithAStatusBarArePainted) {
  CRouteChild* pFirst = OpenChild("First");
  CRouteChild* pSecond = OpenChild("Second");
  ASSERT_NE(nullptr, pSecond);
  m_pMain->ShowWindow(SW_SHOWNA);
  m_pMain->MDITile(MDITILE_VERTICAL);
  PumpPending();  // the frame's own idle prompt comes first
  m_pMain->SetMessageText("Two sheets side by side");
  m_app.OnIdle(0);
  m_pMain->RedrawWindow(nullptr, nullptr,
                        RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
  RgbImage image;
  auto viewColour = [&](CRouteChild* pChild) {
    return static_cast<CRouteView*>(pChild->GetActiveView())->m_colour;
  };
  // Both views have painted when both their colours are on the screen.
  ASSERT_TRUE(WaitFor([&] {
    image = CaptureWindow(m_hMain);
    return CountPixels(image, IsColor(viewColour(pFirst))) > 1000 &&
           CountPixels(image, IsColor(viewColour(pSecond))) > 1000;
  }));
  SaveScreenshot(image, "classlib_mdi_frame");
}

TEST_F(MDIFrameTest, SettingTheActiveViewTellsTheOldAndTheNew) {
  CRouteChild* pChild = OpenChild("Sheet");
  ASSERT_NE(nullptr, pChild);
  CView* pView = pChild->GetActiveView();
  g_activationLog.clear();
  pChild->SetActiveView(nullptr);
  pChild->SetActiveView(pView, FALSE);  // quietly
  EXPECT_EQ(pView, pChild->GetActiveView());
  pChild->SetActiveView(nullptr);
  pChild->SetActiveView(pView);
  EXPECT_EQ((std::vector<std::string>{"deactivate Sheet", "deactivate Sheet", "activate Sheet"}),
            g_activationLog);
}

TEST_F(MDIFrameTest, ANewChildOpensMaximisedAfterAMaximisedOne) {
  CRouteChild* pFirst = OpenChild("First");
  ASSERT_NE(nullptr, pFirst);
  m_pMain->MDIMaximize(pFirst);
  CRouteChild* pSecond = OpenChild("Second");
  ASSERT_NE(nullptr, pSecond);
  BOOL bMaximized = FALSE;
  EXPECT_EQ(pSecond, m_pMain->MDIGetActive(&bMaximized));
  EXPECT_TRUE(bMaximized);
  EXPECT_TRUE(pSecond->IsZoomed());
}

TEST_F(MDIFrameTest, FilesDroppedOnTheFrameAreOpened) {
  const char szFiles[] = "C:\\notes\\a.txt\0C:\\notes\\b.txt\0";
  // A drop record as the shell makes it: the header, then the names, then one more 0.
  HGLOBAL hDrop =
      ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof szFiles + 1);
  auto* pDropFiles = static_cast<DROPFILES*>(::GlobalLock(hDrop));
  pDropFiles->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char*>(pDropFiles) + sizeof(DROPFILES), szFiles, sizeof szFiles);
  ::GlobalUnlock(hDrop);
  m_pMain->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop));  // the frame frees it
  EXPECT_EQ((std::vector<std::string>{"C:\\notes\\a.txt", "C:\\notes\\b.txt"}),
            m_app.m_opened);
}

TEST_F(MDIFrameTest, HelpIsForTheCommandInTheMenuElseForTheFrameInFront) {
  CRouteChild* pChild = OpenChild("Sheet");
  ASSERT_NE(nullptr, pChild);
  m_pMain->SendMessage(WM_COMMANDHELP);
  m_pMain->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FRAMETEST_MAIN_ONLY, MF_STRING), 0);
  m_pMain->SendMessage(WM_COMMANDHELP);
  m_pMain->SendMessage(WM_COMMANDHELP, 0, 77);  // a context given
  EXPECT_EQ((std::vector<DWORD_PTR>{HID_BASE_RESOURCE + IDR_FRAMETEST_CHILD,
                                    HID_BASE_COMMAND + ID_FRAMETEST_MAIN_ONLY, 77}),
            m_app.m_helpContexts);
  EXPECT_EQ(static_cast<LRESULT>(HID_BASE_RESOURCE + IDR_FRAMETEST_MAIN),
            m_pMain->SendMessage(WM_HELPHITTEST));
}

TEST_F(MDIFrameTest, TheChildListsEntriesShareOnePrompt) {
  CRouteChild* pChild = OpenChild("Sheet");
  ASSERT_NE(nullptr, pChild);
  m_pMain->SendMessage(WM_MENUSELECT, MAKEWPARAM(AFX_IDM_FIRST_MDICHILD + 1, MF_STRING), 0);
  EXPECT_EQ(static_cast<UINT>(AFX_IDS_MDICHILD), m_pMain->m_nIDTracking);
  CString strPrompt;
  m_pMain->m_wndStatusBar.GetWindowText(strPrompt);
  EXPECT_STREQ("Activates this window", strPrompt);
}

}  // namespace
