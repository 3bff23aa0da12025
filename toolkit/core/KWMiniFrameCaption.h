// The caption a floating toolbar's or menu bar's frame paints for itself:
// where its close and options buttons go, which of them fit, the caption
// strip, the room left for its text and where a button's glyph is drawn.
#pragma once

#include "classlib/core/Geometry.h"

enum KWCaptionButtonKind { kwCaptionClose = 0, kwCaptionOptions = 1 };

// The glyphs are this many pixels square.
constexpr int kKWCaptionGlyph = 10;

struct KWCaptionMetrics {
  CSize edge;    // the system's edge width and height
  CSize button;  // the toolkit's caption-button width and height
  BOOL bClassicLook = FALSE;
};

struct KWCaptionButtonPlace {
  CRect rect;
  BOOL bHidden = FALSE;  // too far left to fit in the caption
};

// The button's rectangle in the frame's window rectangle; the options
// button stands left of the close button.
KWCaptionButtonPlace KWCaptionButtonRect(const CRect& window, KWCaptionButtonKind kind,
                                         const KWCaptionMetrics& m);

// The strip filled with the caption colour.
CRect KWCaptionStrip(const CRect& window, const KWCaptionMetrics& m);

// The caption's text rectangle with nVisibleButtons buttons shown at its
// right; empty when it is narrower than one button, so no text is drawn.
CRect KWCaptionTextRect(const CRect& strip, int nVisibleButtons, const KWCaptionMetrics& m);

// The top-left of a glyph centred in the button, or at its edge when the
// button is no larger than the glyph.
CPoint KWCaptionGlyphOrigin(const CRect& button);
