#include <gtest/gtest.h>

#include "editor/tests/core/DocTestSupport.h"

namespace {

TEST(DocCharPoolTest, BlocksOfAHundredAndAllocatedNodesFoundAgain) {
  DocCharPool pool;
  DocCharNode* first = pool.Alloc();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(pool.GetBlockCount(), 1);
  EXPECT_EQ(pool.GetAllocatedCount(), 1);
  EXPECT_EQ(pool.GetFreeCount(), 99);
  for (int i = 1; i < 100; i++) pool.Alloc();
  EXPECT_EQ(pool.GetBlockCount(), 1);
  pool.Alloc();  // the 101st
  EXPECT_EQ(pool.GetBlockCount(), 2);

  DocCharNode foreign = {};
  EXPECT_FALSE(pool.Free(&foreign));
  EXPECT_TRUE(pool.Free(first));
  EXPECT_FALSE(pool.Free(first)) << "a node is taken back once";
  EXPECT_EQ(pool.GetAllocatedCount(), 100);
}

TEST(DocCharPoolTest, PreallocatedBlockIsUsedFromItsEndBackwards) {
  DocCharPool pool;
  pool.Alloc();
  ASSERT_TRUE(pool.Prealloc(5));
  EXPECT_EQ(pool.GetBlockCount(), 2);
  DocCharNode* previous = nullptr;
  for (int i = 0; i < 5; i++) {
    DocCharNode* node = pool.Alloc();
    if (previous != nullptr) {
      EXPECT_EQ(node, previous - 1);
    }
    previous = node;
  }
  EXPECT_EQ(pool.GetBlockCount(), 2);
  pool.Alloc();
  EXPECT_EQ(pool.GetBlockCount(), 3);
}

TEST(DocTextModelTest, NewSidesHaveOneEmptyLineAndPage) {
  TestDoc doc;
  CheckModel(doc.model, true);
  for (int side = 0; side < kDocSideCount; side++) {
    EXPECT_EQ(doc.model.GetPageCount(side), 1);
    EXPECT_TRUE(doc.model.IsLineEmpty(doc.Head(side)->line));
    EXPECT_EQ(doc.model.GetLineAlign(doc.Head(side)->line), static_cast<UINT>(side));
    EXPECT_EQ(doc.model.Side(side).caret, doc.Head(side));
  }
}

TEST(DocTextModelTest, LineBreakAtTheEndBeginsANewLine) {
  TestDoc doc;
  DocCharNode* a = doc.Type(1, doc.Head(1), "ab");
  DocCharNode* br = doc.model.InsertCharAfter(a, kLetterLineBreak, 0);
  ASSERT_NE(br->line, nullptr);
  EXPECT_EQ(br->line->first, br);
  EXPECT_EQ(doc.Head(1)->line->last, a);
  EXPECT_EQ(doc.model.GetPageCount(1), 1);
  CheckModel(doc.model, false);
}

TEST(DocTextModelTest, PageBreakAtTheEndBeginsAPageWithACopiedLayout) {
  TestDoc doc;
  CPageLayout* first = doc.model.GetFirstLayout(1);
  first->settings.topMargin = 300;
  doc.model.ComputeLayoutMetrics(*first);
  DocCharNode* a = doc.Type(1, doc.Head(1), "ab");
  DocCharNode* pb = doc.model.InsertCharAfter(a, kLetterPageBreak, 0);
  ASSERT_NE(pb->line, nullptr);
  EXPECT_NE(pb->line->page, nullptr);
  EXPECT_EQ(doc.model.GetPageCount(1), 2);
  ASSERT_NE(first->next, nullptr);
  EXPECT_TRUE(*first->next == *first);
  CheckModel(doc.model, false);
}

TEST(DocTextModelTest, MergingNeverDeletesTheFirstLineOrPage) {
  TestDoc doc;
  DocLineNode* line = doc.Head(0)->line;
  EXPECT_EQ(doc.model.DeleteLine(line, TRUE), line);
  DocPageNode* page = line->page;
  EXPECT_EQ(doc.model.DeletePage(page, TRUE), page);
  CheckModel(doc.model, true);
}

TEST(DocTextModelTest, PositionsCompareInTextOrder) {
  TestDoc doc;
  doc.Load(0, "one two three four five six seven eight nine ten\releven twelve\x0cthirteen");
  std::vector<DocCharNode*> chars = SideChars(doc.model, 0);
  EXPECT_EQ(doc.model.CompareNodes(chars[5], chars[5]), 0);
  for (size_t i = 1; i < chars.size(); i++) {
    EXPECT_EQ(doc.model.CompareNodes(doc.Head(0), chars[i]), -1);
    EXPECT_EQ(doc.model.CompareNodes(chars[i], doc.Head(0)), 1);
    EXPECT_EQ(doc.model.CompareNodes(chars[i - 1], chars[i]), -1) << i;
  }
  EXPECT_EQ(doc.model.GetSidePageCount(chars.back()), 2);
  EXPECT_EQ(doc.model.GetCharPageIndex(chars.back()), 1);
}

TEST(DocTextModelTest, UnlinkingTheFirstCharacterOfAWrappedLineKeepsTheLine) {
  TestDoc doc;
  doc.Load(0, "aaaa bbbb cccc dddd eeee ffff gggg hhhh");
  DocLineNode* second = doc.Head(0)->line->next;
  ASSERT_NE(second, nullptr);
  DocCharNode* first = second->first;
  DocCharNode* next = first->next;
  doc.model.UnlinkCharNode(first);
  EXPECT_EQ(second->first, next);
  CheckModel(doc.model, false);
  doc.model.Reformat(0, next->prev, next);
  CheckModel(doc.model, true);
}

// A line taller than the page's text area stays on the page it begins, and
// the flow goes on with the next page.
void ExpectTallLinesBeginPages(TestDoc& doc, int side) {
  int textHeight = doc.model.GetFirstLayout(side)->textRect.Height();
  int tall = 0;
  for (DocLineNode* l = doc.Head(side)->line->next; l != nullptr; l = l->next) {
    if (l->cache.height <= textHeight) continue;
    tall++;
    EXPECT_NE(l->page, nullptr) << "a tall line begins its page";
    if (l->next != nullptr) {
      EXPECT_NE(l->next->page, nullptr) << "and has it to itself";
    }
  }
  EXPECT_GT(tall, 0);
}

TEST(DocTextModelTest, LinesTallerThanThePageEachKeepAPage) {
  TestDoc typed;
  WORD huge = typed.model.FindOrAddFontSize(0, 400);  // over 500 pixels high
  typed.model.SetPendingAttributes(SetAttrField(typed.Head(0)->attributes, CharAttrBits::kSizeShift,
                                                CharAttrBits::kSizeMask, huge));
  DocCharNode* big = typed.Type(0, typed.Head(0), "A");
  ASSERT_GT(big->height, typed.model.GetFirstLayout(0)->textRect.Height());
  typed.Type(0, big, "\rB\rC");
  CheckModel(typed.model, true);
  ExpectTallLinesBeginPages(typed, 0);

  TestDoc loaded;
  WORD size = loaded.model.FindOrAddFontSize(0, 400);
  loaded.model.SetPendingAttributes(
      SetAttrField(0, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, size));
  loaded.Load(0, "A\rA\rA\rA");
  CheckModel(loaded.model, true);
  ExpectTallLinesBeginPages(loaded, 0);
}

TEST(DocTextModelTest, TypingIntoAFullPageFlowsTheLastLineOnward) {
  TestDoc doc;
  std::string text;
  for (int i = 0; i < 12; i++) text += "line\r";
  doc.Load(1, text);
  int pages = doc.model.GetPageCount(1);
  DocCharNode* c = doc.Head(1)->next;
  for (int i = 0; i < 15; i++) c = doc.Type(1, c, "\r");
  CheckModel(doc.model, true);
  EXPECT_GT(doc.model.GetPageCount(1), pages);
  EXPECT_GT(doc.ui.scrollCalls, 0);
  // Taking the breaks out again gives the pages back.
  for (int i = 0; i < 15; i++) {
    DocCharNode* br = c;
    c = br->prev;
    doc.model.DeleteLine(br->line, TRUE);
    doc.model.UnlinkCharNode(br);
    doc.model.Reformat(1, c, c->next);
  }
  CheckModel(doc.model, true);
  EXPECT_EQ(doc.model.GetPageCount(1), pages);
}

// A paragraph that gains or loses a line moves every later line across a
// page boundary: where the pages fit text alike, the moved lines keep their
// breaks and are not fitted again; where they do not, they are.
TEST(DocTextModelTest, LinesMovedOntoPagesThatFitAlikeAreNotFittedAgain) {
  constexpr int kLines = 120;  // ten small pages of one-line paragraphs
  struct Case {
    const char* name;
    WORD oddPageWidth;  // in the page unit
    int maxFitted;      // lines fitted afresh when the line comes and when it goes
  };
  const Case cases[] = {{"pages alike", SmallPage().width, 3},
                        {"every other page narrower", 2500, kLines}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestDoc doc;
    std::string text;
    for (int i = 0; i < kLines; i++) text += "ab cd\r";
    doc.Load(0, text);
    CPageLayout narrow;
    narrow.settings = SmallPage();
    narrow.settings.width = c.oddPageWidth;
    narrow.tabInterval = 500;
    for (int page = 1; page < doc.model.GetPageCount(0); page += 2)
      ASSERT_TRUE(doc.model.ApplyPageSettingsRange(0, narrow, 0, page));
    DocCharNode* sideEnd = SideChars(doc.model, 0).back();

    DocCharNode* br = doc.Type(0, SideChars(doc.model, 0)[3], "\r");
    CheckModel(doc.model, true);
    EXPECT_EQ(doc.model.GetRepaintLast(), sideEnd) << "every later line moved";
    int fittedAdding = doc.model.GetLinesFitted();

    DocCharNode* before = br->prev;
    doc.model.DeleteLine(br->line, TRUE);
    doc.model.UnlinkCharNode(br);
    doc.model.Reformat(0, before, before->next);
    CheckModel(doc.model, true);
    EXPECT_EQ(doc.model.GetRepaintLast(), sideEnd) << "every later line moved back";
    int fittedDropping = doc.model.GetLinesFitted();

    EXPECT_LE(fittedAdding, c.maxFitted);
    EXPECT_LE(fittedDropping, c.maxFitted);
    if (c.oddPageWidth != SmallPage().width) {
      // A line that crosses onto a page of another width is fitted to it.
      int boundaries = doc.model.GetPageCount(0) - 1;
      EXPECT_GE(fittedAdding, boundaries);
      EXPECT_GE(fittedDropping, boundaries);
    }
  }
}

TEST(DocTextModelTest, RepaintRangeCoversTheChangedLines) {
  TestDoc doc;
  doc.Load(0, "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii");
  DocCharNode* c = SideChars(doc.model, 0)[3];
  DocCharNode* x = doc.model.InsertCharAfter(c, 'x', 0);
  doc.model.MeasureCharNode(x, 0);
  doc.model.Reformat(0, x, x);
  ASSERT_NE(doc.model.GetRepaintFirst(), nullptr);
  EXPECT_LE(doc.model.CompareNodes(doc.model.GetRepaintFirst(), x), 0);
  EXPECT_GE(doc.model.CompareNodes(doc.model.GetRepaintLast(), x), 0);
  // A node that goes away leaves no dangling repaint end behind.
  doc.model.SetRepaintRange(x, x);
  doc.model.UnlinkCharNode(x);
  EXPECT_EQ(doc.model.GetRepaintFirst(), c);
  EXPECT_EQ(doc.model.GetRepaintLast(), c);
}

}  // namespace
