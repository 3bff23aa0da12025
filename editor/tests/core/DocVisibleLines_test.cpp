#include "editor/core/DocVisibleLines.h"

#include <gtest/gtest.h>

#include "editor/tests/core/DocViewTestSupport.h"

namespace {

int Area(const CRect& r) { return r.IsRectEmpty() ? 0 : r.Width() * r.Height(); }

// The gaps and the parts of the lines inside the area tile it exactly.
void ExpectGapsTile(const DocVisibleLines& cache, int side, const CRect& area) {
  std::vector<CRect> gaps = cache.GapsAround(side, area);
  int covered = 0;
  for (const CRect& gap : gaps) {
    covered += Area(gap);
    for (const DocVisibleLine& l : cache.Lines(side)) {
      CRect meet;
      EXPECT_FALSE(meet.IntersectRect(&gap, &l.rect)) << "a gap wipes a line at " << l.rect.top;
    }
  }
  for (const DocVisibleLine& l : cache.Lines(side)) {
    CRect meet;
    meet.IntersectRect(&l.rect, &area);
    covered += Area(meet);
  }
  EXPECT_EQ(covered, Area(area));
}

struct VisibleLinesTest : ::testing::Test, ViewDoc {
  VisibleLinesTest() {
    std::string text;
    for (int i = 0; i < 8; i++) text += "p" + std::to_string(i) + " some text\r";
    LoadSides(text, "ab cd\refgh");
  }
  DocVisibleLines cache;
};

TEST_F(VisibleLinesTest, TheCacheHoldsTheLinesInTheClientArea) {
  int lineHeight = Line(kEnglish, 0)->cache.height;
  int textTop = pages.GetPageTop(0, kEnglish);
  cache.Rebuild(model, pages, CRect(0, 0, 400, textTop + 3 * lineHeight));
  ASSERT_EQ(cache.Lines(kEnglish).size(), 3u);
  EXPECT_EQ(cache.Lines(kEnglish)[2].line, Line(kEnglish, 2));
  EXPECT_EQ(cache.Lines(kEnglish)[2].row, 2);
  EXPECT_EQ(cache.Lines(kHebrew).size(), 2u);
  // Scrolled below the text: nothing.
  cache.Rebuild(model, pages, CRect(0, 5000, 400, 5100));
  EXPECT_TRUE(cache.Lines(kEnglish).empty());
}

TEST_F(VisibleLinesTest, GapsLeaveEveryLineAlone) {
  cache.Rebuild(model, pages, CRect(0, 0, 400, 400));
  for (int side : {kEnglish, kHebrew}) {
    SCOPED_TRACE(side);
    ExpectGapsTile(cache, side, CRect(0, 0, 400, 400));
    ExpectGapsTile(cache, side, CRect(30, 20, 90, 60));
  }
}

TEST_F(VisibleLinesTest, ColumnLinesSideBySideAreSortedAndSpared) {
  DocSection two;
  two.columnCount = 2;
  two.gap = 8;
  model.SetLinesSection(Line(kEnglish, 0), Line(kEnglish, 7), &two);
  model.ReformatSide(kEnglish);
  cache.Rebuild(model, pages, CRect(0, 0, 400, 400));
  const std::vector<DocVisibleLine>& lines = cache.Lines(kEnglish);
  ASSERT_EQ(static_cast<int>(lines.size()), model.GetLineCount(kEnglish));
  int sideBySide = 0;
  for (size_t i = 1; i < lines.size(); i++) {
    EXPECT_LE(lines[i - 1].rect.top, lines[i].rect.top);
    if (lines[i - 1].rect.top == lines[i].rect.top) sideBySide++;
  }
  EXPECT_GT(sideBySide, 0);
  ExpectGapsTile(cache, kEnglish, CRect(0, 0, 400, 400));
}

}  // namespace
