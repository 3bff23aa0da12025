#include "editor/win/PrinterPapers.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kPrinterFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
constexpr DWORD kPrinterLevel = 2;

// A printer's papers: the count call sizes both buffers.
void AddPapersOf(PaperList& list, LPCSTR printer, LPCSTR port) {
  const int count = ::DeviceCapabilitiesA(printer, port, DC_PAPERS, nullptr, nullptr);
  if (count <= 0) return;
  const int nameCount = ::DeviceCapabilitiesA(printer, port, DC_PAPERNAMES, nullptr, nullptr);
  if (nameCount <= 0) return;
  std::vector<WORD> codes(static_cast<size_t>(count));
  std::vector<char> names(static_cast<size_t>(nameCount) * kPaperNameLength, '\0');
  const int gotCodes = ::DeviceCapabilitiesA(printer, port, DC_PAPERS,
                                             reinterpret_cast<LPSTR>(codes.data()), nullptr);
  const int gotNames = ::DeviceCapabilitiesA(printer, port, DC_PAPERNAMES, names.data(), nullptr);
  if (gotCodes <= 0 || gotNames <= 0) return;
  const int papers = std::min({gotCodes, gotNames, count, nameCount});
  list.AddPrinterPapers(names.data(), names.size(), codes.data(), papers);
}

}  // namespace

PaperList ListPrinterPapers() {
  PaperList list;
  DWORD needed = 0;
  DWORD returned = 0;
  ::EnumPrintersA(kPrinterFlags, nullptr, kPrinterLevel, nullptr, 0, &needed, &returned);
  if (needed > 0) {
    HGLOBAL hBlock = ::GlobalAlloc(GPTR, needed);
    BYTE* block = static_cast<BYTE*>(hBlock);
    if (block != nullptr &&
        ::EnumPrintersA(kPrinterFlags, nullptr, kPrinterLevel, block, needed, &needed, &returned)) {
      const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(block);
      for (DWORD i = 0; i < returned; i++)
        AddPapersOf(list, printers[i].pPrinterName, printers[i].pPortName);
    }
    if (hBlock != nullptr) ::GlobalFree(hBlock);
  }
  list.AddCustom();
  return list;
}
