#include "editor/core/PaperSizes.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr WORD kIn = 1;
constexpr WORD kMm = 2;

// clang-format off
// Width, length and unit of each code, as the paper codes are documented.
const PaperSize kPaperSizes[kLastPaperCode + 1] = {
  {0, 0, kIn},          //  0 Custom
  {8500, 11000, kIn},   //  1 Letter
  {8500, 11000, kIn},   //  2 Letter Small
  {11000, 17000, kIn},  //  3 Tabloid
  {17000, 11000, kIn},  //  4 Ledger
  {8500, 14000, kIn},   //  5 Legal
  {5500, 8500, kIn},    //  6 Statement
  {7250, 10500, kIn},   //  7 Executive
  {2970, 4200, kMm},    //  8 A3
  {2100, 2970, kMm},    //  9 A4
  {2100, 2970, kMm},    // 10 A4 Small
  {1480, 2100, kMm},    // 11 A5
  {2500, 3540, kMm},    // 12 B4 (JIS)
  {1820, 2570, kMm},    // 13 B5 (JIS)
  {8500, 13000, kIn},   // 14 Folio
  {2150, 2750, kMm},    // 15 Quarto
  {10000, 14000, kIn},  // 16 10x14
  {11000, 17000, kIn},  // 17 11x17
  {8500, 11000, kIn},   // 18 Note
  {3875, 8875, kIn},    // 19 Envelope #9
  {4125, 9500, kIn},    // 20 Envelope #10
  {4500, 10375, kIn},   // 21 Envelope #11
  {4750, 11000, kIn},   // 22 Envelope #12
  {5000, 11500, kIn},   // 23 Envelope #14
  {17000, 22000, kIn},  // 24 C size sheet
  {22000, 34000, kIn},  // 25 D size sheet
  {34000, 44000, kIn},  // 26 E size sheet
  {1100, 2200, kMm},    // 27 Envelope DL
  {1620, 2290, kMm},    // 28 Envelope C5
  {3240, 4580, kMm},    // 29 Envelope C3
  {2290, 3240, kMm},    // 30 Envelope C4
  {1140, 1620, kMm},    // 31 Envelope C6
  {1140, 2290, kMm},    // 32 Envelope C65
  {2500, 3530, kMm},    // 33 Envelope B4
  {1760, 2500, kMm},    // 34 Envelope B5
  {1760, 1250, kMm},    // 35 Envelope B6
  {1100, 2300, kMm},    // 36 Envelope Italy
  {3875, 7500, kIn},    // 37 Envelope Monarch
  {3625, 6500, kIn},    // 38 6 3/4 Envelope
  {14875, 11000, kIn},  // 39 US Std Fanfold
  {8500, 12000, kIn},   // 40 German Std Fanfold
  {8500, 13000, kIn},   // 41 German Legal Fanfold
  {2500, 3530, kMm},    // 42 B4 (ISO)
  {1000, 1480, kMm},    // 43 Japanese Postcard
  {9000, 11000, kIn},   // 44 9x11
  {10000, 11000, kIn},  // 45 10x11
  {15000, 11000, kIn},  // 46 15x11
  {2200, 2200, kMm},    // 47 Envelope Invite
  {0, 0, 0},            // 48 reserved
  {0, 0, 0},            // 49 reserved
  {9500, 12000, kIn},   // 50 Letter Extra
  {9500, 15000, kIn},   // 51 Legal Extra
  {11690, 18000, kIn},  // 52 Tabloid Extra
  {9270, 12690, kIn},   // 53 A4 Extra
  {8500, 11000, kIn},   // 54 Letter Transverse
  {2100, 2970, kMm},    // 55 A4 Transverse
  {9500, 12000, kIn},   // 56 Letter Extra Transverse
  {2270, 3560, kMm},    // 57 Super A
  {3050, 4870, kMm},    // 58 Super B
  {8500, 12690, kIn},   // 59 Letter Plus
  {2100, 3300, kMm},    // 60 A4 Plus
  {1480, 2100, kMm},    // 61 A5 Transverse
  {1820, 2570, kMm},    // 62 B5 (JIS) Transverse
  {3220, 4450, kMm},    // 63 A3 Extra
  {1740, 2350, kMm},    // 64 A5 Extra
  {2010, 2760, kMm},    // 65 B5 (ISO) Extra
  {4200, 5940, kMm},    // 66 A2
  {2970, 4200, kMm},    // 67 A3 Transverse
  {3220, 4450, kMm},    // 68 A3 Extra Transverse
};
// clang-format on

const char kCustomPaperName[] = "Custom";

}  // namespace

BOOL LookupPaperSize(int code, PaperSize& size) {
  if (code < 0 || code > kLastPaperCode) return FALSE;
  size = kPaperSizes[code];
  return TRUE;
}

void PaperList::AddPrinterPapers(const char* names, size_t namesSize, const WORD* codes,
                                 int count) {
  for (int i = 0; i < count; i++) {
    const size_t offset = static_cast<size_t>(i) * kPaperNameLength;
    if (offset >= namesSize) break;
    auto place =
        std::lower_bound(m_entries.begin(), m_entries.end(), codes[i],
                         [](const PaperEntry& entry, WORD code) { return entry.code < code; });
    if (place != m_entries.end() && place->code == codes[i]) continue;
    // A name that fills its slot has no terminator of its own.
    const char* name = names + offset;
    const size_t room = std::min<size_t>(kPaperNameLength, namesSize - offset);
    PaperEntry entry;
    entry.code = codes[i];
    entry.name = CString(name, static_cast<int>(strnlen(name, room)));
    m_entries.insert(place, entry);
  }
}

void PaperList::AddCustom() {
  PaperEntry entry;
  entry.name = kCustomPaperName;
  m_entries.push_back(entry);
}

int PaperList::IndexOfCode(WORD code) const {
  for (size_t i = 0; i < m_entries.size(); i++)
    if (m_entries[i].code == code) return static_cast<int>(i);
  return 0;
}
