// The declension view on its noun, adjective and general-vocabulary forms,
// each in a frame of its own over the compiled grammar tables: the noun's
// number radios with Tab, the arrow keys and a look-up's number, the gender
// text, the adjective's four forms and the vocabulary's single cell.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "classlib/tests/win/DialogTestSupport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CHebEdit.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/PackedWordRecord.h"
#include "resources/DeclensionTableIds.h"
#include "resources/MainFrameIds.h"
#include "tables/core/DefinitionLayout.h"
#include "tables/tests/win/DefinitionTestFonts.h"
#include "tables/tests/win/GrammarViewFixture.h"
#include "tables/win/DeclensionVariantViews.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GrammarDocuments.h"
#include "shell/tests/JourneyControls.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace DeclensionVariantViews_test {

constexpr BYTE kSelectTheForm = 0xFF;
constexpr wchar_t kFirstMark = 0x0591;
constexpr wchar_t kLastMark = 0x05C7;

// The word with the points on each letter in one order, so that words that
// differ only in the order of their points compare equal.
std::string Canonical(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                                        static_cast<int>(utf8.size()), wide.data(),
                                                        static_cast<int>(wide.size()))));
  auto isMark = [](wchar_t c) { return c >= kFirstMark && c <= kLastMark; };
  for (auto it = wide.begin(); it != wide.end();) {
    auto end = std::find_if_not(it, wide.end(), isMark);
    std::sort(it, end);
    it = end == it ? it + 1 : end;
  }
  std::string out(wide.size() * 3, '\0');
  out.resize(static_cast<size_t>(
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                            static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

std::vector<std::string> Canonical(const std::vector<std::string>& words) {
  std::vector<std::string> out;
  for (const std::string& word : words) out.push_back(Canonical(word));
  return out;
}
constexpr int kFrameWidth = 700;
constexpr int kFrameHeight = 520;

class DeclensionVariantViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    SetGrammarFolder(tabletest::BuildFolder("/Zulta").c_str());
    ASSERT_TRUE(LoadGrammarData().loaded);
    s_fonts.Install();
  }
  static void TearDownTestSuite() {
    s_fonts.Remove();
    FreeGrammarData();
  }

  // A frame holding a new view of the class, set up as its tab would be.
  void Open(CRuntimeClass* pViewClass) {
    m_pApp = std::make_unique<CRecordingApp>();
    m_pFrame = new tabletest::CTestGrammarFrame;
    ASSERT_TRUE(m_pFrame->CreateEx(0, nullptr, "Declension view test", WS_POPUP | WS_BORDER, 20, 20,
                                   kFrameWidth, kFrameHeight, nullptr, nullptr));
    m_pApp->m_pMainWnd = m_pFrame;
    m_pView = static_cast<CGramDeclineView*>(pViewClass->CreateObject());
    ASSERT_NE(nullptr, m_pView);
    ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                CRect(0, 0, kFrameWidth - 4, kFrameHeight - 4), m_pFrame,
                                AFX_IDW_PANE_FIRST));
    m_pFrame->m_pGrammarView = m_pView;
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pView->OnInitialUpdate();
  }
  void TearDown() override {
    if (m_pFrame != nullptr) {
      m_pApp->m_pMainWnd = nullptr;
      m_pFrame->DestroyWindow();  // the frame and the view delete themselves
    }
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }

  LRESULT Ask(UINT message) { return m_pView->SendMessage(message, 0, 0); }
  HWND Control(int nID) { return ::GetDlgItem(m_pView->m_hWnd, nID); }
  bool Checked(int nID) { return ::SendMessage(Control(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int nID) { return ::IsWindowEnabled(Control(nID)) != FALSE; }
  std::string Text(int nID) {
    char text[64] = {};
    ::GetWindowTextA(Control(nID), text, sizeof text);
    return text;
  }

  // Types the word (pointed UTF-8) into the search edit and presses Enter.
  void Show(const char* utf8) {
    CString typed(utf8);
    Utf8ToAnsiHebrew(typed);
    NormalizeMarkOrder(typed);
    ConvertImportedText(typed, kVavThenHolam);
    HWND hEdit = Control(IDC_DECLINE_SEARCH);
    ::SetWindowTextA(hEdit, typed);
    m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DECLINE_SEARCH, EN_CHANGE),
                         reinterpret_cast<LPARAM>(hEdit));
    m_pView->SendMessage(WM_COMMAND, CHebEdit::kEnterCommand, 0);
  }
  // The forms Ctrl+G walks through from the first, copied without metegs.
  std::vector<std::string> Walk(int count) {
    std::vector<std::string> forms;
    for (int step = 0; step < count; ++step) {
      m_pView->SendMessage(WM_COMMAND, ID_GRAMMAR_NEXT_FORM, 0);
      m_pView->SendMessage(WM_COMMAND, ID_DECLINE_COPY_NO_METEG, 0);
      forms.push_back(Canonical(ClipboardUtf8()));
    }
    return forms;
  }
  // Arrives from a look-up on the list's current entry with the number and
  // cell of a noun record, showing the cell or highlighting a definition.
  void ArriveAt(int number, int cell, BYTE definition = kSelectTheForm) {
    UnpackedWordRec word;
    const LRESULT row = ::SendMessage(Control(IDC_DECLINE_LIST), LB_GETCURSEL, 0, 0);
    word.entryIndex =
        static_cast<WORD>(::SendMessage(Control(IDC_DECLINE_LIST), LB_GETITEMDATA, row, 0));
    word.numberField = number;
    word.cell = cell;
    m_pView->SendMessage(WM_GRAM_SETPARAMS, PackWordRecord(kKindNoun, word).fields, 0);
    m_pView->SendMessage(WM_GRAM_SELECTWORD, definition, 0);
  }
  void Picture(const char* name) {
    m_pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    SaveScreenshot(CaptureWindow(m_pFrame->GetSafeHwnd()), name);
  }

  static tabletest::DefinitionTestFonts s_fonts;
  std::unique_ptr<CRecordingApp> m_pApp;
  tabletest::CTestGrammarFrame* m_pFrame = nullptr;
  CGramDeclineView* m_pView = nullptr;
};

tabletest::DefinitionTestFonts DeclensionVariantViewTest::s_fonts;

TEST_F(DeclensionVariantViewTest, EachViewAndDocumentIsMadeByItsRunTimeClass) {
  struct Made {
    CRuntimeClass* pClass;
    int tableType;
  };
  const Made views[] = {{RUNTIME_CLASS(CGramNounView), TableType::Noun},
                        {RUNTIME_CLASS(CGramAdjView), TableType::Adjective},
                        {RUNTIME_CLASS(CGramGeneralView), TableType::Vocabulary}};
  for (const Made& made : views) {
    std::unique_ptr<CObject> pView(made.pClass->CreateObject());
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(made.tableType, static_cast<CGramDeclineView*>(pView.get())->GetTableType());
  }
  for (CRuntimeClass* pDoc :
       {RUNTIME_CLASS(CGramNounDoc), RUNTIME_CLASS(CGramAdjDoc), RUNTIME_CLASS(CGramGeneralDoc)}) {
    std::unique_ptr<CObject> pMade(pDoc->CreateObject());
    EXPECT_TRUE(pMade != nullptr && pMade->IsKindOf(RUNTIME_CLASS(CDocument)));
  }
}

TEST_F(DeclensionVariantViewTest, NounShowsTheFirstEnabledNumberAndItsGenderAndDefinition) {
  Open(RUNTIME_CLASS(CGramNounView));
  Show("תַּלְמִיד");
  EXPECT_TRUE(Enabled(IDC_NOUN_SINGULAR));
  EXPECT_TRUE(Enabled(IDC_NOUN_PLURAL));
  EXPECT_TRUE(Checked(IDC_NOUN_SINGULAR));
  EXPECT_FALSE(Checked(IDC_NOUN_PLURAL));
  EXPECT_EQ("Masculine", Text(IDC_GENDER_TEXT));
  EXPECT_EQ(2, CDefinitionWnd::FromView(m_pView)->CountDefinitions());
  EXPECT_NE(0, Ask(WM_GRAM_GETTABLESHOWN));
  const std::vector<std::string> expected = {"תַּלְמִיד",  "תַּלְמִיד",  "תַּלְמִידִי",  "תַּלְמִידְךָ",  "תַּלְמִידֵךְ",
                                             "תַּלְמִידוֹ", "תַּלְמִידָהּ", "תַּלְמִידֵנוּ", "תַּלְמִידְכֶם", "תַּלְמִידְכֶן",
                                             "תַּלְמִידָם", "תַּלְמִידָן", "תַּלְמִידִים", "תַּלְמִידֵי"};
  EXPECT_EQ(Canonical(expected), Walk(static_cast<int>(expected.size())));
  Picture("noun-view-singular");

  // "Plu&ral" builds the persons on the plural stem.
  m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NOUN_PLURAL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Control(IDC_NOUN_PLURAL)));
  EXPECT_TRUE(Checked(IDC_NOUN_PLURAL));
  EXPECT_FALSE(Checked(IDC_NOUN_SINGULAR));
  const std::vector<std::string> plural = {"תַּלְמִיד",   "תַּלְמִיד",   "תַּלְמִידַי", "תַּלְמִידֶיךָ",
                                           "תַּלְמִידַיִךְ", "תַּלְמִידָיו", "תַּלְמִידֶיהָ"};
  EXPECT_EQ(Canonical(plural), Walk(static_cast<int>(plural.size())));
  Picture("noun-view-plural");
}

TEST_F(DeclensionVariantViewTest, APluralNounHasOnlyThePluralRadio) {
  Open(RUNTIME_CLASS(CGramNounView));
  Show("חַיִּים");
  EXPECT_FALSE(Enabled(IDC_NOUN_SINGULAR));
  EXPECT_TRUE(Enabled(IDC_NOUN_PLURAL));
  EXPECT_TRUE(Checked(IDC_NOUN_PLURAL));
  EXPECT_EQ("Masculine Plural", Text(IDC_GENDER_TEXT));
  // The singular cells are not built.
  EXPECT_EQ(Canonical(std::vector<std::string>{"חַיַּי"}), Walk(1));
  EXPECT_EQ(DeclensionCell::My, Ask(WM_GRAM_GETSELECTEDCELL));
}

TEST_F(DeclensionVariantViewTest, TabReachesTheChosenRadioAndTheArrowsTheOther) {
  Open(RUNTIME_CLASS(CGramNounView));
  Show("סוּס");
  // Another row: no radio is checked until Tab leaves the list.
  m_pView->SendMessage(WM_HEBLIST_SELECT, 1, 0);
  EXPECT_FALSE(Checked(IDC_NOUN_SINGULAR) || Checked(IDC_NOUN_PLURAL));
  EXPECT_EQ(0, Ask(WM_GRAM_GETTABLESHOWN));
  ::SetFocus(Control(IDC_DECLINE_LIST));
  m_pView->SendMessage(WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(Control(IDC_NOUN_SINGULAR), ::GetFocus());
  EXPECT_TRUE(Checked(IDC_NOUN_SINGULAR));
  EXPECT_NE(0, Ask(WM_GRAM_GETTABLESHOWN));
  // Down on "&Singular" moves to "Plu&ral" and shows the plural stem.
  ::SendMessage(Control(IDC_NOUN_SINGULAR), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Control(IDC_NOUN_PLURAL), ::GetFocus());
  EXPECT_TRUE(Checked(IDC_NOUN_PLURAL));
  EXPECT_FALSE(Checked(IDC_NOUN_SINGULAR));
  // Back from the edit with Shift+Tab: the checked radio takes the focus.
  ::SetFocus(Control(IDC_DECLINE_SEARCH));
  m_pView->SendMessage(WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(Control(IDC_NOUN_PLURAL), ::GetFocus());
  // Elsewhere Tab goes to the next control.
  ::SetFocus(Control(IDC_DECLINE_ALTERNATES));
  m_pView->SendMessage(WM_NEXTDLGCTL, 0, 0);
  EXPECT_NE(Control(IDC_DECLINE_ALTERNATES), ::GetFocus());
}

TEST_F(DeclensionVariantViewTest, ALookUpChoosesItsNumberBeforeItsCell) {
  Open(RUNTIME_CLASS(CGramNounView));
  Show("סוּס");
  ArriveAt(kPluralForms, DeclensionCell::His);
  EXPECT_TRUE(Checked(IDC_NOUN_PLURAL));
  EXPECT_EQ(DeclensionCell::His, Ask(WM_GRAM_GETSELECTEDCELL));
  m_pView->SendMessage(WM_COMMAND, ID_EDIT_COPY, 0);
  EXPECT_EQ(Canonical("סוּסָיו"), Canonical(ClipboardUtf8()));
  ArriveAt(kSingularForms, DeclensionCell::His);
  EXPECT_TRUE(Checked(IDC_NOUN_SINGULAR));
  m_pView->SendMessage(WM_COMMAND, ID_EDIT_COPY, 0);
  EXPECT_EQ(Canonical("סוּסוֹ"), Canonical(ClipboardUtf8()));
}

TEST_F(DeclensionVariantViewTest, ALookUpsKeywordIsHighlightedInTheDefinitionItNames) {
  Open(RUNTIME_CLASS(CGramNounView));
  Show("תַּלְמִיד");
  const char* keyword = "pupil";
  m_pView->SendMessage(WM_GRAM_SETCAPTION, 0, reinterpret_cast<LPARAM>(keyword));
  ArriveAt(kSingularForms, DeclensionCell::Singular, 2);
  // The definitions stay; the keyword is drawn in the highlight's colour.
  EXPECT_EQ(2, CDefinitionWnd::FromView(m_pView)->CountDefinitions());
  HWND hDefinition = Control(kDefinitionWndId);
  EXPECT_TRUE(WaitFor([&] {
    PumpPending();
    return CountPixels(CaptureWindow(hDefinition), IsColor(kDefinitionHighlightColour)) > 0;
  }));
  Picture("noun-view-highlight");
}

TEST_F(DeclensionVariantViewTest, AdjectiveShowsItsFourFormsInAgreementOrder) {
  Open(RUNTIME_CLASS(CGramAdjView));
  Show("חָדָשׁ");
  const std::vector<std::string> expected = {"חָדָשׁ", "חֲדָשָׁה", "חֲדָשִׁים", "חֲדָשׁוֹת"};
  EXPECT_EQ(Canonical(expected), Walk(4));
  // Ctrl+G comes back to the first.
  EXPECT_EQ(Canonical(std::vector<std::string>{"חָדָשׁ"}), Walk(1));
  EXPECT_EQ(1, Ask(WM_GRAM_GETSELECTEDCELL));
  Picture("adjective-view");
}

TEST_F(DeclensionVariantViewTest, GeneralVocabularyShowsOneCellAndItsDefinitions) {
  Open(RUNTIME_CLASS(CGramGeneralView));
  Show("שָׁלוֹם");
  EXPECT_EQ(Canonical(std::vector<std::string>{"שָׁלוֹם", "שָׁלוֹם"}), Walk(2));
  EXPECT_EQ(0, Ask(WM_GRAM_GETSELECTEDCELL));
  EXPECT_EQ(3, CDefinitionWnd::FromView(m_pView)->CountDefinitions());
  EXPECT_EQ("", Text(IDC_GENDER_TEXT));
  Picture("vocabulary-view");
}

}  // namespace DeclensionVariantViews_test
