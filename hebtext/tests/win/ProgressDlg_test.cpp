// The progress dialog for real: hidden until its show timer fires, stepped
// by a work loop through the long-operation protocol, cancelled by a click
// on its Cancel button.
#include "hebtext/win/CProgressDlg.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "hebtext/core/ProgressDlgInterface.h"
#include "resources/HebtextIds.h"
#include "testing/win/WindowCapture.h"

namespace {

class ProgressDlgTest : public DialogTest {
 protected:
  void SetUp() override {
    // A popup shown without activation goes at once without a window manager.
    ASSERT_TRUE(CreateTopLevel(m_owner, WS_POPUP | WS_BORDER));
    m_owner.ShowWindow(SW_SHOWNA);
    OpenSharedProgressDialog(&m_owner);
    m_pDialog = GetSharedProgressDialog();
    ASSERT_NE(m_pDialog, nullptr);
  }
  void TearDown() override {
    CloseSharedProgressDialog();
    m_owner.DestroyWindow();
    DialogTest::TearDown();
  }
  // Runs the thread's messages until the show timer has shown the dialog.
  void WaitUntilShown() {
    MSG msg;
    while (!m_pDialog->IsShown() && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    PumpPending();
  }
  std::string Item(int id) { return ItemText(m_pDialog->GetSafeHwnd(), id); }
  int BarPosition() {
    return static_cast<int>(
        ::SendDlgItemMessageA(m_pDialog->GetSafeHwnd(), IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0));
  }

  CWnd m_owner;
  CProgressDlg* m_pDialog = nullptr;
};

TEST_F(ProgressDlgTest, ASecondOpenKeepsTheFirstDialogAndCloseForgetsIt) {
  EXPECT_EQ(g_pProgressDlg, static_cast<IProgressDlg*>(m_pDialog));
  OpenSharedProgressDialog(&m_owner);
  EXPECT_EQ(GetSharedProgressDialog(), m_pDialog);
  HWND hDialog = m_pDialog->GetSafeHwnd();
  CloseSharedProgressDialog();
  EXPECT_EQ(g_pProgressDlg, nullptr);
  EXPECT_EQ(GetSharedProgressDialog(), nullptr);
  EXPECT_FALSE(::IsWindow(hDialog));
  CloseSharedProgressDialog();  // nothing open: nothing to do
}

TEST_F(ProgressDlgTest, AShortOperationNeverShowsTheDialog) {
  ASSERT_TRUE(BeginLongOperation("Converting Imported Text", 1000));
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(ContinueLongOperation(i));
  EXPECT_FALSE(m_pDialog->IsShown());
  EXPECT_FALSE(m_pDialog->IsWindowVisible());
  EXPECT_EQ(Item(IDC_PROGRESS_COUNT), "");  // steps while hidden change nothing
  EXPECT_EQ(m_pDialog->m_position, 0);
}

TEST_F(ProgressDlgTest, ShownByItsTimerThenCountsTheSteps) {
  ASSERT_TRUE(BeginLongOperation("Separating Consonants from Vowels", 1000));
  ASSERT_TRUE(ContinueLongOperation(0));
  WaitUntilShown();
  EXPECT_TRUE(m_pDialog->IsWindowVisible());
  EXPECT_EQ(Item(IDC_PROGRESS_CAPTION), "Separating Consonants from Vowels");
  EXPECT_EQ(Item(IDC_PROGRESS_COUNT), "");
  for (int i = 1; i <= 250; ++i) ASSERT_TRUE(ContinueLongOperation(i));
  EXPECT_EQ(Item(IDC_PROGRESS_COUNT), "250 of 1000");
  EXPECT_EQ(BarPosition(), 250);
  for (int i = 251; i <= 500; ++i) ASSERT_TRUE(ContinueLongOperation(i));
  EXPECT_EQ(Item(IDC_PROGRESS_COUNT), "500 of 1000");
  EXPECT_EQ(BarPosition(), 500);
  PumpPending();
  SaveScreenshot(CaptureWindow(m_pDialog->GetSafeHwnd()), "progress-dialog");
}

TEST_F(ProgressDlgTest, CancelStopsTheWorkAtItsNextStepAndLeavesTheDialogOpen) {
  ASSERT_TRUE(BeginLongOperation("Converting Imported Text", 100000));
  WaitUntilShown();
  // A click on Cancel, waiting in the queue as the user's would.
  HWND hCancel = ::GetDlgItem(m_pDialog->GetSafeHwnd(), IDCANCEL);
  ::PostMessageA(hCancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::PostMessageA(hCancel, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  int stoppedAt = -1;
  for (int i = 0; i < 100000; ++i) {
    if (!ContinueLongOperation(i)) {
      stoppedAt = i;
      break;
    }
  }
  EXPECT_TRUE(m_pDialog->IsCancelled());
  EXPECT_EQ(stoppedAt % 250, 0);
  EXPECT_GT(stoppedAt, 0);
  EXPECT_LE(stoppedAt, 1000);  // one message a step: the click's two and the paint
  EXPECT_TRUE(::IsWindow(m_pDialog->GetSafeHwnd()));
  EXPECT_TRUE(m_pDialog->IsWindowVisible());
  EXPECT_FALSE(BeginLongOperation("Next", 10));  // a cancelled dialog starts nothing
}

}  // namespace
