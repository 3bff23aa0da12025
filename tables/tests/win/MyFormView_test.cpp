// The grammar view base on a real form: help, scroll bars, scrolling a
// control that takes the focus into view, coordinates, printing the tab in
// front, the print-preview hold, activation and the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "tables/tests/win/GrammarViewFixture.h"

namespace tabletest {
namespace {

class MyFormViewTest : public GrammarViewTest {
 protected:
  static bool FullyVisible(CWnd* pControl) {
    CRect control;
    pControl->GetWindowRect(&control);
    s_pView->ScreenToClient(&control);
    CRect client;
    s_pView->GetClientRect(&client);
    CRect both;
    both.IntersectRect(&control, &client);
    return both.EqualRect(&control);
  }
};

TEST_F(MyFormViewTest, HelpIsByTheTemplateIdAndOnlyShownBarsHaveASize) {
  EXPECT_EQ(static_cast<LRESULT>(HID_BASE_RESOURCE + IDD_TEST_GRAMMAR_FORM),
            s_pView->SendMessage(WM_HELPHITTEST));
  s_pApp->m_helpContexts.clear();
  EXPECT_EQ(TRUE, s_pView->SendMessage(WM_COMMANDHELP));
  ASSERT_EQ(1u, s_pApp->m_helpContexts.size());
  EXPECT_EQ(HID_BASE_RESOURCE + IDD_TEST_GRAMMAR_FORM, s_pApp->m_helpContexts[0]);

  // The form is taller than the view, not wider: only the vertical bar shows.
  ASSERT_TRUE(s_pView->GetStyle() & WS_VSCROLL);
  ASSERT_FALSE(s_pView->GetStyle() & WS_HSCROLL);
  CSize bars;
  s_pView->GetScrollBarSizes(bars);
  EXPECT_EQ(::GetSystemMetrics(SM_CXVSCROLL), bars.cx);
  EXPECT_EQ(0, bars.cy);
}

TEST_F(MyFormViewTest, AControlTakingTheFocusIsScrolledIntoViewUnlessScrollingIsOff) {
  ASSERT_FALSE(FullyVisible(s_pFar));
  s_pView->m_bNoScroll = TRUE;
  s_pFar->SetFocus();
  EXPECT_EQ(0, s_pView->GetScrollPosition().y);
  EXPECT_FALSE(FullyVisible(s_pFar));

  s_pView->m_bNoScroll = FALSE;
  s_pList->SetFocus();
  s_pFar->SetFocus();
  EXPECT_GT(s_pView->GetScrollPosition().y, 0);
  EXPECT_TRUE(FullyVisible(s_pFar));
  // Back up: the list is scrolled into view again.
  s_pList->SetFocus();
  EXPECT_TRUE(FullyVisible(s_pList));
}

TEST_F(MyFormViewTest, CoordinatesFollowTheScrollPosition) {
  constexpr int kScrolled = 100;
  s_pView->ScrollToPosition(POINT{0, kScrolled});
  ASSERT_EQ(kScrolled, s_pView->GetScrollPosition().y);
  EXPECT_EQ(CPoint(5, 5 + kScrolled), s_pView->DeviceToLogical(CPoint(5, 5)));
  const CRect logical(10, kScrolled + 20, 40, kScrolled + 30);
  const CRect device = s_pView->LogicalToDevice(logical);
  EXPECT_TRUE(device == CRect(10, 20, 40, 30));
  EXPECT_TRUE(s_pView->DeviceToLogical(device) == logical);
}

TEST_F(MyFormViewTest, PrintingFromAnotherTabPrintsTheTabInFront) {
  CCommandRecorder front;
  ASSERT_TRUE(CreateTopLevel(front));
  s_pFrame->m_pGrammarView = &front;
  s_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
  s_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  EXPECT_TRUE(WaitFor([&] { return front.commands.size() == 2; }));
  s_pFrame->m_pGrammarView = s_pView;
  ASSERT_EQ(2u, front.commands.size());
  EXPECT_EQ(static_cast<UINT>(ID_FILE_PRINT), front.commands[0]);
  EXPECT_EQ(static_cast<UINT>(ID_FILE_PRINT_PREVIEW), front.commands[1]);
  front.DestroyWindow();
}

TEST_F(MyFormViewTest, TheEndOfAPreviewHoldsTheFrameFlagUntilItsTimer) {
  s_pFrame->m_nPreviewEndedCalls = 0;
  s_pView->HoldPreviewEnded();
  EXPECT_TRUE(s_pFrame->m_bPreviewEnded);
  // A second end within the hold starts it again.
  s_pView->HoldPreviewEnded();
  EXPECT_EQ(2, s_pFrame->m_nPreviewEndedCalls);
  EXPECT_NE(0u, s_pView->m_nPreviewTimer);
  ASSERT_TRUE(WaitFor([] { return !s_pFrame->m_bPreviewEnded; }));
  EXPECT_EQ(0u, s_pView->m_nPreviewTimer);
}

TEST_F(MyFormViewTest, ActivationForgetsFullViewAndAFocusOnTheViewStaysThere) {
  const int forgotten = s_pFrame->m_nForgetFullViewCalls;
  s_pView->OnActivateView(TRUE, s_pView, nullptr);
  EXPECT_EQ(forgotten + 1, s_pFrame->m_nForgetFullViewCalls);

  // With a remembered control of its own the view keeps the focus itself...
  s_pView->m_hWndFocus = s_pNear->GetSafeHwnd();
  s_pView->SetFocus();
  EXPECT_EQ(s_pView->GetSafeHwnd(), ::GetFocus());
  // ...and activation gives the control back its focus.
  s_pView->OnActivateView(TRUE, s_pView, nullptr);
  EXPECT_EQ(s_pNear->GetSafeHwnd(), ::GetFocus());

  // A remembered window that is not its child is forgotten and the form's
  // first control takes the focus.
  s_pList->SetFocus();
  s_pView->m_hWndFocus = s_pFrame->GetSafeHwnd();
  s_pView->SetFocus();
  EXPECT_EQ(nullptr, s_pView->m_hWndFocus);
  EXPECT_TRUE(::IsChild(s_pView->GetSafeHwnd(), ::GetFocus()));
}

}  // namespace
}  // namespace tabletest
