// The mouse states of a floating frame's caption buttons: which button a
// press takes, how moving shows it pressed or hot, and which button a
// release fires. A hit of kKWNoCaptionButton is a point over none.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

constexpr int kKWNoCaptionButton = -1;

struct KWCaptionButtonState {
  BOOL bHidden = FALSE;
  BOOL bHot = FALSE;
  BOOL bPressed = FALSE;
  BOOL bHighlighted = FALSE;  // last painted hot or pressed

  BOOL IsIdle() const { return !bHighlighted && !bPressed && !bHot; }
  void Clear() { bHot = bPressed = bHighlighted = FALSE; }
};
using KWCaptionButtonStates = std::vector<KWCaptionButtonState>;

// The left button went down at hit: the button there becomes the pressed one
// and every other busy button is cleared. Returns whether any changed;
// nPressed is the pressed button's index or kKWNoCaptionButton.
BOOL KWCaptionPress(KWCaptionButtonStates& buttons, int hit, int& nPressed);

struct KWCaptionMoveResult {
  BOOL bChanged = FALSE;
  int nShowTip = kKWNoCaptionButton;  // a button that just became hot
  BOOL bHideTip = FALSE;              // the point is over no button
};
// The mouse moved to hit. With the left button down only the button the
// press began on shows pressed, and only while the mouse is over it;
// without it a pressed button is released.
KWCaptionMoveResult KWCaptionMove(KWCaptionButtonStates& buttons, int hit, BOOL bLeftDown,
                                  int nPressed);

// The left button came up at hit: the index of the button it fires (the
// one pressed there and shown), else kKWNoCaptionButton.
int KWCaptionRelease(const KWCaptionButtonStates& buttons, int hit);
