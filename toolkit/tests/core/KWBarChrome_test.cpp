// The control bar's inside rectangle, its bar-list menu and the
// hidden-buttons popup's placement.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/core/KWBarInside.h"
#include "toolkit/core/KWBarMenu.h"
#include "toolkit/core/KWHiddenPopup.h"

namespace {

TEST(KWCalcInsideRect, BordersLinesAndGripperTurnWithTheBar) {
  const KWBarBorders borders{6, 3, 6, 3, 2, 2};
  constexpr DWORD kAllBorders = 0xF00;
  struct {
    DWORD style;
    bool horz;
    CRect inside;
  } const cases[] = {
      {0, true, CRect(6, 3, 94, 37)},
      {kAllBorders, true, CRect(8, 5, 92, 35)},
      {kKWBarGripper, true, CRect(13, 3, 94, 37)},
      // A floating bar shows no gripper.
      {kKWBarGripper | kKWBarFloating, true, CRect(6, 3, 94, 37)},
      {0, false, CRect(3, 6, 97, 34)},
      {kKWBarGripper | kKWBarBorderLeft, false, CRect(5, 13, 97, 34)},
  };
  for (const auto& c : cases) {
    CRect rect(0, 0, 100, 40);
    KWCalcInsideRect(rect, c.style, borders, c.horz);
    EXPECT_TRUE(rect == c.inside) << std::hex << c.style << " " << c.horz << ": " << rect.left
                                  << "," << rect.top << "," << rect.right << "," << rect.bottom;
  }
}

std::vector<std::string> Texts(const std::vector<KWBarMenuItem>& items) {
  std::vector<std::string> texts;
  for (const auto& item : items)
    texts.push_back(item.bSeparator ? "-" : item.text + (item.bChecked ? "*" : ""));
  return texts;
}

TEST(KWBarMenuItems, DockWindowsThenToolBarsOthersAndStatusBarsLatestFirst) {
  using K = KWBarKind;
  struct {
    std::vector<KWBarEntry> bars;
    std::vector<std::string> texts;
  } const cases[] = {
      {{}, {}},
      {{{K::Hidden, "Menu", 1, true}}, {}},
      // Only docking windows: no trailing separator.
      {{{K::DockWindow, "Lookup", 1, true}, {K::DockWindow, "", 2, false}},
       {"Dock Window", "Lookup*"}},
      {{{K::StatusBar, "ready", 5, true},
        {K::ToolBar, "Standard", 3, true},
        {K::DockWindow, "Tables", 1, false},
        {K::Other, "", 6, true},
        {K::ToolBar, "", 4, false},
        {K::Hidden, "Rebar", 7, true}},
       {"Tables", "-", "Toolbar", "Standard*", "Control Bar*", "Status Bar*"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Texts(KWBarMenuItems(c.bars)), c.texts);
}

TEST(KWBarMenuItems, ItemsCarryTheBarIds) {
  auto items = KWBarMenuItems({{KWBarKind::ToolBar, "A", 59392, true}});
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].id, 59392u);
}

TEST(KWHiddenRowWidth, SixButtonsAtMost250) {
  EXPECT_EQ(KWHiddenRowWidth(40), 240);
  EXPECT_EQ(KWHiddenRowWidth(50), 250);
  EXPECT_EQ(KWHiddenRowWidth(23), 138);
}

TEST(KWHiddenPopupOrigin, BesideTheChevronByDockingSide) {
  const CRect chevron(100, 50, 112, 72);
  const CSize size(80, 40);
  struct {
    KWDockSide side;
    CPoint origin;
  } const cases[] = {
      {KWDockSide::Top, CPoint(33, 72)},
      {KWDockSide::Floating, CPoint(33, 72)},
      {KWDockSide::Bottom, CPoint(33, 11)},
      {KWDockSide::Right, CPoint(21, 33)},
      {KWDockSide::Left, CPoint(112, 33)},
  };
  for (const auto& c : cases) {
    CPoint pt = KWHiddenPopupOrigin(chevron, size, c.side);
    EXPECT_EQ(pt.x, c.origin.x) << static_cast<int>(c.side);
    EXPECT_EQ(pt.y, c.origin.y) << static_cast<int>(c.side);
  }
}

TEST(KWHiddenRowBreaks, NewRowWhenTheRunningWidthWouldPass) {
  EXPECT_EQ(KWHiddenRowBreaks({23, 23, 23, 23}, 50), (std::vector<int>{2}));
  EXPECT_EQ(KWHiddenRowBreaks({23, 23, 23, 23}, 46), (std::vector<int>{2}));
  // A button wider than the row width widens the rows.
  EXPECT_EQ(KWHiddenRowBreaks({23, 80, 23}, 40), (std::vector<int>{1, 2}));
  EXPECT_TRUE(KWHiddenRowBreaks({}, 40).empty());
}

TEST(KWPopupJoint, OpensTheEdgeWhereThePopupTouchesItsButton) {
  CPoint from;
  CPoint to;
  // Popup below the button, sharing the line y = 72.
  ASSERT_TRUE(KWPopupJoint(CRect(100, 50, 112, 72), CRect(40, 72, 120, 112), from, to));
  EXPECT_EQ(from.x, 61);
  EXPECT_EQ(from.y, 0);
  EXPECT_EQ(to.x, 72);
  EXPECT_EQ(to.y, 0);
  // Beside it, sharing x = 112.
  ASSERT_TRUE(KWPopupJoint(CRect(100, 50, 112, 72), CRect(112, 30, 200, 80), from, to));
  EXPECT_EQ(from.x, 0);
  EXPECT_EQ(from.y, 21);
  EXPECT_EQ(to.y, 42);
  // A corner, or an overlap, is no joint.
  EXPECT_FALSE(KWPopupJoint(CRect(100, 50, 112, 72), CRect(112, 72, 200, 80), from, to));
  EXPECT_FALSE(KWPopupJoint(CRect(100, 50, 112, 72), CRect(90, 40, 200, 80), from, to));
}

}  // namespace
