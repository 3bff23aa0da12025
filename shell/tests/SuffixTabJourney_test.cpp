// A learner's session with the suffix tab of the Grammar Tables window: the
// root שמר typed in the verb tab, a past form's pop-up menu opening its
// forms with the object suffixes, each copied out to be read; a person's
// tip, the second spellings, and the verb's infinitive noun with its
// possessive suffixes from the Grammar Table menu; the tab printed, and a
// dictionary look-up of a suffixed form arriving through the verb tab, and a
// vav-inversive form's suffixes.
// Pictures of the tab are kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "lexicon/core/FormSlots.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "resources/KinuiTableIds.h"
#include "resources/MainFrameIds.h"
#include "resources/VerbTableIds.h"
#include "shell/tests/GrammarTabJourney.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/ProgramOutput.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace suffix_tab_journey_test {

const char kShamarKeys[] = "anr";  // שמר on the English keyboard
const char kMeteg[] = "\xD6\xBD";
constexpr int kFormCells = 11;  // the root cell is never selected
constexpr int kHimCell = 4;     // third person masculine singular
constexpr int kMeCell = 1;      // first person singular
constexpr int kThemCell = 9;    // third person masculine plural
constexpr BYTE kSelectTheForm = 0xFF;

using Cells = std::vector<std::pair<int, std::string>>;

class SuffixTabJourney : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallProgramFonts(); }
  void SetUp() override {
    ASSERT_TRUE(m_zulta.Started());
    m_hMain = m_zulta.MainWindow();
    ASSERT_NE(m_hMain, nullptr);
    ShowVerbTab();
    ::SetForegroundWindow(m_hMain);
  }

  void ShowVerbTab() {
    ::PostMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_VERB_TABLE, 0);
    ASSERT_TRUE(WaitFor([&] {
      // The preposition tab has a list of the same id: the form-set box is
      // the verb tab's own.
      HWND hFormSet = FindDescendantById(m_hMain, IDC_VERB_FORM_SET);
      m_hVerbView = hFormSet != nullptr ? ::GetParent(hFormSet) : nullptr;
      return m_hVerbView != nullptr && ::IsWindowVisible(m_hVerbView);
    }));
  }
  // The suffix tab once it is in front showing a table.
  void WaitForSuffixTab() {
    ASSERT_TRUE(WaitFor([&] {
      // The preposition tab's cells share the person ids: the form cell is
      // the suffix tab's own.
      HWND hForm = FindDescendantById(m_hMain, IDC_KINUI_FORM);
      m_hSuffixView = hForm != nullptr ? ::GetParent(hForm) : nullptr;
      return m_hSuffixView != nullptr && ::IsWindowVisible(m_hSuffixView) &&
             ::SendMessageA(m_hSuffixView, WM_GRAM_GETTABLESHOWN, 0, 0) != 0;
    }));
  }
  static LRESULT Ask(HWND hView, UINT message) { return ::SendMessageA(hView, message, 0, 0); }

  // Ctrl+G in the view until the cell is selected.
  void SelectWithCtrlG(HWND hView, int cell, int cells) {
    for (int step = 0; step <= cells && Ask(hView, WM_GRAM_GETSELECTEDCELL) != cell; ++step) {
      const LRESULT before = Ask(hView, WM_GRAM_GETSELECTEDCELL);
      SendChord(VK_CONTROL, 'G');
      WaitFor([&] { return Ask(hView, WM_GRAM_GETSELECTEDCELL) != before; });
    }
    ASSERT_EQ(Ask(hView, WM_GRAM_GETSELECTEDCELL), cell);
  }
  // Grammar Table/Copy Selected Grammar Form, without the stress marks.
  std::string CopySelected() {
    ::SendMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_COPY_FORM, 0);
    std::string text = ClipboardUtf8();
    for (size_t at; (at = text.find(kMeteg)) != std::string::npos;)
      text.erase(at, sizeof kMeteg - 1);
    return text;
  }
  // Every form of the suffix table as Ctrl+G walks round it, copied.
  Cells WalkAndCopy() {
    Cells cells;
    for (int step = 0; step <= kFormCells; ++step) {
      const LRESULT before = Ask(m_hSuffixView, WM_GRAM_GETSELECTEDCELL);
      SendChord(VK_CONTROL, 'G');
      WaitFor([&] { return Ask(m_hSuffixView, WM_GRAM_GETSELECTEDCELL) != before; });
      const int cell = static_cast<int>(Ask(m_hSuffixView, WM_GRAM_GETSELECTEDCELL));
      if (cell < 0 || (!cells.empty() && cell == cells.front().first)) break;
      cells.emplace_back(cell, CopySelected());
    }
    return cells;
  }
  // A click on the suffix tab's form cell (it takes the focus there).
  void ClickFormCell() {
    RECT form;
    ::GetWindowRect(::GetDlgItem(m_hSuffixView, IDC_KINUI_FORM), &form);
    ClickAt({form.left - 10, form.top + 8});
    ASSERT_TRUE(WaitFor([&] { return Ask(m_hSuffixView, WM_GRAM_GETSELECTEDCELL) == 0; }));
  }

  ZultaProcess m_zulta;
  HWND m_hMain = nullptr;
  HWND m_hVerbView = nullptr;
  HWND m_hSuffixView = nullptr;
};

TEST_F(SuffixTabJourney, APastFormsObjectSuffixesAndTheInfinitiveNounsPossessives) {
  // שמר in the verb tab, Paal; "I guarded" selected and its menu opened.
  ClickAt(CenterOf(::GetDlgItem(m_hVerbView, IDC_VERB_ROOT)));
  SendKey(VK_END);
  SendKey(VK_BACK, 10);
  SendText(kShamarKeys);
  SendKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return Ask(m_hVerbView, WM_GRAM_GETTABLESHOWN) != 0; }));
  SelectWithCtrlG(m_hVerbView, FormSlot::Past1s, FormSlot::Count);
  EXPECT_EQ(CopySelected(), lextest::Canonical("שָׁמַרְתִּי"));
  RECT anchor;
  ::GetWindowRect(::GetDlgItem(m_hVerbView, IDC_SLOT_PAST_1S), &anchor);
  RightClickAt({anchor.left - 10, anchor.top + 6});
  HWND hMenu = WaitForTopLevelWindow(m_zulta.Id(), nullptr, "#32768");
  ASSERT_NE(hMenu, nullptr);
  SendKey('P');  // &Pronominal Suffixes
  ASSERT_NO_FATAL_FAILURE(WaitForSuffixTab());
  ClickFormCell();

  // "I guarded me" and "I guarded us" are no forms.
  const Cells past = {{0, lextest::Canonical("שָׁמַרְתִּי")},   {2, lextest::Canonical("שְׁמַרְתִּיךָ")},
                      {3, lextest::Canonical("שְׁמַרְתִּיךְ")},  {4, lextest::Canonical("שְׁמַרְתִּיו")},
                      {5, lextest::Canonical("שְׁמַרְתִּיהָ")},  {7, lextest::Canonical("שְׁמַרְתִּיכֶם")},
                      {8, lextest::Canonical("שְׁמַרְתִּיכֶן")}, {9, lextest::Canonical("שְׁמַרְתִּים")},
                      {10, lextest::Canonical("שְׁמַרְתִּין")}};
  Cells walked = WalkAndCopy();
  // The walk starts after the form cell the click selected.
  ASSERT_FALSE(walked.empty());
  std::rotate(walked.rbegin(), walked.rbegin() + 1, walked.rend());
  EXPECT_EQ(walked, past);
  SteadyPicture(m_hSuffixView, "suffix_tab_past");

  // The tip of "S3M" names the person and the pronoun; it closes when the
  // mouse leaves.
  RECT s3m;
  ::GetWindowRect(::GetDlgItem(m_hSuffixView, IDC_KINUI_S3M), &s3m);
  MoveMouseTo({s3m.left + 8, s3m.top + 6});
  HWND hTip = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (hTip = FindTipWindow(m_zulta.Id())) != nullptr; }));
  SaveScreenshot(CaptureWindow(hTip), "suffix_tab_tip");
  MoveMouseTo({s3m.left - 250, s3m.top + 120});
  EXPECT_TRUE(WaitFor([&] { return FindTipWindow(m_zulta.Id()) == nullptr; }));

  // Cycle Alternate Spellings: "I guarded him" in its second spelling.
  ASSERT_EQ(Ask(m_hSuffixView, WM_GRAM_GETMAXALTERNATE), 0);
  ::SendMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_CYCLE_SPELLINGS, 0);
  SelectWithCtrlG(m_hSuffixView, kHimCell, kFormCells);
  EXPECT_EQ(CopySelected(), lextest::Canonical("שְׁמַרְתִּיהוּ"));
  SteadyPicture(m_hSuffixView, "suffix_tab_alternates");
  ::SendMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_CYCLE_SPELLINGS, 0);

  // The table and the verb's meaning on one page.
  ExpectGrammarTabPrintedOnOnePage(m_zulta.Id(), m_hMain);
  PreviewGrammarTab(m_zulta.Id(), m_hMain, "suffix_tab_preview");

  // The infinitive, and its noun from the Grammar Table menu.
  ShowVerbTab();
  ClickAt(CenterOf(::GetDlgItem(m_hVerbView, IDC_VERB_ROOT)));
  SelectWithCtrlG(m_hVerbView, FormSlot::Infinitive, FormSlot::Count);
  EXPECT_EQ(CopySelected(), lextest::Canonical("לִשְׁמֹר"));
  // Grammar Table/Verbs: Infinitive Noun Forms, enabled for the selected
  // infinitive.
  ::PostMessageA(m_hMain, WM_SYSCOMMAND, SC_KEYMENU, 'g');
  ASSERT_NE(WaitForTopLevelWindow(m_zulta.Id(), nullptr, "#32768"), nullptr);
  SendKey('I');
  WaitForSuffixTab();
  ASSERT_TRUE(WaitFor([&] { return Ask(m_hSuffixView, WM_GRAM_GETSELECTEDCELL) == -1; }));
  ClickFormCell();
  EXPECT_EQ(CopySelected(), lextest::Canonical("שְׁמֹר"));
  walked = WalkAndCopy();
  ASSERT_EQ(walked.size(), 11u);
  EXPECT_EQ(walked[0], std::make_pair(1, lextest::Canonical("שָׁמְרִי")));
  EXPECT_EQ(walked[3], std::make_pair(4, lextest::Canonical("שָׁמְרוֹ")));
  EXPECT_EQ(walked[5], std::make_pair(6, lextest::Canonical("שָׁמְרֵנוּ")));
  EXPECT_EQ(walked[8], std::make_pair(9, lextest::Canonical("שָׁמְרָם")));
  SteadyPicture(m_hSuffixView, "suffix_tab_infinitive_noun");

  // A dictionary look-up of "he guarded me" arrives at the verb tab, which
  // hands the form on: the suffix tab selects it.
  ShowVerbTab();
  UnpackedWordRec lookup;
  lookup.entryIndex = static_cast<WORD>(
      ::SendMessageA(::GetDlgItem(m_hVerbView, IDC_VERB_LIST), LB_GETCURSEL, 0, 0));
  lookup.formSlot = FormSlot::Past3ms;
  lookup.pronominalSuffix = kMeCell;
  ::SendMessageA(m_hVerbView, WM_GRAM_SETPARAMS, PackWordRecord(kKindVerb, lookup).fields,
                 kSelectTheForm);
  ::PostMessageA(m_hVerbView, WM_GRAM_SELECTWORD, 0, 0);
  WaitForSuffixTab();
  ASSERT_TRUE(WaitFor([&] { return Ask(m_hSuffixView, WM_GRAM_GETSELECTEDCELL) == kMeCell; }));
  EXPECT_EQ(CopySelected(), lextest::Canonical("שְׁמָרַנִי"));
  SteadyPicture(m_hSuffixView, "suffix_tab_look_up");

  // The vav-inversive "and he guarded" hands over its own suffixed forms.
  ShowVerbTab();
  HWND hFormSet = ::GetDlgItem(m_hVerbView, IDC_VERB_FORM_SET);
  ClickAt(CenterOf(hFormSet));
  SendKey(VK_DOWN);
  SendKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageA(hFormSet, CB_GETCURSEL, 0, 0) == 1; }));
  SelectWithCtrlG(m_hVerbView, FormSlot::Future3ms, FormSlot::Count);
  ::GetWindowRect(::GetDlgItem(m_hVerbView, IDC_SLOT_FUTURE_3MS), &anchor);
  RightClickAt({anchor.left - 10, anchor.top + 6});
  ASSERT_NE(WaitForTopLevelWindow(m_zulta.Id(), nullptr, "#32768"), nullptr);
  SendKey('P');
  ASSERT_NO_FATAL_FAILURE(WaitForSuffixTab());
  ClickFormCell();
  EXPECT_EQ(CopySelected(), lextest::Canonical("וַיִּשְׁמֹר"));
  SelectWithCtrlG(m_hSuffixView, kThemCell, kFormCells);
  EXPECT_EQ(CopySelected(), lextest::Canonical("וַיִּשְׁמְרֵם"));
  SteadyPicture(m_hSuffixView, "suffix_tab_vav_inversive");
}

}  // namespace suffix_tab_journey_test
