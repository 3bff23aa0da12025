#include "editor/core/DocCaretNavigator.h"

#include <gtest/gtest.h>

#include "editor/tests/core/DocViewTestSupport.h"

namespace {

// English: "abc def ghi" (1-11), a paragraph end (12), "xy" (13-14), a
// paragraph end (15), "mnopq rstu" (16-25). Hebrew: "shalom olam" (1-11).
struct NavTest : ::testing::Test, ViewDoc {
  // The range the window would repaint, as indices; {-1, -1} for none.
  std::pair<int, int> Repaint(int side) {
    DocCharNode *first, *last;
    if (!nav.TakeRepaintRange(first, last)) return {-1, -1};
    return {IndexOf(side, first), IndexOf(side, last)};
  }

  NavTest() : view(model.GetDocumentHeight()) {
    LoadSides("abc def ghi\rxy\rmnopq rstu", "shalom olam");
  }

  BOOL Key(UINT key, BOOL ctrl = FALSE, BOOL shift = FALSE) {
    return nav.OnNavigationKey(key, ctrl, shift, view);
  }
  void SetCaret(int side, int index) {
    Activate(side);
    model.Side(side).caret = At(side, index);
    nav.RememberCaretX();
  }

  FakeViewScroll view;
};

TEST_F(NavTest, SidewaysKeysMoveTheWayTheTextRuns) {
  struct Case {
    int side;
    UINT key;
    BOOL ctrl;
    int from, to;  // -1: the move is impossible
  } cases[] = {
      {kEnglish, kVkRight, FALSE, 0, 1},   {kEnglish, kVkLeft, FALSE, 2, 1},
      {kEnglish, kVkLeft, FALSE, 0, -1},   {kEnglish, kVkHome, FALSE, 0, -1},
      {kEnglish, kVkRight, FALSE, 25, -1}, {kEnglish, kVkEnd, FALSE, 25, -1},
      {kEnglish, kVkRight, TRUE, 1, 4},    {kEnglish, kVkLeft, TRUE, 6, 4},
      {kEnglish, kVkHome, FALSE, 14, 12},  {kEnglish, kVkEnd, FALSE, 13, 14},
      {kEnglish, kVkHome, TRUE, 20, 0},    {kEnglish, kVkEnd, TRUE, 2, 25},
      {kHebrew, kVkLeft, FALSE, 0, 1},     {kHebrew, kVkRight, FALSE, 2, 1},
      {kHebrew, kVkRight, FALSE, 0, -1},   {kHebrew, kVkLeft, FALSE, 11, -1},
      {kHebrew, kVkLeft, TRUE, 1, 7},      {kHebrew, kVkRight, TRUE, 9, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.side) + " key " + std::to_string(c.key) + " from " +
                 std::to_string(c.from));
    SetCaret(c.side, c.from);
    EXPECT_EQ(Key(c.key, c.ctrl), c.to >= 0);
    EXPECT_EQ(Caret(c.side), c.to >= 0 ? c.to : c.from);
  }
}

TEST_F(NavTest, CtrlHomeAndEndScrollOnlyWhenLeavingTheLine) {
  SetCaret(kEnglish, 2);
  Key(kVkEnd, TRUE);
  EXPECT_EQ(view.codes, std::vector<UINT>{kScrollBottom});
  view.codes.clear();
  SetCaret(kEnglish, 18);
  Key(kVkEnd, TRUE);
  EXPECT_TRUE(view.codes.empty());
  Key(kVkHome, TRUE);
  EXPECT_EQ(view.codes, std::vector<UINT>{kScrollTop});
}

TEST_F(NavTest, UpAndDownKeepTheGoalAcrossAShorterLine) {
  SetCaret(kEnglish, 22);  // in "mnopq rstu", past the end of "xy"
  int goal = nav.GetGoalX(kEnglish);
  EXPECT_TRUE(Key(kVkUp));
  EXPECT_EQ(Caret(kEnglish), 14);  // the short line's last character
  EXPECT_TRUE(Key(kVkUp));
  EXPECT_TRUE(Key(kVkDown));
  EXPECT_TRUE(Key(kVkDown));
  EXPECT_EQ(Caret(kEnglish), 22);
  EXPECT_EQ(nav.GetGoalX(kEnglish), goal);
  EXPECT_FALSE(Key(kVkDown));  // no next line
  // A sideways move takes a new goal.
  EXPECT_TRUE(Key(kVkLeft));
  EXPECT_NE(nav.GetGoalX(kEnglish), goal);
}

TEST_F(NavTest, ShiftExtendsAndAPlainArrowDropsTheSelection) {
  SetCaret(kHebrew, 5);
  EXPECT_TRUE(Key(kVkRight, FALSE, TRUE));
  EXPECT_TRUE(Key(kVkRight, FALSE, TRUE));
  // Right runs backwards in the Hebrew text.
  EXPECT_EQ(Caret(kHebrew), 3);
  EXPECT_EQ(Anchor(kHebrew), 5);
  EXPECT_EQ(Marked(kHebrew), Range(4, 5));
  EXPECT_EQ(Repaint(kHebrew), std::make_pair(4, 5));
  EXPECT_TRUE(Key(kVkRight));
  EXPECT_EQ(Repaint(kHebrew), std::make_pair(4, 5));
  EXPECT_EQ(Anchor(kHebrew), -1);
  EXPECT_TRUE(Marked(kHebrew).empty());
  EXPECT_EQ(Caret(kHebrew), 2);
}

TEST_F(NavTest, DraggingBackPastTheAnchorMarksTheOtherStretch) {
  Activate(kEnglish);
  auto point = [&](int index) {
    return pages.GetCharRect(At(kEnglish, index)).BottomRight() - CSize(1, 1);
  };
  nav.MouseDown(point(5));
  EXPECT_EQ(Caret(kEnglish), 5);
  EXPECT_EQ(Repaint(kEnglish), std::make_pair(-1, -1));
  nav.MouseDrag(point(9));
  EXPECT_EQ(Marked(kEnglish), Range(6, 9));
  EXPECT_EQ(Repaint(kEnglish), std::make_pair(6, 9));
  nav.MouseDrag(point(7));
  EXPECT_EQ(Marked(kEnglish), Range(6, 7));
  EXPECT_EQ(Repaint(kEnglish), std::make_pair(8, 9));
  nav.MouseDrag(point(2));
  EXPECT_EQ(Marked(kEnglish), Range(3, 5));
  EXPECT_EQ(Repaint(kEnglish), std::make_pair(3, 7));
  // Back onto the anchor: nothing is left marked; then out again.
  nav.MouseDrag(point(5));
  EXPECT_TRUE(Marked(kEnglish).empty());
  nav.MouseDrag(point(2));
  EXPECT_EQ(Anchor(kEnglish), 5);
  EXPECT_EQ(Caret(kEnglish), 2);
}

TEST_F(NavTest, AButtonUpAwayFromTheLastDragPointSelectsUpToIt) {
  Activate(kEnglish);
  auto point = [&](int index) {
    return pages.GetCharRect(At(kEnglish, index)).BottomRight() - CSize(1, 1);
  };
  // A drag message without a button-down before it changes no marks.
  nav.MouseDrag(point(3));
  EXPECT_TRUE(Marked(kEnglish).empty());
  nav.MouseDown(point(5));
  nav.MouseDrag(point(7));
  nav.MouseUp(point(9));
  EXPECT_EQ(Marked(kEnglish), Range(6, 9));
  EXPECT_EQ(Caret(kEnglish), 9);
}

TEST_F(NavTest, AClickWithoutADragLeavesNoSelection) {
  Activate(kEnglish);
  CPoint p = pages.GetCharRect(At(kEnglish, 3)).BottomRight() - CSize(1, 1);
  nav.MouseDown(p);
  nav.MouseUp(p);
  EXPECT_EQ(Anchor(kEnglish), -1);
  EXPECT_EQ(Caret(kEnglish), 3);
}

TEST_F(NavTest, ADoubleClickSelectsTheWordAloneAndTheButtonUpKeepsIt) {
  Activate(kEnglish);
  CPoint p = MidPoint(pages.GetCharRect(At(kEnglish, 6)));  // in "def"
  nav.MouseDown(p);
  nav.MouseUp(p);
  nav.MouseDoubleClick(p);
  nav.MouseUp(p);
  EXPECT_EQ(Marked(kEnglish), Range(5, 7));
  EXPECT_EQ(Anchor(kEnglish), 4);
  EXPECT_EQ(Caret(kEnglish), 7);
}

TEST_F(NavTest, KeysAndClicksDropThePendingAttributes) {
  Activate(kEnglish);
  model.SetPendingAttributes(1);
  Key(kVkRight);
  EXPECT_EQ(model.GetPendingAttributes(), kNoPending);
  model.SetPendingAttributes(1);
  nav.MouseDown(CPoint(30, 15));
  EXPECT_EQ(model.GetPendingAttributes(), kNoPending);
}

TEST_F(NavTest, KeyDownSendsEachKeyWhereItBelongs) {
  SetCaret(kEnglish, 3);
  Key(kVkLeft, FALSE, TRUE);
  ASSERT_TRUE(editor.HasSelection());
  struct Case {
    UINT key;
    BOOL ctrl;
    DocKeyAction action;
  } cases[] = {
      {kVkF4, TRUE, kKeyCloseDocument},
      {kVkF4, FALSE, kKeyUnused},
      {kVkShift, FALSE, kKeyDone},
      {'A', FALSE, kKeyUnused},
  };
  for (const Case& c : cases) EXPECT_EQ(nav.HandleKeyDown(c.key, c.ctrl, FALSE, view), c.action);
  EXPECT_TRUE(editor.HasSelection());
  // Esc only drops the selection.
  EXPECT_EQ(nav.HandleKeyDown(kVkEscape, FALSE, FALSE, view), kKeyDone);
  EXPECT_FALSE(editor.HasSelection());
  EXPECT_TRUE(Marked(kEnglish).empty());
  EXPECT_EQ(Caret(kEnglish), 2);
  EXPECT_EQ(Text(kEnglish), "abc def ghi\rxy\rmnopq rstu");
  // Delete takes the character after the caret, and nothing at the end.
  EXPECT_EQ(nav.HandleKeyDown(kVkDelete, FALSE, FALSE, view), kKeyEdited);
  EXPECT_EQ(Text(kEnglish), "ab def ghi\rxy\rmnopq rstu");
  SetCaret(kEnglish, 24);
  EXPECT_EQ(nav.HandleKeyDown(kVkEnd, FALSE, FALSE, view), kKeyDone);
  EXPECT_EQ(nav.HandleKeyDown(kVkDelete, FALSE, FALSE, view), kKeyDone);
  EXPECT_EQ(Text(kEnglish), "ab def ghi\rxy\rmnopq rstu");
}

// Enough paragraphs for several screens of the fake view.
struct PagingTest : ::testing::Test, ViewDoc {
  PagingTest() : view(0) {
    std::string text;
    for (int i = 0; i < 30; i++) text += "row " + std::to_string(i) + "\r";
    LoadSides(text, "a");
    Activate(kEnglish);
    view = FakeViewScroll(pages.GetTextBottom() + 100);
  }
  int CaretLine() {
    const DocLineNode* caretLine = model.GetCharLine(model.Side(kEnglish).caret);
    int n = 0;
    for (DocLineNode* l = Head(kEnglish)->line; l != caretLine; l = l->next) n++;
    return n;
  }
  FakeViewScroll view;
};

TEST_F(PagingTest, PageDownKeepsTheCaretWhereItStoodOnTheScreen) {
  model.Side(kEnglish).caret = Line(kEnglish, 1)->first;
  nav.RememberCaretX();
  CRect before = pages.GetCaretRect(kEnglish);
  ASSERT_TRUE(nav.OnNavigationKey(kVkPageDown, FALSE, FALSE, view));
  EXPECT_EQ(view.codes, std::vector<UINT>{kScrollPageDown});
  CRect after = pages.GetCaretRect(kEnglish);
  int moved = after.top - before.top;
  EXPECT_GT(CaretLine(), 1);
  // The caret moved down with the text, by about a screen.
  EXPECT_LE(std::abs(moved - view.client.top), 19);
  EXPECT_GE(after.top, view.client.top);
}

TEST_F(PagingTest, PageUpAtTheTopWalksToTheFirstLine) {
  model.Side(kEnglish).caret = Line(kEnglish, 3)->first;
  nav.RememberCaretX();
  ASSERT_TRUE(nav.OnNavigationKey(kVkPageUp, FALSE, FALSE, view));
  EXPECT_EQ(CaretLine(), 0);
  EXPECT_FALSE(nav.OnNavigationKey(kVkPageUp, FALSE, FALSE, view));
}

TEST_F(PagingTest, CtrlDownScrollsALineAndKeepsTheCaretInView) {
  model.Side(kEnglish).caret = Line(kEnglish, 0)->first;
  nav.RememberCaretX();
  for (int i = 0; i < 3; i++) ASSERT_TRUE(nav.OnNavigationKey(kVkDown, TRUE, FALSE, view));
  EXPECT_EQ(view.codes.size(), 3u);
  EXPECT_GE(pages.GetCaretRect(kEnglish).top, view.client.top);
  EXPECT_GT(CaretLine(), 0);
}

}  // namespace
