// The toolkit's palette: the system colours it paints with and the colours
// derived from them for the flat look and the highlights.
#pragma once

#include "classlib/core/WinTypes.h"

struct CKWColorSet {
  COLORREF clrBtnFace = 0;
  COLORREF clrBtnShadow = 0;
  COLORREF clr3DDkShadow = 0;
  COLORREF clrBtnHilite = 0;
  COLORREF clrLightFace = 0;
  COLORREF clrBtnText = 0;
  COLORREF clrGrayText = 0;
  COLORREF clrHighlight = 0;
  COLORREF clrHighlightText = 0;
  COLORREF clrMenu = 0;
  COLORREF clrMenuText = 0;
  COLORREF clrWindow = 0;
  COLORREF clrWindowFrame = 0;
  COLORREF clrWindowText = 0;
  COLORREF clrActiveCaption = 0;
  COLORREF clrInactiveCaption = 0;
  COLORREF clrGradActiveCaption = 0;
  COLORREF clrGradInactiveCaption = 0;
  COLORREF clrCaptionText = 0;
  COLORREF clrInactiveCaptionText = 0;
  COLORREF clrFaceTint = 0;
  COLORREF clrFaceShade = 0;
  COLORREF clrShadowDark = 0;
  COLORREF clrWindowTint = 0;
  COLORREF clrFaceDeep = 0;
  COLORREF clrShadowLight = 0;
  COLORREF clrFaceBright = 0;
  COLORREF clrHighlightPale = 0;
  COLORREF clrHighlightMid = 0;
  COLORREF clrHighlightFace = 0;
  COLORREF clrHighlightMidText = 0;

  // Computes every derived colour from the system colours already set.
  void DeriveColors();

  // Above this luminance clrHighlightMid is light enough for the menu text.
  static constexpr double kLightBackgroundLuminance = 148;
};
