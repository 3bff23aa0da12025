// The formatting commands: what each changes, what it leaves, and that each
// step taken back gives the side exactly as it was and taken again exactly as
// the command left it, alone and in random sessions with typing.
#include "editor/core/DocFormatting.h"

#include <functional>
#include <random>

#include "editor/tests/core/DocViewTestSupport.h"

namespace {

constexpr DWORD kMark = CharAttrBits::kTransientMark;
// Three paragraphs on the English side: characters 1-10, 11-30 (the break
// at 11), 31-35 (the break at 31).
const char kText[] = "alpha beta\rgamma delta epsilon\rzeta";
constexpr int kSecondBreak = 11;
constexpr int kThirdBreak = 31;
constexpr int kLast = 35;

struct FormatDoc : ViewDoc {
  FormatDoc() : fmt(editor, ui) {
    LoadSides(kText, "");
    Activate(kEnglish);
  }
  DocCharNode* At(int index) { return ViewDoc::At(kEnglish, index); }
  // Selects after `from` up to and including `to`, as Shift+arrows do.
  void Select(int from, int to) { editor.SetSelection(At(from), At(to)); }
  void PutCaret(int index) {
    editor.ClearSelection();
    model.Side(kEnglish).caret = At(index);
  }
  CharAttr Attr(int index) { return At(index)->attributes & ~kMark; }
  UINT Style(int index) { return AttrStyle(Attr(index)); }
  std::vector<UINT> Styles(int first, int last) {
    std::vector<UINT> styles;
    for (int i = first; i <= last; i++) styles.push_back(Style(i));
    return styles;
  }
  DocLineNode* LineOf(int index) { return model.GetCharLine(At(index)); }
  int SectionColumns(int index) {
    DocSection* s = LineOf(index)->section;
    return s == nullptr ? 1 : s->columnCount;
  }
  // Whether a line after `index` (within its run) lies in the same section.
  DocSection* SectionAt(int index) { return LineOf(index)->section; }

  DocFormatting fmt;
};

// A case's description as a test name.
std::string TestName(const char* description) {
  std::string name;
  for (const char* c = description; *c != 0; c++)
    name += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

DocColumnSettings ColumnSettings(int count) {
  DocColumnSettings c;
  c.count = count;
  c.gapPixels = 12;
  c.gap = 0.125;
  c.unit = 1;
  return c;
}

// --- Edge cases ----------------------------------------------------------------

struct EdgeCase {
  const char* name;
  std::function<void(FormatDoc&)> run;
};

const EdgeCase kEdgeCases[] = {
    {"bold over a bold first character clears bold from all",
     [](FormatDoc& d) {
       d.Select(0, 3);  // "alp" bold
       d.fmt.ToggleStyle(kStyleBold);
       d.Select(2, 8);  // "pha be": the first bold, the rest not
       d.fmt.ToggleStyle(kStyleBold);
       EXPECT_EQ(d.Styles(1, 9), (std::vector<UINT>{1, 1, 0, 0, 0, 0, 0, 0, 0}));
     }},
    {"bold over a plain first character makes all bold",
     [](FormatDoc& d) {
       d.Select(3, 5);  // "ha" italic and bold
       d.fmt.ToggleStyle(kStyleItalic);
       d.fmt.ToggleStyle(kStyleBold);
       d.Select(1, 5);  // "lpha": the first plain
       d.fmt.ToggleStyle(kStyleBold);
       EXPECT_EQ(d.Styles(1, 6), (std::vector<UINT>{0, 1, 1, 3, 3, 0}));
     }},
    {"bold without a selection waits for the next typed character",
     [](FormatDoc& d) {
       d.PutCaret(5);
       DocState before = CaptureDoc(d.model);
       int redraws = d.ui.redraws;
       DocFormatResult r = d.fmt.ToggleStyle(kStyleBold);
       EXPECT_TRUE(r.changed);
       EXPECT_EQ(r.repaintFirst, nullptr);
       EXPECT_TRUE(CaptureDoc(d.model) == before);
       EXPECT_EQ(d.ui.redraws, redraws);
       EXPECT_EQ(d.editor.GetUndoCount(), 0);
       EXPECT_TRUE(d.fmt.IsStyleChecked(kStyleBold));
       d.TypeKeys("x");
       EXPECT_EQ(d.Style(6), kStyleBold);
       EXPECT_EQ(d.Style(7), 0u);  // what follows is untouched
     }},
    {"moving the caret forgets the waiting bold",
     [](FormatDoc& d) {
       d.PutCaret(5);
       d.fmt.ToggleStyle(kStyleBold);
       FakeViewScroll view(1000);
       d.nav.OnNavigationKey(kVkRight, FALSE, FALSE, view);
       EXPECT_FALSE(d.fmt.IsStyleChecked(kStyleBold));
       d.TypeKeys("x");
       EXPECT_EQ(d.Style(7), 0u);
     }},
    {"a font at the start of an empty side goes to the head node",
     [](FormatDoc& d) {
       d.Activate(kHebrew);
       CharAttr head = d.Head(kHebrew)->attributes;
       d.fmt.ApplyFont("David", 20, kStyleItalic);
       EXPECT_NE(d.Head(kHebrew)->attributes, head);
       d.TypeKeys("a");
       CString face;
       WORD size;
       UINT style;
       d.model.GetAttrFont(d.ViewDoc::At(kHebrew, 1)->attributes & ~kMark, kHebrew, face, size,
                           style);
       EXPECT_STREQ(static_cast<LPCSTR>(face), "David");
       EXPECT_EQ(size, 20);
       EXPECT_EQ(style, kStyleItalic);
     }},
    {"extra word spacing without a selection does nothing",
     [](FormatDoc& d) {
       d.PutCaret(6);
       DocState before = CaptureDoc(d.model);
       DocFormatResult r = d.fmt.SetExtraWordSpacing(40);
       EXPECT_FALSE(r.changed);
       EXPECT_TRUE(CaptureDoc(d.model) == before);
       EXPECT_EQ(d.model.GetStyleTables().GetCount(kWordSpace), 1);
       EXPECT_EQ(d.editor.GetUndoCount(), 0);
     }},
    {"justification takes whole paragraphs",
     [](FormatDoc& d) {
       d.Select(14, 15);  // inside the second paragraph
       d.fmt.SetJustification(kJustifyCenter);
       for (DocLineNode* l = d.Head(kEnglish)->line; l != nullptr; l = l->next) {
         BOOL second = d.model.CompareNodes(l->first, d.At(kSecondBreak)) >= 0 &&
                       d.model.CompareNodes(l->first, d.At(kThirdBreak)) < 0;
         EXPECT_EQ(FormatAlign(l->format), second ? kJustifyCenter : kJustifyLeft);
       }
       EXPECT_TRUE(d.fmt.IsJustifyChecked(kJustifyCenter));
     }},
    {"a range ending on a break leaves the paragraph it begins",
     [](FormatDoc& d) {
       d.Select(3, kSecondBreak);  // up to and including the second break
       d.fmt.SetJustification(kJustifyRight);
       EXPECT_EQ(FormatAlign(d.LineOf(1)->format), kJustifyRight);
       EXPECT_EQ(FormatAlign(d.LineOf(kSecondBreak)->format), kJustifyLeft);
     }},
    {"one column takes the column layout away and splits the section",
     [](FormatDoc& d) {
       d.Select(0, kLast);
       d.fmt.SetColumns(ColumnSettings(3));
       EXPECT_EQ(d.SectionColumns(1), 3);
       d.Select(14, 15);
       d.fmt.SetColumns(ColumnSettings(1));
       EXPECT_EQ(d.SectionColumns(1), 3);
       EXPECT_EQ(d.SectionAt(kSecondBreak + 1), nullptr);
       EXPECT_EQ(d.SectionColumns(kThirdBreak), 3);
       EXPECT_NE(d.SectionAt(1), d.SectionAt(kThirdBreak));  // a copy goes on after
       EXPECT_EQ(d.SectionAt(1)->last->next, d.LineOf(kSecondBreak));
     }},
};

class DocFormattingEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(DocFormattingEdge, Holds) {
  FormatDoc doc;
  GetParam().run(doc);
  CheckModel(doc.model, true);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocFormattingEdge, ::testing::ValuesIn(kEdgeCases),
                         [](const ::testing::TestParamInfo<EdgeCase>& info) {
                           return TestName(info.param.name);
                         });

// --- Undo and redo of every kind ------------------------------------------------

struct RoundTrip {
  const char* name;
  std::function<void(FormatDoc&)> prepare;
  int anchor, caret;  // -1: no selection, the caret at `caret`
  DWORD type;
  std::function<void(FormatDoc&)> command;
};

const RoundTrip kRoundTrips[] = {
    {"bold", nullptr, 2, 8, kUndoBold, [](FormatDoc& d) { d.fmt.ToggleStyle(kStyleBold); }},
    {"italic", nullptr, 4, 20, kUndoItalic, [](FormatDoc& d) { d.fmt.ToggleStyle(kStyleItalic); }},
    {"underline from the head", nullptr, 0, 5, kUndoUnderline,
     [](FormatDoc& d) { d.fmt.ToggleStyle(kStyleUnderline); }},
    {"font", nullptr, 3, 16, kUndoFont,
     [](FormatDoc& d) { d.fmt.ApplyFont("Courier New", 18, kStyleBold | kStyleUnderline); }},
    {"typeface from the head", nullptr, 0, kLast, kUndoTypeface,
     [](FormatDoc& d) { d.fmt.ApplyTypeface("Arial"); }},
    {"size", nullptr, 10, 13, kUndoFontSize, [](FormatDoc& d) { d.fmt.ApplyFontSize(24); }},
    {"size at the head without a selection", nullptr, -1, 0, kUndoFontSize,
     [](FormatDoc& d) { d.fmt.ApplyFontSize(30); }},
    {"size for the next typed character", nullptr, -1, 7, kUndoFontSize,
     [](FormatDoc& d) { d.fmt.ApplyFontSize(30); }},
    {"colours", nullptr, 1, 12, kUndoColors,
     [](FormatDoc& d) { d.fmt.ApplyColors(RGB(200, 0, 0), RGB(0, 0, 90)); }},
    {"colours at the head without a selection", nullptr, -1, 0, kUndoColors,
     [](FormatDoc& d) { d.fmt.ApplyColors(RGB(9, 9, 9), RGB(250, 250, 0)); }},
    {"text colour only", nullptr, 6, 30, kUndoColors,
     [](FormatDoc& d) { d.fmt.ApplyColors(RGB(0, 120, 0), kKeepBackColor); }},
    {"extra word spacing", nullptr, 2, 25, kUndoWordSpace,
     [](FormatDoc& d) { d.fmt.SetExtraWordSpacing(60); }},
    {"justification", nullptr, 13, 30, kUndoJustify,
     [](FormatDoc& d) { d.fmt.SetJustification(kJustifyRight); }},
    {"justification at the caret", nullptr, -1, 20, kUndoJustify,
     [](FormatDoc& d) { d.fmt.SetJustification(kJustifyCenter); }},
    {"extra line spacing", nullptr, 20, 31, kUndoLineSpace,
     [](FormatDoc& d) { d.fmt.SetExtraLineSpacing(150); }},
    {"columns", nullptr, 14, 31, kUndoColumns,
     [](FormatDoc& d) { d.fmt.SetColumns(ColumnSettings(2)); }},
    {"one column inside a section",
     [](FormatDoc& d) {
       d.Select(0, kLast);
       d.fmt.SetColumns(ColumnSettings(3));
       d.editor.ClearUndo();
     },
     14, 15, kUndoColumns, [](FormatDoc& d) { d.fmt.SetColumns(ColumnSettings(1)); }},
};

class DocFormattingUndo : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(DocFormattingUndo, UndoGivesTheSideBackAndRedoTheChange) {
  const RoundTrip& trip = GetParam();
  FormatDoc doc;
  if (trip.prepare) trip.prepare(doc);
  if (trip.anchor >= 0)
    doc.Select(trip.anchor, trip.caret);
  else
    doc.PutCaret(trip.caret);
  DocState before = CaptureDoc(doc.model);
  CharAttr headBefore = doc.Head(kEnglish)->attributes;
  trip.command(doc);
  ASSERT_EQ(doc.editor.GetUndoCount(), 1);
  EXPECT_EQ(doc.editor.GetStep(0).type, trip.type);
  DocState end = CaptureDoc(doc.model);
  CharAttr endHead = doc.Head(kEnglish)->attributes;
  CheckModel(doc.model, true);
  doc.editor.UndoCommand();
  CheckModel(doc.model, true);
  EXPECT_TRUE(CaptureDoc(doc.model) == before) << DescribeDifference(CaptureDoc(doc.model), before);
  EXPECT_EQ(doc.Head(kEnglish)->attributes, headBefore);
  doc.editor.RedoCommand();
  CheckModel(doc.model, true);
  EXPECT_TRUE(CaptureDoc(doc.model) == end) << DescribeDifference(CaptureDoc(doc.model), end);
  EXPECT_EQ(doc.Head(kEnglish)->attributes, endHead);
  EXPECT_TRUE(doc.editor.FindUndoFault().IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DocFormattingUndo, ::testing::ValuesIn(kRoundTrips),
                         [](const ::testing::TestParamInfo<RoundTrip>& info) {
                           return TestName(info.param.name);
                         });

// --- Queries ---------------------------------------------------------------------

TEST(DocFormatting, SelectionFontAndColoursComeFromTheFirstSelectedCharacter) {
  FormatDoc doc;
  doc.Select(6, 9);
  doc.fmt.ApplyFont("Arial", 16, kStyleBold);
  doc.fmt.ApplyColors(RGB(1, 2, 3), kKeepBackColor);
  doc.Select(6, 20);
  CString face;
  WORD size;
  UINT style;
  DocCharRange range;
  doc.fmt.GetSelectionFont(face, size, style, range);
  EXPECT_STREQ(static_cast<LPCSTR>(face), "Arial");
  EXPECT_EQ(size, 16);
  EXPECT_EQ(style, kStyleBold);
  EXPECT_EQ(range.first, doc.At(7));
  EXPECT_EQ(range.last, doc.At(20));
  COLORREF text, back;
  doc.fmt.GetSelectionColors(text, back, range);
  EXPECT_EQ(text, RGB(1, 2, 3));
  EXPECT_EQ(back, doc.model.Side(kEnglish).colors[1]);  // index 0: the side's default

  doc.PutCaret(2);  // no selection: the caret character's
  doc.fmt.GetSelectionFont(face, size, style, range);
  EXPECT_STREQ(static_cast<LPCSTR>(face), "Times New Roman");
  EXPECT_EQ(range.first, nullptr);
  doc.fmt.ApplyTypeface("Courier New");  // waits for the next typed character
  doc.fmt.GetSelectionFont(face, size, style, range);
  EXPECT_STREQ(static_cast<LPCSTR>(face), "Courier New");
}

TEST(DocFormatting, WordSpacingNeedsABlankInTheSelection) {
  FormatDoc doc;
  doc.Select(1, 4);
  EXPECT_FALSE(doc.fmt.SelectionHasBlank());
  doc.Select(1, 7);
  EXPECT_TRUE(doc.fmt.SelectionHasBlank());
  int before = doc.At(6)->width;
  doc.fmt.SetExtraWordSpacing(200);
  EXPECT_GT(doc.At(6)->width, before);
}

// --- Full style tables ------------------------------------------------------------

// 63 faces besides the default entry, each on a character of its own.
void FillFontNames(FormatDoc& d) {
  d.Load(kEnglish, std::string(70, 'x'));
  constexpr int kFirst = kThirdBreak + 2;
  for (int i = 0; i < 63; i++) {
    CString face;
    face.Format("Face %d", i);
    d.Select(kFirst + i - 1, kFirst + i);
    ASSERT_TRUE(d.fmt.ApplyTypeface(face).changed);
  }
  d.Select(1, 2);
}

// Fifteen paragraphs, each with a spacing of its own.
void FillLineSpace(FormatDoc& d) {
  std::string more;
  for (int i = 0; i < 12; i++) more += "\rp";
  d.Load(kEnglish, more);
  WORD percent = 10;
  for (DocLineNode* l = d.Head(kEnglish)->line; l != nullptr; l = l->next) {
    if (l->prev != nullptr && !IsBreakLetter(l->first->letter)) continue;
    d.model.Side(kEnglish).caret = l->first;
    ASSERT_TRUE(d.fmt.SetExtraLineSpacing(percent += 10).changed);
  }
  d.PutCaret(1);
}

struct FullTable {
  const char* name;
  DocStyleTable table;
  void (*fill)(FormatDoc&);  // every entry in use outside the selection
  std::function<DocFormatResult(FormatDoc&)> command;
  const char* message;
};

const FullTable kFullTables[] = {
    {"a 65th font name", kFontNames, FillFontNames,
     [](FormatDoc& d) { return d.fmt.ApplyTypeface("One Too Many"); },
     "Maximum Number of Font Names Reached"},
    {"a 17th line spacing", kLineSpace, FillLineSpace,
     [](FormatDoc& d) { return d.fmt.SetExtraLineSpacing(999); },
     "Maximum Number of Extra-Line-Space Values Reached"},
};

class DocFormattingFullTable : public ::testing::TestWithParam<FullTable> {};

TEST_P(DocFormattingFullTable, ShowsTheTablesMessageAndChangesNothing) {
  const FullTable& full = GetParam();
  FormatDoc doc;
  full.fill(doc);
  if (HasFatalFailure()) return;
  ASSERT_EQ(doc.model.GetStyleTables().GetCount(full.table), DocStyleTables::kLimits[full.table]);
  DocState before = CaptureDoc(doc.model);
  int steps = doc.editor.GetUndoCount();
  DocFormatResult r = full.command(doc);
  EXPECT_FALSE(r.changed);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_STREQ(static_cast<LPCSTR>(r.messages[0].text), full.message);
  EXPECT_TRUE(CaptureDoc(doc.model) == before);
  EXPECT_EQ(doc.editor.GetUndoCount(), steps);
}

INSTANTIATE_TEST_SUITE_P(Tables, DocFormattingFullTable, ::testing::ValuesIn(kFullTables),
                         [](const ::testing::TestParamInfo<FullTable>& info) {
                           return TestName(info.param.name);
                         });

// --- Random sessions ---------------------------------------------------------------

const char* const kFaces[] = {"Arial", "Courier New", "Times New Roman", "David"};
const char kSessionKeys[] = "abcdefghij  \r\t-";

class FormatSession {
 public:
  FormatSession(FormatDoc& doc, unsigned seed) : m_doc(doc), m_rng(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
  DocCharNode* RandomNode() {
    std::vector<DocCharNode*> chars = SideChars(m_doc.model, kEnglish);
    return chars[Pick(static_cast<int>(chars.size()))];
  }

  void Place() {
    m_doc.editor.ClearSelection();
    m_doc.model.SetPendingAttributes(kNoPending);
    DocCharNode* caret = RandomNode();
    if (Pick(4) != 0)
      m_doc.editor.SetSelection(RandomNode(), caret);
    else
      m_doc.model.Side(kEnglish).caret = caret;
  }

  void Format() {
    DocFormatting& f = m_doc.fmt;
    switch (Pick(10)) {
      case 0: f.ToggleStyle(1u << Pick(3)); break;
      case 1: f.ApplyFont(kFaces[Pick(4)], static_cast<WORD>(8 + 2 * Pick(8)), Pick(8)); break;
      case 2: f.ApplyTypeface(kFaces[Pick(4)]); break;
      case 3: f.ApplyFontSize(static_cast<WORD>(8 + 2 * Pick(8))); break;
      case 4:
        f.ApplyColors(RGB(Pick(3) * 100, 0, 0), Pick(2) ? kKeepBackColor : RGB(0, 0, Pick(3)));
        break;
      case 5: f.SetExtraWordSpacing(static_cast<WORD>(20 * Pick(4))); break;
      case 6: f.SetJustification(Pick(3)); break;
      case 7: f.SetExtraLineSpacing(static_cast<WORD>(50 * Pick(4))); break;
      default: f.SetColumns(ColumnSettings(1 + Pick(kMaxSectionColumns))); break;
    }
  }

  void Run(int edits) {
    for (int i = 0; i < edits && !::testing::Test::HasFatalFailure(); i++) {
      Place();
      DocState before = CaptureDoc(m_doc.model);
      CharAttr head = m_doc.Head(kEnglish)->attributes;
      int steps = m_doc.editor.GetUndoCount();
      if (Pick(3) == 0)
        m_doc.editor.TypeChar(static_cast<BYTE>(kSessionKeys[Pick(sizeof(kSessionKeys) - 1)]));
      else
        Format();
      CheckModel(m_doc.model, true);
      if (m_doc.editor.GetUndoCount() == steps) continue;
      if (!m_started) {
        m_start = before;
        m_startHead = head;
      }
      m_started = true;
      DocState after = CaptureDoc(m_doc.model);
      CharAttr afterHead = m_doc.Head(kEnglish)->attributes;
      if (Pick(3) != 0) continue;
      m_doc.editor.UndoCommand();
      CheckModel(m_doc.model, true);
      ASSERT_TRUE(CaptureDoc(m_doc.model) == before)
          << DescribeDifference(CaptureDoc(m_doc.model), before) << " undo of type "
          << m_doc.editor.GetStep(m_doc.editor.GetUndoCount()).type;
      ASSERT_EQ(m_doc.Head(kEnglish)->attributes, head);
      m_doc.editor.RedoCommand();
      CheckModel(m_doc.model, true);
      ASSERT_TRUE(CaptureDoc(m_doc.model) == after)
          << DescribeDifference(CaptureDoc(m_doc.model), after) << " redo of type "
          << m_doc.editor.GetStep(m_doc.editor.GetUndoCount() - 1).type;
      ASSERT_EQ(m_doc.Head(kEnglish)->attributes, afterHead);
    }
  }

  DocState m_start;
  CharAttr m_startHead = 0;
  bool m_started = false;

 private:
  FormatDoc& m_doc;
  std::mt19937 m_rng;
};

class DocFormattingRandom : public ::testing::TestWithParam<unsigned> {};

TEST_P(DocFormattingRandom, UndoAllGivesTheStartAndRedoAllTheEnd) {
  FormatDoc doc;
  FormatSession session(doc, GetParam());
  session.Run(40);
  if (HasFatalFailure() || !session.m_started) return;
  DocState end = WithoutSelection(CaptureDoc(doc.model));
  CharAttr endHead = doc.Head(kEnglish)->attributes;
  while (doc.editor.UndoCommand()) {
  }
  CheckModel(doc.model, true);
  DocState undone = WithoutSelection(CaptureDoc(doc.model));
  DocState start = WithoutSelection(session.m_start);
  EXPECT_TRUE(undone == start) << DescribeDifference(undone, start);
  EXPECT_EQ(doc.Head(kEnglish)->attributes, session.m_startHead);
  while (doc.editor.RedoCommand()) {
  }
  CheckModel(doc.model, true);
  DocState redone = WithoutSelection(CaptureDoc(doc.model));
  EXPECT_TRUE(redone == end) << DescribeDifference(redone, end);
  EXPECT_EQ(doc.Head(kEnglish)->attributes, endHead);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DocFormattingRandom, ::testing::Range(1u, 101u));

}  // namespace
