// The dialog bar: a bar of a dialog template's controls, as large as the
// template, whose buttons send their commands to the frame and are greyed
// at idle time when no handler takes them.
#include "classlib/tests/win/BarFrameTest.h"
#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/ToolBarTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CDialogBar.h"
#include "classlib/win/CFrameWnd.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr UINT kDialogBarID = AFX_IDW_DIALOGBAR;

class CDialogBarFrame : public CFrameWnd {
 public:
  CDialogBar m_wndDialogBar;
  CWnd m_pane;
  int m_nGo = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_wndDialogBar.Create(this, IDD_DLGBARTEST, CBRS_TOP, kDialogBarID))
      return -1;
    RecalcLayout();
    return 0;
  }
  afx_msg void OnGo() { ++m_nGo; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDialogBarFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(IDC_DLGBARTEST_GO, OnGo)
END_MESSAGE_MAP()

class DialogBarTest : public BarFrameTest<CDialogBarFrame> {
 protected:
  void SetUp() override { CreateFrame(400, 160); }
  CDialogBar& Bar() { return m_pFrame->m_wndDialogBar; }
};

TEST_F(DialogBarTest, TheBarTakesTheTemplatesHeightAcrossTheTop) {
  EXPECT_EQ(m_pFrame->GetControlBar(kDialogBarID), &Bar());
  // The template is 160 x 20 dialog units.
  CRect units(0, 0, 160, 20);
  ::MapDialogRect(Bar().m_hWnd, &units);
  EXPECT_EQ(units.Size(), Bar().m_sizeDefault);
  CRect client;
  m_pFrame->GetClientRect(&client);
  CRect bar;
  Bar().GetWindowRect(&bar);
  m_pFrame->ScreenToClient(&bar);
  EXPECT_EQ(CRect(0, 0, client.right, units.Height()), bar);
  CRect pane;
  m_pFrame->m_pane.GetWindowRect(&pane);
  m_pFrame->ScreenToClient(&pane);
  EXPECT_EQ(bar.bottom, pane.top);
  m_pFrame->RedrawWindow(nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  SaveScreenshot(CaptureWindow(m_hFrame), "dialogbar-top");
}

TEST_F(DialogBarTest, ButtonsSendTheirCommandsToTheFrameAndFollowItsHandlers) {
  CWnd* pGo = Bar().GetDlgItem(IDC_DLGBARTEST_GO);
  CWnd* pUnhandled = Bar().GetDlgItem(IDC_DLGBARTEST_UNHANDLED);
  ASSERT_NE(nullptr, pGo);
  ASSERT_NE(nullptr, pUnhandled);
  pGo->SendMessage(BM_CLICK);
  EXPECT_EQ(1, m_pFrame->m_nGo);
  m_app.OnIdle(0);
  EXPECT_TRUE(pGo->IsWindowEnabled());
  EXPECT_FALSE(pUnhandled->IsWindowEnabled()) << "no handler takes its command";
}

}  // namespace
