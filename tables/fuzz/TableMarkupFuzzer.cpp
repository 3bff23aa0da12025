// libFuzzer target over the table mark-up: whatever the bytes, parsing leaves
// the text as it was, keeps every cell within the limits of rows, columns and
// word length, and measuring and placing stay within the measured bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tables/core/TableMarkup.h"
#include "tables/core/TableMarkupLayout.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

// Every character as wide as its byte value says, so sizes vary with text.
class ByteMeasurer : public TableMarkupMeasurer {
 public:
  int DefaultRowHeight() override { return 13; }
  int ColumnGap() override { return 11; }
  int HebrewLineHeight() override { return 21; }
  SIZE MeasureCell(const TableMarkupCell& cell) override {
    LONG width = 0;
    for (unsigned char c : cell.text) width += 1 + c % 7;
    return SIZE{width, 10 + cell.size % 40};
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string before = text;
  TableMarkupHandle table = ParseTableMarkup(text.c_str());
  Check(text == before);
  if (!table) return 0;
  Check(table->cellCount == static_cast<LONG>(table->cells.size()));
  Check(table->rowCount >= 1 && table->rowCount <= kMarkupMaxRows);
  LONG sequence = 0;
  LONG row = 1;
  for (const TableMarkupCell& cell : table->cells) {
    Check(cell.sequence == ++sequence);
    Check(cell.row >= row && cell.row <= table->rowCount);
    row = cell.row;
    Check(cell.column >= 0 && cell.column <= kMarkupColumns);
    Check(!cell.text.empty() && cell.text.size() <= static_cast<size_t>(kMarkupMaxWordLength));
    Check(cell.font >= 0 && cell.size > 0 && cell.alignment >= 0 && cell.bold >= 0);
  }
  ByteMeasurer measurer;
  MeasureTableMarkup(*table, measurer);
  const std::vector<POINT> places = PlaceTableMarkupCells(*table, POINT{0, 0});
  Check(places.size() == table->cells.size());
  for (size_t i = 0; i < places.size(); ++i) {
    const TableMarkupCell& cell = table->cells[i];
    Check(places[i].y >= 0 && places[i].y + cell.height <= table->bounds.bottom);
    Check(places[i].x >= 0 && places[i].x + cell.width <= table->bounds.right);
  }
  FreeTableMarkup(table);
  Check(!table);
  return 0;
}
