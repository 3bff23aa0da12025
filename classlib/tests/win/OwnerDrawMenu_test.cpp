// Owner-drawn menu items are measured and drawn by the permanent object of
// their menu, reached through the window that owns the menu.
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CMenu.h"

namespace {

constexpr UINT ID_OWNER_ITEM = 4001;
constexpr UINT ID_PLAIN_ITEM = 4002;

class COwnerMenu : public CMenu {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
    m_measured.push_back(lpMIS->itemID);
    lpMIS->itemWidth = 77;
    lpMIS->itemHeight = 19;
  }
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { m_drawn.push_back(lpDIS->itemID); }
  std::vector<UINT> m_measured;
  std::vector<UINT> m_drawn;
};

class OwnerDrawMenuTest : public AppTest {
 protected:
  void SetUp() override {
    // A popup: without a window manager Wine is slow to show captioned windows.
    ASSERT_TRUE(CreateTopLevel(m_wnd, WS_POPUP));
    ASSERT_TRUE(m_popup.CreatePopupMenu());
    ASSERT_TRUE(m_popup.AppendMenu(MF_OWNERDRAW, ID_OWNER_ITEM, reinterpret_cast<LPCSTR>(1)));
    m_hBar = ::CreateMenu();
    ::AppendMenuA(m_hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(m_popup.m_hMenu), "&Menu");
  }
  void TearDown() override {
    ::SetMenu(m_wnd.m_hWnd, nullptr);
    ::RemoveMenu(m_hBar, 0, MF_BYPOSITION);  // the popup is the object's
    ::DestroyMenu(m_hBar);
    m_wnd.DestroyWindow();
    AppTest::TearDown();
  }
  LRESULT Measure(UINT nID) {
    MEASUREITEMSTRUCT mis = {ODT_MENU, 0, nID, 0, 0, 1};
    LRESULT lResult = m_wnd.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    m_lastWidth = mis.itemWidth;
    return lResult;
  }
  void Draw(HMENU hMenu, UINT nID) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    DRAWITEMSTRUCT dis = {
        ODT_MENU, 0, nID, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(hMenu), hDC, {0, 0, 77, 19}, 1};
    m_wnd.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    ::DeleteDC(hDC);
  }
  CWnd m_wnd;
  COwnerMenu m_popup;
  HMENU m_hBar = nullptr;
  UINT m_lastWidth = 0;
};

TEST_F(OwnerDrawMenuTest, TheWindowsMenuMeasuresAndDrawsItsItems) {
  ::SetMenu(m_wnd.m_hWnd, m_hBar);
  EXPECT_EQ(TRUE, Measure(ID_OWNER_ITEM));
  EXPECT_EQ(std::vector<UINT>{ID_OWNER_ITEM}, m_popup.m_measured);
  EXPECT_EQ(77u, m_lastWidth);
  Draw(m_popup.m_hMenu, ID_OWNER_ITEM);
  EXPECT_EQ(std::vector<UINT>{ID_OWNER_ITEM}, m_popup.m_drawn);
}

TEST_F(OwnerDrawMenuTest, ATrackedPopupIsFoundThroughTheThreadState) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  pState->m_hTrackingWindow = m_wnd.m_hWnd;
  pState->m_hTrackingMenu = m_popup.m_hMenu;
  Measure(ID_OWNER_ITEM);
  pState->m_hTrackingWindow = nullptr;
  pState->m_hTrackingMenu = nullptr;
  EXPECT_EQ(std::vector<UINT>{ID_OWNER_ITEM}, m_popup.m_measured);
}

TEST_F(OwnerDrawMenuTest, AMenuWithoutItsObjectIsLeftToTheSystem) {
  // Not in the window's menu, and a menu that has no permanent object.
  Measure(ID_OWNER_ITEM);
  HMENU hOther = ::CreatePopupMenu();
  ::AppendMenuA(hOther, MF_OWNERDRAW, ID_PLAIN_ITEM, reinterpret_cast<LPCSTR>(1));
  Draw(hOther, ID_PLAIN_ITEM);
  ::DestroyMenu(hOther);
  EXPECT_TRUE(m_popup.m_measured.empty());
  EXPECT_TRUE(m_popup.m_drawn.empty());
}

TEST_F(OwnerDrawMenuTest, TheMenuBarsOwnItemsAreMeasuredByTheSystemThroughTheObject) {
  // An owner-drawn item of the bar itself, laid out when the window shows it.
  COwnerMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  ASSERT_TRUE(bar.AppendMenu(MF_OWNERDRAW, ID_PLAIN_ITEM, reinterpret_cast<LPCSTR>(1)));
  ::SetMenu(m_wnd.m_hWnd, bar.m_hMenu);
  m_wnd.ShowWindow(SW_SHOWNOACTIVATE);
  m_wnd.DrawMenuBar();
  m_wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  PumpPending();
  ::SetMenu(m_wnd.m_hWnd, nullptr);
  ASSERT_FALSE(bar.m_measured.empty());
  EXPECT_EQ(ID_PLAIN_ITEM, bar.m_measured.front());
  ASSERT_FALSE(bar.m_drawn.empty());
  EXPECT_EQ(ID_PLAIN_ITEM, bar.m_drawn.front());
}

}  // namespace
