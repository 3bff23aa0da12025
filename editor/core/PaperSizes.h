// The printer paper codes (those of DEVMODE's dmPaperSize) with their sizes,
// and the paper list the page settings sheet builds from the printers.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

constexpr WORD kPaperCustom = 0;
constexpr WORD kLastPaperCode = 68;  // the A3 Extra Transverse
// The length of one name in a printer's DC_PAPERNAMES answer.
constexpr int kPaperNameLength = 64;

struct PaperSize {
  WORD width = 0;  // portrait sense, in the unit
  WORD length = 0;
  WORD unit = 0;  // 1 thousandths of an inch, 2 tenths of a millimetre, 0 no size
};

// FALSE for a code past the table. Custom and the two reserved codes are
// found but have no size.
BOOL LookupPaperSize(int code, PaperSize& size);

struct PaperEntry {
  WORD code = kPaperCustom;
  CString name;
};

// The papers of all printers, ordered by code, each code once.
class PaperList {
 public:
  // One printer's DC_PAPERNAMES block (count names of kPaperNameLength
  // characters, not necessarily terminated) and DC_PAPERS codes; names past
  // namesSize bytes are not read.
  void AddPrinterPapers(const char* names, size_t namesSize, const WORD* codes, int count);
  // "Custom", always last.
  void AddCustom();
  const std::vector<PaperEntry>& Entries() const { return m_entries; }
  // The entry of that code, else the first.
  int IndexOfCode(WORD code) const;

 private:
  std::vector<PaperEntry> m_entries;
};
