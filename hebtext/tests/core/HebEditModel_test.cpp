// The Hebrew edit control's model: typing English keys gives pointed Hebrew,
// with the rules for vowels, shuruk, dagesh and meteg, insert and overwrite,
// deleting, undo, word movement, the caret keys, the hit test, scrolling and
// the paint plan.
#include "hebtext/core/HebEditModel.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/InsertMode.h"

namespace heb_edit_model_test {
using namespace HebCode;

// Every letter 10 pixels, a vav vowel 6 more, any other vowel 1 more (so that
// a vowel changes the width); English characters 7.
class FixedWidths : public HebCharWidths {
 public:
  int CharWidth(int letter, int vowel, BOOL rightToLeft) override {
    (void)letter;
    if (!rightToLeft) return 7;
    if (IsShuruk(vowel) || IsHolamMale(vowel)) return 16;
    return vowel > 1 ? 11 : 10;
  }
};

class HebEditModelTest : public ::testing::Test {
 protected:
  void TearDown() override { g_insertMode = 1; }

  void Type(const std::string& keys) {
    for (char key : keys) m_model.TypeCharacter(static_cast<BYTE>(key), FALSE);
  }
  std::string Text() const {
    CString text;
    m_model.GetText(text);
    return std::string(text, text.GetLength());
  }
  // Puts the caret after the index-th character, clearing any selection.
  void CaretTo(int index) {
    m_model.MoveCaretByKey(HebEditModel::kKeyHome, FALSE, FALSE);
    for (int i = 0; i < index; ++i) m_model.MoveCaretByKey(HebEditModel::kKeyForward, FALSE, FALSE);
  }
  void Key(HebEditModel::CaretKey key, BOOL shift = FALSE, BOOL ctrl = FALSE) {
    m_model.MoveCaretByKey(key, shift, ctrl);
  }

  FixedWidths m_widths;
  HebEditModel m_model{&m_widths};
};

std::string Codes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

struct TypingRow {
  const char* keys;
  std::string text;  // letters each followed by its vowel
  int length;        // characters
  int caret;
};

// c bet, C bet with dagesh, g ayin, o final mem, l final kaf, t alef, I shuruk,
// O holam male, ] qamats, - patah, _ hataf patah, } hataf qamats, ' shva,
// \ qubuts, : dagesh, = meteg, { final kaf with qamats.
const TypingRow kTyping[] = {
    {"c", Codes({Bet}), 1, 1},
    {"c]", Codes({Bet, Qamats}), 1, 1},
    {"c_", Codes({Bet}), 1, 1},  // hataf patah only on gutturals
    {"g_", Codes({Ayin, HatafPatah}), 1, 1},
    {"c}", Codes({Bet, HatafQamats}), 1, 1},  // hataf qamats on any letter
    {"o]", Codes({FinalMem}), 1, 1},          // final mem takes no vowel
    {"l]", Codes({FinalKaf, Qamats}), 1, 1},  // final kaf takes qamats
    {"l'", Codes({FinalKaf, Shva}), 1, 1},    // and shva
    {"l-", Codes({FinalKaf}), 1, 1},          // but not patah
    {"c]-", Codes({Bet, Patah}), 1, 1},       // a second vowel replaces the first
    {"I", Codes({Shuruk}), 1, 1},             // a standalone shuruk
    {"Ic", Codes({Shuruk, Bet}), 2, 2},
    {"cI", Codes({Bet, Shuruk}), 1, 1},  // bet with shuruk is one character
    {"cO", Codes({Bet, HolamMale}), 1, 1},
    {"c I", Codes({Bet, ' ', Shuruk}), 3, 3},  // after a space: standalone
    {"{", Codes({FinalKaf, Qamats}), 1, 1},    // the glyph code splits
    {"c]\b", Codes({Bet}), 1, 1},              // Backspace takes the point first
    {"c]\b\b", "", 0, 0},
    {"C\b", "", 0, 0},  // the dagesh goes with its letter
    {"\b", "", 0, 0},
    {"c:", Codes({BetDagesh}), 1, 1},  // dagesh toggles
    {"c::", Codes({Bet}), 1, 1},
    {"t:", Codes({Alef}), 1, 1},  // alef takes none
    {":", "", 0, 0},
    {"-", "", 0, 0},  // a vowel with nothing before it
    {"c-=", Codes({Bet, AddStressMark(Patah)}), 1, 1},
    {"c-==", Codes({Bet, Patah}), 1, 1},
    {"c -", Codes({Bet, ' '}), 2, 2},  // no vowel on a space
    {"5]", "5", 1, 1},
    {"c\t\r", Codes({Bet}), 1, 1},  // tab and Enter are not typed
    {"cd o", Codes({Bet, Gimel, ' ', FinalMem}), 4, 4},
};

TEST_F(HebEditModelTest, TypingEnglishKeysGivesPointedHebrew) {
  for (const TypingRow& row : kTyping) {
    SCOPED_TRACE(row.keys);
    m_model.ClearText();
    Type(row.keys);
    EXPECT_EQ(row.text, Text());
    EXPECT_EQ(row.length, m_model.GetLength());
    EXPECT_EQ(row.caret, m_model.GetCaretIndex());
  }
}

TEST_F(HebEditModelTest, LetterBeforeStandaloneShurukTakesItAsVowel) {
  Type("I");
  CaretTo(0);
  Type("c");
  EXPECT_EQ(Codes({Bet, Shuruk}), Text());
  EXPECT_EQ(1, m_model.GetLength());
  EXPECT_EQ(1, m_model.GetCaretIndex());
  // A second shuruk before a standalone one adds nothing.
  m_model.SetText(Codes({Shuruk}).c_str());
  Type("I");
  EXPECT_EQ(1, m_model.GetLength());
}

struct OverwriteRow {
  std::string text;
  int caret;
  const char* keys;
  std::string expected;
  int expectedCaret;
};

const OverwriteRow kOverwrite[] = {
    {Codes({Bet, Gimel}), 0, "d", Codes({Gimel, Gimel}), 1},
    {Codes({Bet, Gimel}), 2, "d", Codes({Bet, Gimel, Gimel}), 3},        // nothing follows
    {Codes({Bet, Qamats}), 0, "d", Codes({Gimel, Qamats}), 1},           // keeps the vowel
    {Codes({Bet, Qamats}), 0, "o", Codes({FinalMem}), 1},                // unless it cannot stand
    {Codes({Bet}), 0, "{", Codes({FinalKafQamats}), 1},                  // the glyph code as it is
    {Codes({Bet, ' ', Gimel}), 2, "I", Codes({Bet, ' ', Gimel}), 2},     // shuruk after bet, space
    {Codes({Bet, ' ', Gimel}), 0, "I", Codes({Shuruk, ' ', Gimel}), 1},  // at the start
    {Codes({' ', ' ', Gimel}), 2, "I", Codes({' ', ' ', Shuruk}), 3},    // after two spaces
    {Codes({' ', ' ', Gimel}), 1, "I", Codes({' ', ' ', Gimel}), 1},     // after one
};

TEST_F(HebEditModelTest, OverwriteModeReplacesTheNextCharacter) {
  for (const OverwriteRow& row : kOverwrite) {
    SCOPED_TRACE(row.keys);
    g_insertMode = 1;
    m_model.SetText(row.text.c_str());
    CaretTo(row.caret);
    g_insertMode = 0;
    Type(row.keys);
    EXPECT_EQ(row.expected, Text());
    EXPECT_EQ(row.expectedCaret, m_model.GetCaretIndex());
  }
}

TEST_F(HebEditModelTest, UndoSwapsWithTheLastStep) {
  Type("cd");
  EXPECT_EQ(2, m_model.GetCaretIndex());
  m_model.Undo();  // before "d"
  EXPECT_EQ(Codes({Bet}), Text());
  EXPECT_EQ(1, m_model.GetCaretIndex());
  m_model.Undo();  // redoes
  EXPECT_EQ(Codes({Bet, Gimel}), Text());
  EXPECT_EQ(2, m_model.GetCaretIndex());
}

TEST_F(HebEditModelTest, UndoOfANewControlEmptiesIt) {
  HebEditModel model(&m_widths);
  model.InsertTextAtCaret(Codes({Bet, Gimel}).c_str());
  model.Undo();
  EXPECT_EQ(0, model.GetLength());
  EXPECT_EQ(0, model.GetCaretIndex());
}

TEST_F(HebEditModelTest, UndoRestoresTheSelection) {
  m_model.SetText(Codes({Bet, Gimel, Dalet}).c_str());
  CaretTo(1);
  Key(HebEditModel::kKeyForward, TRUE);
  Type("t");  // replaces the selected gimel
  EXPECT_EQ(Codes({Bet, Alef, Dalet}), Text());
  m_model.Undo();
  EXPECT_EQ(Codes({Bet, Gimel, Dalet}), Text());
  EXPECT_EQ(2, m_model.GetCaretIndex());
  EXPECT_EQ(1, m_model.GetAnchorIndex());
}

// Keys that change nothing (a tab, a refused vowel) keep the step before them.
TEST_F(HebEditModelTest, RefusedKeyKeepsThePreviousUndoStep) {
  for (const char* refused : {"\t", "_", "\x01"}) {
    SCOPED_TRACE(static_cast<int>(refused[0]));
    m_model.ClearText();
    Type("cd");
    Type(refused);
    EXPECT_EQ(Codes({Bet, Gimel}), Text());
    m_model.Undo();
    EXPECT_EQ(Codes({Bet}), Text());
  }
}

TEST_F(HebEditModelTest, EnglishTypingTakesPrintableCharactersWithoutUndo) {
  m_model.SetRightToLeft(FALSE);
  Type("ab");
  m_model.TypeCharacter(0x07, FALSE);  // a control character
  m_model.TypeCharacter(0xFF, FALSE);  // the twin of DEL
  m_model.TypeCharacter(Bet, FALSE);   // a Hebrew letter
  EXPECT_EQ(Codes({'a', 'b', Bet}), Text());
  m_model.Undo();  // the last step was the empty start
  EXPECT_EQ("", Text());
  g_insertMode = 0;
  m_model.SetText("xyz");
  CaretTo(1);
  Type("Q");
  EXPECT_EQ("xQz", Text());
}

struct WordRow {
  int caret;
  void (HebEditModel::*move)();
  int expected;
};

// "ab cd  ef": a 1, b 2, space 3, c 4, d 5, spaces 6 7, e 8, f 9.
const WordRow kWords[] = {
    {9, &HebEditModel::WordLeft, 7},  {8, &HebEditModel::WordLeft, 7},
    {7, &HebEditModel::WordLeft, 3},  {4, &HebEditModel::WordLeft, 3},
    {2, &HebEditModel::WordLeft, 0},  {0, &HebEditModel::WordLeft, 0},
    {0, &HebEditModel::WordRight, 3}, {3, &HebEditModel::WordRight, 7},
    {5, &HebEditModel::WordRight, 7}, {7, &HebEditModel::WordRight, 9},
    {9, &HebEditModel::WordRight, 9}, {0, &HebEditModel::WordEnd, 2},
    {3, &HebEditModel::WordEnd, 5},   {8, &HebEditModel::WordEnd, 9},
    {2, &HebEditModel::WordEnd, 2},
};

TEST_F(HebEditModelTest, WordMovement) {
  m_model.SetText("ab cd  ef");
  for (const WordRow& row : kWords) {
    SCOPED_TRACE(row.caret);
    CaretTo(row.caret);
    (m_model.*row.move)();
    EXPECT_EQ(row.expected, m_model.GetCaretIndex());
  }
}

TEST_F(HebEditModelTest, DoubleClickSelectsTheWordWithoutTheBlank) {
  m_model.SetText("ab cd  ef");
  CaretTo(4);
  m_model.SelectWordAtCaret();
  EXPECT_EQ(3, m_model.GetAnchorIndex());
  EXPECT_EQ(5, m_model.GetCaretIndex());
}

TEST_F(HebEditModelTest, ShiftHomeSelectsAllAndBackspaceAtTheStartDoesNothing) {
  m_model.SetText(Codes({Bet, Gimel, Dalet}).c_str());
  Key(HebEditModel::kKeyEnd);
  Key(HebEditModel::kKeyHome, TRUE);
  EXPECT_TRUE(m_model.HasSelection());
  EXPECT_EQ(0, m_model.GetCaretIndex());
  EXPECT_EQ(HebEditModel::kCharIgnored, m_model.TypeCharacter('\b', FALSE));
  EXPECT_EQ(3, m_model.GetLength());
  EXPECT_TRUE(m_model.DeleteKey());
  EXPECT_EQ(0, m_model.GetLength());
  EXPECT_FALSE(m_model.HasAnchor());
}

TEST_F(HebEditModelTest, HomeWithoutShiftClearsTheSelection) {
  m_model.SetText(Codes({Bet, Gimel}).c_str());
  m_model.SelectAll();
  m_model.EndPaint();
  Key(HebEditModel::kKeyHome);
  EXPECT_FALSE(m_model.HasAnchor());
  EXPECT_EQ(HebEditModel::kRepaintSelection, m_model.GetRepaintMode());
}

TEST_F(HebEditModelTest, AnchorEqualToTheCaretBlocksVowelsAndBackspaceOnlyClearsIt) {
  Type("cd");
  m_model.EndPaint();
  Key(HebEditModel::kKeyEnd, TRUE);
  EXPECT_TRUE(m_model.HasAnchor());
  EXPECT_FALSE(m_model.HasSelection());
  Type("]");
  EXPECT_EQ(Codes({Bet, Gimel}), Text());
  Type("\b");
  EXPECT_EQ(Codes({Bet, Gimel}), Text());
  EXPECT_FALSE(m_model.HasAnchor());
}

TEST_F(HebEditModelTest, TypingOverASelectionReplacesIt) {
  m_model.SetText(Codes({Bet, Gimel, Dalet}).c_str());
  m_model.SelectAll();
  g_insertMode = 0;  // the replacement is inserted whatever the mode
  Type("t");
  EXPECT_EQ(Codes({Alef}), Text());
  EXPECT_FALSE(m_model.HasAnchor());
}

TEST_F(HebEditModelTest, DeleteKeyRemovesTheNextCharacterWithItsVowel) {
  m_model.SetText(Codes({Bet, Qamats, Gimel}).c_str());
  CaretTo(0);
  EXPECT_TRUE(m_model.DeleteKey());
  EXPECT_EQ(Codes({Gimel}), Text());
  EXPECT_EQ(0, m_model.GetCaretIndex());
  CaretTo(1);
  EXPECT_FALSE(m_model.DeleteKey());
}

TEST_F(HebEditModelTest, ControlPunctuationIsTypedInBothModes) {
  Type("c");
  EXPECT_TRUE(m_model.TypeControlChar(';'));
  EXPECT_EQ(Codes({Bet, ';'}), Text());
  m_model.Undo();
  EXPECT_EQ(Codes({Bet}), Text());
}

struct RemoveVowelsRow {
  std::string text;
  std::string expected;
};

const RemoveVowelsRow kRemoveVowels[] = {
    {Codes({Bet, Shuruk}), Codes({Bet, Vav})},
    {Codes({Bet, Qubuts}), Codes({Bet, Vav})},
    {Codes({Bet, HolamMale, Gimel}), Codes({Bet, Vav, Gimel})},
    {Codes({BetDagesh, Patah}), Codes({Bet})},
    {Codes({Shuruk}), Codes({Vav})},
    {Codes({ShinShinDot, Qamats}), Codes({ShinShinDot})},  // shin keeps its dot
};

TEST_F(HebEditModelTest, RemoveVowels) {
  for (const RemoveVowelsRow& row : kRemoveVowels) {
    m_model.SetText(row.text.c_str());
    EXPECT_TRUE(m_model.HasVowels());
    m_model.RemoveVowels();
    EXPECT_EQ(row.expected, Text());
    EXPECT_FALSE(m_model.HasVowels());
    m_model.Undo();
    EXPECT_EQ(row.text, Text());
  }
}

TEST_F(HebEditModelTest, SetTextDropsControlCharactersOnlyInHebrewMode) {
  const std::string text = Codes({Bet, '\t', Gimel, '\r', '\n', 'a', '1'});
  m_model.SetText(text.c_str());
  EXPECT_EQ(Codes({Bet, Gimel, 'a', '1'}), Text());
  EXPECT_EQ(0, m_model.GetCaretIndex());
  m_model.SetRightToLeft(FALSE);
  m_model.SetText(text.c_str());
  EXPECT_EQ(text, Text());
}

// The letter count is not held in 16 bits: a text longer than 65,535
// characters loads whole.
TEST_F(HebEditModelTest, LongTextLoadsWhole) {
  std::string text(70000, static_cast<char>(Bet));
  text += static_cast<char>(Gimel);
  m_model.SetText(text.c_str());
  EXPECT_EQ(70001, m_model.GetLength());
  EXPECT_EQ(text, Text());
  m_model.SelectAll();
  Key(HebEditModel::kKeyBackward, TRUE);
  EXPECT_TRUE(m_model.DeleteKey());
  EXPECT_EQ(Codes({Gimel}), Text());
  m_model.ClearText();
  EXPECT_EQ(0, m_model.GetPoolInUseCount());
}

// Deleting the character a repaint note names drops the note instead of
// leaving it on a node in the pool.
TEST_F(HebEditModelTest, DeletedNodeLeavesNoRepaintNote) {
  Type("cd");  // notes "d"
  m_model.SelectAll();
  Type("\b");
  EXPECT_EQ(0, m_model.GetLength());
  EXPECT_EQ(nullptr, m_model.GetRepaintStart());
  Type("cd]");  // notes "d" alone
  CaretTo(1);
  m_model.DeleteKey();
  const HebCharNode* pStart = m_model.GetRepaintStart();
  EXPECT_TRUE(pStart == nullptr || m_model.IndexOfNode(pStart) >= 0);
}

TEST_F(HebEditModelTest, RepaintNotes) {
  Type("c");
  EXPECT_EQ(HebEditModel::kRepaintToEnd, m_model.GetRepaintMode());
  m_model.EndPaint();
  Type(":");  // dagesh: same width in these metrics
  EXPECT_EQ(HebEditModel::kRepaintNode, m_model.GetRepaintMode());
  EXPECT_EQ(1, m_model.IndexOfNode(m_model.GetRepaintStart()));
  m_model.EndPaint();
  Type("]");  // a vowel: wider
  EXPECT_EQ(HebEditModel::kRepaintToEnd, m_model.GetRepaintMode());
  m_model.EndPaint();
  Type("\b");  // the vowel
  EXPECT_EQ(HebEditModel::kRepaintToEnd, m_model.GetRepaintMode());
  m_model.EndPaint();
  Type("\b");  // the letter
  EXPECT_EQ(HebEditModel::kRepaintAll, m_model.GetRepaintMode());
  EXPECT_EQ(m_model.GetSentinel(), m_model.GetRepaintStart());
}

// Two changes before one paint: both are drawn.
TEST_F(HebEditModelTest, ChangesBeforeOnePaintMergeIntoAFullRepaint) {
  Type("cd");
  EXPECT_EQ(HebEditModel::kRepaintAll, m_model.GetRepaintMode());
  EXPECT_EQ(nullptr, m_model.GetRepaintStart());
}

class HebEditLayoutTest : public HebEditModelTest {
 protected:
  void SetUp() override {
    m_model.SetClientSize(100, 20);
    m_model.SetLineHeight(14);
  }
};

TEST_F(HebEditLayoutTest, CaretPointInBothModes) {
  m_model.SetText(Codes({Bet, Gimel, Dalet}).c_str());
  EXPECT_EQ(97, m_model.GetCaretPoint().x);
  EXPECT_EQ(2, m_model.GetCaretPoint().y);
  CaretTo(2);
  EXPECT_EQ(77, m_model.GetCaretPoint().x);
  m_model.SetRightToLeft(FALSE);
  m_model.SetText("abc");
  CaretTo(2);
  EXPECT_EQ(16, m_model.GetCaretPoint().x);
}

struct HitRow {
  BOOL rightToLeft;
  int x;
  int caret;
};

// Three characters: Hebrew spans (margin first) [96,98] [86,96] [76,86], the
// last none; English [2,4] [4,11] [11,18].
const HitRow kHits[] = {
    {TRUE, 99, 0}, {TRUE, 98, 0}, {TRUE, 93, 0},  {TRUE, 89, 1},  {TRUE, 84, 1},
    {TRUE, 79, 2}, {TRUE, 70, 3}, {TRUE, 0, 3},   {FALSE, 0, 0},  {FALSE, 2, 0},
    {FALSE, 6, 0}, {FALSE, 9, 1}, {FALSE, 14, 2}, {FALSE, 22, 3}, {FALSE, 99, 3},
};

TEST_F(HebEditLayoutTest, HitTest) {
  for (const HitRow& row : kHits) {
    SCOPED_TRACE(row.x);
    m_model.SetRightToLeft(row.rightToLeft);
    m_model.SetText(row.rightToLeft ? Codes({Bet, Gimel, Dalet}).c_str() : "abc");
    EXPECT_EQ(row.caret, m_model.IndexOfNode(m_model.HitTest(row.x)));
  }
}

TEST_F(HebEditLayoutTest, EndScrollsTheCaretToAQuarterAndHomeBack) {
  m_model.SetText(std::string(30, static_cast<char>(Bet)).c_str());
  Key(HebEditModel::kKeyEnd);
  EXPECT_EQ(HebEditModel::kRepaintAll, m_model.GetRepaintMode());
  EXPECT_TRUE(m_model.ScrollCaretIntoView());
  EXPECT_EQ(25, m_model.GetCaretPoint().x);
  EXPECT_FALSE(m_model.ScrollCaretIntoView());
  Key(HebEditModel::kKeyHome);
  EXPECT_EQ(0, m_model.GetScrollOffset());
  EXPECT_EQ(97, m_model.GetCaretPoint().x);

  m_model.SetRightToLeft(FALSE);
  m_model.SetText(std::string(30, 'a').c_str());
  Key(HebEditModel::kKeyEnd);
  EXPECT_TRUE(m_model.ScrollCaretIntoView());
  EXPECT_EQ(75, m_model.GetCaretPoint().x);
}

TEST_F(HebEditLayoutTest, MovingBackInAScrolledTextScrollsBack) {
  m_model.SetText(std::string(30, static_cast<char>(Bet)).c_str());
  Key(HebEditModel::kKeyEnd);
  m_model.ScrollCaretIntoView();
  const int offset = m_model.GetScrollOffset();
  for (int i = 0; i < 25; ++i) {
    Key(HebEditModel::kKeyBackward);
    m_model.ScrollCaretIntoView();
    const POINT caret = m_model.GetCaretPoint();
    ASSERT_GE(caret.x, 0);
    ASSERT_LT(caret.x, 100);
  }
  EXPECT_LT(m_model.GetScrollOffset(), offset);
}

TEST_F(HebEditLayoutTest, CaretKeysWithoutSelectionRepaintOnlyTheCaret) {
  m_model.SetText(Codes({Bet, Gimel}).c_str());
  m_model.EndPaint();
  Key(HebEditModel::kKeyEnd);
  EXPECT_EQ(HebEditModel::kRepaintCaret, m_model.GetRepaintMode());
  m_model.EndPaint();
  Key(HebEditModel::kKeyBackward);
  EXPECT_EQ(HebEditModel::kRepaintCaret, m_model.GetRepaintMode());
  m_model.EndPaint();
  Key(HebEditModel::kKeyBackward, TRUE);
  EXPECT_EQ(HebEditModel::kRepaintSelection, m_model.GetRepaintMode());
}

std::string Letters(const HebEditPaintRun& run) {
  return std::string(run.letters.begin(), run.letters.end() - 1);
}

TEST_F(HebEditLayoutTest, PaintsInThreeRunsAroundTheSelection) {
  const RECT all = {0, 0, 100, 20};
  m_model.SetText(Codes({Bet, Qamats, Gimel, Dalet, He}).c_str());
  m_model.EndPaint();
  HebEditPaintPlan plan;
  m_model.PlanPaint(all, plan);
  ASSERT_EQ(1, plan.runCount);
  EXPECT_EQ(Codes({Bet, Gimel, Dalet, He}), Letters(plan.runs[0]));
  EXPECT_EQ(Codes({Qamats, ExplicitNoVowel, ExplicitNoVowel, ExplicitNoVowel, 0}),
            std::string(plan.runs[0].vowels.begin(), plan.runs[0].vowels.end()));
  EXPECT_EQ(57, plan.runs[0].rect.left);  // 98 - 11 - 3 * 10
  EXPECT_EQ(98, plan.runs[0].rect.right);
  EXPECT_EQ(2, plan.runs[0].rect.top);
  EXPECT_EQ(16, plan.runs[0].rect.bottom);
  ASSERT_EQ(2, plan.fillCount);
  EXPECT_EQ(98, plan.fills[0].left);
  EXPECT_EQ(57, plan.fills[1].right);

  CaretTo(1);
  Key(HebEditModel::kKeyForward, TRUE);
  Key(HebEditModel::kKeyForward, TRUE);
  m_model.PlanPaint(all, plan);
  ASSERT_EQ(3, plan.runCount);
  EXPECT_EQ(Codes({Bet}), Letters(plan.runs[0]));
  EXPECT_EQ(Codes({Gimel, Dalet}), Letters(plan.runs[1]));
  EXPECT_TRUE(plan.runs[1].selected);
  EXPECT_EQ(Codes({He}), Letters(plan.runs[2]));
  EXPECT_FALSE(plan.runs[2].selected);

  // Only characters that meet the clip box.
  const RECT left = {0, 0, 70, 20};
  m_model.PlanPaint(left, plan);
  ASSERT_EQ(2, plan.runCount);
  EXPECT_EQ(Codes({Dalet}), Letters(plan.runs[0]));
  EXPECT_EQ(Codes({He}), Letters(plan.runs[1]));
}

TEST_F(HebEditLayoutTest, NotedRepaintStartsAtItsNode) {
  const RECT all = {0, 0, 100, 20};
  m_model.SetText(Codes({Bet, Gimel, Dalet}).c_str());
  CaretTo(2);
  m_model.EndPaint();
  Type(":");  // dagesh on gimel: one character, same width
  HebEditPaintPlan plan;
  m_model.PlanPaint(all, plan);
  EXPECT_EQ(0, plan.fillCount);
  ASSERT_EQ(1, plan.runCount);
  EXPECT_EQ(Codes({AddDagesh(Gimel)}), Letters(plan.runs[0]));
  m_model.EndPaint();
  Type("]");  // wider: from gimel to the end
  m_model.PlanPaint(all, plan);
  EXPECT_EQ(2, plan.fillCount);
  ASSERT_EQ(1, plan.runCount);
  EXPECT_EQ(Codes({AddDagesh(Gimel), Dalet}), Letters(plan.runs[0]));
  m_model.EndPaint();
  Key(HebEditModel::kKeyEnd);  // the caret alone
  m_model.PlanPaint(all, plan);
  EXPECT_EQ(2, plan.fillCount);
  EXPECT_EQ(0, plan.runCount);
}

TEST_F(HebEditLayoutTest, EmptyTextFillsTheClient) {
  HebEditPaintPlan plan;
  m_model.PlanPaint(RECT{0, 0, 100, 20}, plan);
  ASSERT_EQ(1, plan.fillCount);
  EXPECT_EQ(100, plan.fills[0].right);
  EXPECT_EQ(20, plan.fills[0].bottom);
  EXPECT_EQ(0, plan.runCount);
}

TEST(HebCharNodePool, TakesFromBlocksAndChecksWhatComesBack) {
  HebCharNodePool pool;
  std::vector<HebCharNode*> nodes;
  for (int i = 0; i < 250; ++i) {
    HebCharNode* pNode = pool.Take();
    ASSERT_NE(nullptr, pNode);
    EXPECT_EQ(0, pNode->letter);
    EXPECT_EQ(nullptr, pNode->pNext);
    pNode->letter = 1;
    nodes.push_back(pNode);
  }
  EXPECT_EQ(250, pool.GetInUseCount());
  EXPECT_TRUE(pool.IsConsistent());
  EXPECT_EQ(1, pool.Return(nodes[7]));
  EXPECT_EQ(0, pool.Return(nodes[7]));  // already back
  HebCharNode stranger = {};
  EXPECT_EQ(0, pool.Return(&stranger));
  EXPECT_EQ(nodes[7], pool.Take());  // the last one back is the next out
  EXPECT_EQ(0, nodes[7]->letter);    // zero-filled again
  for (int i = 0; i < 100; ++i) EXPECT_EQ(1, pool.Return(nodes[i]));
  EXPECT_TRUE(pool.IsConsistent());
  pool.ReturnAll();
  EXPECT_EQ(0, pool.GetInUseCount());
  EXPECT_TRUE(pool.IsConsistent());
  EXPECT_EQ(0, pool.Return(nodes[200]));
}

TEST_F(HebEditModelTest, ReplaceSelectionPastesAfterTheCaretAsOneUndoStep) {
  m_model.SetText(Codes({Bet, Gimel, Dalet}).c_str());
  CaretTo(1);
  Key(HebEditModel::kKeyForward, TRUE);
  m_model.ReplaceSelection(Codes({Tet, Patah, Yod}).c_str());
  EXPECT_EQ(Codes({Bet, Tet, Patah, Yod, Dalet}), Text());
  EXPECT_EQ(3, m_model.GetCaretIndex());
  EXPECT_FALSE(m_model.HasSelection());
  m_model.Undo();
  EXPECT_EQ(Codes({Bet, Gimel, Dalet}), Text());
  EXPECT_EQ(2, m_model.GetCaretIndex());
}

TEST_F(HebEditModelTest, ReplaceSelectionWithNothingKeepsTheCaret) {
  m_model.SetText(Codes({Bet, Gimel}).c_str());
  CaretTo(1);
  m_model.ReplaceSelection("");
  EXPECT_EQ(Codes({Bet, Gimel}), Text());
  EXPECT_EQ(1, m_model.GetCaretIndex());
}

TEST_F(HebEditModelTest, TextLimitDropsWhatDoesNotFit) {
  m_model.SetRightToLeft(FALSE);
  m_model.SetTextLimit(3);
  Type("abcd");
  EXPECT_EQ("abc", Text());
  m_model.SetText("wxyz");
  EXPECT_EQ("wxy", Text());
  m_model.SelectAll();
  m_model.ReplaceSelection("12345");
  EXPECT_EQ("123", Text());
}

}  // namespace heb_edit_model_test
