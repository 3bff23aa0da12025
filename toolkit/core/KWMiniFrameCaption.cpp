#include "toolkit/core/KWMiniFrameCaption.h"

namespace {

// The classic look draws a two-pixel raised frame around each button and
// nudges the options button right by as much.
constexpr int kClassicButtonInset = 2;
// The flat look's two one-pixel frames inside the window edge.
constexpr int kFlatFrames = 2;

int CentredStart(int low, int high) {
  const int extent = high - low;
  return extent <= kKWCaptionGlyph ? low : low + (extent - kKWCaptionGlyph) / 2;
}

}  // namespace

KWCaptionButtonPlace KWCaptionButtonRect(const CRect& window, KWCaptionButtonKind kind,
                                         const KWCaptionMetrics& m) {
  int right = window.right - m.edge.cx;
  if (kind == kwCaptionOptions) {
    right -= m.button.cx;
    if (m.bClassicLook) right += kClassicButtonInset;
  }
  const int top = window.top + m.edge.cy;
  KWCaptionButtonPlace place;
  place.rect = CRect(right - m.button.cx, top, right, top + m.button.cy - 1);
  if (m.bClassicLook) place.rect.DeflateRect(kClassicButtonInset, kClassicButtonInset);
  place.bHidden = place.rect.left < window.left + 2 * m.edge.cx;
  return place;
}

CRect KWCaptionStrip(const CRect& window, const KWCaptionMetrics& m) {
  CRect strip = window;
  if (m.bClassicLook) {
    strip.DeflateRect(m.edge.cy + 1, m.edge.cy + 1);
    strip.bottom = strip.top + m.button.cy - (m.edge.cy + 1);
  } else {
    strip.DeflateRect(kFlatFrames, kFlatFrames);
    strip.DeflateRect(m.edge.cy - 1, m.edge.cy - 1);
    strip.bottom = strip.top + m.button.cy - 2 + m.edge.cy;
  }
  return strip;
}

CRect KWCaptionTextRect(const CRect& strip, int nVisibleButtons, const KWCaptionMetrics& m) {
  CRect text = strip;
  text.left += m.edge.cx;
  text.right -= nVisibleButtons * (m.button.cx + m.edge.cx);
  if (text.Width() < m.button.cx) text.SetRectEmpty();
  return text;
}

CPoint KWCaptionGlyphOrigin(const CRect& button) {
  return CPoint(CentredStart(button.left, button.right), CentredStart(button.top, button.bottom));
}
