// Typing English keys into a Hebrew-font document: the pointed Hebrew, the
// undo steps and the modified flag; then each step taken back and again.
#include "editor/tests/core/DocEditTestSupport.h"
#include "hebtext/core/HebChar.h"

namespace {

struct TypingCase {
  const char* keys;
  std::vector<int> letters;
  std::vector<int> points;
  std::vector<DWORD> types;
};

// c bet, t alef, o final mem, l final kaf; ] qamats, - patah, _ hataf patah,
// : dagesh, = meteg, I shuruk, [ final kaf with a point.
const TypingCase kCases[] = {
    {"c]", {HebCode::Bet}, {HebCode::Qamats}, {kUndoInsertChar, kUndoPointChange}},
    {"o-", {HebCode::FinalMem}, {0}, {kUndoInsertChar, kUndoPointChange}},
    {"l]", {HebCode::FinalKaf}, {HebCode::Qamats}, {kUndoInsertChar, kUndoPointChange}},
    {"c::", {HebCode::Bet}, {0}, {kUndoInsertChar, kUndoPointChange, kUndoPointChange}},
    {"c:", {HebCode::BetDagesh}, {0}, {kUndoInsertChar, kUndoPointChange}},
    {"t_", {HebCode::Alef}, {HebCode::HatafPatah}, {kUndoInsertChar, kUndoPointChange}},
    {"c_", {HebCode::Bet}, {0}, {kUndoInsertChar, kUndoPointChange}},
    {"I", {HebCode::Shuruk}, {HebCode::Shuruk}, {kUndoPointChange}},
    {"cI", {HebCode::Bet}, {HebCode::Shuruk}, {kUndoInsertChar, kUndoPointChange}},
    {"c]=",
     {HebCode::Bet},
     {AddStressMark(HebCode::Qamats)},
     {kUndoInsertChar, kUndoPointChange, kUndoPointChange}},
    {"c]\b", {HebCode::Bet}, {0}, {kUndoInsertChar, kUndoPointChange, kUndoRemovePoint}},
    {"c]\b\b", {}, {}, {kUndoInsertChar, kUndoPointChange, kUndoRemovePoint, kUndoDeletePrev}},
    {"[", {HebCode::FinalKaf}, {HebCode::SilentShva}, {kUndoInsertChar}},
    {"c d",
     {HebCode::Bet, ' ', HebCode::Gimel},
     {0, 0, 0},
     {kUndoInsertChar, kUndoInsertChar, kUndoInsertChar}},
};

class TypingTable : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingTable, TypesPointedHebrewWithItsSteps) {
  const TypingCase& c = GetParam();
  EditDoc doc;
  for (const char* k = c.keys; *k; k++) {
    if (*k == '\b')
      doc.editor.Backspace();
    else
      doc.editor.TypeChar(static_cast<BYTE>(*k));
  }
  SideState s = CaptureSide(doc.model, 1);
  EXPECT_EQ(s.letters, c.letters);
  EXPECT_EQ(s.points, c.points);
  for (DWORD a : s.attrs) EXPECT_EQ(a, doc.Head(1)->attributes);
  std::vector<DWORD> types;
  for (int i = 0; i < doc.editor.GetStepCount(); i++) types.push_back(doc.editor.GetStep(i).type);
  EXPECT_EQ(types, c.types);
  EXPECT_GT(doc.ui.modified, 0);
  CheckModel(doc.model, true);

  DocState end = CaptureDoc(doc.model);
  while (doc.editor.UndoCommand()) {
  }
  EXPECT_TRUE(CaptureSide(doc.model, 1).letters.empty());
  while (doc.editor.RedoCommand()) {
  }
  EXPECT_TRUE(CaptureDoc(doc.model) == end);
}

INSTANTIATE_TEST_SUITE_P(Keys, TypingTable, ::testing::ValuesIn(kCases));

TEST(DocTyping, OverwriteReplacesAndInsertsAtTheEnd) {
  EditDoc doc;
  doc.TypeKeys("cd");
  doc.model.Side(1).caret = doc.Head(1);
  g_insertMode = 0;
  doc.TypeKeys("ttt");
  SideState s = CaptureSide(doc.model, 1);
  EXPECT_EQ(s.letters, (std::vector<int>{HebCode::Alef, HebCode::Alef, HebCode::Alef}));
  EXPECT_EQ(doc.editor.GetStep(2).type, 2u);
  EXPECT_EQ(doc.editor.GetStep(4).type, 1u);
}

// Typing over a selection takes it away; taking the step back gives it back,
// selected as it was.
TEST(DocTyping, UndoOfTypingOverASelectionGivesTheSelectionBack) {
  EditDoc doc;
  doc.TypeKeys("cdst");
  DocState before;
  DocCharNode* first = doc.Head(1)->next;
  doc.editor.SetSelection(first, first->next->next);
  before = CaptureDoc(doc.model);
  doc.TypeKeys("v");
  EXPECT_EQ(CaptureSide(doc.model, 1).letters,
            (std::vector<int>{HebCode::Bet, HebCode::He, HebCode::Alef}));
  doc.editor.UndoCommand();
  EXPECT_TRUE(CaptureDoc(doc.model) == before);
  EXPECT_TRUE(doc.editor.HasSelection());
}

// A hataf stored on a letter that typing would refuse it on comes back with
// it: stored text is never run through the typing rules again.
TEST(DocTyping, StoredPointsComeBackRaw) {
  EditDoc doc;
  CString letters;
  letters += static_cast<TCHAR>(HebCode::Bet);
  letters += static_cast<TCHAR>(HebCode::Shuruk);
  CByteArray points;
  points.Add(HebCode::HatafPatah);
  points.Add(HebCode::Shuruk);
  CDWordArray attrs, formats;
  attrs.Add(doc.Head(1)->attributes);
  attrs.Add(doc.Head(1)->attributes);
  formats.Add(1);
  doc.editor.BeginStep(kUndoInsertText);
  doc.editor.InsertRuns(letters, points, attrs, formats);
  doc.model.Reformat(1, doc.Head(1), doc.model.Side(1).caret);
  doc.editor.EndStep();
  SideState s = CaptureSide(doc.model, 1);
  EXPECT_EQ(s.letters, (std::vector<int>{HebCode::Bet, HebCode::Shuruk}));
  EXPECT_EQ(s.points, (std::vector<int>{HebCode::HatafPatah, HebCode::Shuruk}));
  doc.TypeKeys("t");
  DocState end = CaptureDoc(doc.model);
  doc.editor.UndoCommand();
  doc.editor.UndoCommand();
  doc.editor.RedoCommand();
  doc.editor.RedoCommand();
  EXPECT_TRUE(CaptureDoc(doc.model) == end);
}

TEST(DocUndo, HoldsAtMostFiveHundredSteps) {
  EditDoc doc;
  for (int i = 0; i < 501; i++) doc.TypeKeys("c");
  EXPECT_EQ(doc.editor.GetStepCount(), kMaxUndoSteps);
  EXPECT_EQ(doc.editor.GetStep(0).posBefore.Char(0), 1);  // the first step is gone
}

TEST(DocUndo, StalePositionLeavesTheCaret) {
  EditDoc doc;
  doc.TypeKeys("cd");
  CSelRanges sel;
  sel.Set(0, 5, 0, 0);
  DocCharNode* caret = doc.model.Side(1).caret;
  EXPECT_EQ(doc.editor.ResolvePosition(1, sel, 0), nullptr);
  EXPECT_FALSE(doc.editor.RestoreCaretAndAnchor(1, sel));
  EXPECT_EQ(doc.model.Side(1).caret, caret);
}

TEST(DocUndo, ColumnsComeBackWithTheirSettings) {
  EditDoc doc;
  doc.Load(1, "alpha beta gamma\rdelta epsilon\rzeta eta theta iota\rkappa");
  DocLineNode* first = doc.Head(1)->line->next;  // "delta epsilon"
  DocLineNode* last = first->next;
  DocSection settings;
  settings.columnCount = 3;
  settings.gap = 12;
  settings.gapInUnit = 3.0;
  settings.unit = 2;
  settings.fileValue = 5;
  DocState before = CaptureDoc(doc.model);
  doc.editor.BeginStep(kUndoColumns);
  doc.model.SetLinesSection(first, last, &settings);
  doc.model.ReformatSide(1);
  doc.editor.EndStep();
  DocState after = CaptureDoc(doc.model);
  ASSERT_FALSE(after == before);

  // Typing inside the columns shifts them; deleting the break that begins
  // them takes them away. Both come back.
  doc.model.Side(1).caret = first->first->next;
  doc.TypeKeys("xyz");
  doc.model.Side(1).caret = first->first->prev;
  doc.editor.DeleteForward();
  EXPECT_EQ(doc.Head(1)->line->next->section, nullptr);
  DocState end = CaptureDoc(doc.model);

  for (int i = 0; i < 4; i++) doc.editor.UndoCommand();
  DocState undone = WithoutSelection(CaptureDoc(doc.model));
  after = WithoutSelection(after);
  EXPECT_TRUE(undone == after) << DescribeDifference(undone, after);
  doc.editor.UndoCommand();
  undone = WithoutSelection(CaptureDoc(doc.model));
  before = WithoutSelection(before);
  EXPECT_TRUE(undone == before) << DescribeDifference(undone, before);
  while (doc.editor.RedoCommand()) {
  }
  DocState redone = WithoutSelection(CaptureDoc(doc.model));
  end = WithoutSelection(end);
  EXPECT_TRUE(redone == end) << DescribeDifference(redone, end);
  CheckModel(doc.model, true);
}

// All lines of a paragraph carry one format word, also when a deleted break
// joins a wrapped paragraph to the one before.
TEST(DocTyping, AJoinedParagraphTakesTheFormatOfTheOneItJoins) {
  EditDoc doc;
  doc.Load(1, "short\rthis paragraph is long enough to wrap over several lines here");
  DocLineNode* second = doc.Head(1)->line->next;
  for (DocLineNode* l = second; l != nullptr; l = l->next) l->format = 2;
  ASSERT_NE(second->next, nullptr) << "the second paragraph wraps";
  doc.model.Side(1).caret = second->first;
  doc.editor.Backspace();
  for (DocLineNode* l = doc.Head(1)->line; l != nullptr; l = l->next)
    EXPECT_EQ(l->format, doc.Head(1)->line->format);
  CheckModel(doc.model, true);
}

}  // namespace

// The punctuation Ctrl gives on a Hebrew side is typed as it is, where the
// same key alone gives a vowel point; one step, taken back whole.
TEST(DocTyping, ACodeTypedAsItIsSkipsTheKeyMap) {
  EditDoc doc;
  doc.TypeKeys("c");
  ASSERT_EQ(doc.editor.TypeCode(']'), 1);
  SideState s = CaptureSide(doc.model, 1);
  EXPECT_EQ(s.letters, (std::vector<int>{HebCode::Bet, ']'}));
  EXPECT_EQ(s.points, (std::vector<int>{0, 0}));
  EXPECT_EQ(doc.editor.GetStep(1).type, static_cast<DWORD>(kUndoInsertChar));
  doc.editor.UndoCommand();
  EXPECT_EQ(CaptureSide(doc.model, 1).letters, (std::vector<int>{HebCode::Bet}));
}
