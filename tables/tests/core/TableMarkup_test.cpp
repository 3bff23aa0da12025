#include "tables/core/TableMarkup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A cell as the tests name it: text, row, column, alignment.
struct CellShape {
  std::string text;
  LONG row;
  LONG column;
  LONG alignment;
};

std::vector<CellShape> Shapes(const TableMarkupHeader& table) {
  std::vector<CellShape> shapes;
  for (const TableMarkupCell& cell : table.cells)
    shapes.push_back({cell.text, cell.row, cell.column, cell.alignment});
  return shapes;
}

bool operator==(const CellShape& a, const CellShape& b) {
  return a.text == b.text && a.row == b.row && a.column == b.column && a.alignment == b.alignment;
}

void PrintTo(const CellShape& s, std::ostream* out) {
  *out << "{\"" << s.text << "\", row " << s.row << ", column " << s.column << ", align "
       << s.alignment << "}";
}

TableMarkupHandle Parse(const std::string& text) {
  TableMarkupHandle table = ParseTableMarkup(text.c_str());
  EXPECT_NE(table, nullptr) << text;
  return table;
}

TEST(TableMarkup, TextWithoutBraceIsNotMarkup) {
  for (const char* text : {"", "plain words", "two\nlines\n", "close } only"})
    EXPECT_EQ(ParseTableMarkup(text), nullptr) << text;
  EXPECT_EQ(ParseTableMarkup(nullptr), nullptr);
}

struct ShapeCase {
  const char* text;
  LONG rows;
  std::vector<CellShape> cells;
};

TEST(TableMarkup, WordsRowsAndColumns) {
  const LONG L = kMarkupLeft, C = kMarkupCentre, R = kMarkupRight;
  const ShapeCase cases[] = {
      // A word keeps the spaces after it; the last one ends at the text's end.
      {"{/B}ab cd", 1, {{"ab ", 1, 0, L}, {"cd", 1, 0, L}}},
      {"{C}ab  cd ", 1, {{"ab  ", 1, 0, C}, {"cd ", 1, 0, C}}},
      // Leading blanks of a line stay before its first word; a tab is blank
      // but breaks no word.
      {"{L}x\n  ab", 2, {{"x", 1, 0, L}, {"  ab", 2, 0, L}}},
      {"{L}a\tb c", 1, {{"a\tb ", 1, 0, L}, {"c", 1, 0, L}}},
      // A second newline leaves an empty row.
      {"a\n\nb{/T}", 3, {{"a", 1, 0, L}, {"b", 3, 0, L}}},
      // Columns name their alignment; another letter means left, and column
      // and alignment carry to the next line.
      {"{1R}x{2C}={3L}y\n{1R}long{2C}={3X}z\nw",
       3,
       {{"x", 1, 1, R},
        {"=", 1, 2, C},
        {"y", 1, 3, L},
        {"long", 2, 1, R},
        {"=", 2, 2, C},
        {"z", 2, 3, L},
        {"w", 3, 3, L}}},
      // Blanks after a newline finish in the old row, and the line after
      // them starts again without a column.
      {"{2R}x\n  \ny", 3, {{"x", 1, 2, R}, {"  ", 1, 2, R}, {"y", 3, 0, L}}},
      // A word is finished at a tag even when it holds only blanks.
      {"a {T1,2,3} {B|}b", 1, {{"a ", 1, 0, L}, {" ", 1, 0, L}, {"b", 1, 0, L}}},
      // Column numbers outside 1..10 are ignored.
      {"{0R}a{11C}b{10R}c", 1, {{"a", 1, 0, L}, {"b", 1, 0, L}, {"c", 1, 10, R}}},
      // Scanning stops at a brace that is never closed.
      {"ab{T255 cd\nef", 1, {{"ab", 1, 0, L}}},
      // Tags without cells.
      {"{C}{/B}", 1, {}},
  };
  for (const ShapeCase& c : cases) {
    TableMarkupHandle table = Parse(c.text);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount, c.rows) << c.text;
    EXPECT_EQ(table->cellCount, static_cast<LONG>(c.cells.size())) << c.text;
    EXPECT_EQ(Shapes(*table), c.cells) << c.text;
    for (size_t i = 0; i < table->cells.size(); ++i)
      EXPECT_EQ(table->cells[i].sequence, static_cast<LONG>(i + 1)) << c.text;
  }
}

// The attributes of a cell that tags set.
struct Attributes {
  LONG background, textColor, font, size, bold, italic;
};

bool operator==(const Attributes& a, const Attributes& b) {
  return a.background == b.background && a.textColor == b.textColor && a.font == b.font &&
         a.size == b.size && a.bold == b.bold && a.italic == b.italic;
}

void PrintTo(const Attributes& a, std::ostream* out) {
  *out << std::hex << "{B " << a.background << ", T " << a.textColor << std::dec << ", F " << a.font
       << ", size " << a.size << ", bold " << a.bold << ", italic " << a.italic << "}";
}

struct AttributeCase {
  const char* text;
  std::vector<Attributes> cells;
};

TEST(TableMarkup, TagsSetTheGatheredCellAndTheCellsAfter) {
  const LONG white = kMarkupWhite, red = 0x0000FF, blue = 0xFF0000;
  const LONG none = static_cast<LONG>(kMarkupNoBackground);
  const AttributeCase cases[] = {
      {"plain{/B}", {{white, 0, 0, 100, 0, 0}}},
      {"{T255,0,0}a {T0,0,255}b", {{white, red, 0, 100, 0, 0}, {white, blue, 0, 100, 0, 0}}},
      {"{B|}a{/B}b{B#FF0000}c",
       {{none, 0, 0, 100, 0, 0}, {white, 0, 0, 100, 0, 0}, {red, 0, 0, 100, 0, 0}}},
      // Text that names no colour changes nothing.
      {"{T255,0,0}a{Tnonsense}b", {{white, red, 0, 100, 0, 0}, {white, red, 0, 100, 0, 0}}},
      // Tags are read case-insensitively.
      {"{fs150}{f2}{fb}{fi}x", {{white, 0, 2, 150, 1, 1}}},
      {"{F6}{FB}a{/FB}{/FS}b{FS50}{/FI}c{/F}d",
       {{white, 0, 6, 100, 1, 0},
        {white, 0, 6, 100, 0, 0},
        {white, 0, 6, 50, 0, 0},
        {white, 0, 0, 50, 0, 0}}},
      // {/F!} returns to black on white, the stock font at full size, regular.
      {"{T255,0,0}{B0,255,0}{F3}{FB}{FI}{FS200}a{/F!}b",
       {{0x00FF00, red, 3, 200, 1, 1}, {white, 0, 0, 100, 0, 0}}},
      // Font numbers outside 1..6, {F} with no number and sizes without a
      // number or past the bound change nothing.
      {"{F7}a{F}b{F0}c{FS}d{FS0}e{FS99999999999}f",
       {{white, 0, 0, 100, 0, 0},
        {white, 0, 0, 100, 0, 0},
        {white, 0, 0, 100, 0, 0},
        {white, 0, 0, 100, 0, 0},
        {white, 0, 0, 100, 0, 0},
        {white, 0, 0, 100, 0, 0}}},
  };
  for (const AttributeCase& c : cases) {
    TableMarkupHandle table = Parse(c.text);
    ASSERT_NE(table, nullptr);
    std::vector<Attributes> got;
    for (const TableMarkupCell& cell : table->cells)
      got.push_back(
          {cell.background, cell.textColor, cell.font, cell.size, cell.bold, cell.italic});
    EXPECT_EQ(got, c.cells) << c.text;
  }
}

TEST(TableMarkup, ParsingLeavesTheCallersTextAsItWas) {
  char text[] = "{fs150}{t255,0,0}{1r}ab cd\n{b|}x";
  const std::string before = text;
  TableMarkupHandle table = ParseTableMarkup(text);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(text, before);
  EXPECT_EQ(table->cells[0].size, 150);
}

TEST(TableMarkup, LongTagsAreIgnoredAndLongWordsCut) {
  // "T", blanks and "255,0,0": 8 characters besides the blanks.
  const std::string longest = "{T" + std::string(kMarkupMaxTagLength - 8, ' ') + "255,0,0}a";
  const std::string tooLong = "{T" + std::string(kMarkupMaxTagLength - 7, ' ') + "255,0,0}a";
  EXPECT_EQ(Parse(longest)->cells[0].textColor, 0x0000FF);
  EXPECT_EQ(Parse(tooLong)->cells[0].textColor, kMarkupBlack);

  const std::string word(kMarkupMaxWordLength + 40, 'w');
  TableMarkupHandle table = Parse("{C}" + word + " next");
  ASSERT_EQ(table->cellCount, 2);
  EXPECT_EQ(table->cells[0].text, std::string(kMarkupMaxWordLength, 'w'));
  EXPECT_EQ(table->cells[1].text, "next");
}

TEST(TableMarkup, TextPastTheLastRowIsDropped) {
  std::string text = "{L}";
  for (int row = 1; row <= kMarkupMaxRows + 5; ++row) text += "r" + std::to_string(row) + "\n";
  TableMarkupHandle table = Parse(text);
  EXPECT_EQ(table->rowCount, kMarkupMaxRows);
  ASSERT_EQ(table->cellCount, kMarkupMaxRows);
  EXPECT_EQ(table->cells.back().text, "r" + std::to_string(kMarkupMaxRows));
  EXPECT_EQ(table->cells.back().row, kMarkupMaxRows);
}

TEST(TableMarkup, FreeLeavesTheHandleNull) {
  TableMarkupHandle table = Parse("{C}x");
  FreeTableMarkup(table);
  EXPECT_EQ(table, nullptr);
  FreeTableMarkup(table);
  EXPECT_EQ(table, nullptr);
}

}  // namespace
