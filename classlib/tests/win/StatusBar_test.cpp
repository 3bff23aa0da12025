// The status bar: panes from indicator ids with their strings' texts, the
// frame's prompts in the first pane, indicators updated from the frame's
// handlers at idle time, and its place at the bottom of the frame's layout.
#include <iterator>
#include <string>
#include <vector>

#include "classlib/tests/win/BarFrameTest.h"
#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CStatusBar.h"

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_FRAMETEST_PAGE, ID_INDICATOR_OVR, ID_INDICATOR_CAPS,
                            ID_INDICATOR_NUM};
constexpr int kPagePane = 1;
constexpr int kOverwritePane = 2;
constexpr int kCapsPane = 3;

class CStatusFrame : public CFrameWnd {
 public:
  CStatusBar m_wndStatusBar;
  CWnd m_pane;
  BOOL m_bOverwrite = FALSE;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
      return -1;
    RecalcLayout();
    return 0;
  }
  afx_msg void OnUpdateOverwrite(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOverwrite); }
  afx_msg void OnUpdatePage(CCmdUI* pCmdUI) { pCmdUI->SetText("Page 3"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStatusFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, OnUpdateOverwrite)
  ON_UPDATE_COMMAND_UI(ID_FRAMETEST_PAGE, OnUpdatePage)
END_MESSAGE_MAP()

class StatusBarTest : public BarFrameTest<CStatusFrame> {
 protected:
  void SetUp() override { CreateFrame(500, 300, WS_POPUP | WS_BORDER | FWS_ADDTOTITLE); }
  CStatusBar& Bar() { return m_pFrame->m_wndStatusBar; }
  // What the control shows in a pane.
  std::string Shown(int nPane) {
    char szText[128] = "";
    ::SendMessageA(Bar().m_hWnd, SB_GETTEXTA, static_cast<WPARAM>(nPane),
                   reinterpret_cast<LPARAM>(szText));
    return szText;
  }
  std::vector<int> PartRights() {
    std::vector<int> rights(static_cast<size_t>(Bar().GetCount()));
    ::SendMessageA(Bar().m_hWnd, SB_GETPARTS, rights.size(),
                   reinterpret_cast<LPARAM>(rights.data()));
    return rights;
  }
};

TEST_F(StatusBarTest, TheIndicatorsGiveThePanesAndTheirTexts) {
  EXPECT_EQ(AFX_IDW_STATUS_BAR, Bar().GetDlgCtrlID());
  EXPECT_EQ(&Bar(), m_pFrame->GetMessageBar());
  ASSERT_EQ(5, Bar().GetCount());
  struct Case {
    UINT nID;
    int nIndex;
    const char* text;
  };
  const Case cases[] = {{ID_SEPARATOR, 0, ""},
                        {ID_FRAMETEST_PAGE, kPagePane, "Page 999"},
                        {ID_INDICATOR_OVR, kOverwritePane, "OVR"},
                        {ID_INDICATOR_NUM, 4, "NUM"},
                        {ID_INDICATOR_SCRL, -1, nullptr}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.nIndex, Bar().CommandToIndex(c.nID)) << c.nID;
    if (c.nIndex > 0) {
      EXPECT_EQ(c.nID, Bar().GetItemID(c.nIndex));
      EXPECT_STREQ(c.text, Bar().GetPaneText(c.nIndex));
      EXPECT_EQ(c.text, Shown(c.nIndex));
    }
  }
  EXPECT_EQ(static_cast<UINT>(SBPS_STRETCH | SBPS_NOBORDERS), Bar().GetPaneStyle(0));
}

TEST_F(StatusBarTest, TheFirstPaneStretchesAndTheOthersFitTheirTexts) {
  std::vector<int> rights = PartRights();
  CRect client;
  Bar().GetClientRect(&client);
  int cxFirst = rights[0];
  int cxPage = rights[kPagePane] - rights[0];
  int cxOverwrite = rights[kOverwritePane] - rights[kPagePane];
  EXPECT_GT(cxFirst, client.Width() / 2) << "the message pane takes the room left";
  EXPECT_GT(cxPage, cxOverwrite) << "\"Page 999\" is wider than \"OVR\"";

  UINT nID = 0, nStyle = 0;
  int cxWidth = 0;
  Bar().SetPaneInfo(kPagePane, ID_FRAMETEST_PAGE, SBPS_NORMAL, 150);
  Bar().GetPaneInfo(kPagePane, nID, nStyle, cxWidth);
  EXPECT_EQ(static_cast<UINT>(ID_FRAMETEST_PAGE), nID);
  EXPECT_EQ(150, cxWidth);
  rights = PartRights();
  EXPECT_GT(rights[kPagePane] - rights[0], 150) << "the width and the pane's edges";
  EXPECT_LT(rights[kPagePane] - rights[0], 150 + 20);
}

TEST_F(StatusBarTest, TheBarSitsAtTheBottomAndThePaneGetsTheRest) {
  CRect client;
  m_pFrame->GetClientRect(&client);
  CRect bar = RectInFrame(Bar());
  EXPECT_EQ(CRect(0, client.bottom - bar.Height(), client.right, client.bottom), bar);
  EXPECT_EQ(CRect(0, 0, client.right, bar.top), RectInFrame(m_pFrame->m_pane));

  // View/Status Bar hides the bar and gives its room to the pane.
  m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  EXPECT_FALSE(Bar().IsWindowVisible());
  EXPECT_EQ(client, RectInFrame(m_pFrame->m_pane));
  m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  EXPECT_TRUE(Bar().IsWindowVisible());
  EXPECT_EQ(bar, RectInFrame(Bar()));
}

TEST_F(StatusBarTest, TheFirstPaneShowsTheFramesPrompts) {
  PumpPending();  // the frame posts itself the idle prompt
  EXPECT_EQ("Ready", Shown(0));
  m_pFrame->SetMessageText(ID_FRAMETEST_MAIN_ONLY);
  EXPECT_EQ("Runs on the main frame", Shown(0)) << "the string's first line";
  m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // a menu closed
  EXPECT_EQ("Ready", Shown(0));
  m_pFrame->SetMessageText("hello");
  CString text;
  Bar().GetWindowText(text);
  EXPECT_STREQ("hello", text) << "the window text is the first pane's";
  EXPECT_EQ(5, Bar().GetWindowTextLength());
}

TEST_F(StatusBarTest, IndicatorsFollowTheirHandlersAtIdleTime) {
  m_app.OnIdle(0);
  EXPECT_EQ("", Shown(kOverwritePane)) << "a disabled indicator is blank";
  EXPECT_TRUE(Bar().GetPaneStyle(kOverwritePane) & SBPS_DISABLED);
  EXPECT_EQ("Page 3", Shown(kPagePane)) << "a handler may set the text";
  bool bCapsOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
  EXPECT_EQ(bCapsOn ? "CAP" : "", Shown(kCapsPane)) << "the lock keys light while on";

  m_pFrame->m_bOverwrite = TRUE;
  m_app.OnIdle(0);
  EXPECT_EQ("OVR", Shown(kOverwritePane));
  EXPECT_FALSE(Bar().GetPaneStyle(kOverwritePane) & SBPS_DISABLED);
}

TEST_F(StatusBarTest, ADelayedLayoutWaitsForIdleTime) {
  CRect client;
  m_pFrame->GetClientRect(&client);
  CRect paneBefore = RectInFrame(m_pFrame->m_pane);
  m_pFrame->ShowControlBar(&Bar(), FALSE, TRUE);
  EXPECT_FALSE(Bar().IsWindowVisible());
  EXPECT_EQ(paneBefore, RectInFrame(m_pFrame->m_pane)) << "not laid out yet";
  m_app.OnIdle(0);
  EXPECT_EQ(client, RectInFrame(m_pFrame->m_pane));
}

TEST_F(StatusBarTest, AFrameBesideTheMainWindowIsUpdatedAtIdleTimeToo) {
  auto* pOther = new CStatusFrame;
  ASSERT_TRUE(pOther->LoadFrame(IDR_FRAMETEST_MAIN, WS_POPUP | WS_BORDER));
  pOther->SetWindowPos(nullptr, 40, 340, 300, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  pOther->ShowWindow(SW_SHOWNA);
  pOther->m_bOverwrite = TRUE;
  m_app.OnIdle(0);
  char szText[16] = "";
  ::SendMessageA(pOther->m_wndStatusBar.m_hWnd, SB_GETTEXTA, kOverwritePane,
                 reinterpret_cast<LPARAM>(szText));
  EXPECT_STREQ("OVR", szText);
  EXPECT_EQ("", Shown(kOverwritePane)) << "each frame asks its own handlers";
  pOther->DestroyWindow();
}

TEST_F(StatusBarTest, PrintPreviewTakesTheMenuAndPaneAwayKeepingTheStatusBar) {
  HMENU hMenu = ::GetMenu(m_hFrame);
  HWND hWndPane = m_pFrame->m_pane.m_hWnd;
  CPrintPreviewState state;
  m_pFrame->OnSetPreviewMode(TRUE, &state);
  EXPECT_TRUE(Bar().IsWindowVisible()) << "the preview's page shows in it";
  EXPECT_EQ(nullptr, ::GetMenu(m_hFrame));
  EXPECT_FALSE(::IsWindowVisible(hWndPane));
  EXPECT_EQ(AFX_IDW_PANE_SAVE, ::GetDlgCtrlID(hWndPane)) << "the pane's place is free";

  m_pFrame->OnSetPreviewMode(FALSE, &state);
  EXPECT_TRUE(Bar().IsWindowVisible());
  EXPECT_EQ(hMenu, ::GetMenu(m_hFrame));
  EXPECT_TRUE(::IsWindowVisible(hWndPane));
  EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(hWndPane));
}

}  // namespace
