#include "tables/core/TableMarkupLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kCharWidth = 10;
constexpr int kDefaultRow = 12;
constexpr int kGap = 7;
constexpr int kHebrewLine = 21;

// Every character kCharWidth wide; a cell a tenth of its size percent high.
class FixedMeasurer : public TableMarkupMeasurer {
 public:
  int DefaultRowHeight() override { return kDefaultRow; }
  int ColumnGap() override { return kGap; }
  int HebrewLineHeight() override { return kHebrewLine; }
  SIZE MeasureCell(const TableMarkupCell& cell) override {
    return SIZE{static_cast<LONG>(cell.text.size()) * kCharWidth, cell.size / 10};
  }
};

constexpr POINT kOrigin = {100, 200};

struct Laid {
  TableMarkupHandle table;
  std::vector<POINT> places;
};

Laid Lay(const char* text) {
  Laid laid{ParseTableMarkup(text), {}};
  EXPECT_NE(laid.table, nullptr) << text;
  if (!laid.table) return laid;
  FixedMeasurer measurer;
  MeasureTableMarkup(*laid.table, measurer);
  laid.places = PlaceTableMarkupCells(*laid.table, kOrigin);
  return laid;
}

struct PlaceCase {
  const char* text;
  LONG width;  // the table's
  LONG height;
  std::vector<std::pair<LONG, LONG>> places;
};

std::vector<std::pair<LONG, LONG>> Pairs(const std::vector<POINT>& points) {
  std::vector<std::pair<LONG, LONG>> pairs;
  for (const POINT& p : points) pairs.emplace_back(p.x, p.y);
  return pairs;
}

TEST(TableMarkupLayout, PlacesCellsByRowColumnAndAlignment) {
  const PlaceCase cases[] = {
      // Columns as wide as their widest entry, a "W" apart: 40, 30 and 20
      // wide at 0, 47 and 84; rows as tall as the default row.
      {"{1R}x{2C}={3L}y\n{1R}long{2C}={3L}yy\n{1R}ab{2C}==={3L}z",
       104,
       36,
       {{130, 201},
        {157, 201},
        {184, 201},
        {100, 213},
        {157, 213},
        {184, 213},
        {120, 225},
        {147, 225},
        {184, 225}}},
      // Flowing text is aligned as one block in the table's width.
      {"{L}wide words here\n{C}ab cd\n{R}ab",
       150,
       36,
       {{100, 201}, {150, 201}, {210, 201}, {150, 213}, {180, 213}, {230, 225}}},
      // The cells of one column follow each other; a run is aligned whole.
      {"{1R}a b\n{1L}wider", 50, 24, {{120, 201}, {140, 201}, {100, 213}}},
      // A column before it that nothing fills takes no room.
      {"{3R}abc", 30, 12, {{100, 201}}},
      // An empty row keeps the default height; a tall cell raises its row
      // and the others of the row are centred in it, halves rounded down the page.
      {"a\n\n{FS150}b{/FS}c", 20, 39, {{100, 201}, {100, 224}, {110, 227}}},
  };
  for (const PlaceCase& c : cases) {
    const Laid laid = Lay(c.text);
    ASSERT_NE(laid.table, nullptr);
    EXPECT_EQ(laid.table->bounds.left, 0) << c.text;
    EXPECT_EQ(laid.table->bounds.top, 0) << c.text;
    EXPECT_EQ(laid.table->bounds.right, c.width) << c.text;
    EXPECT_EQ(laid.table->bounds.bottom, c.height) << c.text;
    EXPECT_EQ(Pairs(laid.places), c.places) << c.text;
  }
}

TEST(TableMarkupLayout, ColumnEdgesGroupAndFreeWidths) {
  const Laid laid = Lay("{1R}x{2C}={3L}y\n{1R}long{2C}={3L}yy\nfree text");
  const TableMarkupHeader& t = *laid.table;
  const LONG left[] = {0, 47, 64, 0};
  const LONG right[] = {40, 57, 154, 0};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(t.columnLeft[c], left[c]) << c;
    EXPECT_EQ(t.columnRight[c], right[c]) << c;
  }
  // The last line carries column 3 on: its two words are one group there.
  EXPECT_EQ(t.cells[6].column, 3);
  EXPECT_EQ(t.cells[6].groupWidth, 90);
  EXPECT_EQ(t.cells[7].groupWidth, 90);
  EXPECT_EQ(t.columnRight[2] - t.columnLeft[2], 90);
  for (const TableMarkupCell& cell : t.cells) EXPECT_EQ(cell.freeWidth, 0);

  // Only consecutive cells make one group.
  const Laid apart = Lay("{1}a{2}bb{1}c");
  ASSERT_EQ(apart.table->cellCount, 3);
  EXPECT_EQ(apart.table->cells[0].groupWidth, 10);
  EXPECT_EQ(apart.table->cells[2].groupWidth, 10);
  EXPECT_EQ(apart.table->columnRight[0] - apart.table->columnLeft[0], 10);
}

TEST(TableMarkupLayout, HebrewRowsTakeTheSharedLineHeight) {
  // Even asked at half size, a Hebrew cell is a Hebrew line high, and from
  // it on that line is the default row height.
  const Laid laid = Lay("{F6}{FS50}\xE0\xC6\xFA\n{/F}x\n\n{F6}y");
  const TableMarkupHeader& t = *laid.table;
  EXPECT_EQ(t.cells[0].height, kHebrewLine);
  EXPECT_EQ(t.cells[1].height, 5);
  EXPECT_EQ(t.rowEdge[1], kHebrewLine);
  EXPECT_EQ(t.rowEdge[2], 2 * kHebrewLine);
  EXPECT_EQ(t.rowEdge[3], 3 * kHebrewLine);
  EXPECT_EQ(t.rowEdge[4], 4 * kHebrewLine);
  EXPECT_EQ(t.bounds.bottom, 4 * kHebrewLine);
}

TEST(TableMarkupLayout, EmptyTableStaysEmpty) {
  const Laid laid = Lay("{C}{/B}");
  EXPECT_EQ(laid.table->bounds.right, 0);
  EXPECT_EQ(laid.table->bounds.bottom, 0);
  EXPECT_TRUE(laid.places.empty());
}

TEST(TableMarkupLayout, SameFontComparesNumberSizeAndStyle) {
  TableMarkupCell a;
  a.font = 2;
  a.size = 100;
  a.bold = 0;
  a.italic = 0;
  a.textColor = 0xFF;
  TableMarkupCell b = a;
  b.textColor = 0;
  b.text = "other";
  EXPECT_TRUE(SameMarkupFont(a, b));
  for (LONG TableMarkupCell::*field : {&TableMarkupCell::font, &TableMarkupCell::size,
                                       &TableMarkupCell::bold, &TableMarkupCell::italic}) {
    TableMarkupCell c = a;
    c.*field += 1;
    EXPECT_FALSE(SameMarkupFont(a, c));
  }
}

}  // namespace
