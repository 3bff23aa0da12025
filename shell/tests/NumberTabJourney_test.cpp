// A learner's session with the number tab of the Grammar Tables window:
// numbers typed in figures and read in pointed Hebrew words in each gender
// and format, a number of twelve figures, the sequence mode counting from
// one, and the words copied out to be read. A picture of the tab is kept
// for each.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "classlib/win/AfxRes.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "resources/MainFrameIds.h"
#include "resources/NumberTableIds.h"
#include "resources/PageSettingsIds.h"
#include "shell/tests/GrammarTabJourney.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

namespace number_tab_journey_test {

const char kMeteg[] = "\xD6\xBD";
// Twelve figures fill the edit box; a thirteenth is refused.
constexpr int kMostFigures = 12;

std::string WithoutMeteg(std::string text) {
  for (size_t at; (at = text.find(kMeteg)) != std::string::npos;) text.erase(at, sizeof kMeteg - 1);
  return text;
}

// Pointed words as the copy writes them, each word's marks in order; the
// words are apart by blanks or joined by a maqaf.
std::string CanonicalWords(const std::string& words) {
  const std::string maqaf = "\xD6\xBE";
  std::string result;
  size_t start = 0;
  while (true) {
    const size_t blank = words.find(' ', start);
    const size_t joined = words.find(maqaf, start);
    const size_t end = std::min(blank, joined);
    result += lextest::Canonical(words.substr(start, end - start));
    if (end == std::string::npos) return result;
    const std::string separator = end == blank ? " " : maqaf;
    result += separator;
    start = end + separator.size();
  }
}

// The Hebrew words' cell, in dialog units of the form.
constexpr POINT kHebrewWordsCentre = {190, 93};
// The number edit's place on the form, in dialog units.
constexpr RECT kEditPlace = {20, 17, 80, 29};

void RightClickAt(POINT screen) {
  INPUT inputs[] = {MouseMoveInput(screen), MouseButtonInput(MOUSEEVENTF_RIGHTDOWN),
                    MouseButtonInput(MOUSEEVENTF_RIGHTUP)};
  ::SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

// A pop-up menu open in the process.
HWND FindMenuWindow(DWORD processId) {
  HWND hMenu = nullptr;
  while ((hMenu = ::FindWindowExA(nullptr, hMenu, "#32768", nullptr)) != nullptr) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hMenu, &owner);
    if (owner == processId && ::IsWindowVisible(hMenu)) return hMenu;
  }
  return nullptr;
}

class NumberTabJourney : public GrammarTabJourney {
 protected:
  NumberTabJourney() : GrammarTabJourney(ID_GRAMMAR_NUMBER_TABLE, IDC_NUMBER_EDIT) {}

  // A point of the form on the screen, measured by the number edit's place
  // (another process's dialog units cannot be asked for).
  POINT FormPoint(POINT dialogUnits) const {
    ScrollHome();
    RECT edit;
    ::GetWindowRect(Control(IDC_NUMBER_EDIT), &edit);
    const double perX = double(edit.right - edit.left) / (kEditPlace.right - kEditPlace.left);
    const double perY = double(edit.bottom - edit.top) / (kEditPlace.bottom - kEditPlace.top);
    return {edit.left + static_cast<LONG>((dialogUnits.x - kEditPlace.left) * perX),
            edit.top + static_cast<LONG>((dialogUnits.y - kEditPlace.top) * perY)};
  }

  // Types the figures into the number edit as a new text.
  void TypeNumber(const std::string& keys, const std::string& shown) {
    ScrollHome();
    ClickAt(CenterOf(Control(IDC_NUMBER_EDIT)));
    SendKey(VK_END);
    SendKey(VK_BACK, kMostFigures + 1);
    SendText(keys);
    ASSERT_TRUE(WaitFor([&] { return TextOf(Control(IDC_NUMBER_EDIT)) == shown; }));
  }
  void ClickRadio(int nID) {
    ScrollHome();
    ClickAt(CenterOf(Control(nID)));
    ASSERT_TRUE(
        WaitFor([&] { return ::SendMessageA(Control(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  }

  // Ctrl+G selects the next cell (in single mode the Hebrew words) and
  // Grammar Table/Copy Selected Grammar Form copies it: the words, once
  // the copy says them.
  std::string SelectNextAndCopy(const std::string& expected) {
    SendChord(VK_CONTROL, 'G');
    std::string copied;
    WaitFor([&] {
      ::SendMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_COPY_FORM, 0);
      copied = ClipboardUtf8();
      return WithoutMeteg(copied) == expected;
    });
    return copied;
  }
};

TEST_F(NumberTabJourney, NumbersAreReadInPointedHebrewWordsAndCopied) {
  // Each number, gender and format in turn, as a learner tries them.
  struct Shown {
    const char* figures;
    int gender, format;  // the radios clicked
    const char* words;   // pointed, without meteg
    const char* picture;
  } const shown[] = {
      {"3", IDC_NUMBER_MASCULINE, IDC_NUMBER_CARDINAL, "שְׁלֹשָׁה", "number_tab_3_masculine"},
      {"3", IDC_NUMBER_FEMININE, IDC_NUMBER_CARDINAL, "שָׁלֹשׁ", "number_tab_3_feminine"},
      {"3", IDC_NUMBER_FEMININE, IDC_NUMBER_ORDINAL, "שְׁלִישִׁית", "number_tab_3rd_feminine"},
      {"21", IDC_NUMBER_MASCULINE, IDC_NUMBER_CARDINAL, "עֶשְׂרִים וְאֶחָד", "number_tab_21"},
      {"21", IDC_NUMBER_FEMININE, IDC_NUMBER_CARDINAL, "עֶשְׂרִים וְאַחַת", "number_tab_21_feminine"},
      {"1000", IDC_NUMBER_MASCULINE, IDC_NUMBER_CARDINAL, "אֶלֶף", "number_tab_1000"},
  };
  for (const Shown& s : shown) {
    SCOPED_TRACE(s.picture);
    TypeNumber(s.figures, s.figures);
    ClickRadio(s.gender);
    ClickRadio(s.format);
    ASSERT_EQ(Ask(WM_GRAM_GETTABLESHOWN), 1);
    const std::string copied = SelectNextAndCopy(CanonicalWords(s.words));
    EXPECT_EQ(WithoutMeteg(copied), CanonicalWords(s.words));
    EXPECT_EQ(Ask(WM_GRAM_GETSELECTEDCELL), 0);
    SteadyPicture(m_hView, s.picture);
  }
  // A thousand's stress is marked: the cell's menu copies it without.
  const std::string thousand = CanonicalWords("אֶלֶף");
  ASSERT_NE(ClipboardUtf8(), thousand);
  RightClickAt(FormPoint(kHebrewWordsCentre));
  HWND hMenu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (hMenu = FindMenuWindow(m_zulta.Id())) != nullptr; }));
  SteadyPicture(hMenu, "number_tab_cell_menu");
  SendKey('M');  // Copy to Clipboard (No &METEG)
  EXPECT_TRUE(WaitFor([&] { return ClipboardUtf8() == thousand; }));

  // Ktiv-Khaser shows the plene spelling; the copy stays pointed.
  ::PostMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_TOGGLE_NIKUD, 0);
  EXPECT_EQ(WithoutMeteg(SelectNextAndCopy(thousand)), thousand);
  SteadyPicture(m_hView, "number_tab_1000_ktiv_khaser");
  ::PostMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_TOGGLE_NIKUD, 0);

  // The table printed and previewed: the Hebrew words with the figures and
  // the English words under them, then the gender and the format.
  ExpectGrammarTabPrintedOnOnePage(m_zulta.Id(), m_hMain);
  PreviewGrammarTab(m_zulta.Id(), m_hMain, "number_tab_preview");
  ::PostMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_NUMBER_TABLE, 0);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(m_hView) != FALSE; }));

  // Twelve figures, the most the box takes, spelled whole.
  TypeNumber("9999999999999", "999999999999");
  const std::string hundreds = "תְּשַׁע־מֵאוֹת תִּשְׁעִים וְתִשְׁעָה";
  const std::string twelve = CanonicalWords(hundreds + " מִילְיַארְד " + hundreds + " מִילְיוֹן " +
                                            hundreds + " אֶלֶף " + hundreds);
  EXPECT_EQ(WithoutMeteg(SelectNextAndCopy(twelve)), twelve);
  SteadyPicture(m_hView, "number_tab_twelve_figures");

  // Sequence mode by 1 from one: one, two, three, each beside its figures;
  // the single number comes back when the mode goes back.
  ClickRadio(IDC_NUMBER_BY_1);
  ClickRadio(IDC_NUMBER_CARDINAL);
  ClickRadio(IDC_NUMBER_MASCULINE);
  ASSERT_EQ(TextOf(Control(IDC_NUMBER_EDIT)), "1");
  for (const char* words : {"אֶחָד", "שְׁנַיִם", "שְׁלֹשָׁה"})
    EXPECT_EQ(WithoutMeteg(SelectNextAndCopy(CanonicalWords(words))), CanonicalWords(words));
  SteadyPicture(m_hView, "number_tab_sequence");
  ClickRadio(IDC_NUMBER_NO_SEQUENCE);
  EXPECT_EQ(TextOf(Control(IDC_NUMBER_EDIT)), "999999999999");

  // The English keyword "three" looked up: Enter opens its number here,
  // in single mode, whichever mode the tab was left in.
  ClickRadio(IDC_NUMBER_BY_10);
  ::SendMessageA(m_hMain, WM_COMMAND, ID_LOOKUP_ENGLISH_KEYWORDS, 0);
  HWND hLookup = FindDescendantById(m_hMain, IDC_LOOKUP_EDIT);
  ASSERT_NE(hLookup, nullptr);
  ClickAt(CenterOf(hLookup));
  SendChord(VK_CONTROL, 'A');
  SendKey(VK_DELETE);
  SendText("three");
  ASSERT_TRUE(WaitFor([&] { return TextOf(hLookup) == "three"; }));
  SendKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return TextOf(Control(IDC_NUMBER_EDIT)) == "3"; }));
  EXPECT_EQ(::SendMessageA(Control(IDC_NUMBER_NO_SEQUENCE), BM_GETCHECK, 0, 0), BST_CHECKED);
  SteadyPicture(m_hMain, "number_tab_looked_up");
}

}  // namespace number_tab_journey_test
