// Random edit sequences: after every edit the node structure holds together,
// and after every relayout it equals a fresh layout of the same text.
#include <random>

#include "editor/tests/core/DocTestSupport.h"

namespace {

const char kAlphabet[] = "abcdefghij klmnopqrst uvwxyz-  \t";

class RandomEditor {
 public:
  RandomEditor(TestDoc& doc, unsigned seed) : m_doc(doc), m_model(doc.model), m_rng(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

  BYTE RandomLetter() {
    int r = Pick(100);
    if (r < 4) return kLetterLineBreak;
    if (r < 6) return kLetterPageBreak;
    return static_cast<BYTE>(kAlphabet[Pick(sizeof(kAlphabet) - 1)]);
  }

  DocCharNode* RandomNode(int side, bool allowHead) {
    std::vector<DocCharNode*> chars = SideChars(m_model, side);
    if (!allowHead && chars.size() == 1) return nullptr;
    return allowHead ? chars[Pick(static_cast<int>(chars.size()))]
                     : chars[1 + Pick(static_cast<int>(chars.size()) - 1)];
  }

  // Typing a run of characters: each goes in with its own line and page
  // bookkeeping, and the run is laid out once.
  void InsertRun(int side) {
    DocCharNode* after = RandomNode(side, true);
    DocCharNode* first = nullptr;
    int count = 1 + (Pick(4) == 0 ? Pick(60) : 0);
    for (int i = 0; i < count; i++) {
      if (Pick(10) == 0) {
        // Now and then a bigger font, for lines of mixed heights.
        WORD sizeIndex = m_model.FindOrAddFontSize(side, static_cast<WORD>(8 + 4 * Pick(6)));
        m_model.SetPendingAttributes(SetAttrField(after->attributes, CharAttrBits::kSizeShift,
                                                  CharAttrBits::kSizeMask, sizeIndex));
      }
      after = m_model.InsertCharAfter(after, RandomLetter(), 0);
      ASSERT_NE(after, nullptr);
      m_model.MeasureCharNode(after, side);
      if (first == nullptr) first = after;
      CheckModel(m_model, false);
      if (::testing::Test::HasFatalFailure()) return;
    }
    m_model.Reformat(side, first, after);
  }

  // Deleting as Backspace does: a break first merges its line (and page).
  void DeleteChar(int side, DocCharNode* node) {
    DocLineNode* line = node->line;
    if (line != nullptr && IsBreakLetter(node->letter) && Pick(8) != 0) {
      if (node->letter == kLetterPageBreak && line->page != nullptr) {
        CPageLayout* layout = m_model.GetPageLayout(line->page);
        m_model.DeletePage(line->page, TRUE);
        m_model.DeleteLayout(side, layout);
      }
      m_model.DeleteLine(line, TRUE);
    }
    m_model.UnlinkCharNode(node);
  }

  void DeleteRun(int side) {
    DocCharNode* node = RandomNode(side, false);
    if (node == nullptr) return;
    DocCharNode* before = node->prev;
    // Caret and anchor anywhere: deleting under them must not leave them
    // dangling.
    m_model.Side(side).caret = RandomNode(side, true);
    m_model.Side(side).anchor = Pick(2) ? RandomNode(side, true) : nullptr;
    int count = 1 + (Pick(4) == 0 ? Pick(40) : 0);
    for (int i = 0; i < count && before->next != nullptr; i++) {
      DeleteChar(side, before->next);
      CheckModel(m_model, false);
      if (::testing::Test::HasFatalFailure()) return;
    }
    m_model.Reformat(side, before, before->next);
  }

  void ChangeSize(int side) {
    DocCharNode* node = RandomNode(side, false);
    if (node == nullptr) return;
    WORD sizeIndex = m_model.FindOrAddFontSize(side, static_cast<WORD>(6 + 6 * Pick(8)));
    node->attributes = SetAttrField(node->attributes, CharAttrBits::kSizeShift,
                                    CharAttrBits::kSizeMask, sizeIndex);
    m_model.MeasureCharNode(node, side);
    m_model.Reformat(side, node, node);
  }

  // Sets a run of whole paragraphs in two to four columns, as the column
  // command does.
  void MakeSection(int side) {
    std::vector<DocLineNode*> starts;
    for (DocLineNode* l = m_model.GetHead(side)->line; l != nullptr; l = l->next)
      if (l->section == nullptr && (l->prev == nullptr || l->first->letter == kLetterLineBreak))
        starts.push_back(l);
    if (starts.empty()) return;
    DocLineNode* first = starts[Pick(static_cast<int>(starts.size()))];
    DocLineNode* last = first;
    for (int n = Pick(12); n > 0 && last->next != nullptr && last->next->section == nullptr &&
                           last->next->first->letter != kLetterPageBreak;
         n--)
      last = last->next;
    DocSection* section = new DocSection;
    section->columnCount = 2 + Pick(3);
    section->gap = 8;
    section->first = first;
    section->last = last;
    for (DocLineNode* l = first;; l = l->next) {
      m_model.JoinSection(l, section);
      if (l == last) break;
    }
    m_model.Reformat(side, first->first, m_model.GetLineLastChar(last));
  }

  void Step() {
    int side = m_side >= 0 ? m_side : Pick(2);
    int op = Pick(m_withSections ? 11 : 10);
    if (op < 5)
      InsertRun(side);
    else if (op < 9)
      DeleteRun(side);
    else if (op < 10)
      ChangeSize(side);
    else
      MakeSection(side);
  }

  bool m_withSections = false;
  int m_side = -1;  // the side edited, -1 for either

 private:
  TestDoc& m_doc;
  DocTextModel& m_model;
  std::mt19937 m_rng;
};

// The same text, attributes and line formats loaded afresh and laid out.
void ExpectSameAsFreshLayout(TestDoc& doc) {
  TestDoc fresh;
  fresh.model.GetStyleTables().fontSizes.Copy(doc.model.GetStyleTables().fontSizes);
  for (int side = 0; side < kDocSideCount; side++) {
    fresh.model.SetBulkInsert(TRUE);
    DocCharNode* after = fresh.Head(side);
    for (DocCharNode* c = doc.Head(side)->next; c != nullptr; c = c->next) {
      fresh.model.SetPendingAttributes(c->attributes);
      after = fresh.model.InsertCharAfter(after, c->letter, c->point);
      fresh.model.MeasureCharNode(after, side);
    }
    fresh.model.SetBulkInsert(FALSE);
    // Paragraph formats live in lines; the fresh lines copy the first one's.
    fresh.Head(side)->line->format = doc.Head(side)->line->format;
    fresh.model.ReformatSide(side);
    SideLayoutDump expected = DumpLayout(fresh.model, side);
    SideLayoutDump actual = DumpLayout(doc.model, side);
    EXPECT_EQ(actual.lineStarts, expected.lineStarts) << "side " << side;
    EXPECT_EQ(actual.lineLasts, expected.lineLasts) << "side " << side;
    EXPECT_EQ(actual.tops, expected.tops) << "side " << side;
    EXPECT_EQ(actual.heights, expected.heights) << "side " << side;
    EXPECT_EQ(actual.widths, expected.widths) << "side " << side;
    EXPECT_EQ(actual.lineLayouts, expected.lineLayouts) << "side " << side;
    EXPECT_EQ(actual.pageStarts, expected.pageStarts) << "side " << side;
    EXPECT_TRUE(actual.layoutRects == expected.layoutRects) << "side " << side;
  }
}

long long LineIndex(TestDoc& doc, int side, const DocLineNode* line) {
  long long index = 0;
  for (const DocLineNode* l = doc.Head(side)->line; l != nullptr && l != line; l = l->next) index++;
  return index;
}

// A side's section rows: for each row its first and last line, lines, the
// heights of its lines and its own height.
std::vector<std::vector<long long>> DumpRows(TestDoc& doc, int side) {
  std::vector<std::vector<long long>> rows;
  for (DocLineNode* l = doc.Head(side)->line; l != nullptr; l = l->next) {
    if (l->section == nullptr || l->section->first != l) continue;
    for (int r = 0; r < l->section->rows.GetSize(); r++) {
      const CLayoutRow& row = l->section->rows[r];
      rows.push_back({LineIndex(doc, side, row.first), LineIndex(doc, side, row.last),
                      row.lineCount, row.lineHeights, row.height});
    }
  }
  return rows;
}

// Every line laid out again from the start of each side must land where the
// incremental relayouts put it, and the sections' rows must be the same.
void ExpectStableUnderFullRelayout(TestDoc& doc) {
  for (int side = 0; side < kDocSideCount; side++) {
    std::vector<std::vector<long long>> rowsBefore = DumpRows(doc, side);
    SideLayoutDump before = DumpLayout(doc.model, side);
    for (DocLineNode* l = doc.Head(side)->line; l != nullptr; l = l->next)
      l->cache = DocLineCache();
    doc.model.ReformatSide(side);
    SideLayoutDump after = DumpLayout(doc.model, side);
    EXPECT_EQ(before.lineStarts, after.lineStarts) << "side " << side;
    EXPECT_EQ(before.lineLasts, after.lineLasts) << "side " << side;
    EXPECT_EQ(before.tops, after.tops) << "side " << side;
    EXPECT_EQ(before.heights, after.heights) << "side " << side;
    EXPECT_EQ(before.widths, after.widths) << "side " << side;
    EXPECT_EQ(before.lineLayouts, after.lineLayouts) << "side " << side;
    EXPECT_EQ(before.pageStarts, after.pageStarts) << "side " << side;
    EXPECT_EQ(rowsBefore, DumpRows(doc, side)) << "side " << side;
  }
}

class RandomEditTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomEditTest, StructureHoldsAndRelayoutEqualsFreshLayout) {
  TestDoc doc;
  RandomEditor editor(doc, GetParam());
  for (int step = 0; step < 200; step++) {
    SCOPED_TRACE("step " + std::to_string(step));
    editor.Step();
    if (HasFatalFailure()) return;
    CheckModel(doc.model, true);
    if (HasFatalFailure()) return;
    if (step % 10 == 9) {
      ExpectSameAsFreshLayout(doc);
      if (HasFailure()) return;
    }
  }
  ExpectSameAsFreshLayout(doc);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditTest, ::testing::Range(1u, 13u));

class RandomSectionEditTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSectionEditTest, ColumnsStayBalancedAndStableUnderFullRelayout) {
  TestDoc doc;
  RandomEditor editor(doc, GetParam());
  editor.m_withSections = true;
  for (int step = 0; step < 200; step++) {
    SCOPED_TRACE("step " + std::to_string(step));
    editor.Step();
    if (HasFatalFailure()) return;
    CheckModel(doc.model, true);
    if (HasFatalFailure()) return;
    if (step % 10 == 9) {
      ExpectStableUnderFullRelayout(doc);
      if (HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSectionEditTest, ::testing::Range(100u, 108u));

class RandomLongSectionEditTest : public ::testing::TestWithParam<unsigned> {};

// Edits all over a section many pages long: the rows that end well before an
// edit are passed without their lines, and must stand where a full relayout
// puts them.
TEST_P(RandomLongSectionEditTest, RowsPassedBeforeTheEditStandUnderFullRelayout) {
  TestDoc doc;
  std::string text;
  for (int i = 0; i < 400; i++) text += i % 3 == 0 ? "a longer line of several words\r" : "word\r";
  doc.Load(0, text);
  DocLineNode* first = doc.Head(0)->line;
  for (int i = 0; i < 7; i++) first = first->next;
  DocSection* section = new DocSection;
  section->columnCount = 2 + static_cast<int>(GetParam() % 3);
  section->gap = 8;
  section->first = section->last = first;
  for (DocLineNode* l = first; l->next != nullptr; l = l->next) {
    doc.model.JoinSection(l, section);
    section->last = l;
  }
  doc.model.Reformat(0, first->first, doc.model.GetLineLastChar(section->last));
  ASSERT_GT(section->rows.GetSize(), 12);

  RandomEditor editor(doc, GetParam());
  editor.m_side = 0;
  for (int step = 0; step < 120; step++) {
    SCOPED_TRACE("step " + std::to_string(step));
    editor.Step();
    if (HasFatalFailure()) return;
    CheckModel(doc.model, true);
    if (HasFatalFailure()) return;
    if (step % 6 == 5) {
      ExpectStableUnderFullRelayout(doc);
      if (HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLongSectionEditTest, ::testing::Range(200u, 206u));

}  // namespace
