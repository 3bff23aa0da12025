#include "toolkit/core/CKWColorSet.h"

#include "toolkit/core/CKWRgb.h"

namespace {

constexpr int kLightFaceLift = 18;
constexpr int kBrightFaceLift = 30;

// A blended with percent of b.
COLORREF Mix(COLORREF a, COLORREF b, int percent) {
  CKWRgb color(a);
  return CKWColorRef::Blend(color, CKWRgb(b), percent);
}

}  // namespace

void CKWColorSet::DeriveColors() {
  clrLightFace = CKWColorRef::Add(clrBtnFace, kLightFaceLift);
  clrWindowTint = Mix(clrWindow, clrBtnFace, 14);
  clrFaceTint = Mix(clrBtnFace, clrWindow, 17);
  clrFaceShade = Mix(clrBtnFace, clrBtnShadow, 10);
  clrFaceDeep = Mix(Mix(clrBtnFace, CKWColorRef::black, 33), clrWindow, 30);
  clrShadowDark = Mix(clrBtnShadow, CKWColorRef::black, 20);
  clrShadowLight = Mix(clrBtnShadow, clrWindow, 25);
  clrHighlightPale = Mix(clrWindow, clrHighlight, 30);
  clrHighlightFace = Mix(Mix(clrLightFace, clrHighlight, 20), clrWindow, 39);
  clrHighlightMid = Mix(clrWindow, clrHighlight, 50);
  clrFaceBright = CKWColorRef::Add(clrBtnFace, kBrightFaceLift);
  clrHighlightMidText = CKWRgb(clrHighlightMid).Luminance() > kLightBackgroundLuminance
                            ? clrMenuText
                            : clrHighlightText;
}
