// Random edit sequences on both sides: typing in insert and overwrite mode,
// Backspace and Delete across line and page breaks, selections typed over or
// deleted, flat runs inserted as stored, page settings and column sections.
// Each step taken back gives the document exactly as before it and taken
// again exactly as after it; at the end all steps taken back give the start,
// and all taken again give the end.
#include <random>

#include "editor/tests/core/DocEditTestSupport.h"
#include "hebtext/core/HebChar.h"

namespace {

const char kKeys[] = "abcdefghijklmnopqrstuvwxyz     ]]--'/I::=_[{,.";

// The step's replaced and inserted letters and where, for failure messages.
std::string StepText(const CEditSnapshot& s) {
  auto letters = [](const CString& text) {
    std::string out;
    for (int i = 0; i < text.GetLength(); i++)
      out += " " + std::to_string(static_cast<BYTE>(text[i]));
    return out;
  };
  auto pos = [&](int slot) {
    return std::to_string(s.changeStart.Page(slot)) + "," +
           std::to_string(s.changeStart.Line(slot)) + "," +
           std::to_string(s.changeStart.Char(slot));
  };
  return " replaced" + letters(s.replacedLetters) + " inserted" + letters(s.insertedLetters) +
         " after " + pos(0) + " / " + pos(1) + "; ";
}

class RandomSession {
 public:
  RandomSession(EditDoc& doc, unsigned seed) : m_doc(doc), m_rng(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

  DocCharNode* RandomNode(int side) {
    std::vector<DocCharNode*> chars = SideChars(m_doc.model, side);
    return chars[Pick(static_cast<int>(chars.size()))];
  }

  BYTE RandomKey() {
    int r = Pick(100);
    if (r < 5) return kLetterLineBreak;
    if (r < 7) return kLetterPageBreak;
    if (r < 9) return kLetterTab;
    return static_cast<BYTE>(kKeys[Pick(sizeof(kKeys) - 1)]);
  }

  // Puts caret and anchor somewhere (as clicks and Shift+arrows would).
  void Place(int side) {
    m_doc.model.SetCurrentSide(side);
    DocEditor& e = m_doc.editor;
    e.ClearSelection();
    DocCharNode* caret = RandomNode(side);
    if (Pick(4) == 0)
      e.SetSelection(RandomNode(side), caret);
    else
      m_doc.model.Side(side).caret = caret;
  }

  void Type(int side) {
    g_insertMode = Pick(3) != 0;
    int count = 1 + Pick(12);
    for (int i = 0; i < count; i++) {
      if (Pick(12) == 0) {
        WORD size = m_doc.model.FindOrAddFontSize(side, static_cast<WORD>(8 + 4 * Pick(6)));
        m_doc.model.SetPendingAttributes(SetAttrField(m_doc.model.Side(side).caret->attributes,
                                                      CharAttrBits::kSizeShift,
                                                      CharAttrBits::kSizeMask, size));
      }
      Step([&] { m_doc.editor.TypeChar(RandomKey(), Pick(2)); });
      if (::testing::Test::HasFatalFailure()) return;
    }
    m_doc.model.SetPendingAttributes(kNoPending);
  }

  void InsertRuns(int side) {
    CString letters;
    CByteArray points;
    CDWordArray attrs, formats;
    formats.Add(static_cast<DWORD>(Pick(3)));
    CharAttr attr = m_doc.model.Side(side).caret->attributes & ~CharAttrBits::kTransientMark;
    int count = 1 + Pick(40);
    for (int i = 0; i < count; i++) {
      BYTE letter = Pick(2) ? static_cast<BYTE>(HebCode::Alef + Pick(27)) : RandomKey();
      if (letter == '[' || letter == ']') letter = 'x';
      letters += static_cast<TCHAR>(letter);
      // Points typing would refuse come back all the same.
      points.Add(static_cast<BYTE>(Pick(3) == 0 ? HebCode::Shva + Pick(12) : 0));
      if (Pick(10) == 0) {
        WORD size = m_doc.model.FindOrAddFontSize(side, static_cast<WORD>(8 + 4 * Pick(6)));
        attr = SetAttrField(attr, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, size);
      }
      attrs.Add(attr);
      if (IsBreakLetter(letter)) formats.Add(static_cast<DWORD>(Pick(3)));
    }
    Step([&] {
      DocEditor& e = m_doc.editor;
      e.BeginStep(kUndoInsertText);
      DocCharNode* start = m_doc.model.Side(side).caret;
      if (e.HasSelection()) {
        DocCharNode *first, *last;
        e.GetSelectionRange(first, last);
        start = first->prev;
        e.DeleteSelection();
      }
      e.InsertRuns(letters, points, attrs, formats);
      m_doc.model.Reformat(side, start, m_doc.model.Side(side).caret);
      e.EndStep();
    });
  }

  // Margins of all four sides: pages of one side differ in text width, and a
  // section fitted to its first page runs on over wider or narrower ones.
  void PageSettings(int side) {
    CPageLayout layout;
    layout.settings = SmallPage();
    layout.settings.topMargin = static_cast<WORD>(100 + 150 * Pick(6));
    layout.settings.leftMargin = static_cast<WORD>(100 + 100 * Pick(6));
    layout.settings.rightMargin = static_cast<WORD>(100 + 100 * Pick(6));
    layout.tabInterval = 500;
    int pages = m_doc.model.GetPageCount(side);
    Step([&] {
      m_doc.editor.BeginStep(kUndoPageSettings);
      m_doc.model.ApplyPageSettingsRange(side, layout, Pick(3), Pick(pages));
      m_doc.editor.EndStep();
    });
  }

  // Sets a run of whole paragraphs in one to four columns (one: ordinary
  // text), cutting the sections around them.
  void Columns(int side) {
    std::vector<DocLineNode*> paragraphs;
    for (DocLineNode* l = m_doc.model.GetHead(side)->line; l != nullptr; l = l->next)
      if (l->prev == nullptr || IsBreakLetter(l->first->letter)) paragraphs.push_back(l);
    int a = Pick(static_cast<int>(paragraphs.size()));
    int b = std::min(static_cast<int>(paragraphs.size()) - 1, a + Pick(4));
    DocLineNode* first = paragraphs[a];
    DocLineNode* last = first;
    while (last->next != nullptr &&
           (b + 1 == static_cast<int>(paragraphs.size()) || last->next != paragraphs[b + 1]))
      last = last->next;
    DocSection settings;
    settings.columnCount = 1 + Pick(4);
    settings.gap = 4 * Pick(6);
    settings.gapInUnit = settings.gap / 96.0;
    Step([&] {
      m_doc.editor.BeginStep(kUndoColumns);
      m_doc.model.SetLinesSection(first, last, settings.columnCount == 1 ? nullptr : &settings);
      m_doc.model.ReformatSide(side);
      m_doc.editor.EndStep();
    });
  }

  // Runs one edit; now and then takes it back and again at once.
  template <class F>
  void Step(F edit) {
    DocState before = CaptureDoc(m_doc.model);
    int steps = m_doc.editor.GetUndoCount();
    edit();
    bool pushed = m_doc.editor.GetUndoCount() != steps;
    {
      SCOPED_TRACE(pushed
                       ? "after an edit of type " + std::to_string(m_doc.editor.GetStep(steps).type)
                       : std::string("after an edit without a step"));
      CheckModel(m_doc.model, true);
    }
    if (::testing::Test::HasFatalFailure() || !pushed) return;
    DocState after = CaptureDoc(m_doc.model);
    if (!m_started) m_start = before;
    m_started = true;
    m_end = after;
    if (Pick(3) != 0) return;
    int side = m_doc.model.GetCurrentSide();
    m_doc.editor.UndoCommand();
    {
      SCOPED_TRACE("after undo");
      CheckModel(m_doc.model, true);
    }
    if (::testing::Test::HasFatalFailure()) return;
    DocState undone = CaptureDoc(m_doc.model);
    const CEditSnapshot& step = m_doc.editor.GetStep(m_doc.editor.GetUndoCount());
    ASSERT_TRUE(undone == before) << DescribeDifference(undone, before) << StepText(step)
                                  << "undo of type " << step.type;
    m_doc.editor.RedoCommand();
    {
      SCOPED_TRACE("after redo");
      CheckModel(m_doc.model, true);
    }
    if (::testing::Test::HasFatalFailure()) return;
    DocState redone = CaptureDoc(m_doc.model);
    ASSERT_TRUE(redone == after) << DescribeDifference(redone, after) << "redo of type "
                                 << m_doc.editor.GetStep(m_doc.editor.GetUndoCount() - 1).type;
    m_doc.model.SetCurrentSide(side);
  }

  void Run(int edits) {
    for (int i = 0; i < edits; i++) {
      int side = Pick(4) == 0 ? 0 : 1;
      Place(side);
      int r = Pick(22);
      if (r < 8)
        Type(side);
      else if (r < 12)
        Step([&] { m_doc.editor.Backspace(); });
      else if (r < 16)
        Step([&] { m_doc.editor.DeleteForward(); });
      else if (r < 19)
        InsertRuns(side);
      else if (r < 20)
        PageSettings(side);
      else
        Columns(side);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

  // Just before the first step and just after the last.
  DocState m_start, m_end;
  bool m_started = false;

 private:
  EditDoc& m_doc;
  std::mt19937 m_rng;
};

class DocUndoRandom : public ::testing::TestWithParam<unsigned> {};

TEST_P(DocUndoRandom, UndoAllGivesTheStartAndRedoAllTheEnd) {
  EditDoc doc;
  doc.Load(1, "start text\rsecond line");
  RandomSession session(doc, GetParam());
  session.Run(40);
  if (HasFatalFailure() || !session.m_started) return;
  while (doc.editor.UndoCommand()) {
  }
  CheckModel(doc.model, true);
  DocState undone = WithoutSelection(CaptureDoc(doc.model));
  session.m_start = WithoutSelection(session.m_start);
  EXPECT_TRUE(undone == session.m_start) << DescribeDifference(undone, session.m_start);
  while (doc.editor.RedoCommand()) {
  }
  CheckModel(doc.model, true);
  DocState redone = WithoutSelection(CaptureDoc(doc.model));
  session.m_end = WithoutSelection(session.m_end);
  EXPECT_TRUE(redone == session.m_end) << DescribeDifference(redone, session.m_end);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DocUndoRandom, ::testing::Range(1u, 401u));

}  // namespace
