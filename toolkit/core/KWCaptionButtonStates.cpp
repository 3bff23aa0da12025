#include "toolkit/core/KWCaptionButtonStates.h"

namespace {

BOOL IsShownAt(const KWCaptionButtonStates& buttons, int hit) {
  return hit >= 0 && hit < static_cast<int>(buttons.size()) && !buttons[hit].bHidden;
}

// Clears every busy button other than keep; returns whether any changed.
BOOL ClearOthers(KWCaptionButtonStates& buttons, int keep) {
  BOOL bChanged = FALSE;
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    if (i == keep || buttons[i].IsIdle()) continue;
    buttons[i].Clear();
    bChanged = TRUE;
  }
  return bChanged;
}

}  // namespace

BOOL KWCaptionPress(KWCaptionButtonStates& buttons, int hit, int& nPressed) {
  nPressed = kKWNoCaptionButton;
  BOOL bChanged = FALSE;
  if (IsShownAt(buttons, hit)) {
    KWCaptionButtonState& button = buttons[hit];
    if (!button.bPressed || button.bHot) {
      button.bPressed = TRUE;
      bChanged = TRUE;
    }
    nPressed = hit;
  }
  return ClearOthers(buttons, nPressed) || bChanged;
}

KWCaptionMoveResult KWCaptionMove(KWCaptionButtonStates& buttons, int hit, BOOL bLeftDown,
                                  int nPressed) {
  KWCaptionMoveResult result;
  const int over = IsShownAt(buttons, hit) ? hit : kKWNoCaptionButton;
  if (over != kKWNoCaptionButton) {
    KWCaptionButtonState& button = buttons[over];
    const BOOL bPressed = bLeftDown && over == nPressed;
    if (button.bPressed != bPressed) {
      button.bPressed = bPressed;
      result.bChanged = TRUE;
    }
    if (!button.bHot) {
      button.bHot = TRUE;
      result.bChanged = TRUE;
      result.nShowTip = over;
    }
  } else {
    result.bHideTip = TRUE;
  }
  if (ClearOthers(buttons, over)) result.bChanged = TRUE;
  return result;
}

int KWCaptionRelease(const KWCaptionButtonStates& buttons, int hit) {
  return IsShownAt(buttons, hit) && buttons[hit].bPressed ? hit : kKWNoCaptionButton;
}
