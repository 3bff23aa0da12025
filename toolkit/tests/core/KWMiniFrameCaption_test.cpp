#include "toolkit/core/KWMiniFrameCaption.h"

#include <gtest/gtest.h>

namespace {

KWCaptionMetrics Metrics(BOOL bClassic) {
  KWCaptionMetrics m;
  m.edge = CSize(2, 2);
  m.button = CSize(16, 14);
  m.bClassicLook = bClassic;
  return m;
}

TEST(KWMiniFrameCaption, ButtonsStandAtTheRightOfTheCaption) {
  struct Case {
    const char* name;
    CRect window;
    KWCaptionButtonKind kind;
    BOOL bClassic;
    CRect rect;
    BOOL bHidden;
  };
  const Case cases[] = {
      {"flat close", {100, 50, 300, 150}, kwCaptionClose, FALSE, {282, 52, 298, 65}, FALSE},
      {"flat options", {100, 50, 300, 150}, kwCaptionOptions, FALSE, {266, 52, 282, 65}, FALSE},
      {"classic close", {100, 50, 300, 150}, kwCaptionClose, TRUE, {284, 54, 296, 63}, FALSE},
      {"classic options", {100, 50, 300, 150}, kwCaptionOptions, TRUE, {270, 54, 282, 63},
       FALSE},
      // 30 wide: the close button fits from 112 on, the options one does not.
      {"narrow close", {100, 50, 130, 150}, kwCaptionClose, FALSE, {112, 52, 128, 65}, FALSE},
      {"narrow options", {100, 50, 130, 150}, kwCaptionOptions, FALSE, {96, 52, 112, 65}, TRUE},
      {"narrower close", {100, 50, 118, 150}, kwCaptionClose, FALSE, {100, 52, 116, 65}, TRUE},
  };
  for (const Case& c : cases) {
    const KWCaptionButtonPlace place = KWCaptionButtonRect(c.window, c.kind, Metrics(c.bClassic));
    EXPECT_EQ(place.rect, c.rect) << c.name;
    EXPECT_EQ(place.bHidden, c.bHidden) << c.name;
  }
}

TEST(KWMiniFrameCaption, StripAndTextLeaveRoomForTheShownButtons) {
  const CRect window(100, 50, 300, 150);
  const CRect classic = KWCaptionStrip(window, Metrics(TRUE));
  EXPECT_EQ(classic, CRect(103, 53, 297, 64));
  const CRect flat = KWCaptionStrip(window, Metrics(FALSE));
  EXPECT_EQ(flat, CRect(103, 53, 297, 67));
  struct Case {
    CRect strip;
    int nButtons;
    CRect text;
  };
  const Case cases[] = {
      {flat, 0, {105, 53, 297, 67}},
      {flat, 2, {105, 53, 261, 67}},
      {{103, 53, 135, 67}, 1, {}},  // 12 wide beside a button: narrower than one, no text
      {{103, 53, 135, 67}, 0, {105, 53, 135, 67}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KWCaptionTextRect(c.strip, c.nButtons, Metrics(FALSE)), c.text) << c.nButtons;
}

TEST(KWMiniFrameCaption, GlyphsCentreUnlessTheButtonIsNoLarger) {
  struct Case {
    CRect button;
    CPoint origin;
  };
  const Case cases[] = {
      {{282, 52, 298, 65}, {285, 53}},
      {{284, 54, 294, 64}, {284, 54}},  // exactly the glyph's size
      {{10, 20, 18, 40}, {10, 25}},     // too narrow: at its left edge
  };
  for (const Case& c : cases) EXPECT_EQ(KWCaptionGlyphOrigin(c.button), c.origin);
}

}  // namespace
