// Menus built, loaded from resources and queried; temporary objects for
// popups; owner-drawn items measured and drawn by their menu object.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "classlib/tests/win/GdiTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CMenu.h"

namespace {

constexpr UINT kQueryFailed = static_cast<UINT>(-1);

class MenuTest : public ::testing::Test {
 protected:
  void TearDown() override { CMenu::DeleteTempMap(); }
};

TEST_F(MenuTest, ABuiltMenuAnswersCountsIdsStringsAndStates) {
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  ASSERT_TRUE(popup.AppendMenu(MF_STRING, 101, "&First"));
  ASSERT_TRUE(popup.AppendMenu(MF_SEPARATOR));
  ASSERT_TRUE(popup.AppendMenu(MF_STRING | MF_GRAYED, 103, "Third"));
  ASSERT_TRUE(popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 100, "Zeroth"));
  ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.m_hMenu), "&File"));
  HMENU hPopup = popup.Detach();  // the bar owns it now

  EXPECT_EQ(1u, bar.GetMenuItemCount());
  EXPECT_EQ(kQueryFailed, bar.GetMenuItemID(0));  // opens a popup

  CMenu* pPopup = bar.GetSubMenu(0);
  ASSERT_NE(nullptr, pPopup);
  EXPECT_EQ(hPopup, pPopup->m_hMenu);
  EXPECT_EQ(pPopup, bar.GetSubMenu(0));
  EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hPopup));
  EXPECT_EQ(nullptr, pPopup->GetSubMenu(0));

  struct Item {
    int pos;
    UINT id;
    const char* text;
  } const items[] = {{0, 100, "Zeroth"}, {1, 101, "&First"}, {2, 0, ""}, {3, 103, "Third"}};
  ASSERT_EQ(4u, pPopup->GetMenuItemCount());
  for (const Item& item : items) {
    EXPECT_EQ(item.id, pPopup->GetMenuItemID(item.pos)) << item.pos;
    CString text;
    pPopup->GetMenuString(item.pos, text, MF_BYPOSITION);
    EXPECT_STREQ(item.text, text) << item.pos;
  }
  char buffer[4];
  EXPECT_EQ(3, pPopup->GetMenuString(101, buffer, sizeof(buffer), MF_BYCOMMAND));
  EXPECT_STREQ("&Fi", buffer);
  EXPECT_EQ(kQueryFailed, pPopup->GetMenuItemID(9));

  EXPECT_TRUE(pPopup->GetMenuState(103, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(pPopup->GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(static_cast<UINT>(MF_GRAYED), pPopup->EnableMenuItem(103, MF_ENABLED));
  EXPECT_EQ(static_cast<UINT>(MF_ENABLED), pPopup->EnableMenuItem(103, MF_GRAYED));
  EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), pPopup->CheckMenuItem(101, MF_CHECKED));
  EXPECT_TRUE(pPopup->GetMenuState(101, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(kQueryFailed, pPopup->CheckMenuItem(999, MF_CHECKED));
  EXPECT_EQ(kQueryFailed, pPopup->GetMenuState(999, MF_BYCOMMAND));

  ASSERT_TRUE(pPopup->ModifyMenu(100, MF_BYCOMMAND | MF_STRING, 110, "Renamed"));
  CString text;
  pPopup->GetMenuString(110, text, MF_BYCOMMAND);
  EXPECT_STREQ("Renamed", text);
  ASSERT_TRUE(pPopup->DeleteMenu(110, MF_BYCOMMAND));
  EXPECT_EQ(3u, pPopup->GetMenuItemCount());
  EXPECT_FALSE(pPopup->DeleteMenu(110, MF_BYCOMMAND));
}

TEST_F(MenuTest, RemoveMenuKeepsThePopupAliveAndDeleteMenuDestroysIt) {
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  HMENU kept = ::CreatePopupMenu();
  HMENU destroyed = ::CreatePopupMenu();
  bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "Kept");
  bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(destroyed), "Destroyed");
  ASSERT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
  ASSERT_TRUE(bar.DeleteMenu(0, MF_BYPOSITION));
  EXPECT_EQ(0u, bar.GetMenuItemCount());
  EXPECT_TRUE(::IsMenu(kept));
  EXPECT_FALSE(::IsMenu(destroyed));
  ::DestroyMenu(kept);
}

TEST_F(MenuTest, AMenuResourceLoadsWithItsStates) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_GDITEST_MENU));
  ASSERT_EQ(2u, menu.GetMenuItemCount());
  CString title;
  menu.GetMenuString(1, title, MF_BYPOSITION);
  EXPECT_STREQ("&Help", title);
  CMenu* pFile = menu.GetSubMenu(0);
  ASSERT_NE(nullptr, pFile);
  EXPECT_EQ(4u, pFile->GetMenuItemCount());
  EXPECT_EQ(static_cast<UINT>(ID_GDITEST_EXIT), pFile->GetMenuItemID(3));
  EXPECT_TRUE(pFile->GetMenuState(ID_GDITEST_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  // Queries by command reach into the popups.
  EXPECT_TRUE(menu.GetMenuState(ID_GDITEST_ABOUT, MF_BYCOMMAND) & MF_CHECKED);

  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(9999));
  EXPECT_FALSE(missing.DestroyMenu());
}

TEST_F(MenuTest, AttachDetachAndDestroy) {
  HMENU hMenu = ::CreatePopupMenu();
  CMenu* pTemp = CMenu::FromHandle(hMenu);
  ASSERT_NE(nullptr, pTemp);
  CMenu::DeleteTempMap();
  EXPECT_TRUE(::IsMenu(hMenu)) << "the temporary object destroyed the menu";
  {
    CMenu owner;
    ASSERT_TRUE(owner.Attach(hMenu));
    EXPECT_EQ(&owner, CMenu::FromHandlePermanent(hMenu));
    EXPECT_EQ(&owner, CMenu::FromHandle(hMenu));
    EXPECT_TRUE(owner == *CMenu::FromHandle(hMenu));
  }
  // The owner's destructor destroyed it and left the map.
  EXPECT_FALSE(::IsMenu(hMenu));
  EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hMenu));
  EXPECT_EQ(nullptr, CMenu::FromHandle(nullptr));
}

// A popup whose owner-drawn items record what they were asked.
class CRecordingMenu : public CMenu {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
    m_measured.push_back(lpMIS->itemID);
    m_hTrackingMenu = AfxGetThreadState()->m_hTrackingMenu;
    lpMIS->itemWidth = 60;
    lpMIS->itemHeight = 18;
  }
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
    m_drawn.push_back(lpDIS->itemID);
    ::FillRect(lpDIS->hDC, &lpDIS->rcItem, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
  }
  std::vector<UINT> m_measured;
  std::vector<UINT> m_drawn;
  HMENU m_hTrackingMenu = nullptr;
};

// Closes the popup it tracks once the popup has had time to show.
// Ends the menu it tracks as soon as m_isDone says so, looking from a timer
// that runs in the menu's loop.
class CClosingWnd : public CWnd {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kCloseTimer) {
      if (m_isDone()) {
        KillTimer(kCloseTimer);
        ::EndMenu();
      }
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

 public:
  static constexpr UINT_PTR kCloseTimer = 7;
  static constexpr UINT kLookIntervalMs = 20;
  std::function<bool()> m_isDone;
};

using TrackedMenuTest = AppTest;

TEST_F(TrackedMenuTest, ATrackedPopupsOwnerDrawnItemsAreMeasuredAndDrawnByItsObject) {
  // A popup shown without activation: its going takes no time without a window manager.
  CClosingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, WS_POPUP));
  wnd.ShowWindow(SW_SHOWNA);
  CRecordingMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, 301, reinterpret_cast<LPCSTR>(1)));
  ASSERT_TRUE(popup.AppendMenu(MF_STRING, 302, "Plain"));

  wnd.m_isDone = [&] { return !popup.m_drawn.empty(); };
  wnd.SetTimer(CClosingWnd::kCloseTimer, CClosingWnd::kLookIntervalMs, nullptr);
  popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, 50, 50, &wnd);
  EXPECT_EQ(std::vector<UINT>{301}, popup.m_measured);
  EXPECT_EQ(popup.m_hMenu, popup.m_hTrackingMenu);
  EXPECT_FALSE(popup.m_drawn.empty());
  for (UINT id : popup.m_drawn) EXPECT_EQ(301u, id);
  // Tracking is over: the thread state no longer names the popup.
  EXPECT_EQ(nullptr, AfxGetThreadState()->m_hTrackingMenu);
  wnd.DestroyWindow();
}

}  // namespace
