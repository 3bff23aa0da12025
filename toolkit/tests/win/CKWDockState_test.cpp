// The dock state in the profile store: the values each record writes, the
// empty dock bars left out, hidden bars, positions scaled from another
// screen, sections emptied before they are written, damaged counts bounded,
// and a loaded layout fitted to a frame that lost bars and dock sides.
#include "toolkit/win/CKWDockState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CToolBar.h"
#include "toolkit/win/CKWProfileStore.h"

namespace kw_dock_state_test {

constexpr char kCompanyKey[] = "Zulta Dock State Test";
constexpr char kProfile[] = "Layout";
constexpr UINT kToolBarId = 0xE900;
constexpr UINT kGoneId = 0xE9F0;

CControlBarInfo* Record(UINT nID, BOOL bDockBar, std::vector<UINT> ids = {}) {
  auto* pInfo = new CControlBarInfo;
  pInfo->m_nBarID = nID;
  pInfo->m_bDockBar = bDockBar;
  for (UINT n : ids) pInfo->m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(n)));
  return pInfo;
}

CControlBarInfo* At(const CDockState& state, int i) {
  return static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
}

std::vector<UINT> IdsOf(const CControlBarInfo* pInfo) {
  std::vector<UINT> ids;
  for (int i = 0; i < pInfo->m_arrBarID.GetSize(); ++i)
    ids.push_back(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pInfo->m_arrBarID[i])));
  return ids;
}

CSize Screen() { return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)); }

class DockStateTest : public AppTest {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
  }
  void TearDown() override {
    DeleteCompanyKey();
    AppTest::TearDown();
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }
  // The names of a section's values, sorted.
  static std::vector<std::string> Names(const std::string& section) {
    CKWProfileStore store;
    CStringArray names;
    CDWordArray types;
    store.EnumValues(section.c_str(), names, types);
    std::vector<std::string> result;
    for (int i = 0; i < names.GetSize(); ++i) result.emplace_back(names[i]);
    std::sort(result.begin(), result.end());
    return result;
  }
  static int Int(const char* section, const char* entry) {
    return CKWProfileStore().GetInt(section, entry, INT_MIN);
  }
};

TEST_F(DockStateTest, EmptyDockBarsAreLeftOutAndEachRecordWritesWhatIsNotDefault) {
  CKWDockState state;
  CControlBarInfo* pBar = Record(kToolBarId, FALSE);
  pBar->m_pointPos = CPoint(12, 34);
  pBar->m_bDocking = TRUE;
  pBar->m_uMRUDockID = AFX_IDW_DOCKBAR_LEFT;
  pBar->m_rectMRUDockPos = CRect(1, 2, 3, 4);
  pBar->m_dwMRUFloatStyle = 0x2000;
  pBar->m_ptMRUFloatPos = CPoint(5, 6);
  state.m_arrBarInfo.Add(pBar);
  state.m_arrBarInfo.Add(Record(AFX_IDW_DOCKBAR_TOP, TRUE, {0}));  // empty, docked
  CControlBarInfo* pFloat = Record(AFX_IDW_DOCKBAR_FLOAT, TRUE, {0, kToolBarId, 0});
  pFloat->m_bFloating = TRUE;
  pFloat->m_bHorz = FALSE;
  pFloat->m_bVisible = FALSE;
  pFloat->m_pointPos = CPoint(40, 50);
  state.m_arrBarInfo.Add(pFloat);
  state.SaveState(kProfile);

  EXPECT_EQ(Int("Layout-Summary", "Bars"), 2);
  EXPECT_EQ(Int("Layout-Summary", "ScreenCX"), Screen().cx);
  EXPECT_EQ(Int("Layout-Summary", "ScreenCY"), Screen().cy);
  EXPECT_EQ(Names("Layout-Bar0"),
            (std::vector<std::string>{"BarID", "Docking", "MRUDockBottomPos", "MRUDockID",
                                      "MRUDockLeftPos", "MRUDockRightPos", "MRUDockTopPos",
                                      "MRUFloatStyle", "MRUFloatXPos", "MRUFloatYPos", "XPos",
                                      "YPos"}));
  EXPECT_EQ(Int("Layout-Bar0", "MRUDockID"), static_cast<int>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(Names("Layout-Bar1"),
            (std::vector<std::string>{"Bar#0", "Bar#1", "Bar#2", "BarID", "Bars", "Floating", "Horz",
                                      "Visible", "XPos", "YPos"}));
  EXPECT_EQ(Int("Layout-Bar1", "Bar#1"), static_cast<int>(kToolBarId));
  EXPECT_TRUE(Names("Layout-Bar2").empty());

  CKWDockState loaded;
  loaded.LoadState(kProfile);
  ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), 2);
  const CControlBarInfo* pBarBack = At(loaded, 0);
  EXPECT_EQ(pBarBack->m_nBarID, kToolBarId);
  EXPECT_TRUE(pBarBack->m_bVisible);
  EXPECT_FALSE(pBarBack->m_bDockBar);
  EXPECT_EQ(pBarBack->m_pointPos, CPoint(12, 34));
  EXPECT_EQ(pBarBack->m_nMRUWidth, CControlBar::kDefaultMRUWidth);
  EXPECT_EQ(pBarBack->m_rectMRUDockPos, CRect(1, 2, 3, 4));
  EXPECT_EQ(pBarBack->m_dwMRUFloatStyle, 0x2000u);
  EXPECT_EQ(pBarBack->m_ptMRUFloatPos, CPoint(5, 6));
  const CControlBarInfo* pFloatBack = At(loaded, 1);
  EXPECT_TRUE(pFloatBack->m_bDockBar);
  EXPECT_TRUE(pFloatBack->m_bFloating);
  EXPECT_FALSE(pFloatBack->m_bHorz);
  EXPECT_FALSE(pFloatBack->m_bVisible);
  EXPECT_FALSE(pFloatBack->m_bDocking);
  EXPECT_EQ(pFloatBack->m_pointPos, CPoint(40, 50));
  EXPECT_EQ(IdsOf(pFloatBack), (std::vector<UINT>{0, kToolBarId, 0}));
}

TEST_F(DockStateTest, SavingFewerRecordsLeavesNoStaleValuesInsideTheSections) {
  CKWDockState state;
  CControlBarInfo* pBar = Record(kToolBarId, FALSE);
  pBar->m_pointPos = CPoint(7, 8);
  pBar->m_nMRUWidth = 90;
  state.m_arrBarInfo.Add(pBar);
  state.m_arrBarInfo.Add(Record(kToolBarId + 1, FALSE));
  state.SaveState(kProfile);
  pBar->m_pointPos = CPoint(-1, -1);
  pBar->m_nMRUWidth = CControlBar::kDefaultMRUWidth;
  delete At(state, 1);
  state.m_arrBarInfo.RemoveAt(1);
  state.SaveState(kProfile);
  EXPECT_EQ(Names("Layout-Bar0"), (std::vector<std::string>{"BarID"}));
  EXPECT_EQ(Int("Layout-Summary", "Bars"), 1);
  // Beyond the count, and not read.
  EXPECT_EQ(Int("Layout-Bar1", "BarID"), static_cast<int>(kToolBarId + 1));
  CKWDockState loaded;
  loaded.LoadState(kProfile);
  EXPECT_EQ(loaded.m_arrBarInfo.GetSize(), 1);
}

TEST_F(DockStateTest, PositionsSavedOnAnotherScreenAreScaledToThisOne) {
  CKWProfileStore store;
  store.WriteInt("Layout-Summary", "Bars", 1);
  store.WriteInt("Layout-Summary", "ScreenCX", Screen().cx * 2);
  store.WriteInt("Layout-Summary", "ScreenCY", Screen().cy * 2);
  store.WriteInt("Layout-Bar0", "BarID", AFX_IDW_DOCKBAR_FLOAT);
  store.WriteInt("Layout-Bar0", "Floating", 1);
  store.WriteInt("Layout-Bar0", "XPos", 200);
  store.WriteInt("Layout-Bar0", "YPos", Screen().cy * 2 + 500);  // below even that screen
  store.WriteInt("Layout-Bar0", "Docking", 1);
  store.WriteInt("Layout-Bar0", "MRUFloatXPos", 60);
  store.WriteInt("Layout-Bar0", "MRUFloatYPos", 80);
  CKWDockState loaded;
  loaded.LoadState(kProfile);
  ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), 1);
  EXPECT_EQ(loaded.GetScreenSize(), CSize(Screen().cx * 2, Screen().cy * 2));
  EXPECT_EQ(At(loaded, 0)->m_pointPos, CPoint(100, Screen().cy - kMinOnScreen));
  EXPECT_EQ(At(loaded, 0)->m_ptMRUFloatPos, CPoint(30, 40));
}

TEST_F(DockStateTest, DamagedCountsAreBounded) {
  struct Case {
    int nBars;
    int nIds;
    int nRecords;
    int nIdsRead;
  };
  const Case cases[] = {{-3, -3, 0, 0}, {1, 2, 1, 2}, {INT_MAX, INT_MAX, 256, 1024}};
  for (const Case& c : cases) {
    CKWProfileStore store;
    store.WriteInt("Layout-Summary", "Bars", c.nBars);
    store.WriteInt("Layout-Bar0", "BarID", AFX_IDW_DOCKBAR_TOP);
    store.WriteInt("Layout-Bar0", "Bars", c.nIds);
    CKWDockState loaded;
    loaded.LoadState(kProfile);
    ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), c.nRecords) << c.nBars;
    // A record is kept even when it names no bar.
    if (c.nRecords > 1) {
      EXPECT_EQ(At(loaded, 1)->m_nBarID, 0u);
    }
    if (c.nRecords > 0) {
      EXPECT_EQ(At(loaded, 0)->m_arrBarID.GetSize(), c.nIdsRead);
    }
  }
}

// A frame with a top and a left dock bar and one dockable toolbar.
class CFitFrame : public CFrameWnd {
 public:
  CToolBar m_toolBar;
  BOOL Build() {
    if (!m_toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, kToolBarId)) return FALSE;
    EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT);
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
    return TRUE;
  }
};

TEST_F(DockStateTest, FittingToTheFrameDropsWhatItLostAndKeepsFramesInReach) {
  auto* pFrame = new CFitFrame;
  ASSERT_TRUE(pFrame->Create(nullptr, "Fit", WS_POPUP, CRect(0, 0, 300, 200)));
  ASSERT_TRUE(pFrame->Build());
  CKWDockState state;
  state.m_arrBarInfo.Add(Record(kGoneId, FALSE));
  state.m_arrBarInfo.Add(Record(AFX_IDW_DOCKBAR_RIGHT, TRUE, {0, kToolBarId, 0}));
  state.m_arrBarInfo.Add(Record(AFX_IDW_DOCKBAR_LEFT, TRUE, {0, kGoneId, kToolBarId, 0}));
  CControlBarInfo* pBar = Record(kToolBarId, FALSE);
  pBar->m_bDocking = TRUE;
  pBar->m_uMRUDockID = AFX_IDW_DOCKBAR_RIGHT;
  state.m_arrBarInfo.Add(pBar);
  CControlBarInfo* pFloat = Record(AFX_IDW_DOCKBAR_FLOAT, TRUE, {0, kGoneId, 0});
  pFloat->m_bFloating = TRUE;
  state.m_arrBarInfo.Add(pFloat);
  CControlBarInfo* pTop = Record(AFX_IDW_DOCKBAR_TOP, TRUE, {0, kToolBarId, 0});
  state.m_arrBarInfo.Add(pTop);

  EXPECT_EQ(state.FitToFrame(pFrame), 3);
  ASSERT_EQ(state.m_arrBarInfo.GetSize(), 3);
  EXPECT_EQ(At(state, 0)->m_nBarID, static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(IdsOf(At(state, 0)), (std::vector<UINT>{0, kToolBarId, 0}));
  EXPECT_EQ(At(state, 1), pBar);
  EXPECT_EQ(pBar->m_uMRUDockID, 0u);  // the right side is gone
  EXPECT_EQ(At(state, 2), pTop);
  EXPECT_EQ(IdsOf(pTop), (std::vector<UINT>{0}));  // docked on the left already

  // What is left applies: the toolbar goes to the left dock bar.
  pFrame->SetDockState(state);
  pFrame->RecalcLayout();
  EXPECT_EQ(pFrame->m_toolBar.m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
  pFrame->DestroyWindow();
}

TEST_F(DockStateTest, AFloatingFrameSavedOffTheWorkAreaComesBackInReach) {
  auto* pFrame = new CFitFrame;
  ASSERT_TRUE(pFrame->Create(nullptr, "Fit", WS_POPUP, CRect(0, 0, 300, 200)));
  ASSERT_TRUE(pFrame->Build());
  CRect work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  struct Case {
    CPoint saved;
  };
  const Case cases[] = {{{-400, -300}}, {{work.right + 50, work.bottom + 50}}};
  for (const Case& c : cases) {
    CKWDockState state;
    CControlBarInfo* pFloat = Record(AFX_IDW_DOCKBAR_FLOAT, TRUE, {0, kToolBarId, 0});
    pFloat->m_bFloating = TRUE;
    pFloat->m_pointPos = c.saved;
    state.m_arrBarInfo.Add(pFloat);
    EXPECT_EQ(state.FitToFrame(pFrame), 0);
    pFrame->SetDockState(state);
    // The floating frame's caption is on the work area, and some of it in reach.
    CRect frame;
    pFrame->m_toolBar.GetParentFrame()->GetWindowRect(&frame);
    EXPECT_NE(pFrame->m_toolBar.GetParentFrame(), pFrame);
    EXPECT_GE(frame.left, work.left) << c.saved.x;
    EXPECT_GE(frame.top, work.top) << c.saved.y;
    EXPECT_LE(frame.left, work.right - kMinOnScreen) << c.saved.x;
    EXPECT_LE(frame.top, work.bottom - kMinOnScreen) << c.saved.y;
  }
  pFrame->DestroyWindow();
}

}  // namespace kw_dock_state_test
