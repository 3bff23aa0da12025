// The toolkit MDI frame's menus: owner-drawn popups with the toolbars'
// images once installed, commands handed to the menu bar and the owner-drawn
// menus for short menus, and keys that reach the frame while its menu bar has
// no window.
#include <gtest/gtest.h>

#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CMenu.h"
#include "toolkit/tests/win/KWCoolMenuTestIds.h"
#include "toolkit/tests/win/KWFrameTestIds.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMDIFrameWnd.h"

namespace kw_mdi_frame_menus_test {

// Counts the key messages that reach it and keeps them from the menu loop.
class CMenuTestFrame : public CKWMDIFrameWnd {
 public:
  int m_nKeysSeen = 0;
  bool GivesItsMembers() { return &GetCoolMenu() == &m_coolMenu && &GetMenuBar() == &m_menuBar; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN)
      return CKWMDIFrameWnd::WindowProc(message, wParam, lParam);
    ++m_nKeysSeen;
    return 0;
  }
};

class MDIFrameMenusTest : public AppTest {
 protected:
  void SetUp() override {
    KWGetGlobalData().bCoolMenusInstalled = FALSE;
    m_pFrame = new CMenuTestFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_KWFRAMETEST_MAIN, WS_POPUP | WS_BORDER));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    m_app.m_pMainWnd = nullptr;
    // Process-wide: the other tests expect a program that never installed them.
    KWGetGlobalData().bCoolMenusInstalled = FALSE;
    AppTest::TearDown();
  }

  CMenuTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(MDIFrameMenusTest, InstalledMenusAreOwnerDrawnWithTheToolbarImages) {
  ASSERT_TRUE(m_pFrame->InstallCoolMenu(IDR_KWTEST_TOOLBAR));
  EXPECT_TRUE(KWGetGlobalData().bCoolMenusInstalled);
  CKWCoolMenu& cool = m_pFrame->GetCoolMenu();
  EXPECT_EQ(cool.m_hWnd, m_hFrame);

  const std::vector<UINT> ids = {ID_KWTEST_RED, ID_KWTEST_BLUE, ID_KWTEST_COOL_CUT};
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  for (UINT nID : ids) popup.AppendMenu(MF_STRING, nID, "Item");
  m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
  for (int nPos = 0; nPos < static_cast<int>(ids.size()); ++nPos) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoA(popup.m_hMenu, nPos, TRUE, &info));
    EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u) << nPos;
    CKWMenuItemData* pData = cool.GetItemData(popup.m_hMenu, nPos);
    ASSERT_NE(pData, nullptr) << nPos;
    EXPECT_EQ(pData->m_nImage, cool.ImageOf(ids[nPos])) << nPos;
  }
  EXPECT_GE(cool.ImageOf(ID_KWTEST_RED), 0);
  EXPECT_GE(cool.ImageOf(ID_KWTEST_BLUE), 0);
  EXPECT_EQ(cool.ImageOf(ID_KWTEST_COOL_CUT), -1);  // on no toolbar
  m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);

  // Every toolbar is loaded, or the installation says it is not.
  const UINT toolbars[] = {IDR_KWTEST_TOOLBAR, ID_KWTEST_NO_BUTTON};
  EXPECT_FALSE(m_pFrame->InstallCoolMenus(toolbars, 2));
  EXPECT_EQ(cool.m_hWnd, m_hFrame);
}

TEST_F(MDIFrameMenusTest, MenuCommandsGoToTheMenuBarAndToInstalledMenusOnly) {
  const UINT ids[] = {ID_KWTEST_COOL_RARE1, ID_KWTEST_COOL_RARE2};
  CKWCoolMenu& cool = m_pFrame->GetCoolMenu();
  CKWMenuBar& bar = m_pFrame->GetMenuBar();

  EXPECT_TRUE(m_pFrame->AddMenuCommands(ids, 2));
  ASSERT_EQ(bar.m_hiddenCommands.GetSize(), 2);
  EXPECT_EQ(bar.m_hiddenCommands[1], ID_KWTEST_COOL_RARE2);
  EXPECT_EQ(cool.m_arrHidden.GetSize(), 0);
  EXPECT_FALSE(cool.m_bPersonalized);

  ASSERT_TRUE(m_pFrame->InstallCoolMenu(IDR_KWTEST_TOOLBAR));
  EXPECT_TRUE(m_pFrame->AddMenuCommand(ID_KWTEST_COOL_CUT));
  EXPECT_EQ(bar.m_hiddenCommands.GetSize(), 3);
  ASSERT_EQ(cool.m_arrHidden.GetSize(), 1);
  EXPECT_EQ(cool.m_arrHidden[0], ID_KWTEST_COOL_CUT);
  EXPECT_TRUE(cool.m_bPersonalized);

  // Hideable commands stay hideable.
  EXPECT_FALSE(m_pFrame->RemoveMenuCommand(ID_KWTEST_COOL_CUT));
  EXPECT_FALSE(m_pFrame->RemoveMenuCommands(ids, 2));
  EXPECT_EQ(cool.m_arrHidden.GetSize(), 1);
  EXPECT_EQ(bar.m_hiddenCommands.GetSize(), 3);
}

TEST_F(MDIFrameMenusTest, KeysReachTheFrameWhileTheMenuBarHasNoWindow) {
  EXPECT_TRUE(m_pFrame->GivesItsMembers());
  ASSERT_EQ(m_pFrame->GetMenuBar().m_hWnd, nullptr);
  // Alt and F10 are the keys a menu bar with a window would take.
  struct Key {
    UINT message;
    WPARAM nVirtKey;
  };
  constexpr Key kKeys[] = {{WM_SYSKEYDOWN, VK_MENU}, {WM_KEYDOWN, VK_F10}};
  MSG msg = {};
  msg.hwnd = m_hFrame;
  for (const Key& key : kKeys) {
    msg.message = key.message;
    msg.wParam = key.nVirtKey;
    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&msg)) << msg.message;
    ::PostMessageA(m_hFrame, key.message, key.nVirtKey, 0);
  }
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) m_app.PumpMessage();
  EXPECT_EQ(m_pFrame->m_nKeysSeen, 2);

  // Without the bar's window the frame keeps its menu.
  HMENU hMenu = ::GetMenu(m_hFrame);
  ASSERT_NE(hMenu, nullptr);
  m_pFrame->UpdateMenuBar();
  EXPECT_EQ(::GetMenu(m_hFrame), hMenu);
  EXPECT_EQ(m_pFrame->GetMenuBar().GetBarMenu(), nullptr);
}

}  // namespace kw_mdi_frame_menus_test
