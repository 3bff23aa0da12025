// The control bar: its inside by borders and gripper, showing and hiding
// at the next layout, style changes told to the bar, and commands of the
// controls on it passed to its owner.
#include <vector>

#include "classlib/tests/win/BarFrameTest.h"
#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CButton.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CStatusBar.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr UINT kBarID = 0xE830;
constexpr UINT kButtonID = 3401;
constexpr int kThickness = 30;
// The room a gripper takes at the start of a docked bar.
constexpr int kGripperRoom = 7;

// A bar of fixed thickness with a button on it.
class CTestBar : public CControlBar {
 public:
  BOOL Create(CWnd* pParent, DWORD dwStyle) {
    m_dwStyle = dwStyle;
    return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent,
                        kBarID) &&
           m_button.Create("Push", WS_CHILD | WS_VISIBLE, CRect(40, 4, 100, 26), this, kButtonID);
  }
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override {
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    return bHorz ? CSize(size.cx, kThickness) : CSize(kThickness, size.cy);
  }
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
  void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override {
    m_styleChanges.push_back({dwOldStyle, dwNewStyle});
  }
  CButton m_button;
  std::vector<std::pair<DWORD, DWORD>> m_styleChanges;
};

class CBarFrame : public CFrameWnd {
 public:
  CTestBar m_wndBar;
  CWnd m_pane;
  int m_nPushes = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_wndBar.Create(this, CBRS_TOP | CBRS_GRIPPER | CBRS_BORDER_3D))
      return -1;
    RecalcLayout();
    return 0;
  }
  afx_msg void OnPush() { ++m_nPushes; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(kButtonID, OnPush)
END_MESSAGE_MAP()

class ControlBarTest : public BarFrameTest<CBarFrame> {
 protected:
  void SetUp() override { CreateFrame(300, 160); }
  CTestBar& Bar() { return m_pFrame->m_wndBar; }
};

TEST_F(ControlBarTest, TheInsideLeavesTheBordersAndTheGripper) {
  Bar().SetBorders(4, 1, 3, 2);
  struct Case {
    DWORD dwStyle;
    BOOL bHorz;
    CRect inside;  // of a 100 x 50 bar
  };
  // Borders are given for a horizontal bar; a vertical one turns them (top
  // and bottom along its sides) and has its gripper across its top.
  const Case cases[] = {
      {0, TRUE, CRect(4, 1, 97, 48)},
      {0, FALSE, CRect(1, 4, 98, 47)},
      {CBRS_GRIPPER, TRUE, CRect(4 + kGripperRoom, 1, 97, 48)},
      {CBRS_GRIPPER, FALSE, CRect(1, 4 + kGripperRoom, 98, 47)},
      {CBRS_GRIPPER | CBRS_FLOATING, TRUE, CRect(4, 1, 97, 48)},  // a floating bar has none
      {CBRS_BORDER_LEFT | CBRS_BORDER_BOTTOM, TRUE, CRect(5, 1, 97, 47)},
      {CBRS_BORDER_ANY | CBRS_BORDER_3D, TRUE, CRect(6, 3, 95, 46)},
  };
  for (const Case& c : cases) {
    Bar().m_dwStyle = c.dwStyle;
    CRect rect(0, 0, 100, 50);
    Bar().CalcInsideRect(rect, c.bHorz);
    EXPECT_EQ(c.inside, rect) << std::hex << c.dwStyle << (c.bHorz ? " horizontal" : " vertical");
  }
}

TEST_F(ControlBarTest, AHiddenOrShownBarChangesAtTheNextLayout) {
  CRect client;
  m_pFrame->GetClientRect(&client);
  EXPECT_EQ(CRect(0, 0, client.right, kThickness), RectInFrame(Bar()));
  EXPECT_EQ(kThickness, RectInFrame(m_pFrame->m_pane).top);

  Bar().DelayShow(FALSE);
  EXPECT_FALSE(Bar().IsVisible()) << "to be hidden";
  EXPECT_TRUE(Bar().IsWindowVisible()) << "until the layout";
  // A layout query only looks ahead.
  CRect rectLeft;
  m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rectLeft);
  EXPECT_EQ(client, rectLeft);
  EXPECT_TRUE(Bar().IsWindowVisible());
  m_pFrame->RecalcLayout();
  EXPECT_FALSE(Bar().IsWindowVisible());
  EXPECT_EQ(client, RectInFrame(m_pFrame->m_pane));

  Bar().DelayShow(TRUE);
  EXPECT_TRUE(Bar().IsVisible());
  EXPECT_FALSE(Bar().IsWindowVisible());
  m_pFrame->RecalcLayout();
  EXPECT_TRUE(Bar().IsWindowVisible());
  EXPECT_EQ(kThickness, RectInFrame(m_pFrame->m_pane).top);

  // Showing a bar that shows already leaves nothing to do.
  Bar().DelayShow(TRUE);
  EXPECT_EQ(0u, Bar().m_nStateFlags & (CControlBar::delayShow | CControlBar::delayHide));
}

TEST_F(ControlBarTest, AStyleChangeIsToldToTheBarOnce) {
  DWORD dwOld = Bar().GetBarStyle();
  DWORD dwNew = (dwOld & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_BOTTOM;
  Bar().SetBarStyle(dwNew);
  Bar().SetBarStyle(dwNew);
  ASSERT_EQ(1u, Bar().m_styleChanges.size());
  EXPECT_EQ(dwOld, Bar().m_styleChanges[0].first);
  EXPECT_EQ(dwNew, Bar().m_styleChanges[0].second);
  m_pFrame->RecalcLayout();
  CRect client;
  m_pFrame->GetClientRect(&client);
  EXPECT_EQ(client.bottom, RectInFrame(Bar()).bottom) << "the bar moved to the bottom";
}

TEST_F(ControlBarTest, TheControlsCommandsGoToTheOwner) {
  Bar().m_button.SendMessage(BM_CLICK);
  EXPECT_EQ(1, m_pFrame->m_nPushes);
  // Another owner takes them instead.
  auto* pOther = new CBarFrame;  // a frame deletes itself with its window
  ASSERT_TRUE(pOther->LoadFrame(IDR_FRAMETEST_MAIN, WS_POPUP));
  Bar().SetOwner(pOther);
  Bar().m_button.SendMessage(BM_CLICK);
  EXPECT_EQ(1, m_pFrame->m_nPushes);
  EXPECT_EQ(1, pOther->m_nPushes);
  Bar().SetOwner(nullptr);
  pOther->DestroyWindow();
}

TEST_F(ControlBarTest, TheBordersAndTheGripperArePainted) {
  m_pFrame->RedrawWindow(nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // The gripper's highlight runs down the bar's left.
  COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  RgbImage image;
  ASSERT_TRUE(WaitFor([&] {
    image = CaptureWindow(Bar().m_hWnd);
    return CountPixels(image, CRect(0, 0, kGripperRoom, kThickness), IsColor(clrHilite)) > 0;
  }));
  SaveScreenshot(CaptureWindow(m_hFrame), "controlbar-gripper");
  COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
  CRect bottomLine(0, image.height - 1, image.width, image.height);
  EXPECT_EQ(image.width, CountPixels(image, bottomLine, IsColor(clrShadow)))
      << "the bottom border's shadow line";
}

TEST_F(ControlBarTest, AStatusBarCountsItsPanesAsItsElementsAndRefusesANegativeCount) {
  CStatusBar bar;
  ASSERT_TRUE(bar.Create(m_pFrame));
  const UINT ids[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
  ASSERT_TRUE(bar.SetIndicators(ids, 2));
  EXPECT_EQ(2, bar.GetCount());
  EXPECT_FALSE(bar.SetIndicators(nullptr, -1));
  EXPECT_EQ(2, bar.GetCount()) << "the panes stay";
  bar.DestroyWindow();
}

}  // namespace
