#include "classlib/core/PreviewLayout.h"

#include <gtest/gtest.h>

TEST(PreviewLayout, APageFitsItsBoxByTheSideThatDecides) {
  // A tall page in a wide box: the height decides; in a narrow box, the width.
  EXPECT_EQ((ScaleRatio{400, 1100}), FitPageRatio(CSize(800, 400), CSize(850, 1100)));
  EXPECT_EQ((ScaleRatio{300, 850}), FitPageRatio(CSize(300, 900), CSize(850, 1100)));
  EXPECT_EQ((ScaleRatio{1, 1}), FitPageRatio(CSize(300, 900), CSize(0, 0)));
}

TEST(PreviewLayout, ZoomStepsGoHalfWayThenToTheRealSizeOrBeyond) {
  struct Case {
    ScaleRatio fitted;
    int nZoom;
    ScaleRatio expected;
  };
  // clang-format off
  const Case kCases[] = {
    {{400, 1100}, kZoomOut, {400, 1100}},
    {{400, 1100}, kZoomMiddle, {750, 1100}},
    {{400, 1100}, kZoomIn, {1, 1}},
    {{1200, 1000}, kZoomMiddle, {1300, 1000}},  // a page smaller than its box
    {{1200, 1000}, kZoomIn, {1400, 1000}},
  };
  // clang-format on
  for (const Case& c : kCases)
    EXPECT_EQ(c.expected, ZoomRatio(c.fitted, c.nZoom)) << c.fitted.nNum << " zoom " << c.nZoom;
}

TEST(PreviewLayout, PagesAreCentredInTheirBoxesZoomedOutAndAtTheMarginZoomedIn) {
  const CSize sizeClient(624, 416);
  const CSize sizePage(800, 1000);
  // One page: box 608 x 400, the height decides (400/1000): 320 x 400 centred.
  PreviewPlacement one = PlacePreviewPage(sizeClient, 1, 0, sizePage, kZoomOut);
  EXPECT_EQ(CRect(152, 8, 472, 408), one.rectPage);
  // Two pages: boxes 300 wide, the second shifted by half the width (308).
  PreviewPlacement left = PlacePreviewPage(sizeClient, 2, 0, sizePage, kZoomOut);
  PreviewPlacement right = PlacePreviewPage(sizeClient, 2, 1, sizePage, kZoomOut);
  EXPECT_EQ((ScaleRatio{300, 800}), left.ratio);
  EXPECT_EQ(CRect(8, 20, 308, 395), left.rectPage);
  EXPECT_EQ(left.rectPage.Width(), right.rectPage.Width());
  EXPECT_EQ(left.rectPage.left + 308, right.rectPage.left);
  // Zoomed in: the real size, at the margin.
  PreviewPlacement zoomed = PlacePreviewPage(sizeClient, 2, 0, sizePage, kZoomIn);
  EXPECT_EQ(CRect(8, 8, 808, 1008), zoomed.rectPage);
}

TEST(PreviewLayout, TheVerticalBarMovesByPagesWithinTheDocument) {
  struct Case {
    UINT nCode, nThumb, nCurrent, nExpected;
  };
  // Pages 1 to 25: page steps are 3 pages.
  // clang-format off
  const Case kCases[] = {
    {kPreviewScrollLineDown, 0, 5, 6}, {kPreviewScrollLineUp, 0, 5, 4}, {kPreviewScrollLineUp, 0, 1, 1},
    {kPreviewScrollLineDown, 0, 25, 25}, {kPreviewScrollPageDown, 0, 5, 8}, {kPreviewScrollPageUp, 0, 2, 1},
    {kPreviewScrollThumbTrack, 17, 5, 17}, {kPreviewScrollThumbPosition, 40, 5, 25},
    {kPreviewScrollTop, 0, 9, 1}, {kPreviewScrollBottom, 0, 9, 25},
  };
  // clang-format on
  for (const Case& c : kCases)
    EXPECT_EQ(c.nExpected, PreviewPageAfterScroll(c.nCode, c.nThumb, c.nCurrent, 1, 25))
        << "code " << c.nCode << " from " << c.nCurrent;
}
