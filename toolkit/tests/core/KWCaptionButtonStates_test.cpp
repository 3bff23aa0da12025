#include "toolkit/core/KWCaptionButtonStates.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kClose = 0;
constexpr int kOptions = 1;
constexpr int kNone = kKWNoCaptionButton;

// Two letters a button: H when hot, P when pressed, '-' for neither.
std::string Flags(const KWCaptionButtonStates& buttons) {
  std::string s;
  for (const KWCaptionButtonState& b : buttons) {
    s += b.bHot ? 'H' : '-';
    s += b.bPressed ? 'P' : '-';
    s += ' ';
  }
  return s;
}

TEST(KWCaptionButtonStates, PressMovesAndReleaseFollowTheButtonUnderTheMouse) {
  enum Action { kPress, kMoveDown, kMoveUp, kRelease };
  struct Step {
    Action action;
    int hit;
    const char* flags;
    BOOL changed;
    int tipOrFired;
  };
  const Step steps[] = {
      {kMoveUp, kClose, "H- -- ", TRUE, kClose},      // hot, with its tip
      {kMoveUp, kClose, "H- -- ", FALSE, kNone},      // nothing new
      {kPress, kClose, "HP -- ", TRUE, kNone},
      {kMoveDown, kOptions, "-- H- ", TRUE, kOptions},  // off the pressed one: released
      {kMoveDown, kClose, "HP -- ", TRUE, kClose},     // back: pressed and hot again
      {kRelease, kClose, "HP -- ", FALSE, kClose},     // fires
      {kMoveUp, kClose, "H- -- ", TRUE, kNone},         // the button came up
      {kMoveUp, kNone, "-- -- ", TRUE, kNone},
      {kPress, kNone, "-- -- ", FALSE, kNone},
      {kRelease, kClose, "-- -- ", FALSE, kNone},  // released over a button not pressed
  };
  KWCaptionButtonStates buttons(2);
  int nPressed = kNone;
  int i = 0;
  for (const Step& s : steps) {
    BOOL bChanged = FALSE;
    int tipOrFired = kNone;
    switch (s.action) {
      case kPress:
        bChanged = KWCaptionPress(buttons, s.hit, nPressed);
        break;
      case kMoveDown:
      case kMoveUp: {
        const KWCaptionMoveResult r = KWCaptionMove(buttons, s.hit, s.action == kMoveDown, nPressed);
        bChanged = r.bChanged;
        tipOrFired = r.nShowTip;
        EXPECT_EQ(r.bHideTip, s.hit == kNone) << i;
        break;
      }
      case kRelease:
        tipOrFired = KWCaptionRelease(buttons, s.hit);
        break;
    }
    EXPECT_EQ(Flags(buttons), s.flags) << i;
    EXPECT_EQ(bChanged, s.changed) << i;
    EXPECT_EQ(tipOrFired, s.tipOrFired) << i;
    ++i;
  }
}

TEST(KWCaptionButtonStates, HiddenButtonsTakeNoPressAndFireNothing) {
  KWCaptionButtonStates buttons(2);
  buttons[kOptions].bHidden = TRUE;
  buttons[kClose].bHighlighted = TRUE;
  int nPressed = kClose;
  EXPECT_TRUE(KWCaptionPress(buttons, kOptions, nPressed));  // clears the highlighted one
  EXPECT_EQ(nPressed, kNone);
  EXPECT_TRUE(buttons[kClose].IsIdle());
  EXPECT_TRUE(buttons[kOptions].IsIdle());
  buttons[kOptions].bPressed = TRUE;
  EXPECT_EQ(KWCaptionRelease(buttons, kOptions), kNone);
  EXPECT_EQ(KWCaptionRelease(buttons, 5), kNone);
  EXPECT_TRUE(KWCaptionMove(buttons, kOptions, FALSE, kNone).bHideTip);
}

}  // namespace
