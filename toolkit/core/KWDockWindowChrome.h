// Where a sizable docking window draws its gripper or caption strip, its two
// caption buttons and its child, and how its caption is coloured. Sizes are
// in pixels of the window's client area moved to the origin.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"
#include "toolkit/core/KWDockWindowSizes.h"

// The extended style bits a docking window reads.
constexpr DWORD kKWDockGripper = 0x0001;
constexpr DWORD kKWDockGripperText = 0x0002;       // needs the gripper
constexpr DWORD kKWDockTwoGripperLines = 0x0004;   // needs the gripper
constexpr DWORD kKWDockCaption = 0x0008;
constexpr DWORD kKWDockGradientCaption = 0x0010;
constexpr DWORD kKWDockCaptionButtons = 0x0020;    // needs the gripper
constexpr DWORD kKWDockFlatButtons = 0x0040;
constexpr DWORD kKWDockRaisedButtons = 0x0100;
constexpr DWORD kKWDockEtchedInside = 0x0200;
constexpr DWORD kKWDockThinInside = 0x0400;
constexpr DWORD kKWDockRaisedInside = 0x0800;
// The extended style a docking window starts with: gripper with its text,
// and the caption buttons.
constexpr DWORD kKWDockDefaultExStyle = 0x0023;

// Reading the extended style; bOfficeLook is the global data's look flag.
struct KWDockStyle {
  DWORD dwExStyle = kKWDockDefaultExStyle;
  bool bOfficeLook = false;

  bool HasGripper() const { return (dwExStyle & kKWDockGripper) != 0; }
  bool HasText() const { return HasGripper() && (dwExStyle & kKWDockGripperText); }
  bool HasTwoLines() const { return HasGripper() && (dwExStyle & kKWDockTwoGripperLines); }
  bool HasButtons() const { return HasGripper() && (dwExStyle & kKWDockCaptionButtons); }
  bool IsCaptionMode() const {
    return (dwExStyle & kKWDockCaption) || (HasGripper() && bOfficeLook);
  }
  bool HasGradient() const { return (dwExStyle & kKWDockGradientCaption) != 0; }
  // The style value both caption buttons are given.
  int ButtonStyle() const;
};

// The extent a docked window keeps along its row when minimised.
int KWDockMinLength(const KWDockStyle& style, KWDockPlace place);

// The strip along the top (docked left or right) or left (docked top or
// bottom) in which the gripper lines and the caption are drawn.
CRect KWDockGripperRect(CSize client, KWDockPlace place, bool bButtons);

struct KWDockButtonRects {
  CRect hide;
  CRect expand;
};
// 12 x 12 buttons at the strip's end; both empty while floating.
KWDockButtonRects KWDockButtonRectsFor(CSize client, KWDockPlace place, bool bOfficeLook);

// The area the child window fills (before its one-pixel margin).
CRect KWDockInsideRect(const CRect& client, KWDockPlace place, const KWDockStyle& style,
                       bool bTabBar);

// The gripper strip as drawn: the caption behind it and up to two lines.
struct KWDockGripperLines {
  CRect caption;
  CRect lines[2];
  int nLines = 0;
};
// nTextWidth is the window text's width, 0 when it shows none.
KWDockGripperLines KWDockGripperLinesFor(CSize client, KWDockPlace place,
                                         const KWDockStyle& style, int nTextWidth);

// The caption under the look flag, grown to cover the caption buttons.
CRect KWDockCaptionCover(CRect rect, KWDockPlace place, bool bButtons);
// Where the caption text starts.
CPoint KWDockCaptionTextOrigin(const CRect& caption, KWDockPlace place, bool bOfficeLook,
                               bool bWin95);

// The gradient caption: kKWCaptionBands bands from c1 at the text's start
// to c2, left to right for a horizontal strip, bottom to top for a vertical
// one. Band i of them has this colour.
constexpr int kKWCaptionBands = 64;
COLORREF KWCaptionBandColor(COLORREF c1, COLORREF c2, int i);
// Calls fn(band rectangle, colour) for every band that has an extent.
template <typename Fn>
void KWForEachCaptionBand(const CRect& rect, KWDockPlace place, COLORREF c1, COLORREF c2, Fn fn) {
  const bool bAcross = place == KWDockPlace::kLeftRight;
  const int extent = bAcross ? rect.Width() : rect.Height();
  for (int i = 0; i < kKWCaptionBands; ++i) {
    const int from = i * extent / kKWCaptionBands;
    const int to = (i + 1) * extent / kKWCaptionBands;
    if (to <= from) continue;
    CRect band = bAcross ? CRect(rect.left + from, rect.top, rect.left + to, rect.bottom)
                         : CRect(rect.left, rect.bottom - to, rect.right, rect.bottom - from);
    fn(band, KWCaptionBandColor(c1, c2, i));
  }
}

// The expand button's look in a dock row.
enum class KWExpandTip { kExpand, kContract };
struct KWExpandButtonState {
  int nIcon = 0;  // index in the caption-button strip
  KWExpandTip tip = KWExpandTip::kExpand;
  bool bEnabled = false;
};
KWExpandButtonState KWExpandButtonFor(KWDockPlace place, bool bOnlyInRow, bool bExpanded);
