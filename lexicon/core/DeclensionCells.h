// The cells of the declension tables: how many each table type has, which
// are its first and last, the screen rectangle of each cell for
// hit-testing, and which cells a noun table record fills.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

// The declension cells of nouns (prepositions use 0-12, adjectives 1-4,
// general vocabulary 0).
namespace DeclensionCell {
// clang-format off
enum Id : int {
  Singular, Construct, Pausal,
  My, YourMs, YourFs, His, Her, Our, YourMp, YourFp, TheirM, TheirF,
  Plural, ConstructPlural,
  Count
};
// clang-format on
constexpr int kFirstPerson = My;
constexpr int kLastPerson = TheirF;
inline bool IsPersonCell(int cell) { return cell >= kFirstPerson && cell <= kLastPerson; }
}  // namespace DeclensionCell

// Which cell set of a noun table record applies: the person cells built on
// the singular stem, on the plural stem, or those of an infinitive noun.
namespace DeclensionKind {
enum Id : int { SingularStem = 1, PluralStem = 2, InfinitiveNoun = 3 };
}  // namespace DeclensionKind

// Besides the table types of GrammarData.h (TableType), the two grids of
// the verb views that only use cell counts and rectangles.
namespace GridTableType {
enum Id : int { VerbGrid = 5, SuffixGrid = 6 };
}  // namespace GridTableType

int NounTableFirstCell(int tableType);
int NounTableLastCell(int tableType);  // inclusive
// The rectangle slots of the type: every cell up to the last has one (the
// prepositions' 13).
int NounTableCellCount(int tableType);

// The cell rectangles of one view, one a cell slot; a rectangle whose top is
// -1 is unset.
struct CellRects {
  std::vector<RECT> rects;
};

constexpr LONG kUnsetRectTop = -1;

// Sizes the block for the type and unsets every rectangle.
void ResetCellRects(CellRects& block, int tableType);
void FreeCellRects(CellRects& block);
// False, with an empty rectangle, for an index below the type's first cell
// or beyond the block.
bool GetCellRect(const CellRects& block, RECT& rect, int index, int tableType);
// The first cell from the type's first up whose rectangle holds the point,
// with that rectangle; -1 when none does.
int HitTestCellRects(const CellRects& block, int x, int y, RECT& rect, int tableType);
// An index outside the block is ignored.
void SetCellRect(CellRects& block, const RECT& rect, int index);

// The NounEntry's byte of gender/number class (bits 0-6) and flag (bit 7).
bool IsPatternFlagged(const BYTE* nounEntry);
int GetGenderNumberClass(const BYTE* nounEntry);
// Classes 4, 5, 6, 7 and 11 are plural.
bool IsPatternClassPlural(const BYTE* nounEntry);

// Whether the noun table record (null: none) gives the cell a form for the
// kind.
bool IsNounCellAvailable(const BYTE* nounTableRec, int kind, int cell);
