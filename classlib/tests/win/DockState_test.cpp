// The saved layout of the bars: kept in the profile under the names the
// program has always used, brought back after a restart, and loaded as far
// as it fits when bars are gone or the screen has changed.
#include <iterator>
#include <string>

#include "classlib/tests/win/DockTestSupport.h"
#include "classlib/core/DockScreenScale.h"
#include "classlib/win/CDockState.h"

namespace docktest {
namespace dock_state_test {

constexpr const char* kCompanyKey = "Zulta Dock Test Company";
constexpr const char* kProfileName = "DockTest";
const CPoint kFloatAt(460, 330);
// Ids of bars an older program had.
constexpr UINT kGoneBar = 0xE8F0;
constexpr UINT kOtherGoneBar = 0xE8F1;

class DockStateTest : public DockTest {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
    DockTest::SetUp();
  }
  void TearDown() override {
    DockTest::TearDown();
    DeleteCompanyKey();
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }
  static std::string BarSection(int nIndex) {
    return std::string(kProfileName) + "-Bar" + std::to_string(nIndex);
  }
  static std::string SummarySection() { return std::string(kProfileName) + "-Summary"; }
  int Get(const std::string& section, LPCSTR lpszEntry, int nDefault = -99) {
    return static_cast<int>(m_app.GetProfileInt(section.c_str(), lpszEntry, nDefault));
  }
  void Put(const std::string& section, LPCSTR lpszEntry, int nValue) {
    m_app.WriteProfileInt(section.c_str(), lpszEntry, nValue);
  }
  // The saved record of bar nID, -1 when there is none.
  int RecordOf(UINT nID) {
    for (int i = 0; i < Get(SummarySection(), "Bars", 0); ++i)
      if (Get(BarSection(i), "BarID") == static_cast<int>(nID)) return i;
    return -1;
  }
  // A floating, B docked on the left under the sizable bar, the sizable bar hidden.
  void Rearrange() {
    m_pFrame->FloatControlBar(&m_pFrame->m_wndBarA, kFloatAt);
    m_pFrame->DockControlBar(&m_pFrame->m_wndBarB, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndSizable, FALSE, FALSE);
    Settle();
  }
  int VisibleFloatingFrames() {
    int nCount = 0;
    for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
      auto* pBar = static_cast<CControlBar*>(m_pFrame->m_listControlBars.GetNext(pos));
      if (pBar->IsDockBar() && pBar->IsFloating() && pBar->GetParent()->IsWindowVisible()) ++nCount;
    }
    return nCount;
  }
};

TEST_F(DockStateTest, TheLayoutComesBackAfterARestart) {
  Rearrange();
  Picture("dockstate-saved");
  CRect b = InFrame(m_pFrame->m_wndBarB);
  m_pFrame->SaveBarState(kProfileName);

  DestroyFrame();
  CreateFrame();
  ASSERT_FALSE(m_pFrame->m_wndBarA.IsFloating()) << "a new frame starts with the default layout";
  m_pFrame->LoadBarState(kProfileName);
  Picture("dockstate-restored");

  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndBarA);
  ASSERT_NE(nullptr, pFloating);
  EXPECT_TRUE(pFloating->IsWindowVisible());
  EXPECT_EQ(kFloatAt, ScreenRect(*pFloating).TopLeft());
  EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, DockBarOf(m_pFrame->m_wndBarB));
  EXPECT_EQ(b, InFrame(m_pFrame->m_wndBarB));
  EXPECT_FALSE(m_pFrame->m_wndSizable.IsWindowVisible());
  EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, DockBarOf(m_pFrame->m_wndSizable));
  EXPECT_EQ(1, VisibleFloatingFrames());

  // A double click docks A where it was before it floated: the top row.
  m_pFrame->m_wndBarA.m_pDockContext->ToggleDocking();
  Settle();
  EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, DockBarOf(m_pFrame->m_wndBarA));
  EXPECT_EQ(0, InFrame(m_pFrame->m_wndBarA).left);
}

TEST_F(DockStateTest, TheProfileHoldsEachBarUnderItsNames) {
  Rearrange();
  m_pFrame->SaveBarState(kProfileName);
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), Get(SummarySection(), "ScreenCX"));
  EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), Get(SummarySection(), "ScreenCY"));
  // The status bar, the three bars, the left and top dock bars and the
  // floating one; the empty right and bottom dock bars say nothing.
  EXPECT_EQ(7, Get(SummarySection(), "Bars"));
  EXPECT_EQ(-1, RecordOf(AFX_IDW_DOCKBAR_RIGHT));
  EXPECT_EQ(-1, RecordOf(AFX_IDW_DOCKBAR_BOTTOM));

  struct Case {
    UINT nBar;
    const char* entry;
    int value;  // -99: not written
  };
  const Case cases[] = {
      {kSizableBar, "Visible", 0},
      {kBarB, "Visible", -99},
      {kBarB, "Floating", -99},
      {kBarA, "Floating", -99},
      {kBarA, "Docking", 1},
      {kBarA, "MRUDockID", AFX_IDW_DOCKBAR_TOP},
      {AFX_IDW_DOCKBAR_FLOAT, "Floating", 1},
      {AFX_IDW_DOCKBAR_FLOAT, "Horz", 1},
      {AFX_IDW_DOCKBAR_FLOAT, "Bars", 3},
      {AFX_IDW_DOCKBAR_FLOAT, "Bar#1", kBarA},
      {AFX_IDW_DOCKBAR_TOP, "Bar#1", kBarA | CDockBar::kPlaceHolderFlag},
      {AFX_IDW_DOCKBAR_LEFT, "Bar#1", kSizableBar},
      {AFX_IDW_DOCKBAR_LEFT, "Bar#3", kBarB},
  };
  for (const Case& c : cases) {
    int nRecord = RecordOf(c.nBar);
    ASSERT_GE(nRecord, 0) << c.nBar;
    EXPECT_EQ(c.value, Get(BarSection(nRecord), c.entry)) << c.nBar << " " << c.entry;
  }
}

TEST_F(DockStateTest, SavingAgainLeavesNoValueOfTheEarlierLayout) {
  m_pFrame->SaveBarState(kProfileName);
  int nRecord = RecordOf(kBarB);
  ASSERT_GE(nRecord, 0);
  Put(BarSection(nRecord), "Visible", 0);
  Put(BarSection(nRecord), "Floating", 1);
  // The earlier layout had one bar more.
  int nEarlierBars = Get(SummarySection(), "Bars");
  Put(BarSection(nEarlierBars), "BarID", kGoneBar);
  Put(SummarySection(), "Bars", nEarlierBars + 1);
  m_pFrame->SaveBarState(kProfileName);
  EXPECT_EQ(nEarlierBars, Get(SummarySection(), "Bars"));
  EXPECT_EQ(-99, Get(BarSection(nEarlierBars), "BarID"));
  EXPECT_EQ(-99, Get(BarSection(nRecord), "Visible"));
  EXPECT_EQ(-99, Get(BarSection(nRecord), "Floating"));
  EXPECT_EQ(static_cast<int>(kBarB), Get(BarSection(nRecord), "BarID"));
}

TEST_F(DockStateTest, ALayoutNamingBarsThatAreGoneLoadsWhatFits) {
  // The left dock bar's rows name B, a bar that is gone and the status bar,
  // which does not dock; a floating frame held only another bar that is
  // gone; and the gone bar has a record.
  Put(SummarySection(), "Bars", 3);
  Put(SummarySection(), "ScreenCX", ::GetSystemMetrics(SM_CXSCREEN));
  Put(SummarySection(), "ScreenCY", ::GetSystemMetrics(SM_CYSCREEN));
  Put(BarSection(0), "BarID", AFX_IDW_DOCKBAR_LEFT);
  const int kLeftRows[] = {0, static_cast<int>(kBarB),
                           0, static_cast<int>(kGoneBar),
                           0, static_cast<int>(AFX_IDW_STATUS_BAR),
                           0};
  Put(BarSection(0), "Bars", static_cast<int>(std::size(kLeftRows)));
  for (size_t i = 0; i < std::size(kLeftRows); ++i)
    Put(BarSection(0), ("Bar#" + std::to_string(i)).c_str(), kLeftRows[i]);
  Put(BarSection(1), "BarID", kGoneBar);
  Put(BarSection(1), "Visible", 0);
  Put(BarSection(2), "BarID", AFX_IDW_DOCKBAR_FLOAT);
  Put(BarSection(2), "Floating", 1);
  Put(BarSection(2), "XPos", 300);
  Put(BarSection(2), "YPos", 300);
  Put(BarSection(2), "Bars", 3);
  Put(BarSection(2), "Bar#1", kOtherGoneBar);

  m_pFrame->LoadBarState(kProfileName);
  Picture("dockstate-gone-bars");
  EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, DockBarOf(m_pFrame->m_wndBarB));
  EXPECT_TRUE(m_pFrame->m_wndBarB.IsWindowVisible());
  // Bars the layout does not name stay where they were.
  EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, DockBarOf(m_pFrame->m_wndBarA));
  EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, DockBarOf(m_pFrame->m_wndSizable));
  EXPECT_EQ(0, VisibleFloatingFrames()) << "no empty floating frame is left";
  EXPECT_EQ(nullptr, m_pFrame->m_wndStatusBar.m_pDockBar);
  EXPECT_EQ(m_pFrame, m_pFrame->m_wndStatusBar.GetParent());
  CDockBar* pLeft = m_pFrame->DockBar(AFX_IDW_DOCKBAR_LEFT);
  EXPECT_EQ(2, pLeft->GetDockedCount());
  for (int i = 0; i < pLeft->m_arrBars.GetSize(); ++i)
    EXPECT_EQ(0u, pLeft->GetPlaceHolderID(i)) << "nothing of the gone bar is kept";
}

TEST_F(DockStateTest, PositionsSavedOnAnotherScreenComeOntoThisOne) {
  const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
  const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
  // The saved point is where the bars stand, inside the floating frame's
  // edge and caption.
  m_pFrame->FloatControlBar(&m_pFrame->m_wndBarA, kFloatAt);
  CMiniDockFrameWnd* pFloating = FloatingFrameOf(m_pFrame->m_wndBarA);
  ASSERT_NE(nullptr, pFloating);
  const CSize inside = ScreenRect(pFloating->m_wndDockBar).TopLeft() - kFloatAt;
  m_pFrame->SaveBarState(kProfileName);
  int nRecord = RecordOf(AFX_IDW_DOCKBAR_FLOAT);
  ASSERT_GE(nRecord, 0);
  EXPECT_EQ(kFloatAt + inside,
            CPoint(Get(BarSection(nRecord), "XPos"), Get(BarSection(nRecord), "YPos")));

  struct Case {
    const char* name;
    CSize sizeSaved;
    CPoint ptSaved;
    CPoint ptExpected;  // the floating frame's top-left
  };
  const CPoint ptBars = kFloatAt + inside;
  const Case cases[] = {
      {"a screen twice as large", CSize(2 * cxScreen, 2 * cyScreen),
       CPoint(2 * ptBars.x, 2 * ptBars.y), kFloatAt},
      {"off the right of this screen", CSize(cxScreen, cyScreen),
       CPoint(cxScreen + 500, 100 + inside.cy), CPoint(cxScreen - kMinOnScreen - inside.cx, 100)},
      {"above and left of this screen, the caption too", CSize(cxScreen, cyScreen),
       CPoint(-300, -200), CPoint(0, 0)},
  };
  for (const Case& c : cases) {
    Put(SummarySection(), "ScreenCX", c.sizeSaved.cx);
    Put(SummarySection(), "ScreenCY", c.sizeSaved.cy);
    Put(BarSection(nRecord), "XPos", c.ptSaved.x);
    Put(BarSection(nRecord), "YPos", c.ptSaved.y);
    DestroyFrame();
    CreateFrame();
    m_pFrame->LoadBarState(kProfileName);
    Settle();
    pFloating = FloatingFrameOf(m_pFrame->m_wndBarA);
    ASSERT_NE(nullptr, pFloating) << c.name;
    EXPECT_EQ(c.ptExpected, ScreenRect(*pFloating).TopLeft()) << c.name;
  }
}

}  // namespace dock_state_test
}  // namespace docktest
