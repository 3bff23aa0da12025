// Toolbar rows: where buttons wrap for a width, the size of the rows, the
// narrowest wrapping for a length, and the toolbar resource.
#include "classlib/core/ToolBarLayout.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/core/ToolBarResource.h"

namespace {

constexpr int kButton = 23;  // a button 23 wide and 22 high
constexpr int kHeight = 22;
constexpr int kSep = 8;

// A toolbar written as text: 'b' a button, '|' a separator, 'h' a hidden button.
std::vector<ToolBarItem> Items(const std::string& buttons) {
  std::vector<ToolBarItem> items;
  for (char c : buttons) {
    ToolBarItem item;
    item.bSeparator = c == '|';
    item.bHidden = c == 'h';
    item.cx = item.bSeparator ? kSep : kButton;
    item.cy = kHeight;
    items.push_back(item);
  }
  return items;
}

// The items after which a row ends, as their indexes.
std::string Wraps(const std::vector<ToolBarItem>& items) {
  std::string s;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].bWrap) s += std::to_string(i) + " ";
  return s;
}

TEST(ToolBarLayout, WrapsAfterTheLastSeparatorThatLetsTheRowFitElseAfterTheLastButton) {
  struct Case {
    const char* buttons;
    int nWidth;
    int nRows;
    const char* wraps;
  };
  // clang-format off
  const Case cases[] = {
      {"bbb|bb",  kToolBarUnlimited, 1, ""},
      {"bbb|bb",  3 * kButton + kSep + 2 * kButton, 1, ""},
      {"bbb|bb",  3 * kButton + kSep + kButton, 2, "3 "},      // at the separator
      {"bbb|bb",  3 * kButton + kSep - 1, 2, "3 "},            // the separator itself overflows
      {"bbbbb",   2 * kButton, 3, "1 3 "},                     // no separator: after a button
      {"bb|bbbb", 3 * kButton, 3, "2 5 "},                     // then buttons within a row
      {"bbb",     0, 3, "0 1 "},                               // one button a row
      {"bhbb",    2 * kButton, 2, "2 "},                       // a hidden button takes no room
      {"b",       5, 1, ""},                                   // a button wider than the row stays
  };
  // clang-format on
  for (const Case& c : cases) {
    std::vector<ToolBarItem> items = Items(c.buttons);
    EXPECT_EQ(c.nRows, WrapToolBar(items, c.nWidth)) << c.buttons << " at " << c.nWidth;
    EXPECT_EQ(c.wraps, Wraps(items)) << c.buttons << " at " << c.nWidth;
  }
}

TEST(ToolBarLayout, TheSizeIsTheWidestRowAndTheRowsWithTheGapsOfWrappedSeparators) {
  struct Case {
    const char* buttons;
    int nWidth;
    CSize size;
  };
  const Case cases[] = {
      {"bbb|bb", kToolBarUnlimited, CSize(5 * kButton + kSep, kHeight)},
      // A separator ending a row leaves a gap two thirds as high as it is wide.
      {"bbb|bb", 3 * kButton + kSep, CSize(3 * kButton, 2 * kHeight + kSep * 2 / 3)},
      {"bbbbb", 2 * kButton, CSize(2 * kButton, 3 * kHeight)},
      {"hhh", kToolBarUnlimited, CSize(0, 0)},
  };
  for (const Case& c : cases) {
    std::vector<ToolBarItem> items = Items(c.buttons);
    WrapToolBar(items, c.nWidth);
    EXPECT_EQ(c.size.cx, CalcToolBarSize(items).cx) << c.buttons;
    EXPECT_EQ(c.size.cy, CalcToolBarSize(items).cy) << c.buttons;
  }
}

TEST(ToolBarLayout, AHorizontalLengthGivesTheNarrowestRowsOfAsManyRows) {
  // Six buttons in 100 pixels make two rows of four and two; three a row
  // also makes two rows and is narrower.
  std::vector<ToolBarItem> items = Items("bbbbbb");
  CSize size = SizeToolBar(items, 100, false);
  EXPECT_EQ(3 * kButton, size.cx);
  EXPECT_EQ(2 * kHeight, size.cy);
  EXPECT_EQ("2 ", Wraps(items));
  // An unlimited length is one row.
  size = SizeToolBar(items, kToolBarUnlimited, false);
  EXPECT_EQ(CSize(6 * kButton, kHeight).cx, size.cx);
  EXPECT_EQ("", Wraps(items));
}

TEST(ToolBarLayout, AVerticalLengthGivesTheNarrowestRowsThatFitItsHeight) {
  struct Case {
    int nLength;
    CSize size;
  };
  const Case cases[] = {
      {6 * kHeight, CSize(kButton, 6 * kHeight)},          // one button a row fits
      {3 * kHeight, CSize(2 * kButton, 3 * kHeight)},      // two a row
      {2 * kHeight + 5, CSize(3 * kButton, 2 * kHeight)},  // three a row
      {kHeight - 1, CSize(6 * kButton, kHeight)},          // nothing fits: one row
  };
  for (const Case& c : cases) {
    std::vector<ToolBarItem> items = Items("bbbbbb");
    CSize size = SizeToolBar(items, c.nLength, true);
    EXPECT_EQ(c.size.cx, size.cx) << c.nLength;
    EXPECT_EQ(c.size.cy, size.cy) << c.nLength;
  }
}

TEST(ToolBarResource, ReadsBothLayoutsAndRefusesShortOrForeignResources) {
  // 16-bit words: version 1, 16 x 15 images, three items: 100, a separator, 101.
  const BYTE words16[] = {1, 0, 16, 0, 15, 0, 3, 0, 100, 0, 0, 0, 101, 0};
  // 32-bit words without a version: the same.
  const BYTE words32[] = {16,  0, 0, 0, 15, 0, 0, 0, 3,   0, 0, 0,
                          100, 0, 0, 0, 0,  0, 0, 0, 101, 0, 0, 0};
  struct Layout {
    const BYTE* pData;
    size_t nSize;
  };
  for (const Layout& layout : {Layout{words16, sizeof words16}, Layout{words32, sizeof words32}}) {
    ToolBarResource res;
    ASSERT_TRUE(ParseToolBarResource(layout.pData, layout.nSize, &res)) << layout.nSize;
    EXPECT_EQ(16, res.cxImage);
    EXPECT_EQ(15, res.cyImage);
    EXPECT_EQ((std::vector<UINT>{100, 0, 101}), res.ids);
    EXPECT_FALSE(ParseToolBarResource(layout.pData, layout.nSize - 1, &res))
        << "the last id is cut";
    EXPECT_FALSE(ParseToolBarResource(layout.pData, 7, &res)) << "the header is cut";
  }
  ToolBarResource res;
  const BYTE version2[] = {2, 0, 16, 0, 15, 0, 0, 0};
  EXPECT_FALSE(ParseToolBarResource(version2, sizeof version2, &res)) << "another version";
  EXPECT_FALSE(ParseToolBarResource(words32, 10, &res)) << "a 32-bit header cut";
  EXPECT_FALSE(ParseToolBarResource(nullptr, 8, &res));
}

}  // namespace
