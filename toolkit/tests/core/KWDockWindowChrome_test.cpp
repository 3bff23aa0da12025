#include "toolkit/core/KWDockWindowChrome.h"

#include <gtest/gtest.h>

namespace {

using Place = KWDockPlace;

constexpr DWORD kTextAndButtons = kKWDockGripper | kKWDockGripperText | kKWDockCaptionButtons;
const CSize kClient(200, 150);

TEST(KWDockStyle, ButtonStyleAndCaptionModeFollowTheBitsAndTheLook) {
  struct {
    DWORD ex;
    bool look;
    int buttonStyle;
    bool captionMode, buttons;
  } const cases[] = {
      {kTextAndButtons, false, 0, false, true},
      {kKWDockFlatButtons, false, 1, false, false},
      {kKWDockRaisedButtons, false, 2, false, false},
      {kKWDockRaisedButtons | kKWDockFlatButtons, false, 3, false, false},
      // The look flag gives flat buttons and never raised ones.
      {kKWDockRaisedButtons, true, 1, false, false},
      {kKWDockGripper, true, 1, true, false},
      {kKWDockCaption, false, 0, true, false},
      // Buttons need the gripper.
      {kKWDockCaptionButtons, false, 0, false, false},
  };
  for (const auto& c : cases) {
    KWDockStyle style{c.ex, c.look};
    EXPECT_EQ(style.ButtonStyle(), c.buttonStyle) << c.ex << " " << c.look;
    EXPECT_EQ(style.IsCaptionMode(), c.captionMode) << c.ex << " " << c.look;
    EXPECT_EQ(style.HasButtons(), c.buttons) << c.ex << " " << c.look;
  }
}

TEST(KWDockMinLength, DependsOnTheGripperAndTheSide) {
  EXPECT_EQ(KWDockMinLength({0, false}, Place::kTopBottom), 5);
  EXPECT_EQ(KWDockMinLength({kKWDockGripper, false}, Place::kTopBottom), 18);
  EXPECT_EQ(KWDockMinLength({kKWDockGripper, false}, Place::kLeftRight), 24);
  EXPECT_EQ(KWDockMinLength({kKWDockGripper, false}, Place::kFloating), 24);
}

TEST(KWDockGripperRect, LeavesRoomForTheButtons) {
  EXPECT_EQ(KWDockGripperRect(kClient, Place::kLeftRight, true), CRect(4, 8, 166, 11));
  EXPECT_EQ(KWDockGripperRect(kClient, Place::kLeftRight, false), CRect(4, 8, 194, 11));
  EXPECT_EQ(KWDockGripperRect(kClient, Place::kTopBottom, true), CRect(5, 33, 8, 146));
  EXPECT_EQ(KWDockGripperRect(kClient, Place::kTopBottom, false), CRect(5, 4, 8, 146));
}

TEST(KWDockButtonRects, SitAtTheStripsEnd) {
  struct {
    Place place;
    bool look;
    CRect hide, expand;
  } const cases[] = {
      // The expand button 29 pixels from the right edge, hide 14 further right.
      {Place::kLeftRight, false, CRect(185, 6, 197, 18), CRect(171, 6, 183, 18)},
      {Place::kLeftRight, true, CRect(183, 6, 195, 18), CRect(169, 6, 181, 18)},
      // Hide at (3, 3), expand 14 below.
      {Place::kTopBottom, false, CRect(3, 3, 15, 15), CRect(3, 17, 15, 29)},
      {Place::kTopBottom, true, CRect(3, 5, 15, 17), CRect(3, 19, 15, 31)},
      {Place::kFloating, false, CRect(), CRect()},
  };
  for (const auto& c : cases) {
    KWDockButtonRects rects = KWDockButtonRectsFor(kClient, c.place, c.look);
    EXPECT_EQ(rects.hide, c.hide) << static_cast<int>(c.place) << c.look;
    EXPECT_EQ(rects.expand, c.expand) << static_cast<int>(c.place) << c.look;
  }
}

TEST(KWDockInsideRect, LeavesTheStripAndTheMargins) {
  struct {
    CRect client;
    Place place;
    DWORD ex;
    bool look, tabBar;
    CRect inside;
  } const cases[] = {
      {CRect(0, 0, 200, 150), Place::kFloating, kTextAndButtons, false, false, CRect(3, 3, 197, 147)},
      {CRect(0, 0, 200, 150), Place::kTopBottom, kTextAndButtons, false, false, CRect(18, 6, 197, 144)},
      {CRect(0, 0, 200, 150), Place::kLeftRight, kTextAndButtons, false, false, CRect(3, 22, 197, 144)},
      {CRect(0, 0, 200, 150), Place::kTopBottom, 0, false, false, CRect(5, 6, 197, 144)},
      // The look widens across the strip; a tab bar gets more at the bottom.
      {CRect(0, 0, 200, 150), Place::kLeftRight, kTextAndButtons, true, false, CRect(-1, 22, 201, 144)},
      {CRect(0, 0, 200, 150), Place::kLeftRight, kTextAndButtons, true, true, CRect(-1, 22, 201, 149)},
      {CRect(0, 0, 200, 150), Place::kTopBottom, kTextAndButtons, true, false, CRect(18, 3, 197, 147)},
      {CRect(0, 0, 200, 150), Place::kTopBottom, kTextAndButtons, false, true, CRect(18, 6, 197, 144)},
      // Too small: an empty rectangle beyond the strip.
      {CRect(0, 0, 10, 10), Place::kLeftRight, kTextAndButtons, false, false, CRect(0, 26, 0, 26)},
      {CRect(0, 0, 10, 10), Place::kTopBottom, kTextAndButtons, false, false, CRect(20, 0, 20, 0)},
      {CRect(0, 0, 20, 100), Place::kTopBottom, kTextAndButtons, false, false, CRect(20, 0, 20, 0)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KWDockInsideRect(c.client, c.place, {c.ex, c.look}, c.tabBar), c.inside)
        << c.client.right << " " << static_cast<int>(c.place) << " " << c.ex << c.look << c.tabBar;
  }
}

TEST(KWDockGripperLines, LinesMakeRoomForTheText) {
  struct {
    Place place;
    DWORD ex;
    int textWidth;
    CRect caption;
    int lines;
    CRect first, second;
  } const cases[] = {
      {Place::kLeftRight, kTextAndButtons, 40, CRect(4, 6, 166, 17), 1, CRect(49, 10, 166, 13), CRect()},
      {Place::kLeftRight, kTextAndButtons | kKWDockTwoGripperLines, 40, CRect(4, 6, 166, 17), 2,
       CRect(49, 8, 166, 11), CRect(49, 12, 166, 15)},
      {Place::kLeftRight, kTextAndButtons, 0, CRect(4, 6, 166, 17), 1, CRect(4, 10, 166, 13), CRect()},
      // The caption mode keeps the lines whole; the text bit needs the gripper.
      {Place::kLeftRight, kTextAndButtons | kKWDockCaption, 40, CRect(4, 6, 166, 17), 1,
       CRect(4, 10, 166, 13), CRect()},
      {Place::kLeftRight, kKWDockGripperText, 40, CRect(4, 6, 194, 17), 1, CRect(4, 10, 194, 13), CRect()},
      // No length left: no lines.
      {Place::kLeftRight, kTextAndButtons, 200, CRect(4, 6, 166, 17), 0, CRect(), CRect()},
      {Place::kTopBottom, kTextAndButtons, 40, CRect(3, 33, 14, 146), 1, CRect(7, 33, 10, 101), CRect()},
      {Place::kTopBottom, kTextAndButtons | kKWDockTwoGripperLines, 40, CRect(3, 33, 14, 146), 2,
       CRect(5, 33, 8, 101), CRect(9, 33, 12, 101)},
      {Place::kTopBottom, kTextAndButtons, 108, CRect(3, 33, 14, 146), 0, CRect(), CRect()},
  };
  for (const auto& c : cases) {
    KWDockGripperLines strip = KWDockGripperLinesFor(kClient, c.place, {c.ex, false}, c.textWidth);
    EXPECT_EQ(strip.caption, c.caption) << c.ex << " " << c.textWidth;
    ASSERT_EQ(strip.nLines, c.lines) << c.ex << " " << c.textWidth;
    const CRect expected[2] = {c.first, c.second};
    for (int i = 0; i < c.lines; ++i) {
      EXPECT_EQ(strip.lines[i], expected[i]) << c.ex << " " << c.textWidth << " line " << i;
    }
  }
}

TEST(KWDockCaption, CoverAndTextOrigin) {
  EXPECT_EQ(KWDockCaptionCover(CRect(4, 6, 166, 17), Place::kLeftRight, true), CRect(1, 4, 199, 19));
  EXPECT_EQ(KWDockCaptionCover(CRect(4, 6, 166, 17), Place::kLeftRight, false), CRect(1, 4, 170, 19));
  EXPECT_EQ(KWDockCaptionCover(CRect(3, 33, 14, 146), Place::kTopBottom, true), CRect(1, 3, 16, 146));
  EXPECT_EQ(KWDockCaptionCover(CRect(3, 33, 14, 146), Place::kTopBottom, false), CRect(1, 32, 16, 146));

  const CRect across(4, 6, 166, 17), down(3, 33, 14, 146);
  EXPECT_EQ(KWDockCaptionTextOrigin(across, Place::kLeftRight, false, false), CPoint(6, 4));
  EXPECT_EQ(KWDockCaptionTextOrigin(across, Place::kLeftRight, true, false), CPoint(8, 4));
  EXPECT_EQ(KWDockCaptionTextOrigin(down, Place::kTopBottom, false, false), CPoint(0, 144));
  EXPECT_EQ(KWDockCaptionTextOrigin(down, Place::kTopBottom, true, false), CPoint(0, 142));
  EXPECT_EQ(KWDockCaptionTextOrigin(down, Place::kTopBottom, false, true), CPoint(2, 144));
}

TEST(KWCaptionBandColor, BlendsEachChannel) {
  struct {
    COLORREF c1, c2;
    int band;
    COLORREF color;
  } const cases[] = {
      {0x000000, 0xFFFFFF, 0, 0x000000},  {0x000000, 0xFFFFFF, 32, 0x7F7F7F},
      {0x000000, 0xFFFFFF, 63, 0xFBFBFB}, {0x0000FF, 0xFF0000, 16, 0x3F00BF},
      // The high byte of a colour takes no part.
      {0xFF000000, 0xFF000000, 10, 0x000000},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KWCaptionBandColor(c.c1, c.c2, c.band), c.color) << c.band;
}

TEST(KWForEachCaptionBand, BandsTileTheStripFromItsStart) {
  struct {
    CRect rect;
    Place place;
    int bands;
    CRect first;
  } const cases[] = {
      {CRect(10, 0, 138, 10), Place::kLeftRight, 64, CRect(10, 0, 12, 10)},
      {CRect(0, 0, 32, 10), Place::kLeftRight, 32, CRect(0, 0, 1, 10)},
      {CRect(0, 0, 10, 64), Place::kTopBottom, 64, CRect(0, 63, 10, 64)},
      {CRect(0, 0, 10, 200), Place::kTopBottom, 64, CRect(0, 197, 10, 200)},
      {CRect(0, 0, 0, 10), Place::kLeftRight, 0, CRect()},
      {CRect(0, 10, 10, 0), Place::kTopBottom, 0, CRect()},
  };
  for (const auto& c : cases) {
    int count = 0, covered = 0;
    CRect first;
    KWForEachCaptionBand(c.rect, c.place, 0x000000, 0xFFFFFF, [&](const CRect& band, COLORREF) {
      if (count++ == 0) first = band;
      covered += c.place == Place::kLeftRight ? band.Width() : band.Height();
    });
    EXPECT_EQ(count, c.bands) << c.rect.right << " " << c.rect.bottom;
    if (count == 0) continue;
    EXPECT_EQ(first, c.first) << c.rect.right << " " << c.rect.bottom;
    EXPECT_EQ(covered, c.place == Place::kLeftRight ? c.rect.Width() : c.rect.Height());
  }
}

TEST(KWExpandButtonFor, FollowsThePlaceInTheRow) {
  struct {
    Place place;
    bool onlyInRow, expanded;
    int icon;
    KWExpandTip tip;
    bool enabled;
  } const cases[] = {
      {Place::kLeftRight, true, false, 3, KWExpandTip::kExpand, false},
      {Place::kLeftRight, true, true, 3, KWExpandTip::kExpand, false},
      {Place::kLeftRight, false, false, 4, KWExpandTip::kExpand, true},
      {Place::kLeftRight, false, true, 8, KWExpandTip::kContract, true},
      {Place::kTopBottom, true, false, 1, KWExpandTip::kExpand, false},
      {Place::kTopBottom, true, true, 1, KWExpandTip::kExpand, false},
      {Place::kTopBottom, false, false, 2, KWExpandTip::kExpand, true},
      {Place::kTopBottom, false, true, 6, KWExpandTip::kContract, true},
  };
  for (const auto& c : cases) {
    KWExpandButtonState state = KWExpandButtonFor(c.place, c.onlyInRow, c.expanded);
    EXPECT_EQ(state.nIcon, c.icon);
    EXPECT_EQ(state.tip, c.tip);
    EXPECT_EQ(state.bEnabled, c.enabled);
  }
}

}  // namespace
