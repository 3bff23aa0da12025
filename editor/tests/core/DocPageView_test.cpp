#include "editor/core/DocPageView.h"

#include <gtest/gtest.h>

#include "editor/tests/core/DocViewTestSupport.h"

namespace {

// Forty short paragraphs: four pages of the small test page on each side.
std::string Paragraphs(int count) {
  std::string text;
  for (int i = 0; i < count; i++) text += "line " + std::to_string(i) + " of words\r";
  return text;
}

struct PageViewTest : ::testing::Test, ViewDoc {
  PageViewTest() { LoadSides(Paragraphs(40), "shalom olam tov me'od\rab"); }
  int PageHeight() { return model.GetPageRect(0).Height(); }
};

TEST_F(PageViewTest, BandsStackPagesUnderTheirRulers) {
  ASSERT_EQ(model.GetPageCount(kEnglish), 4);
  ASSERT_EQ(model.GetPageCount(kHebrew), 1);
  EXPECT_EQ(pages.GetPageCount(), 4);  // the side with more pages
  int band = PageHeight() + kTestRulerHeight;
  struct Case {
    int page, side, top;
  } cases[] = {
      {0, kBandTop, 0},
      {2, kBandTop, 2 * band},
      {0, kEnglish, kTestRulerHeight},
      {3, kEnglish, 3 * band + kTestRulerHeight},
  };
  for (const Case& c : cases) EXPECT_EQ(pages.GetPageTop(c.page, c.side), c.top) << c.page;
  CRect whole = pages.GetPageBandRect(1, kBandWhole);
  EXPECT_EQ(whole, CRect(0, band, kTestRulerWidth + model.GetPageUnion().Width(), 2 * band));
  CRect page = pages.GetPageBandRect(1, kBandPage);
  EXPECT_EQ(page, CRect(kTestRulerWidth, band + kTestRulerHeight, kTestRulerWidth + PageHeight(),
                        2 * band));
  EXPECT_EQ(pages.GetPageBandRect(4, kBandPage), CRect());
}

TEST_F(PageViewTest, RulerStripsStandAboveAndLeftOfEachPage) {
  int band = PageHeight() + kTestRulerHeight;
  int extent = model.GetPageUnion().Width();
  struct Case {
    int page;
    DocRulerPart part;
    CRect rect;
  } cases[] = {
      {0, kRulerAcross, CRect(kTestRulerWidth, 0, kTestRulerWidth + extent + 1, kTestRulerHeight)},
      {1, kRulerDown, CRect(0, band + kTestRulerHeight, kTestRulerWidth, 2 * band + 1)},
      {2, kRulerCorner, CRect(0, 2 * band, kTestRulerWidth, 2 * band + kTestRulerHeight)},
      {4, kRulerCorner, CRect()},
  };
  for (const Case& c : cases) EXPECT_EQ(pages.GetRulerRect(c.page, c.part), c.rect) << c.page;
}

TEST_F(PageViewTest, VisiblePagesAreThoseMeetingTheClip) {
  int band = PageHeight() + kTestRulerHeight;
  struct Case {
    CRect clip;
    BOOL found;
    int first, last;
  } cases[] = {
      {CRect(0, 0, 400, 5), FALSE, 0, 0},  // only the first ruler strip
      {CRect(0, 0, 400, 50), TRUE, 0, 0},          {CRect(0, band - 1, 400, band + 20), TRUE, 0, 1},
      {CRect(0, band, 400, 4 * band), TRUE, 1, 3}, {CRect(0, 4 * band, 400, 5 * band), FALSE, 0, 0},
  };
  for (const Case& c : cases) {
    int first = -1, last = -1;
    EXPECT_EQ(pages.GetVisiblePages(c.clip, first, last, kBandPage), c.found) << c.clip.top;
    if (c.found) {
      EXPECT_EQ(std::make_pair(first, last), std::make_pair(c.first, c.last));
    }
  }
}

TEST(PageViewEmpty, ADocumentWithoutPagesShowsNone) {
  ViewDoc doc;
  doc.model.ClearContents();
  int first, last;
  EXPECT_FALSE(doc.pages.GetVisiblePages(CRect(0, 0, 1000, 1000), first, last, kBandPage));
  EXPECT_EQ(doc.pages.PageAtY(0), -1);
  EXPECT_EQ(doc.pages.CharFromPoint(CPoint(30, 30)), nullptr);
}

TEST_F(PageViewTest, SidesRunFromTheirOwnMargins) {
  CRect english = pages.GetLineRect(Line(kEnglish, 0));
  CRect hebrew = pages.GetLineRect(Line(kHebrew, 0));
  CRect text = model.GetNthLayout(kEnglish, 0)->textRect;
  EXPECT_EQ(english.left, pages.ViewX(text.left));
  EXPECT_EQ(hebrew.right, pages.ViewX(text.right));
  EXPECT_EQ(english.top, hebrew.top);
  // The first letter stands at the margin the side begins from.
  EXPECT_EQ(pages.GetCharRect(At(kEnglish, 1)).left, english.left);
  EXPECT_EQ(pages.GetCharRect(At(kHebrew, 1)).right, hebrew.right);
  // The caret stands after its character in the writing direction.
  model.Side(kEnglish).caret = At(kEnglish, 1);
  model.Side(kHebrew).caret = At(kHebrew, 1);
  EXPECT_EQ(pages.GetCaretRect(kEnglish).left, pages.GetCharRect(At(kEnglish, 1)).right);
  EXPECT_EQ(pages.GetCaretRect(kHebrew).left, pages.GetCharRect(At(kHebrew, 1)).left);
  EXPECT_EQ(pages.GetCaretRect(kHebrew).Width(), 1);
}

// A click beside a line or on a character's half, as index of the character
// clicked (0 for the line's ends) and what the caret becomes.
TEST_F(PageViewTest, ClicksPutTheCaretByLineEndsAndCharacterHalves) {
  enum Where { kLeftOfLine, kRightOfLine, kLeftHalf, kRightHalf };
  struct Case {
    int side;
    Where where;
    int charIndex;  // the character clicked on
    int caret;
  } cases[] = {
      // "line 0 of words": first node 0 (the head), last character 15.
      {kEnglish, kLeftOfLine, 0, 0},
      {kEnglish, kRightOfLine, 0, 15},
      {kEnglish, kLeftHalf, 3, 2},
      {kEnglish, kRightHalf, 3, 3},
      {kEnglish, kLeftHalf, 1, 0},
      // "shalom olam tov me'od": last character 21.
      {kHebrew, kLeftOfLine, 0, 21},
      {kHebrew, kRightOfLine, 0, 0},
      {kHebrew, kRightHalf, 3, 2},
      {kHebrew, kLeftHalf, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.side) + " " + std::to_string(c.where));
    Activate(c.side);
    CRect line = pages.GetLineRect(Line(c.side, 0));
    CRect ch = pages.GetCharRect(At(c.side, c.charIndex));
    int y = (line.top + line.bottom) / 2;
    int x = c.where == kLeftOfLine    ? line.left - 3
            : c.where == kRightOfLine ? line.right + 3
            : c.where == kLeftHalf    ? ch.left
                                      : ch.right - 1;
    EXPECT_EQ(IndexOf(c.side, pages.CharFromPoint(CPoint(x, y))), c.caret);
  }
}

TEST_F(PageViewTest, ClicksAboveBelowAndBesideTheText) {
  Activate(kHebrew);
  int textTop = pages.GetPageTop(0, kHebrew);
  // Above the text: the page's first line; below it: the last character.
  EXPECT_EQ(IndexOf(kHebrew, pages.CharFromPoint(CPoint(100, textTop - 2))), 0);
  EXPECT_EQ(IndexOf(kHebrew, pages.CharFromPoint(CPoint(100, textTop + 200))), 24);
  // A page the side does not have: the side's last character.
  int band = PageHeight() + kTestRulerHeight;
  EXPECT_EQ(IndexOf(kHebrew, pages.CharFromPoint(CPoint(100, 2 * band + 50))), 24);
  // Below the last band: nothing.
  EXPECT_EQ(pages.CharFromPoint(CPoint(100, 4 * band + 1)), nullptr);
}

TEST_F(PageViewTest, ARangeSpansItsTwoEndsOverLines) {
  CRect first = pages.GetCharRect(At(kEnglish, 1));
  DocCharNode* later = model.GetLineChar(Line(kEnglish, 2), 3);
  CRect range = pages.GetRangeRect(At(kEnglish, 1), later);
  EXPECT_EQ(range.TopLeft(), first.TopLeft());
  EXPECT_EQ(range.bottom, pages.GetCharRect(later).bottom);
  EXPECT_EQ(range.right, std::max(first.right, pages.GetCharRect(later).right));
}

TEST_F(PageViewTest, StatusTextCountsPageAndLineFromOne) {
  Activate(kEnglish);
  struct Case {
    int line;
    const char* text;
  } cases[] = {{0, "Pg 1, Ln 1"}, {5, "Pg 1, Ln 6"}, {13, "Pg 2, Ln 2"}};
  for (const Case& c : cases) {
    model.Side(kEnglish).caret = Line(kEnglish, c.line)->first;
    CString text;
    pages.GetStatusText(text);
    EXPECT_STREQ(text, c.text);
  }
}

}  // namespace

namespace {

// Six short paragraphs set in two columns on both sides.
struct ColumnTest : ::testing::Test, ViewDoc {
  ColumnTest() {
    std::string text;
    for (int i = 0; i < 6; i++) text += "p" + std::to_string(i) + " text\r";
    LoadSides(text, text);
    for (int side : {kEnglish, kHebrew}) {
      DocSection two;
      two.columnCount = 2;
      two.gap = 8;
      model.SetLinesSection(Line(side, 0), Line(side, 5), &two);
      model.ReformatSide(side);
    }
  }
};

TEST_F(ColumnTest, AClickFindsTheLineOfTheColumnUnderIt) {
  for (int side : {kEnglish, kHebrew}) {
    SCOPED_TRACE(side);
    Activate(side);
    DocLineNode* line = Line(side, 4);
    ASSERT_EQ(line->section->ColumnOf(line), 1);
    CRect first = pages.GetLineRect(Line(side, 0));
    CRect second = pages.GetLineRect(line);
    // Both columns begin at the row's top.
    EXPECT_EQ(pages.GetLineRect(line->section->rows[0].columnFirst[1]).top, first.top);
    // The second column stands right of the first on the English side, left
    // of it on the Hebrew side.
    EXPECT_EQ(side == kEnglish, second.left > first.right);
    DocCharNode* ch = model.GetLineChar(line, 2);
    CRect rect = pages.GetCharRect(ch);
    int x = side == kEnglish ? rect.right - 1 : rect.left;
    EXPECT_EQ(pages.CharFromPoint(CPoint(x, rect.top + 1)), ch);
    // Beyond the columns: the outer column's line, at its end.
    int beyond = side == kEnglish ? 10000 : 0;
    EXPECT_EQ(pages.CharFromPoint(CPoint(beyond, rect.top + 1)), model.GetLineLastChar(line));
  }
}

}  // namespace
