// The arithmetic of the toolkit's toolbar over a plain list of buttons: where
// the rows wrap for a width, the size they take, the narrowest wrapping that
// keeps a length, and which trailing buttons a docked row too short for the
// bar hides behind its chevron.
//
// A button wraps after itself. A separator that ends a row takes no room
// along it and leaves a gap as high as it is wide between the rows; a row is
// as high as its items, also one that holds only a wrapped separator. A
// separator that hosts a control (an edit box over the button) is never a
// wrap point.
#pragma once

#include <vector>

#include "classlib/core/Geometry.h"

struct KWToolButton {
  int cx = 0;  // the item's width (a separator's is its width)
  int cy = 0;  // the item's height
  bool bSeparator = false;
  bool bControlHost = false;  // a separator with a control over it
  bool bHidden = false;
  bool bWrap = false;
};

// Lengths at least this long never wrap.
constexpr int kKWToolBarUnlimited = 32767;
// Room the chevron takes at the end of a docked row.
constexpr int kKWChevronRoom = 13;

// The room a button takes in its row: a separator that ends a row takes
// none along it and its width across.
CSize KWButtonSize(const KWToolButton& button);

// Wraps the visible buttons into rows no wider than nWidth: at the last
// visible plain separator of the row before the one that does not fit, else
// after the nearest visible button that is no control host; a button with
// neither stays and overflows. Returns the number of rows.
int KWWrapToolBar(std::vector<KWToolButton>& buttons, int nWidth);

// The size the wrapped rows take.
CSize KWCalcToolBarSize(const std::vector<KWToolButton>& buttons);

// Wraps for a length: horizontally (bVert false) the narrowest rows that
// keep the number of rows nLength gives; vertically the narrowest rows whose
// height fits nLength. Returns the size.
CSize KWSizeToolBar(std::vector<KWToolButton>& buttons, int nLength, bool bVert);

// What a docked row knows of its bar beyond the buttons.
struct KWRowMetrics {
  bool bHorz = true;     // the row runs left to right
  int nInsideBorders = 0;  // the inside borders along the row
  bool bChevron = true;  // the bar has a chevron for hidden buttons
  bool bCustomize = false;
};

// The bar's length along a docked row: one row (or column) of the visible
// buttons, the inside borders, and the chevron's room when it shows.
int KWRowLength(const std::vector<KWToolButton>& buttons, const KWRowMetrics& metrics);

// Hides buttons from the end, skipping hidden ones and never the last visible
// one, until the row is at most nAvailable - kKWChevronRoom long; only when
// buttons are hidden already or nAvailable < nNeeded. Returns the indexes
// hidden, in the order they were.
std::vector<int> KWHideButtonsToFit(std::vector<KWToolButton>& buttons, int nNeeded,
                                    int nAvailable, const KWRowMetrics& metrics);

// Unhides the hidden buttons of hidden (indexes) in button order while the
// row stays within nAvailable (less the chevron's room while more than one
// is hidden); the first that does not fit stays hidden and ends the walk.
// Returns the indexes unhidden.
std::vector<int> KWShowHiddenButtons(std::vector<KWToolButton>& buttons,
                                     const std::vector<int>& hidden, int nAvailable,
                                     const KWRowMetrics& metrics);

// Where the chevron stands in a row nLength long: at its end less the inside
// borders, never before the first visible button's extent.
CPoint KWChevronPosition(int nLength, bool bHorz, int nInsideBorders, bool bInReBar,
                         int nFirstExtent);
