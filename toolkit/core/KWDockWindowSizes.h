// A sizable docking window's remembered sizes: one per docking state, the
// extent being dragged, and its place in a dock row (alone, expanded), with
// the profile record that stores them.
#pragma once

#include <cstddef>
#include <vector>

#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"

// Where the window is: floating, docked along the top or bottom (a
// horizontal bar) or along the left or right (a vertical bar).
enum class KWDockPlace { kFloating, kTopBottom, kLeftRight };

// The layout requests of a dynamic bar (the class library's LM_* values).
constexpr DWORD kKWLayoutHorz = 0x02;
constexpr DWORD kKWLayoutMruWidth = 0x04;
constexpr DWORD kKWLayoutHorzDock = 0x08;
constexpr DWORD kKWLayoutVertDock = 0x10;
constexpr DWORD kKWLayoutLengthY = 0x20;
constexpr DWORD kKWLayoutCommit = 0x40;

// A floating window is never dragged smaller than this across either side.
constexpr int kKWDockMinFloatExtent = 50;

// The profile record: eleven little-endian int32. A stored record is applied
// only as far as its first ten values (sizes and flags); the extended style
// stays the window's own.
constexpr std::size_t kKWDockSizeRecordBytes = 44;
constexpr std::size_t kKWDockSizeRecordAppliedBytes = 40;

struct KWDockWindowSizes {
  static constexpr LONG kInitialCx = 200;
  static constexpr LONG kInitialCy = 100;

  CSize vertDocked{kInitialCx, kInitialCy};
  CSize horzDocked{kInitialCx, kInitialCy};
  CSize floating{kInitialCx, kInitialCy};
  CSize desired{kInitialCx, kInitialCy};
  BOOL bOnlyInRow = FALSE;
  BOOL bExpanded = FALSE;

  // The sizes of a window created at size with bar style dwStyle: the docked
  // size across a side turned for the other sides, floating a square of the
  // smaller extent.
  static KWDockWindowSizes ForCreate(CSize size, DWORD dwStyle);

  // The size asked for by a dynamic layout request; a commit keeps the
  // desired size as the floating one.
  CSize DynamicLayout(int nLength, DWORD dwMode);

  // A size given by the window's owner: the desired size and that of place.
  void SetBarSize(KWDockPlace place, CSize size);
  // Docked at to after being docked at from: on a side across the old one
  // the desired size becomes the one kept for the new side, so that the old
  // length is not taken for the new depth. Floating before or after, or the
  // same orientation, leaves the desired size as it is.
  void DockAt(KWDockPlace from, KWDockPlace to);
  // The length along the row back to the docked size; no longer expanded.
  void RestoreLength(KWDockPlace place);
  // The length along the row down to nMinLength; returns the room given up
  // (0 floating).
  int MinimizeLength(KWDockPlace place, int nMinLength);
  // The length along the row set to n, expanded.
  void ExpandLength(KWDockPlace place, int n);

  std::vector<BYTE> ToRecord(DWORD dwExStyle) const;
  // False, and nothing changed, for a record shorter than the applied part.
  bool ApplyRecord(const BYTE* pData, std::size_t nBytes);
};

// The bar style bits that tell which side a bar is aligned or bordered on
// the left or right (the class library's CBRS_ALIGN_LEFT/RIGHT and
// CBRS_BORDER_LEFT/RIGHT).
constexpr DWORD kKWBarLeftOrRight = 0x5500;
