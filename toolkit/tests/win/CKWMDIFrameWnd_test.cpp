// The toolkit's MDI frames: two children under a main frame with a toolbar
// docked on each side through the toolkit's dock bars, a bar refused by a
// side that has no dock bar, shortcut texts written into popup menus from the
// accelerator table, the window list opened by the Window menu's item for
// windows beyond the ninth, and the bars' layout saved to the profile and
// brought back. Pictures go to the screenshots folder.
#include "toolkit/win/CKWMDIFrameWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CView.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/res/KWWindowListIds.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/TestSurface.h"
#include "toolkit/tests/win/KWFrameTestIds.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWDockState.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMDIChildWnd.h"
#include "toolkit/win/CKWMiniDockFrameWnd.h"
#include "toolkit/win/CKWToolBar.h"

namespace kw_mdi_frame_wnd_test {

constexpr char kCompanyKey[] = "Zulta MDI Frame Test";
constexpr char kProfile[] = "Frame";
constexpr UINT kFirstToolBarId = 0xE840;
constexpr UINT kDockWindowId = 0xE850;
constexpr int kSides = 4;
const CSize kDockWindowSize(180, 90);
constexpr int kSavedWidth = 130;
// The dock bars' extended style as the program's main frame sets it.
constexpr DWORD kDockBarFlags = 0x100;

class CFilledView : public CView {
  DECLARE_DYNCREATE(CFilledView)
 public:
  void OnDraw(CDC* pDC) override {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(235, 240, 250));
  }
};
IMPLEMENT_DYNCREATE(CFilledView, CView)

struct Side {
  UINT nDockBarID;
  DWORD dwAlign;
};
constexpr Side kSideOf[kSides] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

// Counts the customise requests it gets instead of opening the dialog.
class CCustomizeCountBar : public CKWToolBar {
 public:
  int m_nCustomizeRequests = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != TB_CUSTOMIZE) return CKWToolBar::WindowProc(message, wParam, lParam);
    ++m_nCustomizeRequests;
    return 0;
  }
};

// A toolbar on each side and a docking window on the left.
class CTestMainFrame : public CKWMDIFrameWnd {
 public:
  CCustomizeCountBar m_bars[kSides];
  CKWDockWindow m_dockWindow;
  BOOL m_bDockedAll = FALSE;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CKWMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_TOP, kDockBarFlags);  // no second top dock bar
    m_bDockedAll = TRUE;
    for (int n = 0; n < kSides; ++n) {
      if (!m_bars[n].CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | kSideOf[n].dwAlign,
                              CRect(0, 0, 0, 0), kFirstToolBarId + n) ||
          !m_bars[n].LoadToolBar(IDR_KWTEST_TOOLBAR))
        return -1;
      m_bars[n].EnableDocking(CBRS_ALIGN_ANY);
      // No dock bar named: the bar's own side gives it.
      m_bDockedAll &= DockControlBar(&m_bars[n]);
    }
    if (!m_dockWindow.Create(this, kDockWindowId, "Lexicon", kDockWindowSize,
                             CBRS_LEFT | CBRS_GRIPPER, CKWControlBar::kExStyleDefault))
      return -1;
    m_dockWindow.EnableDocking(CBRS_ALIGN_ANY);
    m_bDockedAll &= DockControlBar(&m_dockWindow, AFX_IDW_DOCKBAR_LEFT);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestMainFrame, CKWMDIFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

class MDIFrameTest : public AppTest {
 protected:
  void SetUp() override {
    m_app.SetRegistryKey(kCompanyKey);
    m_pMain = new CTestMainFrame;
    ASSERT_TRUE(m_pMain->LoadFrame(IDR_KWFRAMETEST_MAIN, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
    m_hMain = m_pMain->m_hWnd;
    m_app.m_pMainWnd = m_pMain;
    m_pMain->SetWindowPos(nullptr, 20, 20, 680, 460, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pMain->RecalcLayout();
  }
  void TearDown() override {
    if (::IsWindow(m_hMain)) ::DestroyWindow(m_hMain);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
    free(const_cast<LPSTR>(m_app.m_pszRegistryKey));
    m_app.m_pszRegistryKey = nullptr;
    AppTest::TearDown();
  }
  CKWMDIChildWnd* OpenChild(LPCSTR lpszTitle) {
    auto* pChild = new CKWMDIChildWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CFilledView);
    if (!pChild->LoadFrame(IDR_KWFRAMETEST_CHILD, WS_OVERLAPPEDWINDOW, m_pMain, &context))
      return nullptr;
    pChild->SetTitle(lpszTitle);
    pChild->SetWindowText(lpszTitle);
    pChild->InitialUpdateFrame(nullptr, TRUE);
    return pChild;
  }
  UINT DockBarIdOf(CControlBar& bar) {
    return bar.m_pDockBar == nullptr ? 0 : static_cast<UINT>(bar.m_pDockBar->GetDlgCtrlID());
  }
  void Picture(const std::string& name) {
    m_pMain->ShowWindow(SW_SHOWNA);
    m_pMain->RecalcLayout();
    m_pMain->RedrawWindow(nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    SaveScreenshot(CaptureWindow(m_hMain), name);
  }
  // The items of a popup as the menu shows them.
  static std::vector<std::string> Texts(HMENU hMenu) {
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
      char text[64] = "";
      ::GetMenuStringA(hMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      texts.emplace_back(text);
    }
    return texts;
  }

  CTestMainFrame* m_pMain = nullptr;
  HWND m_hMain = nullptr;
};

TEST_F(MDIFrameTest, EachSidesToolbarDocksOnTheToolkitsDockBarOfThatSide) {
  CKWMDIChildWnd* pFirst = OpenChild("First");
  ASSERT_NE(pFirst, nullptr);
  ASSERT_NE(OpenChild("Second"), nullptr);
  EXPECT_TRUE(m_pMain->m_bDockedAll);
  for (int n = 0; n < kSides; ++n) {
    CControlBar* pDockBar = m_pMain->GetControlBar(kSideOf[n].nDockBarID);
    ASSERT_NE(pDockBar, nullptr);
    ASSERT_TRUE(pDockBar->IsKindOf(RUNTIME_CLASS(CKWDockBar))) << n;
    EXPECT_EQ(static_cast<CKWDockBar*>(pDockBar)->m_dwExStyle, kDockBarFlags) << n;
    EXPECT_EQ(DockBarIdOf(m_pMain->m_bars[n]), kSideOf[n].nDockBarID) << n;
  }
  EXPECT_EQ(DockBarIdOf(m_pMain->m_dockWindow), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  // EnableDocking twice made one top dock bar: four dock bars, five bars.
  int nDockBars = 0;
  for (POSITION pos = m_pMain->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    nDockBars += static_cast<CControlBar*>(m_pMain->m_listControlBars.GetNext(pos))->IsDockBar();
  EXPECT_EQ(nDockBars, kSides);
  EXPECT_EQ(m_pMain->m_listControlBars.GetCount(), kSides + kSides + 1);
  EXPECT_EQ(m_pMain->m_pFloatingFrameClass, RUNTIME_CLASS(CKWMiniDockFrameWnd));
  // Each child hooks its own owner-drawn menus.
  EXPECT_EQ(pFirst->m_childCoolMenu.m_hWnd, pFirst->m_hWnd);
  m_pMain->ShowWindow(SW_SHOWNA);  // the MDI client tiles only what is on the screen
  m_pMain->MDITile(MDITILE_VERTICAL);
  Picture("kw_mdi_frame_docked_sides");
}

TEST_F(MDIFrameTest, DockingWhereNoDockBarIsFailsAndLeavesTheBar) {
  // A frame that docks only at the top.
  auto* pFrame = new CKWMDIFrameWnd;
  ASSERT_TRUE(pFrame->LoadFrame(IDR_KWFRAMETEST_MAIN, WS_POPUP | WS_BORDER));
  pFrame->EnableDocking(CBRS_ALIGN_TOP);
  CKWToolBar bar;
  ASSERT_TRUE(bar.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
  ASSERT_TRUE(bar.LoadToolBar(IDR_KWTEST_TOOLBAR));
  EXPECT_FALSE(pFrame->DockControlBar(&bar));
  EXPECT_FALSE(pFrame->DockControlBar(&bar, static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM)));
  EXPECT_FALSE(pFrame->DockControlBar(&bar, static_cast<CDockBar*>(nullptr)));
  EXPECT_EQ(bar.m_pDockBar, nullptr);
  EXPECT_EQ(bar.GetParent(), pFrame);
  // Aligned to several sides, a bar names no one dock bar.
  bar.SetBarStyle((bar.GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_ANY);
  EXPECT_FALSE(pFrame->DockControlBar(&bar));
  bar.SetBarStyle((bar.GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_TOP);
  EXPECT_TRUE(pFrame->DockControlBar(&bar));
  EXPECT_EQ(DockBarIdOf(bar), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
  pFrame->DestroyWindow();
}

TEST_F(MDIFrameTest, DockControlBarLeftOfPutsTheBarRightOfTheOtherInItsRow) {
  CKWToolBar& top = m_pMain->m_bars[0];
  CKWToolBar& bottom = m_pMain->m_bars[1];
  ASSERT_TRUE(m_pMain->DockControlBarLeftOf(&bottom, &top));
  m_pMain->RecalcLayout();
  CRect rectTop, rectMoved;
  top.GetWindowRect(&rectTop);
  bottom.GetWindowRect(&rectMoved);
  EXPECT_EQ(DockBarIdOf(bottom), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
  EXPECT_EQ(rectMoved.top, rectTop.top);
  EXPECT_GE(rectMoved.left, rectTop.right);
}

TEST_F(MDIFrameTest, PopupMenusShowTheFirstShortcutOfEachCommand) {
  CKWMDIChildWnd* pChild = OpenChild("Shortcuts");
  ASSERT_NE(pChild, nullptr);
  HMENU hBar = ::GetMenu(m_hMain);
  HMENU hFile = ::GetSubMenu(hBar, 0);
  HMENU hEdit = ::GetSubMenu(hBar, 1);
  const std::vector<std::string> untouched = Texts(hFile);
  // Not set up: the menus stay as they are.
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
  EXPECT_EQ(Texts(hFile), untouched);

  pChild->GetAccelManager().Init(pChild, IDR_KWFRAMETEST_MAIN, "Editor");
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEdit), 1);
  EXPECT_EQ(Texts(hFile),
            (std::vector<std::string>{"&Open\tCtrl+O", "&Save\tCtrl+S", "", "&Close", "&More"}));
  EXPECT_EQ(Texts(hEdit),
            (std::vector<std::string>{"&Find...\tShift+Ctrl+F5", "&Erase\tAlt+BACK"}));
  EXPECT_NE(::GetSubMenu(hFile, 4), nullptr) << "the popup item keeps its popup";
  EXPECT_EQ(::GetMenuState(hFile, 2, MF_BYPOSITION) & MF_SEPARATOR,
            static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(::GetMenuItemID(hFile, 1), static_cast<UINT>(ID_KWFRAMETEST_SAVE));
  // Again: nothing more changes.
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
  EXPECT_EQ(Texts(hFile)[1], "&Save\tCtrl+S");

  // Without a child the main frame's own manager, not set up, leaves its menu.
  pChild->MDIDestroy();
  hFile = ::GetSubMenu(::GetMenu(m_hMain), 0);
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
  EXPECT_EQ(Texts(hFile)[2], "&Close\tCtrl+W");
  m_pMain->GetAccelManager().Init(m_pMain, IDR_KWFRAMETEST_MAIN, "Main");
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
  EXPECT_EQ(Texts(hFile), (std::vector<std::string>{"&Open\tCtrl+O", "", "&Close"}));
}

TEST_F(MDIFrameTest, OwnerDrawnBitmapAndSystemMenuItemsKeepTheirTexts) {
  CKWMDIChildWnd* pChild = OpenChild("Kept");
  ASSERT_NE(pChild, nullptr);
  pChild->GetAccelManager().Init(pChild, IDR_KWFRAMETEST_MAIN, "Editor");
  HMENU hEdit = ::GetSubMenu(::GetMenu(m_hMain), 1);
  constexpr ULONG_PTR kItemData = 0x1234;
  ASSERT_TRUE(::ModifyMenuA(hEdit, 0, MF_BYPOSITION | MF_OWNERDRAW, ID_KWFRAMETEST_FIND,
                            reinterpret_cast<LPCSTR>(kItemData)));
  HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, nullptr);
  ASSERT_TRUE(::ModifyMenuA(hEdit, 1, MF_BYPOSITION | MF_BITMAP, ID_KWFRAMETEST_ERASE,
                            reinterpret_cast<LPCSTR>(hBitmap)));
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEdit), 1);
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_TYPE | MIIM_DATA;
  ASSERT_TRUE(::GetMenuItemInfoA(hEdit, 0, TRUE, &info));
  EXPECT_EQ(info.fType & MFT_OWNERDRAW, static_cast<UINT>(MFT_OWNERDRAW));
  EXPECT_EQ(info.dwItemData, kItemData);
  ASSERT_TRUE(::GetMenuItemInfoA(hEdit, 1, TRUE, &info));
  EXPECT_EQ(info.fType & MFT_BITMAP, static_cast<UINT>(MFT_BITMAP));
  EXPECT_EQ(info.dwTypeData, reinterpret_cast<LPSTR>(hBitmap));

  // The system's own shortcuts are in no accelerator table: a system menu
  // keeps them.
  HMENU hSystem = ::CreatePopupMenu();
  ::AppendMenuA(hSystem, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
  m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSystem), MAKELPARAM(0, TRUE));
  EXPECT_EQ(Texts(hSystem), (std::vector<std::string>{"&Close\tAlt+F4"}));
  ::DestroyMenu(hSystem);
  pChild->MDIDestroy();
  ::DeleteObject(hBitmap);
}

TEST_F(MDIFrameTest, SystemColourAndSettingChangesRefreshTheToolkitsColours) {
  constexpr COLORREF kStale = RGB(1, 2, 3);
  for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
    KWGetGlobalData().clrBtnFace = kStale;
    m_pMain->SendMessage(message);
    EXPECT_EQ(KWGetGlobalData().clrBtnFace, ::GetSysColor(COLOR_BTNFACE)) << message;
  }
}

// An open popup, read and pictured from inside its loop once its texts show.
struct OpenPopup {
  std::vector<std::string> texts;
  RgbImage image;
  bool taken = false;
  DWORD dwDeadline = 0;
};
OpenPopup g_popup;
constexpr int kTextPixelsShown = 100;
constexpr int kMenuBorder = 4;

void CALLBACK ReadAndClosePopup(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hMenuWnd = kwtest::OpenMenuWindow();
  if (hMenuWnd == nullptr) return;
  g_popup.image = CaptureWindow(hMenuWnd);
  // The items are greyed (no handlers): inside the border, any pixel off the
  // menu's face is text.
  const uint32_t face = CaptureColor(::GetSysColor(COLOR_MENU));
  const RECT inside = {kMenuBorder, kMenuBorder, g_popup.image.width - kMenuBorder,
                       g_popup.image.height - kMenuBorder};
  const bool bPainted = CountPixels(g_popup.image, inside, [face](uint32_t rgb) {
                          return rgb != face;
                        }) > kTextPixelsShown;
  if (!bPainted && static_cast<LONG>(::GetTickCount() - g_popup.dwDeadline) < 0) return;
  ::KillTimer(nullptr, nTimer);
  constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
  auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, kGetMenuHandle, 0, 0));
  for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
    char text[64] = "";
    ::GetMenuStringA(hMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    g_popup.texts.emplace_back(text);
  }
  g_popup.taken = true;
  ::EndMenu();
}

TEST_F(MDIFrameTest, AnOpenedPopupShowsTheShortcutsBesideItsItems) {
  CKWMDIChildWnd* pChild = OpenChild("Shortcuts");
  ASSERT_NE(pChild, nullptr);
  pChild->GetAccelManager().Init(pChild, IDR_KWFRAMETEST_MAIN, "Editor");
  m_pMain->ShowWindow(SW_SHOWNA);
  m_pMain->SetForegroundWindow();
  g_popup = OpenPopup();
  g_popup.dwDeadline = ::GetTickCount() + kWaitTimeoutMs;
  ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ReadAndClosePopup);
  CRect frame;
  m_pMain->GetWindowRect(&frame);
  ::TrackPopupMenu(::GetSubMenu(::GetMenu(m_hMain), 1), TPM_LEFTALIGN, frame.left + 60,
                   frame.top + 80, 0, m_hMain, nullptr);
  ASSERT_TRUE(g_popup.taken);
  EXPECT_EQ(g_popup.texts,
            (std::vector<std::string>{"&Find...\tShift+Ctrl+F5", "&Erase\tAlt+BACK"}));
  SaveScreenshot(g_popup.image, "kw_mdi_frame_popup_shortcuts");
}

TEST_F(MDIFrameTest, CustomizeGoesToTheToolbarWhoseMenuWasOpenedLast) {
  const UINT nMessage = ::RegisterWindowMessageA("KWBarContextMenu");
  CCustomizeCountBar& first = m_pMain->m_bars[0];
  CCustomizeCountBar& second = m_pMain->m_bars[1];
  EXPECT_EQ(m_pMain->SendMessage(nMessage, 0), -1);
  EXPECT_EQ(m_pMain->SendMessage(nMessage, reinterpret_cast<WPARAM>(&first)), 0);
  EXPECT_EQ(m_pMain->SendMessage(nMessage, reinterpret_cast<WPARAM>(&second)), 0);
  m_pMain->SendMessage(WM_COMMAND, ID_KW_CUSTOMIZE);
  m_pMain->SendMessage(WM_COMMAND, ID_KW_CUSTOMIZE);  // the toolbar was forgotten
  EXPECT_EQ(first.m_nCustomizeRequests, 0);
  EXPECT_EQ(second.m_nCustomizeRequests, 1);
  // A docking window's menu is no toolbar's.
  m_pMain->SendMessage(nMessage, reinterpret_cast<WPARAM>(&first));
  EXPECT_EQ(m_pMain->SendMessage(nMessage, reinterpret_cast<WPARAM>(&m_pMain->m_dockWindow)), 0);
  m_pMain->SendMessage(WM_COMMAND, ID_KW_CUSTOMIZE);
  EXPECT_EQ(first.m_nCustomizeRequests, 0);
}

TEST_F(MDIFrameTest, TheTitleUpdateMakesTheChildsViewActive) {
  CKWMDIChildWnd* pChild = OpenChild("Viewless");
  ASSERT_NE(pChild, nullptr);
  CView* pView = pChild->GetActiveView();
  ASSERT_NE(pView, nullptr);
  pChild->SetActiveView(nullptr, FALSE);
  pChild->OnUpdateFrameTitle(TRUE);
  EXPECT_EQ(pChild->GetActiveView(), pView);
}

TEST_F(MDIFrameTest, TheWindowClassCarriesTheFramesIcon) {
  CKWMDIChildWnd* pChild = OpenChild("Icon");
  ASSERT_NE(pChild, nullptr);
  struct {
    CREATESTRUCTA cs;
    BOOL bMade;
  } made[2] = {};
  made[0].bMade = m_pMain->PreCreateWindowWithIcon(made[0].cs, IDI_KWFRAMETEST);
  made[1].cs.style = WS_CHILD | WS_OVERLAPPEDWINDOW;
  made[1].bMade = pChild->PreCreateWindowWithIcon(made[1].cs, IDI_KWFRAMETEST);
  for (auto& m : made) {
    ASSERT_TRUE(m.bMade);
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), m.cs.lpszClass, &wc));
    ASSERT_NE(wc.hIcon, nullptr);
    // The red square of the icon resource, drawn at the icon size.
    const CSize icon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    Surface surface(0, icon.cx, icon.cy);
    ASSERT_TRUE(::DrawIcon(surface.hdc(), 0, 0, wc.hIcon));
    EXPECT_EQ(surface.At(icon.cx / 2, icon.cy / 2), surface.Stored(RGB(255, 0, 0)));
  }
}

// What the window list showed, read from inside its modal loop.
int g_nListed = -1;
void CALLBACK CloseWindowList(HWND, UINT, UINT_PTR, DWORD) {
  HWND hDlg = ::GetActiveWindow();
  EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hWnd, LPARAM lParam) -> BOOL {
        if (::GetDlgItem(hWnd, IDC_KW_WINDOW_LIST) == nullptr) return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&hDlg));
  HWND hList = hDlg != nullptr ? ::GetDlgItem(hDlg, IDC_KW_WINDOW_LIST) : nullptr;
  if (hList == nullptr) return;
  g_nListed = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
  ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MDIFrameTest, TheMoreWindowsItemOpensTheWindowList) {
  constexpr int kChildren = 11;
  for (int n = 0; n < kChildren; ++n)
    ASSERT_NE(OpenChild(("Window " + std::to_string(n)).c_str()), nullptr);
  m_pMain->ShowWindow(SW_SHOWNA);
  // The MDI client's own item for the windows beyond the ninth.
  HMENU hWindowMenu = m_pMain->GetWindowMenuPopup(::GetMenu(m_hMain));
  ASSERT_NE(hWindowMenu, nullptr);
  const int nItems = ::GetMenuItemCount(hWindowMenu);
  EXPECT_EQ(::GetMenuItemID(hWindowMenu, nItems - 1), ID_KW_MORE_WINDOWS);
  g_nListed = -1;
  const UINT_PTR nTimer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CloseWindowList);
  m_pMain->SendMessage(WM_COMMAND, ID_KW_MORE_WINDOWS);
  ::KillTimer(nullptr, nTimer);
  EXPECT_EQ(g_nListed, kChildren);
}

TEST_F(MDIFrameTest, SavedBarStateBringsBackPlacesAndDockingWindowSizes) {
  CKWToolBar& left = m_pMain->m_bars[2];
  m_pMain->ShowWindow(SW_SHOWNA);
  m_pMain->RecalcLayout();
  CKWDockWindow& window = m_pMain->m_dockWindow;
  window.SetBarSize(CSize(kSavedWidth, kDockWindowSize.cy));
  window.ExpandLength(kDockWindowSize.cy);
  m_pMain->RecalcLayout();
  ASSERT_EQ(window.GetDesiredWidth(), kSavedWidth);
  m_pMain->SaveBarState(kProfile);

  // Moved and resized after the save.
  ASSERT_TRUE(m_pMain->DockControlBar(&left, AFX_IDW_DOCKBAR_RIGHT));
  window.RestoreLength();
  window.SetBarSize(kDockWindowSize);
  m_pMain->RecalcLayout();
  ASSERT_EQ(window.GetDesiredWidth(), kDockWindowSize.cx);
  ASSERT_EQ(DockBarIdOf(left), static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT));

  m_pMain->LoadBarState(kProfile);
  m_pMain->RecalcLayout();
  EXPECT_EQ(DockBarIdOf(left), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_TRUE(window.IsExpanded());
  EXPECT_EQ(window.GetDesiredWidth(), kSavedWidth);
  Picture("kw_mdi_frame_bar_state");

  // A layout naming a bar the frame no longer has (the top toolbar, saved
  // under another id) drops that bar and restores the others.
  CKWToolBar& top = m_pMain->m_bars[0];
  const UINT nTopId = static_cast<UINT>(top.GetDlgCtrlID());
  const UINT nGoneId = nTopId + 1000;
  ASSERT_EQ(m_pMain->GetControlBar(nGoneId), nullptr);
  CKWDockState state;
  m_pMain->GetDockState(state);
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
    if (pInfo->m_nBarID == nTopId) pInfo->m_nBarID = nGoneId;
    for (int n = 0; n < pInfo->m_arrBarID.GetSize(); ++n) {
      if (reinterpret_cast<UINT_PTR>(pInfo->m_arrBarID[n]) == nTopId)
        pInfo->m_arrBarID[n] = reinterpret_cast<void*>(static_cast<UINT_PTR>(nGoneId));
    }
  }
  state.SaveState(kProfile);
  ASSERT_TRUE(m_pMain->DockControlBar(&left, AFX_IDW_DOCKBAR_RIGHT));
  m_pMain->LoadBarState(kProfile);
  m_pMain->RecalcLayout();
  EXPECT_EQ(DockBarIdOf(left), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(m_pMain->GetControlBar(nGoneId), nullptr);
}

TEST_F(MDIFrameTest, ADockingWindowMissingFromTheProfileKeepsTheLayout) {
  CKWToolBar& left = m_pMain->m_bars[2];
  // Saved as if the docking window were not yet one of the frame's bars; its
  // dock bar's row still names it.
  CPtrList& bars = m_pMain->m_listControlBars;
  bars.RemoveAt(bars.Find(&m_pMain->m_dockWindow));
  m_pMain->SaveBarState(kProfile);
  bars.AddTail(&m_pMain->m_dockWindow);
  ASSERT_TRUE(m_pMain->DockControlBar(&left, AFX_IDW_DOCKBAR_RIGHT));
  m_pMain->LoadBarState(kProfile);
  EXPECT_EQ(DockBarIdOf(left), static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT));
}

TEST_F(MDIFrameTest, AFloatingBarComesBackFloatingFromTheProfile) {
  CKWToolBar& left = m_pMain->m_bars[2];
  m_pMain->ShowWindow(SW_SHOWNA);
  CRect frame;
  m_pMain->GetWindowRect(&frame);
  const CPoint point = frame.TopLeft() + CSize(200, 150);
  m_pMain->FloatControlBar(&left, point);
  ASSERT_TRUE(left.m_pDockBar != nullptr && left.m_pDockBar->m_bFloating);
  CWnd* pFloat = left.m_pDockBar->GetParent();
  EXPECT_TRUE(pFloat->IsKindOf(m_pMain->m_pFloatingFrameClass));
  CRect floated;
  left.GetWindowRect(&floated);
  m_pMain->SaveBarState(kProfile);

  ASSERT_TRUE(m_pMain->DockControlBar(&left, AFX_IDW_DOCKBAR_LEFT));
  ASSERT_EQ(DockBarIdOf(left), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  m_pMain->LoadBarState(kProfile);
  ASSERT_TRUE(left.m_pDockBar != nullptr && left.m_pDockBar->m_bFloating);
  pFloat = left.m_pDockBar->GetParent();
  EXPECT_TRUE(pFloat->IsKindOf(m_pMain->m_pFloatingFrameClass));
  EXPECT_TRUE(pFloat->IsWindowVisible());
  CRect restored;
  left.GetWindowRect(&restored);
  EXPECT_EQ(restored.TopLeft(), floated.TopLeft());
  Picture("kw_mdi_frame_floating_bar");
}

}  // namespace kw_mdi_frame_wnd_test
