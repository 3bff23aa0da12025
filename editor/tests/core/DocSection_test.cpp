#include "editor/core/DocSection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BalanceCase {
  const char* name;
  std::vector<int> heights;
  int columns;
  std::vector<int> counts;
  int tallest;
};

const BalanceCase kBalanceCases[] = {
    {"odd count: first of equal spreads", {10, 10, 10}, 2, {2, 1, 0, 0}, 20},
    {"even split", {10, 10, 10, 10}, 2, {2, 2, 0, 0}, 20},
    {"tall last line goes alone", {10, 10, 10, 40}, 2, {3, 1, 0, 0}, 40},
    {"no more lines than columns", {5, 30}, 3, {1, 1, 0, 0}, 30},
    {"three even columns", {10, 10, 10, 10, 10, 10}, 3, {2, 2, 2, 0}, 20},
    {"four columns, pattern order decides", {10, 10, 10, 10, 10}, 4, {2, 1, 1, 1}, 20},
    {"one column", {10, 20, 30}, 1, {3, 0, 0, 0}, 60},
};

class BalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(BalanceTest, Table) {
  const BalanceCase& c = GetParam();
  int counts[kMaxSectionColumns];
  int tallest =
      BalanceColumnHeights(c.heights.data(), static_cast<int>(c.heights.size()), c.columns, counts);
  EXPECT_EQ(std::vector<int>(counts, counts + kMaxSectionColumns), c.counts) << c.name;
  EXPECT_EQ(tallest, c.tallest) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, BalanceTest, ::testing::ValuesIn(kBalanceCases));

TEST(DocSectionTest, ColumnWidthsAndOffsetsFromEitherEdge) {
  DocSection section;
  section.columnCount = 3;
  section.gap = 12;
  EXPECT_EQ(section.ColumnWidth(600), 192);  // (600 - 24) / 3
  EXPECT_EQ(section.ColumnOffset(0, 600, 0), 0);
  EXPECT_EQ(section.ColumnOffset(2, 600, 0), 408);
  // The Hebrew side counts columns from the right edge.
  EXPECT_EQ(section.ColumnOffset(0, 600, 1), 408);
  EXPECT_EQ(section.ColumnOffset(2, 600, 1), 0);
}

TEST(DocSectionTest, SectionsWithoutRoomOrWithBadColumnCountsAreRefused) {
  DocSection section;
  section.gap = 10;
  for (int columns : {0, 5, -1}) {
    section.columnCount = columns;
    EXPECT_FALSE(section.IsValidFor(600)) << columns;
  }
  section.columnCount = 2;
  EXPECT_TRUE(section.IsValidFor(600));
  EXPECT_FALSE(section.IsValidFor(0));
  section.gap = 600;  // gutter as wide as the text
  EXPECT_FALSE(section.IsValidFor(600));
}

}  // namespace

#include "editor/tests/core/DocTestSupport.h"

namespace {

TEST(DocSectionLayoutTest, LinesSetInBalancedColumnsAndSplitIntoRowsAcrossPages) {
  TestDoc doc;
  std::string text;
  for (int i = 0; i < 40; i++) text += "word word\r";
  doc.Load(0, text);
  DocSection* section = new DocSection;
  section->columnCount = 2;
  section->gap = 10;
  section->first = doc.Head(0)->line;
  DocLineNode* last = section->first;
  for (int i = 0; i < 30; i++) last = last->next;
  section->last = last;
  for (DocLineNode* l = section->first;; l = l->next) {
    doc.model.JoinSection(l, section);
    if (l == last) break;
  }
  doc.model.Reformat(0, doc.Head(0), doc.model.GetLineLastChar(last));
  CheckModel(doc.model, true);

  ASSERT_EQ(section->balanced, 1u);
  // 31 lines of 19 pixels in two columns of a 240-pixel page: a full first
  // row of 24 lines (12 a column), the rest in a second row on the next page.
  ASSERT_EQ(section->rows.GetSize(), 2);
  EXPECT_EQ(section->rows[0].height, 12 * 19);
  EXPECT_EQ(section->RowOf(section->first), 0);
  EXPECT_EQ(section->ColumnOf(section->first), 0);
  DocLineNode* secondColumn = section->rows[0].columnFirst[1];
  ASSERT_NE(secondColumn, nullptr);
  EXPECT_EQ(section->ColumnOf(secondColumn), 1);
  EXPECT_EQ(secondColumn->cache.top, 0);
  EXPECT_EQ(section->IndexInColumn(secondColumn->next), 1);
  EXPECT_EQ(section->RowOf(section->last), 1);
  EXPECT_NE(section->rows[1].first->page, nullptr) << "the second row begins a page";

  RECT r = section->ColumnRect(0, 1, 240, 0, 1);
  EXPECT_EQ(r.left, 125 + 5);  // column 1 starts at gap + width, inset half a gap
  EXPECT_EQ(r.right, 240 - 5);
  EXPECT_EQ(r.bottom, 12 * 19);
  r = section->ColumnRect(0, 0, 240, 1, 0);  // Hebrew side: column 0 on the right
  EXPECT_EQ(r.left, 125);
  EXPECT_EQ(r.right, 240);
}

// Ten one-line paragraphs "p0" to "p9" on side 0.
struct ParagraphDoc : TestDoc {
  ParagraphDoc() {
    std::string text;
    for (int i = 0; i < 10; i++) text += (i ? "\rp" : "p") + std::to_string(i);
    Load(0, text);
  }
  DocLineNode* Line(int n) {
    DocLineNode* l = Head(0)->line;
    while (n-- > 0) l = l->next;
    return l;
  }
  // Per line: which of the given sections it is in (index), -1 none.
  std::vector<int> Layout(const std::vector<const DocSection*>& known) {
    std::vector<int> out;
    for (DocLineNode* l = Head(0)->line; l != nullptr; l = l->next) {
      int k = -1;
      for (size_t i = 0; i < known.size(); i++)
        if (l->section == known[i]) k = static_cast<int>(i);
      out.push_back(l->section == nullptr ? -1 : k < 0 ? 99 : k);
    }
    return out;
  }
};

void SetColumns(DocSection& s, int count) {
  s.columnCount = count;
  s.gap = 8;
  s.gapInUnit = 2.0;
  s.unit = 2;
  s.fileValue = 7;
}

TEST(DocSectionCutTest, RangesCutTheSectionsAroundThemAndASpannedOneGoesOnAsACopy) {
  ParagraphDoc doc;
  DocSection two, three;
  SetColumns(two, 2);
  SetColumns(three, 3);
  EXPECT_FALSE(doc.model.HasSections(0));
  doc.model.SetLinesSection(doc.Line(2), doc.Line(7), &two);
  EXPECT_TRUE(doc.model.HasSections(0));
  EXPECT_FALSE(doc.model.HasSections(1));
  DocSection* outer = doc.Line(2)->section;
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(doc.Layout({outer}), (std::vector<int>{-1, -1, 0, 0, 0, 0, 0, 0, -1, -1}));
  EXPECT_EQ(outer->columnCount, 2);
  EXPECT_EQ(outer->unit, 2);
  EXPECT_EQ(outer->fileValue, 7u);

  // Ordinary text in the middle: the part after it is a copy of the section.
  doc.model.SetLinesSection(doc.Line(4), doc.Line(5), nullptr);
  DocSection* tail = doc.Line(6)->section;
  ASSERT_NE(tail, nullptr);
  ASSERT_NE(tail, outer);
  EXPECT_EQ(doc.Layout({outer, tail}), (std::vector<int>{-1, -1, 0, 0, -1, -1, 1, 1, -1, -1}));
  EXPECT_EQ(outer->last, doc.Line(3));
  EXPECT_EQ(tail->first, doc.Line(6));
  EXPECT_EQ(tail->last, doc.Line(7));
  EXPECT_EQ(tail->gapInUnit, 2.0);

  // Over both ends: each is cut back, and the range is a section of its own.
  doc.model.SetLinesSection(doc.Line(3), doc.Line(6), &three);
  DocSection* middle = doc.Line(3)->section;
  EXPECT_EQ(doc.Layout({outer, tail, middle}),
            (std::vector<int>{-1, -1, 0, 2, 2, 2, 2, 1, -1, -1}));
  EXPECT_EQ(outer->last, doc.Line(2));
  EXPECT_EQ(tail->first, doc.Line(7));

  // Covering whole sections removes them.
  doc.model.SetLinesSection(doc.Line(0), doc.Line(9), nullptr);
  EXPECT_EQ(doc.Layout({}), std::vector<int>(10, -1));
  EXPECT_FALSE(doc.model.HasSections(0));
  doc.model.ReformatSide(0);
  CheckModel(doc.model, true);
}

TEST(DocSectionCutTest, APageBreakInTheRangeBeginsAFurtherSection) {
  TestDoc doc;
  doc.Load(0, "one\rtwo\fthree\rfour");
  DocSection two;
  SetColumns(two, 2);
  DocLineNode* first = doc.Head(0)->line;
  DocLineNode* last = first;
  while (last->next != nullptr) last = last->next;
  doc.model.SetLinesSection(first, last, &two);
  DocLineNode* pageBreakLine = first->next->next;
  ASSERT_EQ(pageBreakLine->first->letter, kLetterPageBreak);
  EXPECT_EQ(first->section->last, first->next);
  EXPECT_NE(pageBreakLine->section, first->section);
  EXPECT_EQ(pageBreakLine->section->first, pageBreakLine);
  EXPECT_EQ(pageBreakLine->section->last, last);
  doc.model.ReformatSide(0);
  CheckModel(doc.model, true);
}

}  // namespace
