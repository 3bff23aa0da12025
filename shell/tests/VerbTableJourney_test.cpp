// A learner's session with the verb tab of the Grammar Tables window: roots
// typed on the English keyboard and picked, every binyan shown through its
// radio button or the arrow keys, and each form copied out to be read; the
// vav-inversive forms, the alternate spellings, a hover tip, a form pasted
// into the editor and read by an X program, and the table printed and
// previewed. A picture of the tab is kept for each binyan.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/tests/core/GoldenConjugations.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "resources/MainFrameIds.h"
#include "resources/PageSettingsIds.h"
#include "resources/VerbTableIds.h"
#include "shell/tests/GrammarTabJourney.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/LinuxCommand.h"
#include "testing/win/PrintedPdfs.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace verb_table_journey_test {

// The model verbs shown, one or two binyanim each, with the keys that type
// their roots on the English keyboard.
struct ShownVerb {
  const char* root;
  const char* keys;
  std::vector<int> binyanim;
};
const ShownVerb kShownVerbs[] = {
    {"בנה", "cbv", {0, 1}},  // Paal, Nifal
    {"ברך", "crl", {2, 3}},  // Piel, Pual (the second by the arrow key)
    {"ארח", "trj", {4}},     // Hitpael
    {"בוא", "cut", {5, 6}},  // Hifil, Hufal
};
const char kMeteg[] = "\xD6\xBD";
const char* const kBinyanNames[] = {"paal", "nifal", "piel", "pual", "hitpael", "hifil", "hufal"};

// A Linux file's bytes, read through Wine's drive Z:.
std::string ReadLinuxFile(const std::string& path) {
  std::ifstream in(LinuxPathOnDriveZ(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A visible pop-up tool window of the process: the hover tip.
HWND FindTipWindow(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND hFound;
  } search = {processId, nullptr};
  ::EnumWindows(
      [](HWND hWnd, LPARAM lParam) -> BOOL {
        auto* pSearch = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hWnd, &owner);
        if (owner != pSearch->processId || !::IsWindowVisible(hWnd) ||
            (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0 ||
            (::GetWindowLongA(hWnd, GWL_STYLE) & WS_POPUP) == 0)
          return TRUE;
        pSearch->hFound = hWnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}

void MoveMouseTo(POINT screen) {
  INPUT move = MouseMoveInput(screen);
  ::SendInput(1, &move, sizeof move);
}

class VerbTableJourney : public GrammarTabJourney {
 protected:
  VerbTableJourney() : GrammarTabJourney(ID_GRAMMAR_VERB_TABLE, IDC_VERB_LIST) {}

  // Types a root into the root edit, as a new text, and shows its table.
  void ShowRoot(const char* keys) {
    ScrollHome();
    ClickAt(CenterOf(Control(IDC_VERB_ROOT)));
    SendKey(VK_END);
    SendKey(VK_BACK, 10);
    SendText(keys);
    // Another root clears the table shown before; Enter shows the new one.
    ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETTABLESHOWN) == 0; }));
    SendKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETTABLESHOWN) != 0; }));
  }

  int CheckedBinyan() const {
    for (int b = 0; b < 7; ++b)
      if (::SendMessageA(Control(IDC_VERB_PAAL + b), BM_GETCHECK, 0, 0) == BST_CHECKED) return b;
    return -1;
  }

  // Select Next Grammar Form (Ctrl+G) until the slot is selected; the copy
  // of the selected form as the clipboard has it.
  std::string CopySlot(int slot) {
    for (int step = 0; step <= 31 && Ask(WM_GRAM_GETSELECTEDCELL) != slot; ++step) {
      LRESULT before = Ask(WM_GRAM_GETSELECTEDCELL);
      SendChord(VK_CONTROL, 'G');
      WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) != before; });
    }
    if (Ask(WM_GRAM_GETSELECTEDCELL) != slot) return "";
    return CopySelected();
  }

  // Grammar Table/Copy Selected Grammar Form: the form with its stress
  // marks (meteg), which the golden tables leave out.
  std::string CopySelected(bool withMeteg = false) {
    ::SendMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_COPY_FORM, 0);
    std::string text = ClipboardUtf8();
    for (size_t at; !withMeteg && (at = text.find(kMeteg)) != std::string::npos;)
      text.erase(at, sizeof kMeteg - 1);
    return text;
  }

  // Every form of the table, slot by slot, as Ctrl+G walks through them.
  std::map<int, std::string> WalkAndCopy() {
    std::map<int, std::string> forms;
    for (int step = 0; step <= 31; ++step) {
      LRESULT before = Ask(WM_GRAM_GETSELECTEDCELL);
      SendChord(VK_CONTROL, 'G');
      WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) != before; });
      int slot = static_cast<int>(Ask(WM_GRAM_GETSELECTEDCELL));
      if (slot < 0 || forms.count(slot)) break;
      forms[slot] = CopySelected();
    }
    return forms;
  }

  // "Alternate Forms" deselects the form as it changes the spellings.
  void PressAlternateForms() {
    ScrollHome();
    ClickAt(CenterOf(Control(IDC_VERB_ALTERNATES)));
    ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == -1; }));
  }

  // Chooses the form set in the combo with the keyboard, as a user does.
  void ChooseFormSet(WORD key) {
    ScrollHome();
    ClickAt(CenterOf(Control(IDC_VERB_FORM_SET)));
    SendKey(key);
    SendKey(VK_RETURN);
  }
};

const lextest::GoldenTable* GoldenOf(const char* root, int binyan) {
  for (const lextest::GoldenTable& table : lextest::kGoldenTables)
    if (std::string(table.root) == root && table.binyan == binyan) return &table;
  return nullptr;
}

TEST_F(VerbTableJourney, EveryBinyanShowsItsGoldenTableAndItsFormsGoOut) {
  for (const ShownVerb& verb : kShownVerbs) {
    ShowRoot(verb.keys);
    for (size_t i = 0; i < verb.binyanim.size(); ++i) {
      int binyan = verb.binyanim[i];
      SCOPED_TRACE(testing::Message() << verb.root << " binyan " << binyan);
      ScrollHome();
      if (i > 0) {
        // The next binyan by the arrow key on the checked radio, or its radio.
        HWND hChecked = Control(IDC_VERB_PAAL + verb.binyanim[i - 1]);
        ClickAt(CenterOf(hChecked));
        if (verb.binyanim[i] == verb.binyanim[i - 1] + 1)
          SendKey(VK_DOWN);
        else
          ClickAt(CenterOf(Control(IDC_VERB_PAAL + binyan)));
      } else if (CheckedBinyan() != binyan) {
        ClickAt(CenterOf(Control(IDC_VERB_PAAL + binyan)));
      }
      ASSERT_TRUE(WaitFor([&] { return CheckedBinyan() == binyan; }));
      const lextest::GoldenTable* golden = GoldenOf(verb.root, binyan);
      ASSERT_NE(golden, nullptr);
      std::map<int, std::string> forms = WalkAndCopy();
      std::vector<std::string> shown;
      for (const auto& [slot, form] : forms)
        if (slot < FormSlot::Future3fs) shown.push_back(form);
      EXPECT_EQ(shown, lextest::CanonicalWords(golden->forms));
      SteadyPicture(m_hView, std::string("verb_table_") + kBinyanNames[binyan]);
    }
  }

  // The vav-inversive forms of בנה in Paal, and back to the regular ones.
  ShowRoot("cbv");
  ChooseFormSet(VK_DOWN);
  ASSERT_TRUE(WaitFor([&] { return TextOf(Control(IDC_VERB_PAST)) == "Past -> FUTURE"; }));
  EXPECT_EQ(TextOf(Control(IDC_VERB_FUTURE)), "Future -> PAST");
  EXPECT_EQ(CopySlot(FormSlot::Future3ms), lextest::Canonical("וַיִּבֶן"));
  EXPECT_EQ(CopySlot(FormSlot::Past1s), lextest::Canonical("וּבָנִיתִי"));
  SteadyPicture(m_hView, "verb_table_vav_inversive");
  ChooseFormSet(VK_UP);
  ASSERT_TRUE(WaitFor([&] { return TextOf(Control(IDC_VERB_PAST)) == "Past"; }));

  // לקח has a second spelling of its future forms: "Alternate Forms" shows
  // it, and once more goes back to the first.
  ShowRoot("kej");
  ASSERT_EQ(Ask(WM_GRAM_GETMAXALTERNATE), 0);
  EXPECT_EQ(CopySlot(FormSlot::Future1s), lextest::Canonical("אֶקַּח"));
  ScrollHome();
  PressAlternateForms();
  EXPECT_EQ(CopySlot(FormSlot::Future1s), lextest::Canonical("אֶלְקַח"));
  SteadyPicture(m_hView, "verb_table_alternates");
  ScrollHome();
  PressAlternateForms();
  EXPECT_EQ(CopySlot(FormSlot::Future1s), lextest::Canonical("אֶקַּח"));

  // A dictionary look-up of אֶלְקַח arrives while another verb is shown: the
  // verb, its binyan, the second spelling and the form come back selected.
  const LRESULT lakach = ::SendMessageA(Control(IDC_VERB_LIST), LB_GETCURSEL, 0, 0);
  ShowRoot("cbv");
  UnpackedWordRec lookup;
  lookup.entryIndex = static_cast<WORD>(lakach);
  lookup.binyan = 0;
  lookup.formSlot = FormSlot::Future1s;
  lookup.alternative = 1;
  const BYTE kSelectTheForm = 0xFF;
  ::SendMessageA(m_hView, WM_GRAM_SETPARAMS, PackWordRecord(kKindVerb, lookup).fields,
                 kSelectTheForm);
  ::PostMessageA(m_hView, WM_GRAM_SELECTWORD, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == FormSlot::Future1s; }));
  EXPECT_EQ(CopySelected(), lextest::Canonical("אֶלְקַח"));
  PressAlternateForms();

  // A tip over a caption names the person; it closes when the mouse leaves.
  ScrollHome();
  RECT anchor;
  ::GetWindowRect(Control(IDC_SLOT_PAST_3FS), &anchor);
  MoveMouseTo({anchor.right + 8, anchor.top + 4});
  HWND hTip = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (hTip = FindTipWindow(m_zulta.Id())) != nullptr; }));
  SaveScreenshot(CaptureWindow(hTip), "verb_table_tip");
  MoveMouseTo({anchor.left - 200, anchor.top - 60});
  EXPECT_TRUE(WaitFor([&] { return FindTipWindow(m_zulta.Id()) == nullptr; }));

  // A form copied goes to an X program through the X clipboard, and into
  // the editor.
  const std::string copied = CopySlot(FormSlot::Past1s);
  EXPECT_EQ(copied, lextest::Canonical("לָקַחְתִּי"));
  const std::string pointed = CopySelected(true);
  if (RunLinuxCommand("command -v xclip >/dev/null") == 0) {
    const std::string file = "/tmp/zulta-verb-copy-" + std::to_string(::GetCurrentProcessId());
    std::string xText;
    WaitFor([&] {
      RunLinuxCommand("xclip -selection clipboard -o > '" + file + "'");
      xText = ReadLinuxFile(file);
      return xText == pointed;
    });
    EXPECT_EQ(xText, pointed) << "X programs read the copy otherwise";
    RunLinuxCommand("rm -f '" + file + "'");
  }
  ::PostMessageA(m_hMain, WM_COMMAND, ID_FILE_NEW, 0);
  HWND hClient = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    hClient = ::FindWindowExA(m_hMain, nullptr, "MDIClient", nullptr);
    return hClient != nullptr && ::GetTopWindow(hClient) != nullptr;
  }));
  HWND hEditView = ::GetTopWindow(::GetTopWindow(hClient));
  ClickAt(CenterOf(hEditView));
  SendChord(VK_CONTROL, 'V');
  SteadyPicture(m_hMain, "verb_table_pasted");

  // The table printed on the PDF printer, then previewed.
  ::PostMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_VERB_TABLE, 0);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(m_hView) != FALSE; }));
  ExpectGrammarTabPrintedOnOnePage(m_zulta.Id(), m_hMain);
  PreviewGrammarTab(m_zulta.Id(), m_hMain, "verb_table_preview");

  // Ktiv-Khaser: the forms in their plene spelling, copied unpointed; and back.
  ShowRoot("f,c");
  ScrollHome();
  ClickAt(CenterOf(Control(IDC_VERB_KTIV_KHASER)));
  EXPECT_EQ(CopySlot(FormSlot::Infinitive), "לכתוב");
  SteadyPicture(m_hView, "verb_table_ktiv_khaser");
  ScrollHome();
  ClickAt(CenterOf(Control(IDC_VERB_KTIV_KHASER)));
  // The table is built again, with nothing selected.
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == -1; }));
  EXPECT_EQ(CopySlot(FormSlot::Infinitive), lextest::Canonical("לִכְתֹּב"));
}

}  // namespace verb_table_journey_test
