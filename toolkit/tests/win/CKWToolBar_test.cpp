// The toolkit's toolbar in a frame on the screen: buttons from a type-241
// resource following the frame's update handlers, a drop-down button whose
// menu opens below it, a combo box over a button, the chevron of a row too
// short and its hidden-buttons popup, the status prompts, and the control
// bar's inside. Pictures go to the screenshots folder.
#include "toolkit/win/CKWToolBar.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CComboBox.h"
#include "classlib/win/CFrameWnd.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWExpButton.h"
#include "toolkit/win/CKWExpMenuWnd.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWToolBarRenderer.h"

namespace kw_tool_bar_test {

using namespace kwtest;

constexpr int kFrameLeft = 30;
constexpr int kFrameTop = 30;
constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kBlue = RGB(30, 30, 220);
constexpr COLORREF kMagenta = RGB(200, 40, 200);

class CKWTestFrame : public CFrameWnd {
 public:
  CKWToolBar m_wndToolBar;
  CWnd m_pane;
  BOOL m_bGreen = FALSE;
  int m_nBlueCheck = 1;
  int m_nRed = 0;
  int m_nMagenta = 0;
  int m_nMenuFirst = 0;
  WPARAM m_nSetMessage = 0;
  WPARAM m_nPopMessage = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    LPCSTR lpszWhite =
        AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_pane.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_KWTEST_TOOLBAR))
      return -1;
    m_wndToolBar.SetWindowText("Standard");
    // Docked at the top, as the program's toolbars are.
    EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    RecalcLayout();
    return 0;
  }
  afx_msg void OnRed() { ++m_nRed; }
  afx_msg void OnMagenta() { ++m_nMagenta; }
  afx_msg void OnMenuFirst() { ++m_nMenuFirst; }
  afx_msg void OnAny() {}
  afx_msg void OnUpdateGreen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bGreen); }
  afx_msg void OnUpdateBlue(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nBlueCheck); }
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM) {
    m_nSetMessage = wParam;
    return 0;
  }
  afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM) {
    m_nPopMessage = wParam;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKWTestFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_KWTEST_RED, OnRed)
  ON_COMMAND(ID_KWTEST_MAGENTA, OnMagenta)
  ON_COMMAND(ID_KWTEST_MENU_FIRST, OnMenuFirst)
  ON_COMMAND(ID_KWTEST_GREEN, OnAny)
  ON_COMMAND(ID_KWTEST_BLUE, OnAny)
  ON_COMMAND(ID_KWTEST_DROP, OnAny)
  ON_COMMAND(ID_KWTEST_COMBO, OnAny)
  ON_UPDATE_COMMAND_UI(ID_KWTEST_GREEN, OnUpdateGreen)
  ON_UPDATE_COMMAND_UI(ID_KWTEST_BLUE, OnUpdateBlue)
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
END_MESSAGE_MAP()

class BarTest : public AppTest {
 protected:
  void CreateFrame(int nWidth, int nHeight) {
    m_pFrame = new CKWTestFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Toolkit bars", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 CRect(kFrameLeft, kFrameTop, kFrameLeft + nWidth, kFrameTop + nHeight)));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    m_pFrame->UpdateWindow();
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  CKWToolBar& Bar() { return m_pFrame->m_wndToolBar; }
  CRect ScreenItemRect(CKWToolBar& bar, int nIndex) {
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    bar.ClientToScreen(&rect);
    return rect;
  }
  // The screen around the frame, once painted, saved under name.
  RgbImage Picture(const std::string& name, const RECT& area) {
    m_pFrame->RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    HDC hScreen = ::GetDC(nullptr);
    RgbImage image = CaptureDC(hScreen, area.left, area.top, area.right - area.left,
                               area.bottom - area.top);
    ::ReleaseDC(nullptr, hScreen);
    SaveScreenshot(image, name);
    return image;
  }

  CKWTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

// Button indexes of the test resource.
constexpr int kRedIndex = 0;
constexpr int kGreenIndex = 1;
constexpr int kSeparatorIndex = 2;
constexpr int kBlueIndex = 3;
constexpr int kDropIndex = 4;
constexpr int kComboIndex = 6;
constexpr int kMagentaIndex = 7;
constexpr int kButtonCount = 8;
constexpr int kFlatSeparator = 6;
constexpr int kComboWidth = 90;
// Most of an image's 12 x 11 square of colour.
constexpr int kSquarePixels = 100;

class ToolBarTest : public BarTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(CreateFrame(420, 200)); }
  RECT FrameArea(int nExtraBelow = 0) {
    CRect rect;
    m_pFrame->GetWindowRect(&rect);
    rect.bottom += nExtraBelow;
    return rect;
  }
};

TEST_F(ToolBarTest, LoadsTheType241ResourceAndFollowsTheUpdateHandlers) {
  ASSERT_EQ(Bar().GetButtonCount(), kButtonCount);
  EXPECT_EQ(Bar().GetItemID(kRedIndex), static_cast<UINT>(ID_KWTEST_RED));
  UINT nID = 0, nStyle = 0;
  int iImage = 0;
  Bar().GetButtonInfo(kSeparatorIndex, nID, nStyle, iImage);
  EXPECT_TRUE(nStyle & TBBS_SEPARATOR);
  EXPECT_EQ(iImage, kFlatSeparator);
  Bar().GetButtonInfo(kBlueIndex, nID, nStyle, iImage);
  EXPECT_EQ(iImage, 2);  // separators take no image
  Bar().SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_TRUE(Bar().GetButtonStyle(kGreenIndex) & TBBS_DISABLED);
  EXPECT_TRUE(Bar().GetButtonStyle(kBlueIndex) & TBBS_CHECKED);
  EXPECT_FALSE(Bar().GetButtonStyle(kRedIndex) & TBBS_DISABLED);
  m_pFrame->m_bGreen = TRUE;
  m_pFrame->m_nBlueCheck = 0;
  Bar().SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_FALSE(Bar().GetButtonStyle(kGreenIndex) & TBBS_DISABLED);
  EXPECT_FALSE(Bar().GetButtonStyle(kBlueIndex) & TBBS_CHECKED);
  RgbImage image = Picture("kw_toolbar_loaded", FrameArea());
  EXPECT_GT(CountPixels(image, IsColor(kRed)), kSquarePixels);
  EXPECT_GT(CountPixels(image, IsColor(kBlue)), kSquarePixels);
  // A real click reaches the frame's handler.
  Click(ScreenItemRect(Bar(), kRedIndex).CenterPoint());
  EXPECT_TRUE(WaitFor([&] { return m_pFrame->m_nRed == 1; }));
}

TEST_F(ToolBarTest, AResourceShorterThanItsCountLeavesTheButtons) {
  EXPECT_FALSE(Bar().LoadToolBar(IDR_KWTEST_SHORT));
  EXPECT_EQ(Bar().GetButtonCount(), kButtonCount);
  EXPECT_FALSE(Bar().LoadToolBar(0x7777));
  EXPECT_EQ(Bar().GetButtonCount(), kButtonCount);
}

TEST_F(ToolBarTest, NoDropDownRecordForACommandWithoutAButton) {
  EXPECT_FALSE(Bar().AddDropDownButton(ID_KWTEST_NO_BUTTON, IDR_KWTEST_DROPMENU, TRUE));
  EXPECT_EQ(Bar().FindDropDown(ID_KWTEST_NO_BUTTON), nullptr);
  EXPECT_TRUE(Bar().AddDropDownButton(ID_KWTEST_DROP, IDR_KWTEST_DROPMENU, TRUE));
  CKWDropDownButton* pRecord = Bar().FindDropDown(ID_KWTEST_DROP);
  ASSERT_NE(pRecord, nullptr);
  EXPECT_EQ(pRecord->nMenuId, static_cast<UINT>(IDR_KWTEST_DROPMENU));
  // Asking again keeps the one record.
  EXPECT_TRUE(Bar().AddDropDownButton(ID_KWTEST_DROP, IDR_KWTEST_DROPMENU, TRUE));
  EXPECT_EQ(Bar().FindDropDown(ID_KWTEST_DROP), pRecord);
  EXPECT_TRUE(Bar().GetButtonStyle(kDropIndex) & TBSTYLE_DROPDOWN);
}

// What the watch saw of the menu while it was open.
struct MenuSeen {
  bool bSeen = false;
  CRect rect;
  RgbImage picture;
  RECT area = {};
};
MenuSeen g_menu;

// Dark enough to be the text of a menu item.
bool IsTextPixel(uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80;
}

// Looks at the open menu once it has drawn its items, then closes it.
void CALLBACK WatchForMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND hMenu = OpenMenuWindow();
  if (hMenu == nullptr || g_menu.bSeen) return;
  CRect rect;
  ::GetWindowRect(hMenu, &rect);
  HDC hScreen = ::GetDC(nullptr);
  const RECT& a = g_menu.area;
  RgbImage picture = CaptureDC(hScreen, a.left, a.top, a.right - a.left, a.bottom - a.top);
  ::ReleaseDC(nullptr, hScreen);
  CRect inside(rect);
  inside.OffsetRect(-a.left, -a.top);
  inside.DeflateRect(2, 2);
  if (CountPixels(picture, inside, IsTextPixel) == 0) return;  // not painted yet
  g_menu.bSeen = true;
  g_menu.rect = rect;
  g_menu.picture = std::move(picture);
  ::EndMenu();
}

TEST_F(ToolBarTest, ADropDownButtonOpensItsMenuBelowTheButton) {
  ASSERT_TRUE(Bar().AddDropDownButton(ID_KWTEST_DROP, IDR_KWTEST_DROPMENU, TRUE));
  m_pFrame->RecalcLayout();
  PumpPending();
  CRect button = ScreenItemRect(Bar(), kDropIndex);
  g_menu = MenuSeen();
  g_menu.area = FrameArea(120);
  // The menu runs its own loop: a thread timer looks at it from there.
  UINT_PTR nTimer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, WatchForMenu);
  Click(CPoint(button.right - 4, button.CenterPoint().y));
  EXPECT_TRUE(WaitFor([] { return g_menu.bSeen && OpenMenuWindow() == nullptr; }));
  ::KillTimer(nullptr, nTimer);
  ASSERT_TRUE(g_menu.bSeen);
  SaveScreenshot(g_menu.picture, "kw_toolbar_dropdown_menu");
  EXPECT_GE(g_menu.rect.top, button.bottom - 1);
  EXPECT_LE(std::abs(g_menu.rect.left - button.left), 2);
  EXPECT_EQ(Bar().m_nDropDownIndex, -1);
}

TEST_F(ToolBarTest, AnAttachedComboBoxSitsOverItsButton) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, kComboWidth, 120),
                           &Bar(), ID_KWTEST_COMBO));
  combo.AddString("Lookup");
  combo.SetCurSel(0);
  ASSERT_TRUE(Bar().AttachControl(&combo, FALSE));
  m_pFrame->RecalcLayout();
  PumpPending();
  UINT nID = 0, nStyle = 0;
  int iImage = 0;
  Bar().GetButtonInfo(kComboIndex, nID, nStyle, iImage);
  EXPECT_TRUE(nStyle & TBBS_SEPARATOR);
  EXPECT_EQ(iImage, kComboWidth);
  CRect item;
  Bar().GetItemRect(kComboIndex, &item);
  CRect rectCombo;
  combo.GetWindowRect(&rectCombo);
  Bar().ScreenToClient(&rectCombo);
  EXPECT_EQ(rectCombo.left, item.left);
  EXPECT_TRUE(combo.IsWindowVisible());
  // The buttons after it moved past it.
  CRect magenta;
  Bar().GetItemRect(kMagentaIndex, &magenta);
  EXPECT_GE(magenta.left, item.right);
  RgbImage image = Picture("kw_toolbar_combo", FrameArea());
  EXPECT_GT(CountPixels(image, IsColor(kMagenta)), kSquarePixels);
  combo.DestroyWindow();
}

class ShortRowTest : public ToolBarTest {
 protected:
  // The row is 40 pixels too short, as the dock bar would find it.
  void HideForShortRow() {
    CSize size = Bar().CalcFixedLayout(FALSE, TRUE);
    m_nNeeded = size.cx;
    EXPECT_EQ(Bar().HideButtonsToFit(m_nNeeded, m_nNeeded - kShortBy, TRUE), m_nNeeded);
    m_pFrame->RecalcLayout();
    PumpPending();
  }
  static constexpr int kShortBy = 40;
  int m_nNeeded = 0;
};

TEST_F(ShortRowTest, TheChevronShowsAndListsTheHiddenButtonsInItsPopup) {
  CKWExpButton* pChevron = Bar().GetChevron();
  ASSERT_NE(pChevron, nullptr);
  EXPECT_FALSE(pChevron->IsWindowVisible());
  HideForShortRow();
  ASSERT_TRUE(Bar().HasHiddenButtons());
  // The last buttons went, never the first.
  EXPECT_TRUE(Bar().GetButtonStyle(kMagentaIndex) & TBBS_HIDDEN);
  EXPECT_FALSE(Bar().GetButtonStyle(kRedIndex) & TBBS_HIDDEN);
  EXPECT_LE(Bar().CalcFixedLayout(FALSE, TRUE).cx, m_nNeeded - kShortBy);
  ASSERT_TRUE(WaitFor([&] { return pChevron->IsWindowVisible() != FALSE; }));
  std::vector<UINT> hidden;
  for (int i = 0; i < Bar().GetButtonCount(); ++i)
    if ((Bar().GetButtonStyle(i) & (TBBS_HIDDEN | TBBS_SEPARATOR)) == TBBS_HIDDEN)
      hidden.push_back(Bar().GetItemID(i));
  ASSERT_FALSE(hidden.empty());
  RECT area = FrameArea(100);
  Picture("kw_toolbar_chevron", area);

  CRect rectChevron;
  pChevron->GetWindowRect(&rectChevron);
  Click(rectChevron.CenterPoint());
  ASSERT_TRUE(WaitFor([&] {
    return pChevron->GetPopup() != nullptr && pChevron->GetPopup()->IsWindowVisible();
  }));
  CKWExpMenuWnd* pPopup = pChevron->GetPopup();
  CKWHiddenButtonsToolbar& popupBar = pPopup->GetButtonsBar();
  std::vector<UINT> shown;
  for (int i = 0; i < popupBar.GetButtonCount(); ++i)
    if (!(popupBar.GetButtonStyle(i) & TBBS_SEPARATOR)) shown.push_back(popupBar.GetItemID(i));
  EXPECT_EQ(shown, hidden);
  CRect rectPopup;
  pPopup->GetWindowRect(&rectPopup);
  // Below the chevron, its right edge in line with the chevron's.
  EXPECT_GE(rectPopup.top, rectChevron.bottom - 2);
  EXPECT_NEAR(rectPopup.right, rectChevron.right, 2);
  HDC hScreen = ::GetDC(nullptr);
  RgbImage popupPicture = CaptureDC(hScreen, area.left, area.top, area.right - area.left,
                                    area.bottom - area.top);
  ::ReleaseDC(nullptr, hScreen);
  SaveScreenshot(popupPicture, "kw_toolbar_hidden_buttons_popup");

  // A command chosen in the popup runs after the popup has gone.
  int nMagenta = -1;
  for (int i = 0; i < popupBar.GetButtonCount(); ++i)
    if (popupBar.GetItemID(i) == static_cast<UINT>(ID_KWTEST_MAGENTA)) nMagenta = i;
  ASSERT_GE(nMagenta, 0);
  Click(ScreenItemRect(popupBar, nMagenta).CenterPoint());
  EXPECT_TRUE(WaitFor([&] { return m_pFrame->m_nMagenta == 1; }));
  EXPECT_EQ(pChevron->GetPopup(), nullptr);
}

TEST_F(ShortRowTest, ThePopupClosesWhenAnotherWindowIsActivated) {
  HideForShortRow();
  CKWExpButton* pChevron = Bar().GetChevron();
  ASSERT_TRUE(WaitFor([&] { return pChevron->IsWindowVisible() != FALSE; }));
  CRect rectChevron;
  pChevron->GetWindowRect(&rectChevron);
  Click(rectChevron.CenterPoint());
  ASSERT_TRUE(WaitFor([&] { return pChevron->GetPopup() != nullptr; }));
  CWnd other;
  ASSERT_TRUE(CreateShownParent(other, "Other", 80, 40));
  other.SetActiveWindow();
  EXPECT_TRUE(WaitFor([&] { return pChevron->GetPopup() == nullptr; }));
  // The chevron shows itself released.
  EXPECT_FALSE(pChevron->SendMessage(BM_GETSTATE) & BST_PUSHED);
  other.DestroyWindow();
}

TEST_F(ShortRowTest, GrowingTheRowBringsTheHiddenButtonsBackInOrder) {
  HideForShortRow();
  ASSERT_TRUE(Bar().HasHiddenButtons());
  Bar().ShowHiddenButtons(m_nNeeded, m_nNeeded + kShortBy, TRUE);
  EXPECT_FALSE(Bar().HasHiddenButtons());
  for (int i = 0; i < Bar().GetButtonCount(); ++i)
    EXPECT_FALSE(Bar().GetButtonStyle(i) & TBBS_HIDDEN) << i;
  m_pFrame->RecalcLayout();
  EXPECT_TRUE(WaitFor([&] { return !Bar().GetChevron()->IsWindowVisible(); }));
}

TEST_F(ToolBarTest, StatusPromptsReachTheMainWindowWhenTheOwnerHasNoStatusBar) {
  CWnd owner;
  ASSERT_TRUE(CreateTopLevel(owner));
  Bar().SetOwner(&owner);
  EXPECT_TRUE(Bar().SetStatusText(ID_KWTEST_RED));
  EXPECT_EQ(m_pFrame->m_nSetMessage, static_cast<WPARAM>(ID_KWTEST_RED));
  // Nothing under the mouse: the idle text comes back.
  EXPECT_TRUE(Bar().SetStatusText(-1));
  EXPECT_EQ(m_pFrame->m_nPopMessage, static_cast<WPARAM>(AFX_IDS_IDLEMESSAGE));
  Bar().SetOwner(m_pFrame);
  owner.DestroyWindow();
}

TEST_F(ToolBarTest, AGripperMovesTheInsideSevenPixels) {
  CRect plain(0, 0, 100, 40);
  CRect gripped(0, 0, 100, 40);
  DWORD dwStyle = Bar().GetBarStyle();
  Bar().SetBarStyle(dwStyle & ~CBRS_GRIPPER);
  Bar().CalcInsideRect(plain, TRUE);
  Bar().SetBarStyle(dwStyle | CBRS_GRIPPER);
  Bar().CalcInsideRect(gripped, TRUE);
  EXPECT_EQ(gripped.left - plain.left, 7);
  EXPECT_EQ(gripped.top, plain.top);
  EXPECT_TRUE(Bar().IsTopDocked());
  EXPECT_TRUE(Bar().IsHorzDocked());
  EXPECT_FALSE(Bar().IsFloating());
}

TEST(ToolBarRenderer, ThePlainLookHasNoPaintersTheFlatOneHas) {
  CKWGlobalData& data = KWGetGlobalData();
  ASSERT_FALSE(data.bOfficeLook);
  CKWToolBarRenderer* pPlain = GetToolBarRenderer();
  EXPECT_EQ(pPlain->GetButtonPainter(), nullptr);
  EXPECT_EQ(pPlain->GetComboPainter(), nullptr);
  pPlain->SetDragging(TRUE);
  data.bOfficeLook = TRUE;
  CKWToolBarRenderer* pFlat = GetToolBarRenderer();
  data.bOfficeLook = FALSE;
  EXPECT_NE(pFlat, pPlain);
  EXPECT_NE(pFlat->GetButtonPainter(), nullptr);
  EXPECT_NE(pFlat->GetComboPainter(), nullptr);
  auto* pState = dynamic_cast<CKWRendererState*>(pFlat);
  ASSERT_NE(pState, nullptr);
  EXPECT_EQ(pState->IsDragging(), 0);
  pFlat->SetDragging(TRUE);
  EXPECT_EQ(pState->IsDragging(), 1);
  pFlat->SetDragging(FALSE);
}

// Rows that wrap at separators: the bar upright on the left and a floating
// bar narrowed to a few buttons a row, in a frame tall enough for either.
class WrappedRowsTest : public BarTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(CreateFrame(420, 320)); }
  static constexpr int kFloatOffset = 120;
  static constexpr int kNarrowLength = 60;
  static constexpr int kNarrowButton = 23;
  // The size the bar reports holds the rows the control draws: every button
  // lies inside the bar, the last one near its bottom, and shows in the picture.
  void ExpectRowsInside(const std::string& name, const RECT& area) {
    CRect client;
    Bar().GetClientRect(&client);
    for (int nIndex :
         {kRedIndex, kGreenIndex, kBlueIndex, kDropIndex, kComboIndex, kMagentaIndex}) {
      CRect item;
      Bar().GetItemRect(nIndex, &item);
      CRect inside;
      inside.IntersectRect(&item, &client);
      EXPECT_EQ(inside, item) << name << " button " << nIndex;
    }
    // The control may leave a wrapped separator's gap a little shorter than
    // the separator is wide, never longer.
    CRect last;
    Bar().GetItemRect(kMagentaIndex, &last);
    EXPECT_LT(client.bottom - last.bottom, kFlatSeparator) << name;
    RgbImage image = Picture(name, area);
    EXPECT_GT(CountPixels(image, IsColor(kMagenta)), kSquarePixels) << name;
  }
};

TEST_F(WrappedRowsTest, AnUprightBarShowsItsLastButton) {
  m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_LEFT);
  m_pFrame->RecalcLayout();
  PumpPending();
  ASSERT_FALSE(Bar().GetBarStyle() & CBRS_ORIENT_HORZ);
  ASSERT_FALSE(Bar().HasHiddenButtons());
  CRect frame;
  m_pFrame->GetWindowRect(&frame);
  ExpectRowsInside("kw_toolbar_upright_rows", frame);
}

TEST_F(WrappedRowsTest, ANarrowedFloatingBarHoldsItsRows) {
  CRect frame;
  m_pFrame->GetWindowRect(&frame);
  m_pFrame->FloatControlBar(&Bar(), frame.TopLeft() + CSize(kFloatOffset, kFloatOffset));
  ASSERT_TRUE(Bar().IsFloating());
  // Narrowed to two buttons a row, the separators wrapping into rows of
  // their own, as dragging the floating frame's edge leaves it.
  Bar().CalcDynamicLayout(kNarrowLength, LM_HORZ | LM_COMMIT);
  CFrameWnd* pFloating = Bar().GetParentFrame();
  ASSERT_NE(pFloating, nullptr);
  pFloating->RecalcLayout();
  PumpPending();
  CRect floating;
  pFloating->GetWindowRect(&floating);
  CRect client;
  Bar().GetClientRect(&client);
  EXPECT_LT(client.Width(), 3 * kNarrowButton) << "two buttons a row";
  floating.UnionRect(&floating, &frame);
  ExpectRowsInside("kw_toolbar_narrowed_rows", floating);
}

}  // namespace kw_tool_bar_test
