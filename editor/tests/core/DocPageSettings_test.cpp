#include <gtest/gtest.h>

#include "editor/tests/core/DocTestSupport.h"

namespace {

// Both sides with three pages, split by page breaks.
struct ThreePageDoc : TestDoc {
  ThreePageDoc() {
    Load(0, "one\x0ctwo\x0cthree");
    Load(1, "one\x0ctwo\x0cthree");
  }
  CPageLayout Settings(WORD paper, WORD length, WORD width, WORD orientation = 1) {
    CPageLayout layout;
    layout.settings = SmallPage();
    layout.settings.paperCode = paper;
    layout.settings.length = length;
    layout.settings.width = width;
    layout.settings.orientation = orientation;
    layout.tabInterval = 500;
    return layout;
  }
};

TEST(DocPageSettingsTest, ScopeZeroChangesOnePageAndTheOtherSideOnlyWhenSizesDiffer) {
  ThreePageDoc doc;
  ASSERT_EQ(doc.model.GetPageCount(0), 3);
  // Same custom length: the other side keeps its own page.
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(1, doc.Settings(0, 3000, 4000), 0, 2));
  EXPECT_EQ(doc.model.GetNthLayout(1, 2)->settings.width, 4000);
  EXPECT_EQ(doc.model.GetNthLayout(1, 1)->settings.width, 3000);
  EXPECT_EQ(doc.model.GetNthLayout(0, 2)->settings.width, 3000);
  // Another length: the other side's page follows.
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(1, doc.Settings(0, 5000, 4000), 0, 2));
  EXPECT_EQ(doc.model.GetNthLayout(0, 2)->settings.length, 5000);
  EXPECT_EQ(doc.model.GetNthLayout(0, 1)->settings.length, 3000);
  EXPECT_EQ(doc.ui.redraws, 2);
  EXPECT_EQ(doc.ui.modified, 2);
  CheckModel(doc.model, true);
}

TEST(DocPageSettingsTest, ScopeOneAndTwoAlsoSetTheSideDefault) {
  ThreePageDoc doc;
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(0, doc.Settings(0, 3000, 3500), 1, 1));
  EXPECT_EQ(doc.model.GetNthLayout(0, 0)->settings.width, 3000);
  EXPECT_EQ(doc.model.GetNthLayout(0, 1)->settings.width, 3500);
  EXPECT_EQ(doc.model.GetNthLayout(0, 2)->settings.width, 3500);
  EXPECT_EQ(doc.model.Side(0).defaultLayout.settings.width, 3500);
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(0, doc.Settings(0, 3000, 3200), 2, 0));
  for (int i = 0; i < 3; i++) EXPECT_EQ(doc.model.GetNthLayout(0, i)->settings.width, 3200);
  CheckModel(doc.model, true);
}

TEST(DocPageSettingsTest, SettingsWithoutRoomForTextAreRefused) {
  ThreePageDoc doc;
  CPageLayout bad = doc.Settings(0, 3000, 3000);
  bad.settings.leftMargin = 2000;
  bad.settings.rightMargin = 1500;
  EXPECT_FALSE(doc.model.ApplyPageSettingsRange(0, bad, 2, 0));
  EXPECT_EQ(doc.model.GetNthLayout(0, 0)->settings.leftMargin, 250);
  EXPECT_FALSE(doc.model.SetSideDefaultLayout(0, bad.settings, 500, bad.tabStops));
  EXPECT_EQ(doc.model.Side(0).defaultLayout.settings.leftMargin, 250);

  CArray<CPageLayout*, CPageLayout*> sheet;
  sheet.Add(&bad);
  EXPECT_FALSE(doc.model.ApplyPageSettings(0, doc.Settings(0, 3000, 3000), sheet));
  EXPECT_EQ(doc.ui.redraws, 0);
}

TEST(DocPageSettingsTest, SheetLayoutsApplyPageByPage) {
  ThreePageDoc doc;
  CPageLayout a = doc.Settings(0, 3000, 3000), b = doc.Settings(0, 3000, 3600, 2),
              c = doc.Settings(0, 3000, 3000);
  CArray<CPageLayout*, CPageLayout*> sheet;
  sheet.Add(&a);
  sheet.Add(&b);
  sheet.Add(&c);
  ASSERT_TRUE(doc.model.ApplyPageSettings(0, a, sheet));
  EXPECT_EQ(doc.model.GetNthLayout(0, 1)->settings.orientation, 2);
  EXPECT_EQ(doc.model.GetNthLayout(1, 1)->settings.orientation, 2) << "the other side follows";
  EXPECT_EQ(doc.model.GetPageOrientation(1), 2);
  EXPECT_EQ(doc.model.GetPageOrientation(0), 1);
  EXPECT_EQ(doc.model.GetOrientationSummary(), 2);
  EXPECT_EQ(doc.ui.redraws, 1);
  CheckModel(doc.model, true);
}

TEST(DocPageSettingsTest, PageSizesDifferBetweenConsecutivePages) {
  ThreePageDoc doc;
  EXPECT_FALSE(doc.model.PageSizesDiffer(-1, -1));
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(0, doc.Settings(9, 3000, 3000), 0, 2));
  EXPECT_TRUE(doc.model.PageSizesDiffer(-1, -1));
  EXPECT_FALSE(doc.model.PageSizesDiffer(0, 1));
  EXPECT_TRUE(doc.model.PageSizesDiffer(1, 2));
}

TEST(DocPageSettingsTest, PageRectanglesUnionAndScrollSizes) {
  ThreePageDoc doc;
  doc.model.SetPageSpacing(20, 10);
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(1, doc.Settings(0, 4000, 3000), 0, 1));
  CRect rect = doc.model.GetPageRect(1);
  EXPECT_EQ(rect, CRect(24, 24, 264, 360));
  EXPECT_EQ(doc.model.GetDocumentHeight(), 240 + 10 + 336 + 10 + 240 + 10);
  doc.model.UpdatePageUnion();
  doc.model.UpdateScrollSizes();
  EXPECT_EQ(doc.ui.scrollTotal, CSize(240 + 20, 240 + 10 + 336 + 10 + 240 + 10));
  int calls = doc.ui.scrollCalls;
  doc.model.UpdateScrollSizes();
  EXPECT_EQ(doc.ui.scrollCalls, calls) << "unchanged sizes are not set again";
}

TEST(DocPageSettingsTest, StoredSettingsWithoutTextRoomGiveWayToTheStandardPage) {
  PageSettingsRec bad = SmallPage();
  bad.topMargin = 2000;
  bad.bottomMargin = 2000;
  TestDoc doc(bad);
  EXPECT_TRUE(doc.model.GetFirstLayout(0)->HasTextArea());
  EXPECT_EQ(doc.model.Side(0).defaultLayout.settings.length, 11000);
  doc.Load(0, "text that flows onto pages");
  CheckModel(doc.model, true);
}

}  // namespace

// Lines flowing between pages of different text widths.
namespace {

struct WidthChange {
  int scope;
  int page;
  WORD leftMargin;
};

// Every line breaks where a fit to its own page's width breaks it.
void ExpectLinesFitTheirPages(DocTextModel& model, int side) {
  int index = 0;
  for (DocLineNode* l = model.GetHead(side)->line; l != nullptr; l = l->next, index++) {
    DocPageNode* page = model.GetLinePage(l);
    int width;
    DocCharNode* brk = model.FindLineBreak(l, *model.GetPageLayout(page), width, 0);
    EXPECT_EQ(brk, l->next != nullptr ? l->next->first : nullptr) << "line " << index;
    EXPECT_EQ(l->cache.width, width) << "line " << index;
    EXPECT_EQ(l->cache.layout, model.GetPageLayout(page)) << "line " << index;
  }
}

class PageWidthFlowTest : public ::testing::TestWithParam<WidthChange> {};

TEST_P(PageWidthFlowTest, LinesMovingToAnotherPageAreRefittedToIt) {
  const WidthChange& change = GetParam();
  TestDoc doc;
  std::string words;
  for (int i = 0; i < 300; i++) words += i % 3 == 0 ? "alpha " : "be ";
  doc.Load(0, words);
  ASSERT_GE(doc.model.GetPageCount(0), 3);

  CPageLayout narrow;
  narrow.settings = SmallPage();
  narrow.settings.leftMargin = change.leftMargin;
  narrow.tabInterval = 500;
  ASSERT_TRUE(doc.model.ApplyPageSettingsRange(0, narrow, change.scope, change.page));
  int neighbour = change.page == 0 ? 1 : change.page - 1;
  ASSERT_NE(doc.model.GetNthLayout(0, change.page)->textRect.Width(),
            doc.model.GetNthLayout(0, neighbour)->textRect.Width());
  CheckModel(doc.model, true);
  ExpectLinesFitTheirPages(doc.model, 0);

  // Typing at the start pushes lines over the page boundaries.
  doc.Type(0, doc.Head(0), "gamma delta epsilon zeta eta theta iota kappa ");
  CheckModel(doc.model, true);
  ExpectLinesFitTheirPages(doc.model, 0);

  // Deleting it pulls them back.
  for (int i = 0; i < 40; i++) {
    DocCharNode* node = doc.Head(0)->next;
    doc.model.UnlinkCharNode(node);
    doc.model.Reformat(0, doc.Head(0), doc.Head(0)->next);
  }
  CheckModel(doc.model, true);
  ExpectLinesFitTheirPages(doc.model, 0);
}

INSTANTIATE_TEST_SUITE_P(Changes, PageWidthFlowTest,
                         ::testing::Values(WidthChange{0, 1, 1000}, WidthChange{1, 1, 1000},
                                           WidthChange{0, 0, 1000}, WidthChange{1, 2, 1000}));

}  // namespace
