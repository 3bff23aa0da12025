#include "toolkit/core/KWDockWindowChrome.h"

namespace {

// Caption-button style values.
constexpr int kFlatButtonStyle = 1;
constexpr int kRaisedButtonStyle = 2;

// Minimum lengths along the row.
constexpr int kMinLengthPlain = 5;
constexpr int kMinLengthTopBottom = 18;
constexpr int kMinLengthLeftRight = 24;

// Room the gripper strip leaves at its far end for the caption buttons, or
// for the border when there are none.
constexpr int kButtonRoom = 30;
constexpr int kBorderRoomLeftRight = 2;
// Room above a vertical strip for the two buttons stacked there.
constexpr int kButtonRoomTopBottom = 29;

constexpr int kButtonSize = 12;
constexpr int kButtonStep = 14;        // one button to the next
constexpr int kButtonFromRight = 29;   // the expand button's left, from the right edge
constexpr int kButtonTop = 6;
constexpr int kButtonCorner = 3;       // a vertical strip's first button
constexpr int kLookButtonShift = 2;

// The inside area's margins.
constexpr int kInsideMargin = 3;
constexpr int kDockedInsideMarginY = 6;
constexpr int kInsideRaise = 5;        // a vertical docked window's inside moves up
constexpr int kEmptyInsideShift = 2;   // beyond the minimum length
constexpr int kLookWidenLeftRight = 4;
constexpr int kLookWidenTopBottom = 3;
constexpr int kTabBarExtra = 5;

// The gripper strip.
constexpr int kSecondLineOffset = 4;
constexpr int kCaptionBleed = 2;
constexpr int kTextGap = 5;
constexpr int kSingleLineShift = 2;

// The caption under the look flag.
constexpr int kCoverTopBottom = 2;
constexpr int kCoverLeftRightX = 3;
constexpr int kCoverLeftRightY = 2;
constexpr int kCoverButtons = 30;
constexpr int kCoverNoButtons = 1;
constexpr int kTextInset = 2;

bool IsDocked(KWDockPlace place) { return place != KWDockPlace::kFloating; }

// Moves r by n along the strip's cross direction: down for the horizontal
// strip of a window docked left or right, right for the vertical one.
void ShiftAcross(CRect& r, KWDockPlace place, int n) {
  if (place == KWDockPlace::kLeftRight)
    r.OffsetRect(0, n);
  else
    r.OffsetRect(n, 0);
}

}  // namespace

int KWDockStyle::ButtonStyle() const {
  int value = 0;
  if ((dwExStyle & kKWDockRaisedButtons) && !bOfficeLook) value += kRaisedButtonStyle;
  if ((dwExStyle & kKWDockFlatButtons) || bOfficeLook) value += kFlatButtonStyle;
  return value;
}

int KWDockMinLength(const KWDockStyle& style, KWDockPlace place) {
  if (!style.HasGripper()) return kMinLengthPlain;
  return place == KWDockPlace::kTopBottom ? kMinLengthTopBottom : kMinLengthLeftRight;
}

CRect KWDockGripperRect(CSize client, KWDockPlace place, bool bButtons) {
  constexpr int kStripStart = 4;
  if (place == KWDockPlace::kLeftRight) {
    constexpr int kTop = 8, kBottom = 11;
    int room = bButtons ? kButtonRoom : kBorderRoomLeftRight;
    return CRect(kStripStart, kTop, client.cx - kStripStart - room, kBottom);
  }
  constexpr int kLeft = 5, kRight = 8;
  return CRect(kLeft, kStripStart + (bButtons ? kButtonRoomTopBottom : 0), kRight,
               client.cy - kStripStart);
}

KWDockButtonRects KWDockButtonRectsFor(CSize client, KWDockPlace place, bool bOfficeLook) {
  KWDockButtonRects rects;
  const int shift = bOfficeLook ? kLookButtonShift : 0;
  if (place == KWDockPlace::kLeftRight) {
    int left = client.cx - kButtonFromRight - shift;
    rects.expand = CRect(left, kButtonTop, left + kButtonSize, kButtonTop + kButtonSize);
    rects.hide = rects.expand;
    rects.hide.OffsetRect(kButtonStep, 0);
  } else if (place == KWDockPlace::kTopBottom) {
    int top = kButtonCorner + shift;
    rects.hide = CRect(kButtonCorner, top, kButtonCorner + kButtonSize, top + kButtonSize);
    rects.expand = rects.hide;
    rects.expand.OffsetRect(0, kButtonStep);
  }
  return rects;
}

CRect KWDockInsideRect(const CRect& client, KWDockPlace place, const KWDockStyle& style,
                       bool bTabBar) {
  CRect rect = client;
  if (!IsDocked(place)) {
    rect.DeflateRect(kInsideMargin, kInsideMargin);
    return rect;
  }
  const int minLength = KWDockMinLength(style, place);
  rect.DeflateRect(kInsideMargin, kDockedInsideMarginY);
  if (place == KWDockPlace::kTopBottom)
    rect.left += minLength - kInsideMargin;
  else
    rect.top += minLength - kInsideMargin;
  if (rect.right < rect.left || rect.bottom < rect.top) rect.SetRectEmpty();
  if (!rect.IsRectEmpty()) {
    if (place == KWDockPlace::kLeftRight) rect.top -= kInsideRaise;
  } else {
    ShiftAcross(rect, place, minLength + kEmptyInsideShift);
  }
  if (style.bOfficeLook) {
    if (place == KWDockPlace::kLeftRight)
      rect.InflateRect(kLookWidenLeftRight, 0);
    else
      rect.InflateRect(0, kLookWidenTopBottom);
    if (bTabBar) rect.bottom += kTabBarExtra;
  }
  return rect;
}

KWDockGripperLines KWDockGripperLinesFor(CSize client, KWDockPlace place,
                                         const KWDockStyle& style, int nTextWidth) {
  KWDockGripperLines strip;
  CRect r1 = KWDockGripperRect(client, place, style.HasButtons());
  CRect r2 = r1;
  ShiftAcross(r2, place, kSecondLineOffset);
  strip.caption = CRect(r1.left, r1.top, r2.right, r2.bottom);
  if (place == KWDockPlace::kLeftRight)
    strip.caption.InflateRect(0, kCaptionBleed);
  else
    strip.caption.InflateRect(kCaptionBleed, 0);

  if (!style.IsCaptionMode() && style.HasText() && nTextWidth > 0) {
    const int cut = nTextWidth + kTextGap;
    if (place == KWDockPlace::kLeftRight) {
      r1.left += cut;
      r2.left += cut;
      if (r1.left >= r1.right) return strip;
    } else {
      r1.bottom -= cut;
      r2.bottom -= cut;
      if (r1.bottom <= r1.top) return strip;
    }
  }
  if (style.HasTwoLines()) {
    strip.lines[0] = r1;
    strip.lines[1] = r2;
    strip.nLines = 2;
  } else {
    ShiftAcross(r1, place, kSingleLineShift);
    strip.lines[0] = r1;
    strip.nLines = 1;
  }
  return strip;
}

CRect KWDockCaptionCover(CRect rect, KWDockPlace place, bool bButtons) {
  const int room = bButtons ? kCoverButtons : kCoverNoButtons;
  if (place == KWDockPlace::kLeftRight) {
    rect.InflateRect(kCoverLeftRightX, 0);
    rect.InflateRect(0, kCoverLeftRightY);
    rect.right += room;
  } else {
    rect.InflateRect(kCoverTopBottom, 0);
    rect.top -= room;
  }
  return rect;
}

CPoint KWDockCaptionTextOrigin(const CRect& caption, KWDockPlace place, bool bOfficeLook,
                               bool bWin95) {
  const int look = bOfficeLook ? kTextInset : 0;
  if (place == KWDockPlace::kLeftRight) {
    constexpr int kTextTop = 4;
    return CPoint(caption.left + kTextInset + look, kTextTop);
  }
  return CPoint(bWin95 ? kTextInset : 0, caption.bottom - kTextInset - look);
}

COLORREF KWCaptionBandColor(COLORREF c1, COLORREF c2, int i) {
  auto channel = [i](COLORREF a, COLORREF b, int shift) {
    DWORD x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return ((x * (kKWCaptionBands - i) + y * i) / kKWCaptionBands) << shift;
  };
  return channel(c1, c2, 0) | channel(c1, c2, 8) | channel(c1, c2, 16);
}

KWExpandButtonState KWExpandButtonFor(KWDockPlace place, bool bOnlyInRow, bool bExpanded) {
  // Icons of the caption-button strip: grey and black arrows.
  constexpr int kGreyLeft = 1, kLeft = 2, kGreyUp = 3, kUp = 4, kRight = 6, kDown = 8;
  const bool bVertical = place == KWDockPlace::kLeftRight;
  KWExpandButtonState state;
  if (bOnlyInRow) {
    state.nIcon = bVertical ? kGreyUp : kGreyLeft;
    return state;
  }
  state.bEnabled = true;
  if (bExpanded) {
    state.nIcon = bVertical ? kDown : kRight;
    state.tip = KWExpandTip::kContract;
  } else {
    state.nIcon = bVertical ? kUp : kLeft;
  }
  return state;
}
