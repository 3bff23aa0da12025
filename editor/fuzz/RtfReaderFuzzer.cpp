// libFuzzer target over the RTF reader, with and without linked style
// tables: whatever the input, every character has its attribute word, every
// paragraph its format and columns, and every index stays inside its table.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "editor/core/CharAttr.h"
#include "editor/core/RtfReader.h"
#include "hebtext/core/HebChar.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

bool IsBreak(char c) { return c == HebCode::FormFeed || c == HebCode::CarriageReturn; }

// Index 0 is valid in a table the reader left empty.
template <class Table>
UINT Count(const Table& table) {
  return static_cast<UINT>(std::max<int>(static_cast<int>(table.GetSize()), 1));
}

// One paragraph for text without a break, and one more after each break.
void CheckParagraphs(const CRtfTables& parse) {
  size_t breaks = std::count_if(parse.text.begin(), parse.text.end(), IsBreak);
  Check(parse.paraFormats.size() == (parse.text.empty() ? 0 : breaks + 1));
  Check(parse.paraColumns.size() == parse.paraFormats.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  CRtfTables bare(text, size);
  int error = RtfParse(bare);
  Check(bare.text.size() == bare.attrs.size());
  CheckParagraphs(bare);

  DocStyleTables tables;
  CRtfTables linked(text, size, &tables);
  Check(RtfParse(linked) == error);
  Check(linked.text == bare.text);
  Check(linked.paraFormats.size() == bare.paraFormats.size());
  for (DWORD attr : linked.attrs) {
    Check(AttrFont(attr) < Count(tables.fontNames));
    Check(AttrSize(attr) < Count(tables.fontSizes));
    Check(AttrTextColor(attr) < Count(tables.textColors));
    Check(AttrBackColor(attr) < Count(tables.backColors));
    Check(AttrWordSpace(attr) < Count(tables.wordSpace));
  }
  for (DWORD format : linked.paraFormats) Check(FormatLineSpace(format) < Count(tables.lineSpace));
  Check(tables.fontNames.GetSize() <= DocStyleTables::kLimits[kFontNames]);
  Check(tables.textColors.GetSize() <= DocStyleTables::kLimits[kTextColors]);
  return 0;
}
