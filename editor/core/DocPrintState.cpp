#include "editor/core/DocPrintState.h"

#include <algorithm>

#include "editor/core/CPageLayout.h"
#include "editor/core/EdMulDiv.h"

void FillSidePrintState(const CPageLayout& layout, int side, CSize pixelsPerInch, CSize drawSize,
                        DocSidePrintState& state) {
  const PageSettingsRec& settings = layout.settings;
  const int units = layout.UnitsPerInch();
  const CSize paper = layout.PaperPixels(pixelsPerInch.cx, pixelsPerInch.cy);
  auto across = [&](int value) { return EdMulDiv(pixelsPerInch.cx, value, units); };
  auto down = [&](int value) { return EdMulDiv(pixelsPerInch.cy, value, units); };
  // The drawing area is centred on the paper: half of what the printer
  // cannot reach lies on each side.
  const int xOffset = EdMulDiv(paper.cx - drawSize.cx, 1, 2);
  const int yOffset = EdMulDiv(paper.cy - drawSize.cy, 1, 2);
  state.presence = side;
  state.settings = settings;
  state.textRect.SetRect(std::max(0, across(settings.leftMargin) - xOffset),
                         std::max(0, down(settings.topMargin) - yOffset),
                         drawSize.cx - std::max(0, across(settings.rightMargin) - xOffset),
                         drawSize.cy - std::max(0, down(settings.bottomMargin) - yOffset));
  ComputePixelTabStops(layout, pixelsPerInch.cx, state.textRect.Width(), state.tabStops);
}
