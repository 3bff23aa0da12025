// The toolbar: buttons and images from a toolbar resource, their states
// following the frame's update handlers at idle time, rows for each side it
// lies on, commands and drop-down arrows reaching the frame, tips and
// fly-by prompts from the commands' strings.
#include <functional>
#include <string>
#include <vector>

#include "classlib/tests/win/BarFrameTest.h"
#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/ToolBarTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CReBar.h"
#include "classlib/win/CStatusBar.h"
#include "classlib/win/CToolBar.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace tool_bar_test {

constexpr int kRedIndex = 0;
constexpr int kSeparatorIndex = 1;
constexpr int kGreenIndex = 2;
constexpr int kBlueIndex = 3;
// The colours of the images' squares (res/toolbar.bmp).
constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kGreen = RGB(30, 170, 30);
constexpr COLORREF kBlue = RGB(30, 30, 220);
// Most of a square's 12 x 11 pixels.
constexpr int kSquarePixels = 100;

const UINT kIndicators[] = {ID_SEPARATOR};

class CToolFrame : public CFrameWnd {
 public:
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;
  CWnd m_pane;
  BOOL m_bGreen = FALSE;
  int m_nBlueCheck = 1;
  int m_nRedCommands = 0;
  int m_nDropDownItem = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                   CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_TBTEST) || !m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 1))
      return -1;
    RecalcLayout();
    return 0;
  }
  afx_msg void OnRed() { ++m_nRedCommands; }
  afx_msg void OnUpdateGreen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bGreen); }
  afx_msg void OnUpdateBlue(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nBlueCheck); }
  afx_msg void OnGreenOrBlue() {}
  afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult) {
    m_nDropDownItem = reinterpret_cast<NMTOOLBARA*>(pNMHDR)->iItem;
    *pResult = TBDDRET_DEFAULT;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CToolFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_TBTEST_RED, OnRed)
  ON_COMMAND(ID_TBTEST_GREEN, OnGreenOrBlue)
  ON_COMMAND(ID_TBTEST_BLUE, OnGreenOrBlue)
  ON_UPDATE_COMMAND_UI(ID_TBTEST_GREEN, OnUpdateGreen)
  ON_UPDATE_COMMAND_UI(ID_TBTEST_BLUE, OnUpdateBlue)
  ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnDropDown)
END_MESSAGE_MAP()

class ToolBarTest : public BarFrameTest<CToolFrame> {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CreateFrame(400, 240));
    m_pFrame->RecalcLayout();
  }
  CToolBar& Bar() { return m_pFrame->m_wndToolBar; }
  CRect ItemRect(int nIndex) {
    CRect rect;
    Bar().GetItemRect(nIndex, &rect);
    return rect;
  }
  // The buttons' rows as the control lays them out, borders added: what
  // the bar's layout must have asked for.
  CSize ControlExtent() {
    CRect rows(0, 0, 0, 0);
    for (int i = 0; i < Bar().GetCount(); ++i) {
      // A separator that ends a row keeps its place in it but shows nothing.
      if ((Bar().GetButtonStyle(i) & (TBBS_SEPARATOR | TBBS_WRAPPED)) ==
          (TBBS_SEPARATOR | TBBS_WRAPPED))
        continue;
      CRect item = ItemRect(i);
      rows.UnionRect(&rows, &item);
    }
    CRect inside(0, 0, 0, 0);
    Bar().CalcInsideRect(inside, (Bar().GetBarStyle() & CBRS_ORIENT_HORZ) != 0);
    return CSize(rows.right - inside.Width(), rows.bottom - inside.Height());
  }
  // The window as the screen shows it once the frame has painted, when
  // shown(picture) holds.
  RgbImage Picture(HWND hWnd, const std::function<bool(const RgbImage&)>& shown) {
    m_pFrame->RedrawWindow(
        nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RgbImage image;
    EXPECT_TRUE(WaitFor([&] {
      image = CaptureWindow(hWnd);
      return shown(image);
    }));
    return image;
  }
  // The blue button's square is on the screen.
  static std::function<bool(const RgbImage&)> ShowsBlue() {
    return [](const RgbImage& shown) { return CountPixels(shown, IsColor(kBlue)) > kSquarePixels; };
  }
  // How many pixels of the colour the button shows.
  int ColorIn(const RgbImage& image, int nIndex, COLORREF color) {
    return CountPixels(image, ItemRect(nIndex), IsColor(color));
  }
  bool IsEnabled(UINT nID) { return Bar().GetToolBarCtrl().IsButtonEnabled(nID) != 0; }
  bool IsChecked(UINT nID) { return Bar().GetToolBarCtrl().IsButtonChecked(nID) != 0; }
  // What the frame's message pane shows.
  std::string Prompt() {
    CString text;
    m_pFrame->m_wndStatusBar.GetWindowText(text);
    return LPCSTR(text);
  }
};

TEST_F(ToolBarTest, TheResourceGivesTheButtonsTheirImagesAndTheirSize) {
  ASSERT_EQ(4, Bar().GetCount());
  struct Case {
    int nIndex;
    UINT nID;
    UINT nStyle;
    int iImage;
  };
  const Case cases[] = {{kRedIndex, ID_TBTEST_RED, TBBS_BUTTON, 0},
                        {kSeparatorIndex, ID_SEPARATOR, TBBS_SEPARATOR, 8},
                        {kGreenIndex, ID_TBTEST_GREEN, TBBS_BUTTON, 1},
                        {kBlueIndex, ID_TBTEST_BLUE, TBBS_BUTTON, 2}};
  for (const Case& c : cases) {
    UINT nID = 0, nStyle = 0;
    int iImage = -1;
    Bar().GetButtonInfo(c.nIndex, nID, nStyle, iImage);
    EXPECT_EQ(c.nID, nID) << c.nIndex;
    EXPECT_EQ(c.nStyle, nStyle & 0xFFFF) << c.nIndex;
    EXPECT_EQ(c.iImage, iImage) << c.nIndex << ": images in order, a separator's width";
    if (c.nID != ID_SEPARATOR) EXPECT_EQ(c.nIndex, Bar().CommandToIndex(c.nID));
  }
  EXPECT_EQ(-1, Bar().CommandToIndex(ID_TBTEST_UNHANDLED));
  // The buttons are 7 larger than the 16 x 15 images.
  EXPECT_EQ(CSize(23, 22), Bar().m_sizeButton);
  EXPECT_EQ(CSize(23, 22), ItemRect(kRedIndex).Size());
}

TEST_F(ToolBarTest, ABadResourceLeavesTheButtonsAsTheyWere) {
  const struct {
    UINT nID;
    const char* why;
  } cases[] = {{IDR_TBTEST_NO_BITMAP, "no bitmap of the images"},
               {IDR_TBTEST_SHORT, "fewer ids than the count says"},
               {ID_TBTEST_UNHANDLED, "no such resource"}};
  for (const auto& c : cases) {
    EXPECT_FALSE(Bar().LoadToolBar(c.nID)) << c.why;
    EXPECT_EQ(4, Bar().GetCount()) << c.why;
    EXPECT_EQ(static_cast<UINT>(ID_TBTEST_BLUE), Bar().GetItemID(kBlueIndex)) << c.why;
  }
}

TEST_F(ToolBarTest, ButtonsFollowTheirUpdateHandlersAtIdleTime) {
  m_app.OnIdle(0);
  EXPECT_TRUE(IsEnabled(ID_TBTEST_RED)) << "a command with a handler";
  EXPECT_FALSE(IsEnabled(ID_TBTEST_GREEN));
  EXPECT_TRUE(IsChecked(ID_TBTEST_BLUE));
  EXPECT_TRUE(Bar().GetButtonStyle(kBlueIndex) & TBBS_CHECKBOX) << "a checked button toggles";
  // The enabled red square shows in colour; the disabled green one in greys.
  RgbImage image = Picture(Bar().m_hWnd, [&](const RgbImage& shown) {
    return ColorIn(shown, kRedIndex, kRed) > kSquarePixels;
  });
  SaveScreenshot(image, "toolbar-idle-states");
  EXPECT_EQ(0, ColorIn(image, kGreenIndex, kGreen));
  EXPECT_GT(ColorIn(image, kBlueIndex, kBlue), kSquarePixels);

  m_pFrame->m_bGreen = TRUE;
  m_pFrame->m_nBlueCheck = 0;
  m_app.OnIdle(0);
  EXPECT_TRUE(IsEnabled(ID_TBTEST_GREEN));
  EXPECT_FALSE(IsChecked(ID_TBTEST_BLUE));
  Picture(Bar().m_hWnd, [&](const RgbImage& shown) {
    return ColorIn(shown, kGreenIndex, kGreen) > kSquarePixels;
  });

  // A command nothing handles is greyed.
  Bar().SetButtonInfo(kRedIndex, ID_TBTEST_UNHANDLED, TBBS_BUTTON, 0);
  m_app.OnIdle(0);
  EXPECT_FALSE(IsEnabled(ID_TBTEST_UNHANDLED));
}

TEST_F(ToolBarTest, TheRowsFollowTheSideTheBarLiesOn) {
  CRect client;
  m_pFrame->GetClientRect(&client);
  CRect bar;
  Bar().GetWindowRect(&bar);
  m_pFrame->ScreenToClient(&bar);
  // Along the top: one row across the frame, as high as a button and the borders.
  EXPECT_EQ(CRect(0, 0, client.right, ControlExtent().cy), bar);
  EXPECT_EQ(ItemRect(kRedIndex).top, ItemRect(kBlueIndex).top) << "one row";
  SaveScreenshot(Picture(m_hFrame, ShowsBlue()), "toolbar-top");

  // Along the left: one button a row, the separator a gap between rows.
  Bar().SetBarStyle((Bar().GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_LEFT);
  m_pFrame->RecalcLayout();
  EXPECT_EQ(ItemRect(kRedIndex).left, ItemRect(kBlueIndex).left) << "one column";
  EXPECT_LT(ItemRect(kGreenIndex).bottom, ItemRect(kBlueIndex).bottom);
  CSize size = Bar().CalcDynamicLayout(-1, LM_VERTDOCK);
  EXPECT_EQ(ControlExtent(), size) << "the bar's size holds the control's rows";
  Bar().GetWindowRect(&bar);
  EXPECT_EQ(size.cx, bar.Width());
  SaveScreenshot(Picture(m_hFrame, ShowsBlue()), "toolbar-left");

  // A length of two rows: the narrowest rows that make two.
  CRect inside(0, 0, 0, 0);
  Bar().CalcInsideRect(inside, TRUE);
  Bar().SetBarStyle((Bar().GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP);
  size = Bar().CalcDynamicLayout(3 * 23 - inside.Width(), LM_HORZ | LM_COMMIT);
  EXPECT_EQ(ItemRect(kGreenIndex).top, ItemRect(kBlueIndex).top);
  EXPECT_LT(ItemRect(kRedIndex).top, ItemRect(kGreenIndex).top) << "wrapped at the separator";
  EXPECT_EQ(ControlExtent(), size);
}

TEST_F(ToolBarTest, AClickSendsTheCommandAndADropDownArrowTellsTheFrame) {
  m_app.OnIdle(0);
  CPoint center = ItemRect(kRedIndex).CenterPoint();
  Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(center.x, center.y));
  Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(center.x, center.y));
  EXPECT_EQ(1, m_pFrame->m_nRedCommands);

  Bar().GetToolBarCtrl().SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
  Bar().SetButtonStyle(kBlueIndex, Bar().GetButtonStyle(kBlueIndex) | TBBS_DROPDOWN);
  CRect blue = ItemRect(kBlueIndex);
  EXPECT_GT(blue.Width(), 23) << "the arrow widens the button";
  m_pFrame->RecalcLayout();
  SaveScreenshot(Picture(Bar().m_hWnd, ShowsBlue()), "toolbar-drop-down");
  CPoint arrow(blue.right - 3, blue.CenterPoint().y);
  Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
  Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
  EXPECT_EQ(ID_TBTEST_BLUE, m_pFrame->m_nDropDownItem);
}

TEST_F(ToolBarTest, TipsAndPromptsComeFromTheCommandsStrings) {
  TOOLINFOA ti = {};
  ti.cbSize = sizeof ti;
  EXPECT_EQ(ID_TBTEST_GREEN, Bar().OnToolHitTest(ItemRect(kGreenIndex).CenterPoint(), &ti));
  EXPECT_EQ(Bar().m_hWnd, ti.hwnd);
  EXPECT_EQ(ItemRect(kGreenIndex), CRect(ti.rect));
  EXPECT_EQ(-1, Bar().OnToolHitTest(ItemRect(kSeparatorIndex).CenterPoint(), nullptr));

  // The tip is the second line of the command's string.
  NMTTDISPINFOA info = {};
  info.hdr.hwndFrom = nullptr;
  info.hdr.idFrom = ID_TBTEST_GREEN;
  info.hdr.code = TTN_NEEDTEXTA;
  Bar().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(nullptr, info.lpszText);
  EXPECT_STREQ("Green", info.lpszText);

  // Fly-by: the first line shows while the mouse is over the button.
  PumpPending();
  MSG msg = {Bar().m_hWnd, WM_MOUSEMOVE, 0, 0, 0, {}};
  CPoint point = ItemRect(kRedIndex).CenterPoint();
  Bar().ClientToScreen(&point);
  msg.pt = point;
  Bar().PreTranslateMessage(&msg);
  EXPECT_EQ("Makes it red", Prompt());
  // Away from the bar the idle prompt comes back.
  ::SetCursorPos(0, 0);
  EXPECT_TRUE(WaitFor([&] { return Prompt() == "Ready"; }));
}

TEST_F(ToolBarTest, ARebarHoldsTheToolBarInABandAcrossTheTop) {
  CReBar rebar;
  ASSERT_TRUE(rebar.Create(m_pFrame));
  EXPECT_TRUE(rebar.IsKindOf(RUNTIME_CLASS(CReBar)));
  EXPECT_TRUE(rebar.IsKindOf(RUNTIME_CLASS(CControlBar)));
  CToolBar banded;
  ASSERT_TRUE(banded.CreateEx(&rebar, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                              CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + 1));
  ASSERT_TRUE(banded.LoadToolBar(IDR_TBTEST));
  ASSERT_TRUE(rebar.AddBar(&banded));
  m_pFrame->ShowControlBar(&Bar(), FALSE, FALSE);
  m_pFrame->RecalcLayout();

  CRect client;
  m_pFrame->GetClientRect(&client);
  CRect bar;
  rebar.GetWindowRect(&bar);
  m_pFrame->ScreenToClient(&bar);
  EXPECT_EQ(0, bar.top);
  EXPECT_EQ(client.right, bar.right) << "across the frame";
  CRect band;
  banded.GetWindowRect(&band);
  m_pFrame->ScreenToClient(&band);
  EXPECT_GE(bar.Height(), banded.CalcFixedLayout(FALSE, TRUE).cy) << "as high as its band";
  EXPECT_TRUE(bar.PtInRect(band.CenterPoint())) << "the toolbar lies in its band";
  SaveScreenshot(Picture(m_hFrame, ShowsBlue()), "toolbar-in-rebar");
  banded.DestroyWindow();
  rebar.DestroyWindow();
}

}  // namespace tool_bar_test
