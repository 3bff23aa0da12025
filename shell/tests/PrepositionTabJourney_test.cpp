// A learner's session with the preposition tab of the Grammar Tables
// window: prepositions typed on the English keyboard and shown, each person
// form walked through with Ctrl+G and copied out to be read, a person form
// clicked and copied, the tip over a person's caption, the second spelling
// of a form, the Ktiv-Khaser spelling, a form copied from its own menu, and
// the table printed and previewed. A picture of the tab is kept for each
// preposition.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "resources/MainFrameIds.h"
#include "resources/PageSettingsIds.h"
#include "resources/PrepositionTableIds.h"
#include "shell/tests/GrammarTabJourney.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace preposition_tab_journey_test {

constexpr int kLastCell = DeclensionCell::kLastPerson;
constexpr DWORD kClickWaitMs = 1000;

// The prepositions shown, the keys that type them on the English keyboard
// and their forms: the base, then the persons S1 to P3F.
struct ShownPreposition {
  const char* name;
  const char* keys;
  const char* forms;
};
// clang-format off
const ShownPreposition kShown[] = {
  {"al", "gk", "עַל עָלַי עָלֶיךָ עָלַיִךְ עָלָיו עָלֶיהָ עָלֵינוּ עֲלֵיכֶם עֲלֵיכֶן עֲלֵיהֶם עֲלֵיהֶן"},
  {"be", "c", "בְּ בִּי בְּךָ בָּךְ בּוֹ בָּהּ בָּנוּ בָּכֶם בָּכֶן בָּהֶם בָּהֶן"},
  {"le", "k", "לְ לִי לְךָ לָךְ לוֹ לָהּ לָנוּ לָכֶם לָכֶן לָהֶם לָהֶן"},
  {"im", "go", "עִם עִמִּי עִמְּךָ עִמָּךְ עִמּוֹ עִמָּהּ עִמָּנוּ עִמָּכֶם עִמָּכֶן עִמָּהֶם עִמָּהֶן"},
};
// clang-format on

class PrepositionTabJourney : public GrammarTabJourney {
 protected:
  PrepositionTabJourney() : GrammarTabJourney(ID_GRAMMAR_PREPOSITION_TABLE, IDC_CELL_BASE) {}

  // Types the preposition into the search edit, as a new text, and shows
  // its table.
  void ShowPreposition(const char* keys) { ShowEntry(IDC_DECLINE_SEARCH, keys); }

  // Every form of the table, cell by cell, as Ctrl+G walks through them.
  std::map<int, std::string> WalkAndCopy() {
    std::map<int, std::string> forms;
    for (int step = 0; step <= kLastCell + 1; ++step) {
      LRESULT before = Ask(WM_GRAM_GETSELECTEDCELL);
      SendChord(VK_CONTROL, 'G');
      WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) != before; });
      int cell = static_cast<int>(Ask(WM_GRAM_GETSELECTEDCELL));
      if (cell < 0 || forms.count(cell)) break;
      forms[cell] = CopySelected();
    }
    return forms;
  }

  // The middle of the cell's form: it ends at its anchor's right edge.
  POINT CellPoint(int nAnchorId) const {
    RECT anchor;
    ::GetWindowRect(Control(nAnchorId), &anchor);
    return {anchor.right - 8, (anchor.top + anchor.bottom) / 2};
  }

  // Clicks the form of the anchor's cell until the cell is selected: a click
  // that comes while the program is still busy with the one before may be
  // lost, and is made again once a double click could no longer form.
  void ClickCell(int nAnchorId, int cell) {
    ASSERT_TRUE(WaitFor([&] {
      ClickAt(CellPoint(nAnchorId));
      return WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == cell; }, kClickWaitMs);
    }));
  }

  // Nothing of the tab waits to be painted, so that its picture shows what
  // it holds: a busy program can look steady before its paint comes.
  bool Painted() const {
    if (::GetUpdateRect(m_hView, nullptr, FALSE)) return false;
    for (HWND hChild = ::GetWindow(m_hView, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
      if (::GetUpdateRect(hChild, nullptr, FALSE)) return false;
    return true;
  }
  void Picture(const std::string& name) {
    EXPECT_TRUE(WaitFor([&] { return Painted(); }));
    SteadyPicture(m_hView, name);
  }
};

TEST_F(PrepositionTabJourney, PrepositionsShowTheirPersonFormsWhichGoOut) {
  for (const ShownPreposition& shown : kShown) {
    SCOPED_TRACE(shown.name);
    ShowPreposition(shown.keys);
    std::vector<std::string> forms;
    for (const auto& [cell, form] : WalkAndCopy()) forms.push_back(form);
    EXPECT_EQ(forms, lextest::CanonicalWords(shown.forms));
    Picture(std::string("preposition_tab_") + shown.name);
  }

  // A click on "his" selects it; the copy is that form.
  ShowPreposition("gk");
  ScrollHome();
  ClickCell(IDC_CELL_S3M, DeclensionCell::His);
  EXPECT_EQ(CopySelected(), lextest::Canonical("עָלָיו"));
  Picture("preposition_tab_selected");

  // A tip over the caption "P2F" names the person; it closes when the
  // mouse leaves.
  RECT anchor;
  ::GetWindowRect(Control(IDC_CELL_P2F), &anchor);
  MoveMouseTo({anchor.right + 8, (anchor.top + anchor.bottom) / 2});
  HWND hTip = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (hTip = FindTipWindow(m_zulta.Id())) != nullptr; }));
  SaveScreenshot(CaptureWindow(hTip), "preposition_tab_tip");
  MoveMouseTo({anchor.left - 200, anchor.top - 40});
  EXPECT_TRUE(WaitFor([&] { return FindTipWindow(m_zulta.Id()) == nullptr; }));

  // Ktiv-Khaser spells the forms plene and copies them unpointed; and back.
  ScrollHome();
  ClickAt(CenterOf(Control(IDC_DECLINE_KTIV_KHASER)));
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == -1; }));
  ClickCell(IDC_CELL_S3M, DeclensionCell::His);
  EXPECT_EQ(CopySelected(), "עליו");
  Picture("preposition_tab_ktiv_khaser");
  ScrollHome();
  ClickAt(CenterOf(Control(IDC_DECLINE_KTIV_KHASER)));
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == -1; }));

  // אוֹדוֹת has a second spelling of "their": "Alternate Forms" shows it.
  ShowPreposition("t");  // the first of the alef words
  ASSERT_EQ(Ask(WM_GRAM_GETMAXALTERNATE), 0);
  ScrollHome();
  ClickAt(CenterOf(Control(IDC_DECLINE_ALTERNATES)));
  ClickCell(IDC_CELL_P3M, DeclensionCell::TheirM);
  EXPECT_EQ(CopySelected(), lextest::Canonical("אוֹדוֹתָם"));
  Picture("preposition_tab_alternates");

  // The cell's own menu copies it: "my" of אוֹדוֹת.
  ScrollHome();
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  ::CloseClipboard();
  const POINT my = CellPoint(IDC_CELL_S1);
  ::SetCursorPos(my.x, my.y);
  INPUT press[] = {MouseButtonInput(MOUSEEVENTF_RIGHTDOWN), MouseButtonInput(MOUSEEVENTF_RIGHTUP)};
  ::SendInput(2, press, sizeof press[0]);
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == DeclensionCell::My; }));
  SendKey('C');
  ASSERT_TRUE(WaitFor([&] { return !ClipboardUtf8().empty(); }));
  EXPECT_EQ(ClipboardUtf8(), lextest::Canonical("אוֹדוֹתַי"));

  // Grammar Table/Print/Preview prints the table on one page and shows it.
  ExpectGrammarTabPrintedOnOnePage(m_zulta.Id(), m_hMain);
  PreviewGrammarTab(m_zulta.Id(), m_hMain, "preposition_tab_preview");
}

}  // namespace preposition_tab_journey_test
