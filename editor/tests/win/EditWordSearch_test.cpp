// Hebrew Word Search from the editor view: Ctrl+K and Ctrl+Shift+K select
// the word at the caret and put it, pointed or unpointed, into the lookup
// bar's Hebrew edit, which then asks its bar to search.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/CCmdUI.h"
#include "editor/core/WordSearchText.h"
#include "editor/tests/win/AppPump.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/tests/win/TypedByRules.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CLookupBar.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

namespace edit_word_search_test {

constexpr int kHebrew = 1;
constexpr UINT kStandInEditId = 100;

// A stand-in for the main frame's lookup bar: its Hebrew edit, and the text
// of every search that edit asks it for.
class StandInLookupBar : public CLookupBar {
 public:
  std::vector<std::string> searches;

 protected:
  afx_msg void OnSearch() {
    CString text;
    GetLookupEdit()->GetText(text);
    searches.emplace_back(text, text.GetLength());
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(StandInLookupBar, CLookupBar)
  ON_COMMAND(CHebEdit::kEnterCommand, OnSearch)
END_MESSAGE_MAP()

class EditWordSearchTest : public EditViewFixture {
 protected:
  void SetUp() override {
    EditViewFixture::SetUp();
    ASSERT_TRUE(m_bar.CreateEx(0, nullptr, "lookup", WS_POPUP, 0, 0, 300, 40, nullptr, nullptr));
    // The edit takes the place of a placeholder, as on the lookup toolbar.
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 200, 30, m_bar.GetSafeHwnd(),
                      reinterpret_cast<HMENU>(kStandInEditId), nullptr, nullptr);
    m_pEdit = CreateHebEditInPlace(&m_bar, kStandInEditId, TRUE, CHebEdit::kLookupToolbar);
    ASSERT_NE(m_pEdit, nullptr);
    m_bar.SetLookupEdit(m_pEdit);
    m_pView->SetFocus();
  }
  void TearDown() override {
    delete m_pEdit;
    m_bar.DestroyWindow();
    EditViewFixture::TearDown();
  }

  void Type(const std::string& keys) {
    DocTextModel& model = m_pDoc->Model();
    const TypedText expected = TypedByRules(model.Side(kHebrew).face, kHebrew, m_typed + keys);
    SendText(keys);
    ASSERT_TRUE(WaitFor([&] { return SideText(model, kHebrew) == expected; }));
    m_typed += keys;
  }
  // The word at the caret as the search takes it.
  std::string CaretWordText(BOOL noVowels) {
    CString letters;
    CByteArray points;
    CDWordArray attributes;
    DocCharNode *first, *last;
    if (!m_pDoc->Editor().GetWordAtCaret(kHebrew, letters, points, attributes, first, last))
      return "";
    const CString text = WordSearchText(letters, points, noVowels);
    return std::string(text, text.GetLength());
  }
  // What the command's update handler says.
  BOOL Enabled(UINT id) {
    struct Probe : CCmdUI {
      void Enable(BOOL on) override {
        enabled = on;
        m_bEnableChanged = TRUE;
      }
      BOOL enabled = FALSE;
    } probe;
    probe.m_nID = id;
    probe.DoUpdate(m_pView, FALSE);
    return probe.enabled;
  }

  StandInLookupBar m_bar;
  CHebEdit* m_pEdit = nullptr;
  std::string m_typed;
};

TEST_F(EditWordSearchTest, CtrlKSearchesTheWordAtTheCaretWithAndWithoutItsVowels) {
  Type("w]kOo");
  const std::string pointed = CaretWordText(FALSE);
  const std::string plain = CaretWordText(TRUE);
  ASSERT_NE(pointed, plain) << "the typed word carries points";
  for (char c : plain) EXPECT_FALSE(IsVowelCode(static_cast<BYTE>(c))) << "a point is left";

  SendChord(VK_CONTROL, 'K');
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return m_bar.searches.size() == 1; }));
  EXPECT_EQ(m_bar.searches[0], pointed);
  DocCharNode *first, *last;
  ASSERT_TRUE(m_pDoc->Editor().GetSelectionRange(first, last)) << "the word is selected";
  EXPECT_EQ(first, m_pDoc->Model().GetHead(kHebrew)->next);
  EXPECT_EQ(last->next, nullptr);
  EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == m_pView->m_hWnd; })) << "the view has the focus";

  SendShortcut(VK_CONTROL, VK_SHIFT, 'K');
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return m_bar.searches.size() == 2; }));
  EXPECT_EQ(m_bar.searches[1], plain);
}

TEST_F(EditWordSearchTest, OpeningAResultBringsTheSearchedWordBackIntoViewOnce) {
  Type(std::string(60, '\r') + "w]kOo");
  SendChord(VK_CONTROL, 'K');
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return m_bar.searches.size() == 1; }));
  const CRect word = m_pDoc->Pages().GetCharRect(m_pDoc->Model().Side(kHebrew).caret);
  auto inView = [&] { return m_pView->GetLogicalClientRect().PtInRect(word.TopLeft()); };
  ASSERT_TRUE(inView());

  m_pView->SendMessage(WM_VSCROLL, SB_TOP);
  ASSERT_FALSE(inView());
  CLookupBar::SendReturnMessage();  // what the list does once it opened a result
  EXPECT_TRUE(inView()) << "the word is out of sight";
  m_pView->SendMessage(WM_VSCROLL, SB_TOP);
  CLookupBar::SendReturnMessage();
  EXPECT_FALSE(inView()) << "the message is sent once a search";
}

TEST_F(EditWordSearchTest, NoVowelsOnAnUnpointedWordDoesNothing) {
  Type("ckn");
  ASSERT_EQ(CaretWordText(FALSE), CaretWordText(TRUE)) << "the typed word has no points";
  EXPECT_TRUE(Enabled(ID_HEBREW_WORD_SEARCH));
  EXPECT_FALSE(Enabled(ID_HEBREW_WORD_SEARCH_NO_VOWELS));
  m_pView->SendMessage(WM_COMMAND, ID_HEBREW_WORD_SEARCH_NO_VOWELS);
  WaitFor([] { return true; });
  EXPECT_TRUE(m_bar.searches.empty());
  DocCharNode *first, *last;
  EXPECT_FALSE(m_pDoc->Editor().GetSelectionRange(first, last)) << "nothing is selected";
}

TEST_F(EditWordSearchTest, BothSearchesNeedHebrewInputAndAWordAtTheCaret) {
  EXPECT_FALSE(Enabled(ID_HEBREW_WORD_SEARCH)) << "an empty document";
  Type("w]kOo");
  EXPECT_TRUE(Enabled(ID_HEBREW_WORD_SEARCH));
  EXPECT_TRUE(Enabled(ID_HEBREW_WORD_SEARCH_NO_VOWELS));
  Command(ID_INPUT_ENGLISH);
  EXPECT_FALSE(Enabled(ID_HEBREW_WORD_SEARCH));
  EXPECT_FALSE(Enabled(ID_HEBREW_WORD_SEARCH_NO_VOWELS));
}

}  // namespace edit_word_search_test
