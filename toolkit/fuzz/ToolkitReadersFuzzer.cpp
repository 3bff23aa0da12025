// libFuzzer target over what the toolkit reads from outside: bitmap resources
// for the system-colour loader (a packed DIB of any header, palette and size)
// and binary values of a hand-edited INI file. Besides the sanitizers'
// findings it stops on a broken invariant (a trap).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "toolkit/core/IniBinaryText.h"
#include "toolkit/core/SysColorDib.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

void CheckDib(const uint8_t* data, size_t size) {
  SysColorDib dib;
  if (!ParseSysColorDib(data, size, dib)) return;
  constexpr size_t kHeader = 40, kMasks = 12;
  size_t table = size_t(dib.colorCount) * 4;
  Check(dib.info.size() == kHeader + table || dib.info.size() == kHeader + kMasks + table);
  Check(dib.width > 0 && dib.height != 0);
  uint64_t stride = (uint64_t(dib.width) * dib.bitCount + 31) / 32 * 4;
  uint64_t rows = dib.height < 0 ? -int64_t(dib.height) : dib.height;
  Check(dib.pixelOffset <= size && stride * rows <= size - dib.pixelOffset);
  const COLORREF targets[kSysColorMapSize] = {1, 2, 3, 4};
  MapSysColorTable(dib, targets, data[0] & 1);
}

void CheckIniBinary(const uint8_t* data, size_t size) {
  // Stored texts end at their first zero, as the profile gives them.
  std::string text(reinterpret_cast<const char*>(data), size);
  text = text.c_str();
  std::vector<BYTE> bytes;
  if (!DecodeIniBinary(text.c_str(), bytes)) {
    Check(bytes.empty());
    return;
  }
  Check(bytes.size() * 2 == text.size());
  Check(std::strcmp(EncodeIniBinary(bytes.data(), static_cast<UINT>(bytes.size())), text.c_str()) ==
        0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckDib(data, size);
  CheckIniBinary(data, size);
  return 0;
}
