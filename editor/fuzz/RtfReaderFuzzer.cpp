// libFuzzer target over the RTF reader, with and without linked style
// tables: whatever the input, every character has its attribute word and
// every index stays inside its table.
#include <cstddef>
#include <cstdint>

#include "editor/core/CharAttr.h"
#include "editor/core/RtfReader.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  CRtfTables bare(text, size);
  int error = RtfParse(bare);
  Check(bare.text.size() == bare.attrs.size());

  DocStyleTables tables;
  CRtfTables linked(text, size, &tables);
  Check(RtfParse(linked) == error);
  Check(linked.text == bare.text);
  for (DWORD attr : linked.attrs) {
    Check(AttrFont(attr) <
          static_cast<UINT>(tables.fontNames.GetSize() ? tables.fontNames.GetSize() : 1));
    Check(AttrSize(attr) <
          static_cast<UINT>(tables.fontSizes.GetSize() ? tables.fontSizes.GetSize() : 1));
  }
  Check(tables.fontNames.GetSize() <= DocStyleTables::kLimits[kFontNames]);
  Check(tables.textColors.GetSize() <= DocStyleTables::kLimits[kTextColors]);
  return 0;
}
