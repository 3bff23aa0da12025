// The number table in a frame of its own: figures typed into its edit box,
// the single and sequence modes with their own texts, the format and gender
// radios, cells selected by a click or Ctrl+G and copied, the Ktiv-Khaser
// spelling and a dictionary number entry's arrival. Pictures of the tab are
// kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/AfxRes.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/ClipboardText.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/PackedWordRecord.h"
#include "resources/MainFrameIds.h"
#include "resources/NumberTableIds.h"
#include "tables/core/KtivKhaser.h"
#include "tables/tests/core/PointedHebrew.h"
#include "tables/tests/win/GrammarViewFixture.h"
#include "tables/win/GramNumberView.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace gram_number_view_test {

// Room for the whole form, so that nothing needs scrolling.
constexpr int kFrameWidth = 700;
constexpr int kFrameHeight = 520;
constexpr LRESULT kNoCell = -1;
// Farther than a double click reaches.
constexpr int kClickStep = 40;

// The places of the cells on the form, in dialog units.
constexpr int kCellWidth = 190;
constexpr int kCellHeight = 37;
constexpr int kRightColumn = 195;
constexpr int kLeftColumn = 1;
constexpr int kFirstRow = 53;
constexpr int kColumnCells = 5;
const RECT kHebrewWordsPlace = {0, 53, 383, 133};

class GramNumberViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    s_pApp = new CRecordingApp;
    s_pFrame = new tabletest::CTestGrammarFrame;
    ASSERT_TRUE(s_pFrame->CreateEx(0, nullptr, "Number view test", WS_POPUP | WS_BORDER, 20, 20,
                                   kFrameWidth, kFrameHeight, nullptr, nullptr));
    s_pApp->m_pMainWnd = s_pFrame;
    s_pView = new CGramNumberView;
    ASSERT_TRUE(s_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                CRect(0, 0, kFrameWidth - 2, kFrameHeight - 2), s_pFrame,
                                AFX_IDW_PANE_FIRST));
    s_pFrame->m_pGrammarView = s_pView;
    s_pFrame->ShowWindow(SW_SHOWNA);
    s_pView->OnInitialUpdate();
    s_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, CountReleases, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, s_hHook);
  }
  static void TearDownTestSuite() {
    ::UnhookWindowsHookEx(s_hHook);
    s_pApp->m_pMainWnd = nullptr;
    s_pFrame->DestroyWindow();  // the frame and the view delete themselves
    delete s_pApp;
  }
  void SetUp() override {
    ::SetForegroundWindow(s_pFrame->GetSafeHwnd());
    Click(IDC_NUMBER_NO_SEQUENCE);
    Click(IDC_NUMBER_CARDINAL);
    Click(IDC_NUMBER_MASCULINE);
    Type("1");
  }
  void TearDown() override {
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }

  static HWND View() { return s_pView->GetSafeHwnd(); }
  static HWND Control(int nID) { return ::GetDlgItem(View(), nID); }
  static LRESULT Ask(UINT message) { return ::SendMessageA(View(), message, 0, 0); }
  static void Command(UINT nID) { ::SendMessageA(View(), WM_COMMAND, nID, 0); }

  // A radio or button pressed as a click does it.
  static void Click(int nID) {
    ::SendMessageA(Control(nID), BM_CLICK, 0, 0);
    PumpPending();
  }
  static bool Checked(int nID) {
    return ::SendMessageA(Control(nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  // The edit box's text replaced, as pasting does.
  static void Type(const char* text) {
    ::SetWindowTextA(Control(IDC_NUMBER_EDIT), text);
    PumpPending();
  }
  static std::string EditText() {
    char text[64] = {};
    ::GetWindowTextA(Control(IDC_NUMBER_EDIT), text, sizeof text);
    return text;
  }

  // The centre of a place on the form, on the screen.
  static POINT CentreOf(RECT dialogUnits) {
    ::MapDialogRect(View(), &dialogUnits);
    POINT centre = {(dialogUnits.left + dialogUnits.right) / 2,
                    (dialogUnits.top + dialogUnits.bottom) / 2};
    ::ClientToScreen(View(), &centre);
    return centre;
  }
  static RECT SequencePlace(int cell) {
    const int left = cell < kColumnCells ? kRightColumn : kLeftColumn;
    const int top = kFirstRow + (cell % kColumnCells) * kCellHeight;
    return {left, top, left + kCellWidth, top + kCellHeight};
  }
  // A click on the cell, then Copy to Clipboard: the text it copies, in
  // the program's codes.
  static std::string ClickAndCopy(RECT place, int cell) {
    const int released = s_released;
    // Clicks that follow each other stand apart, so that none is a double click.
    POINT at = CentreOf(place);
    at.x += (s_released % 2) * kClickStep;
    ClickAt(at);
    EXPECT_TRUE(WaitFor([released] { return s_released > released; }));
    EXPECT_EQ(cell, s_pView->GetSelectedCell());
    return CopySelected(ID_EDIT_COPY);
  }
  // Counts the releases of the left button that reach the view: a click
  // has been handled once its release has come.
  static LRESULT CALLBACK CountReleases(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_LBUTTONUP &&
        pMsg->hwnd == View())
      ++s_released;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static std::string CopySelected(UINT nCommand) {
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    Command(nCommand);
    CString text;
    ReadClipboardText(View(), CF_TEXT, text);
    return std::string(text, text.GetLength());
  }
  static std::string HebrewWords() { return ClickAndCopy(kHebrewWordsPlace, kHebrewWordsCell); }
  static void Picture(const char* name) {
    ::RedrawWindow(View(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveScreenshot(CaptureWindow(View()), name);
  }

  static CRecordingApp* s_pApp;
  static tabletest::CTestGrammarFrame* s_pFrame;
  static CGramNumberView* s_pView;
  static HHOOK s_hHook;
  static int s_released;
};
CRecordingApp* GramNumberViewTest::s_pApp = nullptr;
tabletest::CTestGrammarFrame* GramNumberViewTest::s_pFrame = nullptr;
CGramNumberView* GramNumberViewTest::s_pView = nullptr;
HHOOK GramNumberViewTest::s_hHook = nullptr;
int GramNumberViewTest::s_released = 0;

TEST_F(GramNumberViewTest, TheNumberIsSpelledInEachFormatAndGender) {
  struct Case {
    const char* figures;
    int format, gender;  // the radios
    const char* words;
  } const cases[] = {
      {"3", IDC_NUMBER_CARDINAL, IDC_NUMBER_MASCULINE, "שְׁלֹשָׁה"},
      {"3", IDC_NUMBER_CARDINAL, IDC_NUMBER_FEMININE, "שָׁלֹשׁ"},
      {"3", IDC_NUMBER_ORDINAL, IDC_NUMBER_MASCULINE, "שְׁלִישִׁי"},
      {"3", IDC_NUMBER_ORDINAL, IDC_NUMBER_FEMININE, "שְׁלִישִׁית"},
      {"21", IDC_NUMBER_CARDINAL, IDC_NUMBER_MASCULINE, "עֶשְׂרִים וְאֶחָד"},
      {"21", IDC_NUMBER_CARDINAL, IDC_NUMBER_FEMININE, "עֶשְׂרִים וְאַחַת"},
      {"123", IDC_NUMBER_CARDINAL, IDC_NUMBER_MASCULINE, "מֵאָה עֶשְׂרִים וּשְׁלֹשָׁה"},
      {"1000", IDC_NUMBER_CARDINAL, IDC_NUMBER_MASCULINE, "אֶֽלֶף"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.figures);
    Click(c.format);
    Click(c.gender);
    Type(c.figures);
    EXPECT_EQ(PointedHebrew(c.words), HebrewWords());
  }
  EXPECT_EQ(1, Ask(WM_GRAM_GETTABLESHOWN));
  Type("3");
  Picture("number_view_three");
}

TEST_F(GramNumberViewTest, OnlyFiguresStayInTheEditBox) {
  // Pasted: the letter goes and the caret stands where it was.
  Type("12a3");
  ASSERT_EQ("123", EditText());
  DWORD start = 0, end = 0;
  ::SendMessageA(Control(IDC_NUMBER_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(2u, start);
  EXPECT_EQ(2u, end);
  EXPECT_EQ(PointedHebrew("מֵאָה עֶשְׂרִים וּשְׁלֹשָׁה"), HebrewWords());

  // No figures: no table, nothing to copy.
  Type("abc");
  EXPECT_EQ("", EditText());
  EXPECT_EQ(0, Ask(WM_GRAM_GETTABLESHOWN));
}

TEST_F(GramNumberViewTest, TwelveFiguresAreSpelledWhole) {
  // Typed: the box takes twelve figures.
  ::SetFocus(Control(IDC_NUMBER_EDIT));
  ::SendMessageA(Control(IDC_NUMBER_EDIT), EM_SETSEL, 0, -1);
  SendText("9999999999999");
  ASSERT_TRUE(WaitFor([] { return EditText() == "999999999999"; }));
  const std::string words = HebrewWords();
  const std::string hundreds = PointedHebrew("תְּשַׁע־מֵאוֹת תִּשְׁעִים וְתִשְׁעָה");
  EXPECT_EQ(0u, words.find(hundreds + PointedHebrew(" מִילְיַארְד ")));
  ASSERT_GE(words.size(), hundreds.size());
  EXPECT_EQ(hundreds, words.substr(words.size() - hundreds.size()));
  Picture("number_view_twelve_figures");
}

TEST_F(GramNumberViewTest, SequenceModeStepsByTheIntervalAndKeepsItsOwnText) {
  Type("42");
  Click(IDC_NUMBER_BY_1000);
  EXPECT_EQ(4, ::SendMessageA(Control(IDC_NUMBER_EDIT), EM_GETLIMITTEXT, 0, 0));
  Type("9999");
  const std::string first = ClickAndCopy(SequencePlace(0), 0);
  const std::string last = ClickAndCopy(SequencePlace(9), 9);
  Picture("number_view_sequence_by_1000");

  // Ctrl+G from the last cell goes round to the first.
  Command(ID_GRAMMAR_NEXT_FORM);
  EXPECT_EQ(first, CopySelected(ID_EDIT_COPY));

  Click(IDC_NUMBER_NO_SEQUENCE);
  EXPECT_EQ("42", EditText());
  EXPECT_EQ(12, ::SendMessageA(Control(IDC_NUMBER_EDIT), EM_GETLIMITTEXT, 0, 0));
  // The sequence cells were the words of 9999 and 18999.
  Type("9999");
  EXPECT_EQ(first, HebrewWords());
  Type("18999");
  EXPECT_EQ(last, HebrewWords());
  Click(IDC_NUMBER_BY_1000);
  EXPECT_EQ("9999", EditText());
}

TEST_F(GramNumberViewTest, TheSelectionIsAnsweredWithoutItsIndex) {
  Type("2");
  HebrewWords();
  EXPECT_EQ(0, Ask(WM_GRAM_GETSELECTEDCELL));
  // The sequence cells are not selected.
  Click(IDC_NUMBER_BY_1);
  EXPECT_EQ(kNoCell, Ask(WM_GRAM_GETSELECTEDCELL));
  Command(ID_GRAMMAR_NEXT_FORM);
  EXPECT_EQ(0, Ask(WM_GRAM_GETSELECTEDCELL));
  // Two has a stressed vowel: the copy without it leaves out the meteg.
  Click(IDC_NUMBER_NO_SEQUENCE);
  EXPECT_EQ(PointedHebrew("שְׁנַֽיִם"), HebrewWords());
  EXPECT_EQ(PointedHebrew("שְׁנַיִם"), CopySelected(ID_NUMBER_COPY_NO_METEG));
}

TEST_F(GramNumberViewTest, KtivKhaserShowsThePleneSpellingAndCopiesThePointedWords) {
  Type("3");
  ASSERT_EQ(0, g_ktivKhaser);
  // The main frame's Ktiv-Khaser command presses the hidden button.
  Command(IDC_NUMBER_KTIV_KHASER);
  EXPECT_EQ(1, g_ktivKhaser);
  EXPECT_EQ(PointedHebrew("שְׁלֹשָׁה"), HebrewWords());
  Picture("number_view_ktiv_khaser");
  Command(IDC_NUMBER_KTIV_KHASER);
  EXPECT_EQ(0, g_ktivKhaser);
}

TEST_F(GramNumberViewTest, ANumberEntryArrivesInSingleModeWithItsGenderAndFormat) {
  Click(IDC_NUMBER_BY_10);
  constexpr int kEntry = 5;
  UnpackedWordRec fields;
  fields.entryIndex = kEntry;
  fields.ordinal = 1;
  fields.gender = 1;
  const PackedWordRec record = PackWordRecord(kKindNumber, fields);
  ::SendMessageA(View(), WM_GRAM_SETPARAMS, record.fields, record.extra);
  ::PostMessageA(View(), WM_GRAM_SELECTWORD, 0, 0);
  PumpPending();
  EXPECT_EQ(std::to_string(kNumberTable[kEntry].value), EditText());
  EXPECT_TRUE(Checked(IDC_NUMBER_NO_SEQUENCE));
  EXPECT_FALSE(Checked(IDC_NUMBER_BY_10));
  EXPECT_TRUE(Checked(IDC_NUMBER_ORDINAL));
  EXPECT_TRUE(Checked(IDC_NUMBER_FEMININE));
  EXPECT_FALSE(Checked(IDC_NUMBER_MASCULINE));
  EXPECT_EQ(1, Ask(WM_GRAM_GETTABLESHOWN));

  // A record of another kind changes nothing.
  fields.entryIndex = 0;
  const PackedWordRec verb = PackWordRecord(kKindVerb, fields);
  ::SendMessageA(View(), WM_GRAM_SETPARAMS, verb.fields, verb.extra);
  ::SendMessageA(View(), WM_GRAM_SELECTWORD, 0, 0);
  EXPECT_EQ(std::to_string(kNumberTable[kEntry].value), EditText());
}

}  // namespace gram_number_view_test
