// A learner's session with the number tab of the Grammar Tables window:
// numbers typed in figures and read in pointed Hebrew words in each gender
// and format, a number of twelve figures, the sequence mode counting from
// one, and the words copied out to be read. A picture of the tab is kept
// for each.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "resources/MainFrameIds.h"
#include "resources/NumberTableIds.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

namespace NumberTabJourney_test {

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

class NumberTabJourney : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallProgramFonts(); }
  void SetUp() override {
    ASSERT_TRUE(m_zulta.Started());
    m_hMain = m_zulta.MainWindow();
    ASSERT_NE(m_hMain, nullptr);
    ::PostMessageA(m_hMain, WM_COMMAND, ID_GRAMMAR_NUMBER_TABLE, 0);
    ASSERT_TRUE(WaitFor([&] {
      HWND hEdit = FindDescendantById(m_hMain, IDC_NUMBER_EDIT);
      m_hView = hEdit != nullptr ? ::GetParent(hEdit) : nullptr;
      return m_hView != nullptr && ::IsWindowVisible(m_hView);
    }));
    ::SetForegroundWindow(m_hMain);
  }

  HWND Control(int nID) const { return ::GetDlgItem(m_hView, nID); }
  LRESULT Ask(UINT message) const { return ::SendMessageA(m_hView, message, 0, 0); }
  void ScrollHome() const {
    ::SendMessageA(m_hView, WM_HSCROLL, SB_LEFT, 0);
    ::SendMessageA(m_hView, WM_VSCROLL, SB_TOP, 0);
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

  ZultaProcess m_zulta;
  HWND m_hMain = nullptr;
  HWND m_hView = nullptr;
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
  // A thousand's stress is marked; the copy without it has none.
  ::SendMessageA(m_hView, WM_COMMAND, ID_NUMBER_COPY_NO_METEG, 0);
  EXPECT_EQ(ClipboardUtf8(), CanonicalWords("אֶלֶף"));

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
}

}  // namespace NumberTabJourney_test
