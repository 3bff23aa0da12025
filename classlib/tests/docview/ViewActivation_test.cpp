// Which view is active: a click makes a view its frame's active view (and
// its frame the active child); a form view gives the focus back to the
// control that had it, fills its controls from the document and moves
// between them with Tab.
#include <string>

#include "classlib/tests/docview/CardDocument.h"
#include "classlib/tests/docview/DocViewTestIds.h"
#include "classlib/tests/docview/DocViewTestSupport.h"

namespace {

// Clicks the middle of a window with the real mouse.
void ClickMiddleOf(HWND hWnd) {
  CRect rect;
  ::GetWindowRect(hWnd, &rect);
  ::SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

class ViewActivationTest : public DocViewTest {
 protected:
  // A note and a card side by side, the card active.
  void SetUp() override {
    DocViewTest::SetUp();
    Start("", SW_SHOW);
    NewNote();
    m_pNoteView = static_cast<CNoteView*>(ActiveChild()->GetActiveView());
    m_pCardDoc = static_cast<CCardDoc*>(m_app->m_pCardTemplate->OpenDocumentFile(nullptr));
    ASSERT_NE(m_pCardDoc, nullptr);
    m_pCardView = static_cast<CCardView*>(ActiveChild()->GetActiveView());
    SendCommand(ID_WINDOW_TILE_VERT);
  }

  CWnd* CardControl(int nID) const { return m_pCardView->GetDlgItem(nID); }

  CNoteView* m_pNoteView = nullptr;
  CCardDoc* m_pCardDoc = nullptr;
  CCardView* m_pCardView = nullptr;
};

TEST_F(ViewActivationTest, AClickMakesTheViewActive) {
  ASSERT_EQ(MainFrame()->GetActiveFrame()->GetActiveView(), m_pCardView);
  int nActivations = m_pNoteView->m_nActivations;
  ClickMiddleOf(m_pNoteView->m_hWnd);
  ASSERT_TRUE(
      WaitFor([&] { return MainFrame()->GetActiveFrame()->GetActiveView() == m_pNoteView; }));
  EXPECT_EQ(m_pNoteView->GetParentFrame(), ActiveChild());
  EXPECT_GT(m_pNoteView->m_nActivations, nActivations);
  EXPECT_EQ(::GetFocus(), m_pNoteView->m_hWnd);
}

TEST_F(ViewActivationTest, TheFormShowsTheDocumentAndTakesItBack) {
  m_pCardDoc->m_strName = "Ruth";
  m_pCardDoc->m_strPlace = "Moab";
  m_pCardView->OnInitialUpdate();
  CString text;
  CardControl(IDC_DVT_CARD_NAME)->GetWindowText(text);
  EXPECT_EQ(text, "Ruth");
  CardControl(IDC_DVT_CARD_PLACE)->SetWindowText("Bethlehem");
  EXPECT_TRUE(m_pCardView->UpdateData(TRUE));
  EXPECT_EQ(m_pCardDoc->m_strPlace, "Bethlehem");
}

TEST_F(ViewActivationTest, TheFormGivesTheFocusBackToItsLastControl) {
  CardControl(IDC_DVT_CARD_PLACE)->SetFocus();
  MainFrame()->MDIActivate(m_pNoteView->GetParentFrame());
  RunIdle();
  ASSERT_EQ(::GetFocus(), m_pNoteView->m_hWnd);
  EXPECT_EQ(m_pCardView->GetRememberedFocus(), CardControl(IDC_DVT_CARD_PLACE)->m_hWnd);
  MainFrame()->MDIActivate(m_pCardView->GetParentFrame());
  RunIdle();
  EXPECT_EQ(::GetFocus(), CardControl(IDC_DVT_CARD_PLACE)->m_hWnd);
}

TEST_F(ViewActivationTest, TabMovesBetweenTheFormsControls) {
  CardControl(IDC_DVT_CARD_NAME)->SetFocus();
  MSG msg = {CardControl(IDC_DVT_CARD_NAME)->m_hWnd, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
  EXPECT_TRUE(m_app->PreTranslateMessage(&msg));
  EXPECT_EQ(::GetFocus(), CardControl(IDC_DVT_CARD_PLACE)->m_hWnd);
}

TEST_F(ViewActivationTest, TheFrameAcceleratorsComeBeforeTheFormsKeys) {
  // Ctrl+N is File/New's accelerator even inside an edit of the form.
  CardControl(IDC_DVT_CARD_NAME)->SetFocus();
  MessageBoxAnswerer answerer;  // the choice of kind: Note
  MSG msg = {CardControl(IDC_DVT_CARD_NAME)->m_hWnd, WM_KEYDOWN, 'N', 0x00310001, 0, {0, 0}};
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  EXPECT_TRUE(m_app->PreTranslateMessage(&msg));
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  RunIdle();
  EXPECT_EQ(ActiveChild()->GetActiveDocument()->GetTitle(), "Note2");
}

}  // namespace
