#include "lexicon/core/DeclensionCells.h"

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"

using namespace GrammarLayout;

namespace {

constexpr int kVerbGridCells = 31;
constexpr int kSuffixGridCells = 13;
constexpr BYTE kClassBits = 0x7F;
constexpr BYTE kFlagBit = 0x80;

// The 16-bit words of a NounTableRec whose non-zero pattern number gives a
// cell its form.
constexpr int kPluralPatternOffset = 6;
constexpr int kConstructPatternOffset = 8;
constexpr int kConstructPluralPatternOffset = 10;
constexpr int kPersonsPatternOffset = 12;
constexpr int kPluralPersonsPatternOffset = 14;

// The gender/number classes that name plurals (the lists show their words
// as plural).
constexpr int kPluralClasses[] = {4, 5, 6, 7, 11};

bool IsPluralClass(int genderNumberClass) {
  for (int pluralClass : kPluralClasses)
    if (genderNumberClass == pluralClass) return true;
  return false;
}

}  // namespace

int NounTableFirstCell(int tableType) { return tableType == TableType::Adjective ? 1 : 0; }

int NounTableLastCell(int tableType) {
  switch (tableType) {
    case TableType::Preposition:
      return 12;
    case TableType::Adjective:
      return 4;
    case TableType::Vocabulary:
      return 0;
    default:
      return 14;
  }
}

int NounTableCellCount(int tableType) {
  switch (tableType) {
    case GridTableType::VerbGrid:
      return kVerbGridCells;
    case GridTableType::SuffixGrid:
      return kSuffixGridCells;
    default:
      return NounTableLastCell(tableType) + 1;
  }
}

void ResetCellRects(CellRects& block, int tableType) {
  RECT unset = {0, kUnsetRectTop, 0, 0};
  block.rects.assign(NounTableCellCount(tableType), unset);
}

void FreeCellRects(CellRects& block) { std::vector<RECT>().swap(block.rects); }

bool GetCellRect(const CellRects& block, RECT& rect, int index, int tableType) {
  rect = RECT{0, 0, 0, 0};
  if (index < NounTableFirstCell(tableType) || index >= static_cast<int>(block.rects.size()))
    return false;
  rect = block.rects[index];
  return true;
}

int HitTestCellRects(const CellRects& block, int x, int y, RECT& rect, int tableType) {
  for (int i = NounTableFirstCell(tableType); i < static_cast<int>(block.rects.size()); ++i) {
    const RECT& r = block.rects[i];
    if (r.top != kUnsetRectTop && x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
      rect = r;
      return i;
    }
  }
  return -1;
}

void SetCellRect(CellRects& block, const RECT& rect, int index) {
  if (index >= 0 && index < static_cast<int>(block.rects.size())) block.rects[index] = rect;
}

bool IsPatternFlagged(const BYTE* nounEntry) {
  return (nounEntry[kNounEntryClassOffset] & kFlagBit) != 0;
}

int GetGenderNumberClass(const BYTE* nounEntry) {
  return nounEntry[kNounEntryClassOffset] & kClassBits;
}

bool IsPatternClassPlural(const BYTE* nounEntry) {
  return IsPluralClass(GetGenderNumberClass(nounEntry));
}

bool IsNounCellAvailable(const BYTE* nounTableRec, int kind, int cell) {
  if (!nounTableRec) return false;
  auto has = [nounTableRec](int offset) { return ReadU16LE(nounTableRec + offset) != 0; };
  if (cell == DeclensionCell::Plural) return has(kPluralPatternOffset);
  if (kind != DeclensionKind::SingularStem && kind != DeclensionKind::PluralStem) return false;
  if (cell == DeclensionCell::Construct) return has(kConstructPatternOffset);
  if (cell == DeclensionCell::ConstructPlural) return has(kConstructPluralPatternOffset);
  if (DeclensionCell::IsPersonCell(cell))
    return has(kind == DeclensionKind::PluralStem ? kPluralPersonsPatternOffset
                                                  : kPersonsPatternOffset);
  return false;
}
