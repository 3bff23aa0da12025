// Finding a window's frames, owner and descendants; styles; child controls
// updated from command handlers.
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"

namespace window_relatives_test {

constexpr UINT ID_HANDLED = 5001;
constexpr UINT ID_UNHANDLED = 5002;
constexpr UINT ID_DISABLED = 5003;

class CControlsFrame : public CFrameWnd {
 protected:
  afx_msg void OnHandled() {}
  afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsFrame, CFrameWnd)
  ON_COMMAND(ID_HANDLED, OnHandled)
  ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

class RelativesTest : public AppTest {
 protected:
  void SetUp() override {
    m_pFrame = new CControlsFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Frame"));
    m_hFrame = m_pFrame->m_hWnd;
    ASSERT_TRUE(m_panel.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 100, 100), m_pFrame, 1));
    for (UINT nID : {ID_HANDLED, ID_UNHANDLED, ID_DISABLED})
      ASSERT_NE(nullptr, ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10,
                                           m_panel.m_hWnd,
                                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                           nullptr, nullptr));
  }
  void TearDown() override {
    ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  BOOL Enabled(UINT nID) {
    return ::IsWindowEnabled(::GetDlgItem(m_panel.m_hWnd, static_cast<int>(nID)));
  }
  CControlsFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  CWnd m_panel;
};

TEST_F(RelativesTest, FramesParentsAndDescendantsAreFound) {
  CWnd* pButton = m_panel.GetDlgItem(ID_HANDLED);
  ASSERT_NE(nullptr, pButton);
  EXPECT_EQ(m_pFrame, pButton->GetParentFrame());
  EXPECT_EQ(m_pFrame, pButton->GetTopLevelFrame());
  EXPECT_EQ(m_pFrame, pButton->GetTopLevelParent());
  EXPECT_EQ(m_pFrame, m_pFrame->GetTopLevelFrame());
  EXPECT_EQ(nullptr, m_pFrame->GetParentFrame());
  EXPECT_EQ(&m_panel, pButton->GetOwner()) << "the parent, when no owner was set";
  pButton->SetOwner(m_pFrame);
  EXPECT_EQ(m_pFrame, pButton->GetOwner());
  EXPECT_EQ(pButton, m_pFrame->GetDescendantWindow(ID_HANDLED));
  EXPECT_EQ(nullptr, m_pFrame->GetDescendantWindow(ID_HANDLED, TRUE)) << "no permanent object";
  EXPECT_EQ(&m_panel, m_pFrame->GetDescendantWindow(1, TRUE));
}

TEST_F(RelativesTest, ControlsAreEnabledByTheirCommands) {
  m_panel.UpdateDialogControls(m_pFrame, TRUE);
  EXPECT_TRUE(Enabled(ID_HANDLED));
  EXPECT_FALSE(Enabled(ID_UNHANDLED));
  EXPECT_FALSE(Enabled(ID_DISABLED));
  m_panel.UpdateDialogControls(m_pFrame, FALSE);
  EXPECT_FALSE(Enabled(ID_UNHANDLED)) << "left as it was";
}

TEST_F(RelativesTest, StylesChangeOnlyWhenTheyDiffer) {
  EXPECT_TRUE(m_panel.ModifyStyle(0, WS_BORDER));
  EXPECT_TRUE(m_panel.GetStyle() & WS_BORDER);
  EXPECT_FALSE(m_panel.ModifyStyle(0, WS_BORDER));
  EXPECT_TRUE(m_panel.ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED));
  EXPECT_FALSE(m_panel.GetStyle() & WS_BORDER);
  EXPECT_TRUE(m_panel.ModifyStyleEx(0, WS_EX_CLIENTEDGE));
  EXPECT_TRUE(m_panel.GetExStyle() & WS_EX_CLIENTEDGE);
}

}  // namespace window_relatives_test
