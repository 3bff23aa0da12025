// The preposition view in a frame of its own, on the program's template and
// the compiled grammar tables: the list of prepositions and its search, a
// table shown and walked, the Ktiv-Khaser and alternate spellings, and a
// dictionary look-up's arrival, also for an entry the list does not show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CHebEdit.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/PackedWordRecord.h"
#include "resources/MainFrameIds.h"
#include "resources/PrepositionTableIds.h"
#include "shell/tests/JourneyControls.h"
#include "tables/core/KtivKhaser.h"
#include "tables/tests/win/GrammarViewFixture.h"
#include "tables/win/GramPrepView.h"

namespace preposition_view_test {

constexpr BYTE kSelectTheForm = 0xFF;
constexpr SIZE kSmallView = {200, 100};
// How much of a form before and below its anchor's corner, and of its
// caption after it, must show.
constexpr int kFormPart = 8;
constexpr int kCaptionPart = 15;

class PrepositionViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    SetGrammarFolder(tabletest::BuildFolder("/Zulta").c_str());
    ASSERT_TRUE(LoadGrammarData().loaded);
    s_pApp = new CRecordingApp;
    s_pFrame = new tabletest::CTestGrammarFrame;
    ASSERT_TRUE(s_pFrame->CreateEx(0, nullptr, "Preposition view test", WS_POPUP | WS_BORDER, 20,
                                   20, 640, 480, nullptr, nullptr));
    s_pApp->m_pMainWnd = s_pFrame;
    s_pView = new CGramPrepView;
    ASSERT_TRUE(s_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                CRect(0, 0, 636, 476), s_pFrame, AFX_IDW_PANE_FIRST));
    s_pFrame->m_pGrammarView = s_pView;
    s_pFrame->ShowWindow(SW_SHOWNA);
    s_pView->OnInitialUpdate();
  }
  static void TearDownTestSuite() {
    s_pApp->m_pMainWnd = nullptr;
    s_pFrame->DestroyWindow();  // the frame and the view delete themselves
    delete s_pApp;
    FreeGrammarData();
  }
  void TearDown() override {
    g_ktivKhaser = 0;
    CHandleMapBase::DeleteAllTemp();
  }

  static LRESULT Ask(UINT message) { return s_pView->SendMessage(message, 0, 0); }
  static HWND Control(int nID) { return ::GetDlgItem(s_pView->m_hWnd, nID); }
  static LRESULT CurrentRow() {
    return ::SendMessage(Control(IDC_DECLINE_LIST), LB_GETCURSEL, 0, 0);
  }

  // Puts the word into the search edit as typing does.
  static void Type(const char* utf8) {
    CString text(utf8);
    Utf8ToAnsiHebrew(text);
    NormalizeMarkOrder(text);
    ConvertImportedText(text, kVavThenHolam);
    HWND hEdit = Control(IDC_DECLINE_SEARCH);
    ::SetWindowTextA(hEdit, text);
    s_pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DECLINE_SEARCH, EN_CHANGE),
                         reinterpret_cast<LPARAM>(hEdit));
  }
  // Types the preposition and shows its table (Enter).
  static void Show(const char* utf8) {
    Type(utf8);
    s_pView->SendMessage(WM_COMMAND, CHebEdit::kEnterCommand, 0);
  }

  static std::string SelectedWord() {
    s_pView->SendMessage(WM_COMMAND, ID_EDIT_COPY, 0);
    return ClipboardUtf8();
  }

  static CRecordingApp* s_pApp;
  static tabletest::CTestGrammarFrame* s_pFrame;
  static CGramPrepView* s_pView;
};
CRecordingApp* PrepositionViewTest::s_pApp = nullptr;
tabletest::CTestGrammarFrame* PrepositionViewTest::s_pFrame = nullptr;
CGramPrepView* PrepositionViewTest::s_pView = nullptr;

TEST_F(PrepositionViewTest, ListsThePrepositionsAndSearchesThemAsTyped) {
  const LRESULT rows = ::SendMessage(Control(IDC_DECLINE_LIST), LB_GETCOUNT, 0, 0);
  EXPECT_GT(rows, 0);
  EXPECT_LE(rows, static_cast<LRESULT>(GetNounTableCount(TableType::Preposition)));
  Show("עַל");
  EXPECT_NE(Ask(WM_GRAM_GETTABLESHOWN), 0);
  const LRESULT al = CurrentRow();
  // Typing another word moves the row and clears the table.
  Type("בְּ");
  EXPECT_LT(CurrentRow(), al);
  EXPECT_EQ(Ask(WM_GRAM_GETTABLESHOWN), 0);
  EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), -1);
}

TEST_F(PrepositionViewTest, NextFormWalksTheBuiltCellsAndCopiesThem) {
  Show("עַל");
  EXPECT_EQ(Ask(WM_GRAM_GETMAXALTERNATE), -1);
  EXPECT_FALSE(::IsWindowEnabled(Control(IDC_DECLINE_ALTERNATES)));
  s_pView->SendMessage(WM_COMMAND, ID_GRAMMAR_NEXT_FORM, 0);
  EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), DeclensionCell::Singular);
  EXPECT_EQ(SelectedWord(), "עַל");
  // The empty construct and pausal cells are passed over.
  s_pView->SendMessage(WM_COMMAND, ID_GRAMMAR_NEXT_FORM, 0);
  EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), DeclensionCell::My);
  EXPECT_EQ(SelectedWord(), "עָלַי");
  s_pView->SendMessage(WM_COMMAND, IDC_DECLINE_KTIV_KHASER, 0);
  EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), -1);
  for (int step = 0; step < 2; ++step) s_pView->SendMessage(WM_COMMAND, ID_GRAMMAR_NEXT_FORM, 0);
  // The consonantal yod of the ending is written twice.
  EXPECT_EQ(SelectedWord(), "עליי");
}

TEST_F(PrepositionViewTest, ALookUpArrivesOnItsCellAndSpelling) {
  Show("עַל");
  // The first entry has a second spelling of "their".
  UnpackedWordRec word;
  word.entryIndex =
      static_cast<WORD>(::SendMessage(Control(IDC_DECLINE_LIST), LB_GETITEMDATA, 0, 0));
  word.cell = DeclensionCell::TheirM;
  word.alternative = 1;
  s_pView->SendMessage(WM_GRAM_SETPARAMS, PackWordRecord(kKindPrep, word).fields, 0);
  s_pView->SendMessage(WM_GRAM_SELECTWORD, kSelectTheForm, 0);
  EXPECT_EQ(CurrentRow(), 0);
  EXPECT_NE(Ask(WM_GRAM_GETTABLESHOWN), 0);
  EXPECT_EQ(Ask(WM_GRAM_GETMAXALTERNATE), 0);
  EXPECT_TRUE(::IsWindowEnabled(Control(IDC_DECLINE_ALTERNATES)));
  EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), DeclensionCell::TheirM);
  EXPECT_EQ(SelectedWord(), "אוֹדוֹתָם");

  // An entry the list does not show changes nothing.
  Show("עַל");
  const LRESULT shown = CurrentRow();
  word.entryIndex = static_cast<WORD>(GetNounTableCount(TableType::Preposition) + 1);
  s_pView->SendMessage(WM_GRAM_SETPARAMS, PackWordRecord(kKindPrep, word).fields, 0);
  s_pView->SendMessage(WM_GRAM_SELECTWORD, kSelectTheForm, 0);
  EXPECT_EQ(CurrentRow(), shown);
  EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), -1);
}

TEST_F(PrepositionViewTest, ASelectedFormScrollsIntoViewWithItsOwnCaption) {
  Show("עַל");
  s_pView->UpdateWindow();  // the captions' places are known once drawn
  CRect full;
  s_pView->GetWindowRect(&full);
  // A view smaller than its form: the last person's form lies out of sight.
  s_pView->SetWindowPos(nullptr, 0, 0, kSmallView.cx, kSmallView.cy, SWP_NOMOVE | SWP_NOZORDER);
  s_pView->ScrollToPosition(POINT{0, 0});
  for (int step = 0; step <= DeclensionCell::kLastPerson &&
                     Ask(WM_GRAM_GETSELECTEDCELL) != DeclensionCell::TheirF;
       ++step)
    s_pView->SendMessage(WM_COMMAND, ID_GRAMMAR_NEXT_FORM, 0);
  ASSERT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), DeclensionCell::TheirF);
  // The form ends at its anchor; its caption "P3F" begins just after it.
  CRect anchor, client;
  ::GetWindowRect(Control(IDC_CELL_P3F), &anchor);
  s_pView->ScreenToClient(&anchor);
  s_pView->GetClientRect(&client);
  EXPECT_GE(anchor.left - kFormPart, client.left);
  EXPECT_LE(anchor.right + kCaptionPart, client.right);
  EXPECT_GE(anchor.top, client.top);
  EXPECT_LE(anchor.top + kFormPart, client.bottom);
  s_pView->SetWindowPos(nullptr, 0, 0, full.Width(), full.Height(), SWP_NOMOVE | SWP_NOZORDER);
  s_pView->ScrollToPosition(POINT{0, 0});
}

}  // namespace preposition_view_test
