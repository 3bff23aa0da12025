#include "classlib/core/PreviewLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

// Boxes of two pages leave a margin on each side and one between them.
constexpr int kTwoPageMargins = 3 * kPreviewMargin;
constexpr int kOnePageMargins = 2 * kPreviewMargin;
// Page up and down move a tenth of the pages, rounded up.
constexpr UINT kPageStepDivisor = 10;

int ScaleBy(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return 0;
  const int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
  return static_cast<int>(product / nDenominator);
}

CSize Scaled(CSize size, ScaleRatio ratio) {
  return CSize(ScaleBy(size.cx, ratio.nNum, ratio.nDen), ScaleBy(size.cy, ratio.nNum, ratio.nDen));
}

}  // namespace

ScaleRatio FitPageRatio(CSize sizeBox, CSize sizePage) {
  if (sizePage.cx <= 0 || sizePage.cy <= 0) return {1, 1};
  // The page as high as the box would be too wide: the width decides.
  if (ScaleBy(sizeBox.cy, sizePage.cx, sizePage.cy) > sizeBox.cx) return {sizeBox.cx, sizePage.cx};
  return {sizeBox.cy, sizePage.cy};
}

ScaleRatio ZoomRatio(ScaleRatio fitted, int nZoom) {
  const int nNum = fitted.nNum;
  const int nDen = fitted.nDen;
  switch (nZoom) {
    case kZoomMiddle:
      // Half way between the fitted size and the real size, or beyond it.
      return nNum < nDen ? ScaleRatio{(nNum + nDen) / 2, nDen}
                         : ScaleRatio{(3 * nNum - nDen) / 2, nDen};
    case kZoomIn: return nNum < nDen ? ScaleRatio{1, 1} : ScaleRatio{2 * nNum - nDen, nDen};
    default: return fitted;
  }
}

PreviewPlacement PlacePreviewPage(CSize sizeClient, UINT nPages, UINT nIndex, CSize sizePage,
                                  int nZoom) {
  const bool bTwoPages = nPages == 2 && nZoom == kZoomOut;
  const CSize sizeBox(
      bTwoPages ? (sizeClient.cx - kTwoPageMargins) / 2 : sizeClient.cx - kOnePageMargins,
      sizeClient.cy - kOnePageMargins);
  PreviewPlacement placement;
  placement.ratio = ZoomRatio(FitPageRatio(sizeBox, sizePage), nZoom);
  const CSize sizeScaled = Scaled(sizePage, placement.ratio);
  CPoint ptTopLeft(kPreviewMargin, kPreviewMargin);
  if (nZoom == kZoomOut) {
    const int nHalfWidth = (sizeClient.cx - kPreviewMargin) / 2;
    ptTopLeft.x += (sizeBox.cx - sizeScaled.cx) / 2 + static_cast<int>(nIndex) * nHalfWidth;
    ptTopLeft.y += (sizeBox.cy - sizeScaled.cy) / 2;
  }
  placement.rectPage = CRect(ptTopLeft, sizeScaled);
  return placement;
}

UINT PreviewPageAfterScroll(UINT nSBCode, UINT nThumb, UINT nCurrent, UINT nFirst, UINT nLast) {
  if (nLast < nFirst) return nCurrent;
  const UINT nStep = (nLast - nFirst + kPageStepDivisor - 1) / kPageStepDivisor;
  // Worked out signed, so stepping back from the first page stops there.
  long nPage = static_cast<long>(nCurrent);
  switch (nSBCode) {
    case kPreviewScrollLineUp: nPage -= 1; break;
    case kPreviewScrollLineDown: nPage += 1; break;
    case kPreviewScrollPageUp: nPage -= static_cast<long>(nStep); break;
    case kPreviewScrollPageDown: nPage += static_cast<long>(nStep); break;
    case kPreviewScrollThumbPosition:
    case kPreviewScrollThumbTrack: nPage = static_cast<long>(nThumb); break;
    case kPreviewScrollTop: nPage = static_cast<long>(nFirst); break;
    case kPreviewScrollBottom: nPage = static_cast<long>(nLast); break;
    default: break;
  }
  return static_cast<UINT>(std::clamp(nPage, static_cast<long>(nFirst), static_cast<long>(nLast)));
}
