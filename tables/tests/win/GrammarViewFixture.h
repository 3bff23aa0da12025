// One host for the grammar view tests: a frame on the screen that answers
// the grammar views' questions as the main frame would, a form view on the
// tests' own template with a Hebrew entry edit over a Hebrew list, the
// program's fonts and the compiled grammar tables. It is made once for the
// whole program and every test starts from the same state.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CMyNavButton.h"
#include "lexicon/core/GrammarData.h"
#include "tables/tests/win/TablesTestIds.h"
#include "tables/win/CHebListBox.h"
#include "tables/win/GrammarFrame.h"
#include "tables/win/GrammarViewMessages.h"
#include "tables/win/MyFormView.h"
#include "testing/win/WaitFor.h"

namespace tabletest {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The main frame as the grammar views see it: it names the grammar view in
// front and counts what the views ask of it.
class CTestGrammarFrame : public CFrameWnd, public IGrammarFrame {
 public:
  CWnd* GetGrammarView() override { return m_pGrammarView; }
  void SetGrammarPreviewEnded() override {
    m_bPreviewEnded = TRUE;
    ++m_nPreviewEndedCalls;
  }
  BOOL TakeGrammarPreviewEnded() override {
    const BOOL bEnded = m_bPreviewEnded;
    m_bPreviewEnded = FALSE;
    return bEnded;
  }
  void ForgetGrammarFullView() override { ++m_nForgetFullViewCalls; }

  CWnd* m_pGrammarView = nullptr;
  BOOL m_bPreviewEnded = FALSE;
  int m_nPreviewEndedCalls = 0;
  int m_nForgetFullViewCalls = 0;
};

// A grammar view on the tests' form that keeps the messages its list, its
// tip and its commands send it, and owns the tip while it is open.
class CTestGrammarView : public CMyFormView {
 public:
  CTestGrammarView() : CMyFormView(IDD_TEST_GRAMMAR_FORM) {}

  using CFormView::m_hWndFocus;
  using CMyFormView::HoldPreviewEnded;
  using CMyFormView::m_bNoScroll;
  using CMyFormView::m_nPreviewTimer;
  using CMyFormView::OnActivateView;

  std::vector<Received> received;
  CWnd* m_pTip = nullptr;

  int Count(UINT message) const {
    int count = 0;
    for (const Received& r : received) count += r.message == message;
    return count;
  }
  const Received* Last(UINT message) const {
    for (auto it = received.rbegin(); it != received.rend(); ++it)
      if (it->message == message) return &*it;
    return nullptr;
  }
  void CloseTip() {
    if (m_pTip == nullptr) return;
    m_pTip->DestroyWindow();
    delete m_pTip;
    m_pTip = nullptr;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    // Commands only: the controls' notifications go on to be reflected.
    const bool command = message == WM_COMMAND && lParam == 0 && LOWORD(wParam) != ID_FILE_PRINT &&
                         LOWORD(wParam) != ID_FILE_PRINT_PREVIEW;
    if (message == WM_HEBLIST_SELECT || message == WM_NEXTDLGCTL || command ||
        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
      received.push_back({message, wParam, lParam});
      if (message != WM_NEXTDLGCTL) return 0;
    }
    if (message == WM_GRAM_CLOSETIP) {
      received.push_back({message, wParam, lParam});
      CloseTip();
      return 0;
    }
    return CMyFormView::WindowProc(message, wParam, lParam);
  }
};

// A window that stands for another grammar tab and keeps the commands it gets.
class CCommandRecorder : public CWnd {
 public:
  std::vector<UINT> commands;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) {
      commands.push_back(LOWORD(wParam));
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

inline std::string BuildFolder(const char* relative) {
  const char* binary = std::getenv("ZULTA_BINARY_DIR");
  std::string folder = std::string("Z:") + (binary ? binary : "") + relative;
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}

// The view's frame size: smaller than its form, so that it scrolls.
constexpr int kFrameWidth = 420;
constexpr int kFrameHeight = 300;
// The first entries of the verb index that the list shows.
constexpr int kListedVerbs = 40;

class GrammarViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    SetGrammarFolder(BuildFolder("/Zulta").c_str());
    ASSERT_TRUE(LoadGrammarData().loaded);
    s_pApp = new CRecordingApp;
    s_pFrame = new CTestGrammarFrame;
    ASSERT_TRUE(s_pFrame->CreateEx(0, nullptr, "Grammar view test", WS_POPUP | WS_BORDER, 20, 20,
                                   kFrameWidth, kFrameHeight, nullptr, nullptr));
    s_pApp->m_pMainWnd = s_pFrame;
    s_pView = new CTestGrammarView;
    ASSERT_TRUE(s_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                CRect(0, 0, kFrameWidth - 2, kFrameHeight - 2), s_pFrame,
                                AFX_IDW_PANE_FIRST));
    s_pFrame->m_pGrammarView = s_pView;
    s_pEdit = CreateHebEditInPlace(s_pView, IDC_TEST_ENTRY_EDIT, TRUE, CHebEdit::kNotifyFocus);
    ASSERT_NE(nullptr, s_pEdit);
    s_pList = new CHebListBox;
    ASSERT_TRUE(s_pList->Attach(IDC_TEST_ENTRY_LIST, s_pView, CHebListBox::kVerbRoots, s_pEdit,
                                kEnterCommandId));
    // The buttons tell the view when they take the focus, as the views' own do.
    s_pNear = new CMyNavButton;
    s_pFar = new CMyNavButton;
    ASSERT_TRUE(s_pNear->SubclassDlgItem(IDC_TEST_NEAR_BUTTON, s_pView));
    ASSERT_TRUE(s_pFar->SubclassDlgItem(IDC_TEST_FAR_BUTTON, s_pView));
    for (int verb = 0; verb < kListedVerbs; ++verb) {
      const int item = s_pList->AddString(nullptr);
      s_pList->SetItemData(item, static_cast<DWORD_PTR>(verb));
    }
    s_pFrame->ShowWindow(SW_SHOWNA);
    s_pView->OnInitialUpdate();
  }
  static void TearDownTestSuite() {
    s_pApp->m_pMainWnd = nullptr;
    s_pView->CloseTip();
    s_pList->UnsubclassWindow();
    for (CMyNavButton* pButton : {s_pNear, s_pFar}) {
      pButton->UnsubclassWindow();
      delete pButton;
    }
    delete s_pList;
    s_pEdit->DestroyWindow();
    delete s_pEdit;
    s_pFrame->DestroyWindow();  // the frame and the view delete themselves
    delete s_pApp;
    FreeGrammarData();
  }
  void SetUp() override {
    ::SetForegroundWindow(s_pFrame->GetSafeHwnd());
    s_pView->ScrollToPosition(POINT{0, 0});
    s_pList->SetCurSel(0);
    s_pList->SetTopIndex(0);
    s_pList->SetFocus();
    PumpPending();
    s_pView->received.clear();
  }
  void TearDown() override {
    s_pView->CloseTip();
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }

  // The Enter command of the list.
  static constexpr UINT kEnterCommandId = 1234;

  static CRecordingApp* s_pApp;
  static CMyNavButton* s_pNear;
  static CMyNavButton* s_pFar;
  static CTestGrammarFrame* s_pFrame;
  static CTestGrammarView* s_pView;
  static CHebEdit* s_pEdit;
  static CHebListBox* s_pList;
};

}  // namespace tabletest
