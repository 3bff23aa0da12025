// Owner-drawn menus on a test frame: items converted while their popup is
// open and back after, images from a toolbar resource, sizes, mnemonics,
// personalised menus with the chevron, and pictures of the open menu.
#include "toolkit/win/CKWCoolMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "classlib/tests/win/WndTestSupport.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/core/KWPersonalMenu.h"
#include "toolkit/core/KWRecentCommands.h"
#include "toolkit/tests/win/KWCoolMenuTestIds.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWPopupMenu.h"
#include "toolkit/win/CKWProfileStore.h"

namespace kw_cool_menu_test {

using namespace kwtest;

constexpr char kCompanyKey[] = "Zulta Toolkit Test Company";
constexpr int kMenuItems = 14;
// 't' 'r' 'n' 'c' read as a little-endian 32-bit value.
constexpr DWORD kMagicValue = 0x636E7274;
const COLORREF kRed = RGB(220, 30, 30);

class CoolMenuTest : public AppTest {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
    KWGetGlobalData().Refresh();
    ASSERT_TRUE(CreateShownParent(m_frame, "Cool menu frame", 300, 200));
    ASSERT_TRUE(m_cool.Install(&m_frame));
    ASSERT_TRUE(m_menu.LoadMenu(IDR_KWTEST_COOLMENU));
    m_hPopup = m_menu.GetSubMenu(0)->GetSafeHmenu();
  }
  void TearDown() override {
    KWGetGlobalData().bOfficeLook = FALSE;
    m_cool.HookWindow(static_cast<HWND>(nullptr));
    m_frame.DestroyWindow();
    DeleteCompanyKey();
    AppTest::TearDown();
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }
  void InitPopup() { m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hPopup), 0); }
  void ClosePopup() { m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }
  UINT TypeAt(int nPos) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(m_hPopup, nPos, TRUE, &info);
    return info.fType;
  }
  CString TextAt(int nPos) {
    char text[64] = {};
    ::GetMenuStringA(m_hPopup, nPos, text, sizeof text, MF_BYPOSITION);
    return text;
  }
  CSize Measure(int nPos) {
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = ::GetMenuItemID(m_hPopup, nPos);
    CKWMenuItemData* pData = m_cool.GetItemData(m_hPopup, nPos);
    measure.itemData = reinterpret_cast<ULONG_PTR>(pData);
    m_frame.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return CSize(measure.itemWidth, measure.itemHeight);
  }
  // The items' commands, in order (separators 0, popups -1 as UINT).
  std::vector<UINT> Commands() {
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(m_hPopup); ++i) ids.push_back(::GetMenuItemID(m_hPopup, i));
    return ids;
  }

  CWnd m_frame;
  CKWCoolMenu m_cool;
  CMenu m_menu;
  HMENU m_hPopup = nullptr;
};

TEST_F(CoolMenuTest, ToolbarImagesGoToTheirCommandsAndTheFirstImageStays) {
  ASSERT_TRUE(m_cool.LoadToolbar(IDR_KWTEST_TOOLBAR));
  EXPECT_EQ(m_cool.m_sizeImage, CSize(16, 15));
  EXPECT_EQ(m_cool.GetImageCount(), 6);
  EXPECT_EQ(m_cool.ImageOf(ID_KWTEST_RED), 0);
  EXPECT_EQ(m_cool.ImageOf(ID_KWTEST_MAGENTA), 5);
  EXPECT_EQ(m_cool.ImageOf(ID_KWTEST_COOL_CUT), -1);
  HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  m_cool.AddImage(ID_KWTEST_RED, ::CopyIcon(hIcon), 16, 15);
  EXPECT_EQ(m_cool.ImageOf(ID_KWTEST_RED), 0);
  EXPECT_EQ(m_cool.GetImageCount(), 6);
  EXPECT_FALSE(m_cool.LoadToolbar(ID_KWTEST_NO_BUTTON));
  const UINT ids[] = {IDR_KWTEST_TOOLBAR, ID_KWTEST_NO_BUTTON};
  EXPECT_FALSE(m_cool.LoadToolbars(ids, 2));
}

TEST_F(CoolMenuTest, ItemsAreOwnerDrawnWhileThePopupIsOpenAndPlainAfter) {
  ASSERT_TRUE(m_cool.LoadToolbar(IDR_KWTEST_TOOLBAR));
  InitPopup();
  ASSERT_EQ(::GetMenuItemCount(m_hPopup), kMenuItems);
  for (int i = 0; i < kMenuItems; ++i) {
    EXPECT_NE(TypeAt(i) & MFT_OWNERDRAW, 0u) << i;
    CKWMenuItemData* pData = m_cool.GetItemData(m_hPopup, i);
    ASSERT_NE(pData, nullptr) << i;
    DWORD magic = 0;
    memcpy(&magic, &pData->m_dwMagic, sizeof magic);
    EXPECT_EQ(magic, kMagicValue);
    EXPECT_EQ(pData->m_nPosition, i);
  }
  CKWMenuItemData* pRed = m_cool.GetItemData(m_hPopup, 0);
  EXPECT_STREQ(pRed->m_strText, "&Red\tCtrl+R");
  EXPECT_EQ(pRed->m_nImage, 0);
  EXPECT_EQ(m_cool.GetItemData(m_hPopup, 6)->m_hSubMenu, ::GetSubMenu(m_hPopup, 6));
  EXPECT_EQ(m_cool.m_listMenus.GetCount(), 1);
  InitPopup();  // converting again makes no second record
  EXPECT_EQ(m_cool.m_listItemData.GetCount(), kMenuItems);

  ClosePopup();
  EXPECT_EQ(m_cool.m_listItemData.GetCount(), 0);
  EXPECT_EQ(m_cool.m_listMenus.GetCount(), 0);
  for (int i = 0; i < kMenuItems; ++i) EXPECT_EQ(TypeAt(i) & MFT_OWNERDRAW, 0u) << i;
  EXPECT_STREQ(TextAt(0), "&Red\tCtrl+R");
  EXPECT_STREQ(TextAt(6), "M&ore");
}

TEST_F(CoolMenuTest, ItemDataThatIsNotARecordIsLeftAlone) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  info.dwItemData = 0x1234;  // not a pointer at all
  ::SetMenuItemInfoA(m_hPopup, 0, TRUE, &info);
  InitPopup();
  EXPECT_EQ(TypeAt(0) & MFT_OWNERDRAW, 0u);
  EXPECT_EQ(m_cool.GetItemData(m_hPopup, 0), nullptr);
  EXPECT_NE(TypeAt(1) & MFT_OWNERDRAW, 0u);
  ClosePopup();
}

TEST_F(CoolMenuTest, ItemsAreMeasuredInBothLooks) {
  ASSERT_TRUE(m_cool.LoadToolbar(IDR_KWTEST_TOOLBAR));
  int cyMenu = ::GetSystemMetrics(SM_CYMENU);
  for (BOOL bFlat : {FALSE, TRUE}) {
    KWGetGlobalData().bOfficeLook = bFlat;
    InitPopup();
    CSize text = Measure(0);
    CSize separator = Measure(2);
    EXPECT_GE(text.cx, 100);
    EXPECT_GE(text.cy, cyMenu);
    EXPECT_EQ(separator.cy, cyMenu / 2 + (bFlat ? 2 : 0));
    // Label and accelerator with a gap between them: wider than a short label
    // alone, unless both fit the narrowest width.
    EXPECT_GE(text.cx, Measure(13).cx) << "flat " << bFlat;
    if (!bFlat) EXPECT_GT(text.cx, Measure(13).cx);
    ClosePopup();
  }
}

TEST_F(CoolMenuTest, ASharedMnemonicSelectsTheNextItemAndAUniqueOneExecutes) {
  InitPopup();
  auto menuChar = [&](char ch) {
    return static_cast<DWORD>(m_frame.SendMessage(WM_MENUCHAR, MAKEWPARAM(static_cast<BYTE>(ch), MF_POPUP),
                                                  reinterpret_cast<LPARAM>(m_hPopup)));
  };
  EXPECT_EQ(menuChar('m'), 0x20000u | 5);   // &Magenta alone
  EXPECT_EQ(menuChar('c'), 0x30000u | 12);  // &Cut and &Copy: the first
  MENUITEMINFOA hilite = {};
  hilite.cbSize = sizeof hilite;
  hilite.fMask = MIIM_STATE;
  hilite.fState = MFS_HILITE;
  ::SetMenuItemInfoA(m_hPopup, 12, TRUE, &hilite);
  EXPECT_EQ(menuChar('C'), 0x30000u | 13);
  // A byte above 0x7F matches nothing here and is no negative index.
  EXPECT_EQ(menuChar('\xE9'), 0u);
  ClosePopup();
}

TEST_F(CoolMenuTest, PersonalisedMenusHideRareCommandsUntilUsed) {
  const UINT rare[] = {ID_KWTEST_COOL_RARE1, ID_KWTEST_COOL_RARE2};
  ASSERT_TRUE(m_cool.AddHiddenCommands(rare, 2));
  m_cool.ClearRecentItems();
  CKWPopupMenu tracking;  // rare commands hide in tracked popups only
  InitPopup();
  std::vector<UINT> ids = Commands();
  // Rare items gone, the separators between them collapsed, the chevron last.
  const std::vector<UINT> collapsed = {ID_KWTEST_RED,  ID_KWTEST_GREEN,       0,
                                       ID_KWTEST_BLUE, ID_KWTEST_COOL_CHECKED, ID_KWTEST_MAGENTA,
                                       UINT(-1),       0,                      ID_KWTEST_COOL_CUT,
                                       ID_KWTEST_COOL_COPY, kKWFullMenusCommand};
  EXPECT_EQ(ids, collapsed);
  InitPopup();  // never a second chevron
  EXPECT_EQ(Commands(), collapsed);
  ClosePopup();
  EXPECT_EQ(::GetMenuItemCount(m_hPopup), kMenuItems + 1);
  EXPECT_EQ(::GetMenuItemID(m_hPopup, 10), static_cast<UINT>(ID_KWTEST_COOL_RARE2));

  // Used once, a rare command is recent and shows from then on.
  m_frame.SendMessage(WM_COMMAND, ID_KWTEST_COOL_RARE2, 0);
  EXPECT_EQ(CKWProfileStore().GetInt(kKWRecentSection, "Item1", 0),
            static_cast<int>(ID_KWTEST_COOL_RARE2));
  EXPECT_TRUE(m_cool.IsRecentCommand(ID_KWTEST_COOL_RARE2));
  EXPECT_FALSE(m_cool.IsRarelyUsed(ID_KWTEST_COOL_RARE2));
  InitPopup();
  ids = Commands();
  EXPECT_EQ(std::count(ids.begin(), ids.end(), ID_KWTEST_COOL_RARE2), 1);
  EXPECT_EQ(std::count(ids.begin(), ids.end(), ID_KWTEST_COOL_RARE1), 0);
  EXPECT_EQ(ids.back(), kKWFullMenusCommand);

  // "Display full menus" puts the hidden items back.
  m_frame.SendMessage(WM_COMMAND, kKWFullMenusCommand, 0);
  EXPECT_EQ(g_bKWExpandedMenus, TRUE);
  ClosePopup();
  EXPECT_EQ(g_bKWExpandedMenus, FALSE);
}

TEST_F(CoolMenuTest, ASystemMenuIsNeverConverted) {
  CWnd framed;  // a window with a system menu
  ASSERT_TRUE(CreateTopLevel(framed));
  ASSERT_TRUE(m_cool.Install(&framed));
  HMENU hSystem = ::GetSystemMenu(framed.m_hWnd, FALSE);
  ASSERT_NE(hSystem, nullptr);
  framed.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSystem), MAKELPARAM(0, TRUE));
  EXPECT_EQ(m_cool.m_listItemData.GetCount(), 0);
  // Known as the frame's own system menu even without the flag.
  framed.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSystem), 0);
  EXPECT_EQ(m_cool.m_listItemData.GetCount(), 0);
  m_cool.HookWindow(static_cast<HWND>(nullptr));
  framed.DestroyWindow();
}

// Opens the frame's popup with the toolkit's tracker, pictures it once it
// shows, and closes it with Escape.
struct Picture {
  RgbImage image;
  bool taken = false;
};
Picture g_picture;

// The menu loop paints the popup when it gets to it: the picture is taken
// again on later ticks until the items show, or the wait has run out.
DWORD g_dwPaintDeadline = 0;
void StartPaintWait() { g_dwPaintDeadline = ::GetTickCount() + kWaitTimeoutMs; }
bool PaintWaitOver() { return static_cast<LONG>(::GetTickCount() - g_dwPaintDeadline) >= 0; }

// The first item's red image has been drawn whole enough to look at.
constexpr int kImagePixelsShown = 50;
bool Painted(const RgbImage& image) {
  return CountPixels(image, IsColor(kRed)) > kImagePixelsShown;
}

void CALLBACK CaptureAndClose(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hMenu = OpenMenuWindow();
  if (hMenu == nullptr) return;
  g_picture.image = CaptureWindow(hMenu);
  if (!Painted(g_picture.image) && !PaintWaitOver()) return;
  ::KillTimer(nullptr, nTimer);
  g_picture.taken = true;
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
}

TEST_F(CoolMenuTest, TheOpenMenuShowsImagesChecksAndTheChevronInBothLooks) {
  ASSERT_TRUE(m_cool.LoadToolbar(IDR_KWTEST_TOOLBAR));
  const UINT rare[] = {ID_KWTEST_COOL_RARE1};
  m_cool.AddHiddenCommands(rare, 1);
  m_cool.ClearRecentItems();
  m_frame.SetForegroundWindow();
  for (BOOL bFlat : {FALSE, TRUE}) {
    KWGetGlobalData().bOfficeLook = bFlat;
    g_picture = Picture();
    StartPaintWait();
    CKWPopupMenu tracking;
    ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CaptureAndClose);
    CKWPopupMenu::TrackMenu(m_hPopup, TPM_LEFTALIGN, 60, 60, &m_frame, FALSE);
    ASSERT_TRUE(g_picture.taken);
    SaveScreenshot(g_picture.image, bFlat ? "toolkit_coolmenu_flat" : "toolkit_coolmenu_plain");
    // The red image of the first item, drawn in the image column.
    RECT firstItem = {0, 0, 30, ::GetSystemMetrics(SM_CYMENU) + 4};
    EXPECT_GT(CountPixels(g_picture.image, firstItem, IsColor(kRed)), kImagePixelsShown)
        << "flat " << bFlat;
    // After the menu closed the items are plain again.
    EXPECT_EQ(TypeAt(0) & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(m_cool.m_listItemData.GetCount(), 0);
  }
}

// Chooses the chevron (the last item) in the first popup, then pictures the
// popup that opens again in full and closes it.
struct ChevronRun {
  int step = 0;
  HWND hFirst = nullptr;
  int itemsShown = 0;
  RgbImage image;
};
ChevronRun g_chevron;
HMENU g_hChevronMenu = nullptr;

void SendKeys(std::initializer_list<WORD> vks) {
  std::vector<INPUT> keys;
  for (WORD vk : vks) {
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = vk;
    keys.push_back(key);
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    keys.push_back(key);
  }
  ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void CALLBACK ChooseChevronThenClose(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hMenu = OpenMenuWindow();
  if (hMenu == nullptr) return;
  if (g_chevron.step == 0) {
    g_chevron.hFirst = hMenu;
    g_chevron.step = 1;
    SendKeys({VK_UP, VK_RETURN});
  } else if (hMenu != g_chevron.hFirst) {
    g_chevron.image = CaptureWindow(hMenu);
    if (!Painted(g_chevron.image) && !PaintWaitOver()) return;
    ::KillTimer(nullptr, nTimer);
    g_chevron.itemsShown = ::GetMenuItemCount(g_hChevronMenu);
    g_chevron.step = 2;
    SendKeys({VK_ESCAPE});
  }
}

TEST_F(CoolMenuTest, ChoosingTheChevronOpensThePopupAgainInFull) {
  ASSERT_TRUE(m_cool.LoadToolbar(IDR_KWTEST_TOOLBAR));
  const UINT rare[] = {ID_KWTEST_COOL_RARE1, ID_KWTEST_COOL_RARE2};
  m_cool.AddHiddenCommands(rare, 2);
  m_cool.ClearRecentItems();
  m_frame.SetForegroundWindow();
  g_chevron = ChevronRun();
  StartPaintWait();
  g_hChevronMenu = m_hPopup;
  CKWPopupMenu tracking;
  ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ChooseChevronThenClose);
  EXPECT_EQ(CKWPopupMenu::TrackMenu(m_hPopup, TPM_LEFTALIGN, 60, 60, &m_frame, FALSE), 0u);
  ASSERT_EQ(g_chevron.step, 2);
  SaveScreenshot(g_chevron.image, "toolkit_coolmenu_full");
  EXPECT_TRUE(Painted(g_chevron.image));
  // Every item, and no chevron.
  EXPECT_EQ(g_chevron.itemsShown, kMenuItems);
  EXPECT_EQ(g_bKWExpandedMenus, FALSE);
}

TEST_F(CoolMenuTest, TheChevronCommandHasItsText) {
  CString text;
  ASSERT_TRUE(text.LoadString(kKWFullMenusCommand));
  EXPECT_STREQ(text, "Display full menus");
}

// Asks for the full menu while the popup is open, as the chevron's click or
// hover does, then pictures the popup and closes it.
struct InPlaceRun {
  bool expanded = false;
  bool visibleAfter = false;
  int itemsAfter = 0;
  RgbImage image;
};
InPlaceRun g_inPlace;
HWND g_hInPlaceFrame = nullptr;

void CALLBACK ExpandInPlace(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hMenu = OpenMenuWindow();
  if (hMenu == nullptr) return;
  if (!g_inPlace.expanded) {
    g_inPlace.expanded = true;
    ::SendMessageA(g_hInPlaceFrame, WM_COMMAND, kKWFullMenusCommand, 0);
    return;
  }
  ::KillTimer(nullptr, nTimer);
  g_inPlace.image = CaptureWindow(hMenu);
  g_inPlace.visibleAfter = ::IsWindowVisible(hMenu) != FALSE;
  g_inPlace.itemsAfter = ::GetMenuItemCount(g_hChevronMenu);
  SendKeys({VK_ESCAPE});
}

TEST_F(CoolMenuTest, FullMenusAskedForWhileOpenPutTheItemsBackInPlace) {
  const UINT rare[] = {ID_KWTEST_COOL_RARE1, ID_KWTEST_COOL_RARE2};
  m_cool.AddHiddenCommands(rare, 2);
  m_cool.ClearRecentItems();
  // A menu prepared that never showed must not be taken for the next popup's.
  CMenu unshown;
  ASSERT_TRUE(unshown.LoadMenu(IDR_KWTEST_DROPMENU));
  m_frame.SendMessage(WM_INITMENUPOPUP,
                      reinterpret_cast<WPARAM>(unshown.GetSubMenu(0)->GetSafeHmenu()), 0);
  ClosePopup();
  m_frame.SetForegroundWindow();
  g_inPlace = InPlaceRun();
  g_hInPlaceFrame = m_frame.m_hWnd;
  g_hChevronMenu = m_hPopup;
  CKWPopupMenu tracking;
  ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ExpandInPlace);
  CKWPopupMenu::TrackMenu(m_hPopup, TPM_LEFTALIGN, 60, 60, &m_frame, FALSE);
  // Wine keeps the popup's size and does not paint it again with the new
  // items; the picture shows what it does.
  SaveScreenshot(g_inPlace.image, "toolkit_coolmenu_expanded_in_place");
  EXPECT_TRUE(g_inPlace.visibleAfter);
  // Every item back, the chevron still last until the menu closes.
  EXPECT_EQ(g_inPlace.itemsAfter, kMenuItems + 1);
  EXPECT_EQ(::GetMenuItemCount(m_hPopup), kMenuItems + 1);
}

}  // namespace kw_cool_menu_test
