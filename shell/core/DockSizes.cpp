#include "shell/core/DockSizes.h"

#include <cstdlib>

#include "classlib/core/MulDivRounded.h"

namespace docksizes {

namespace {
// A size within this many pixels of the last full size is still that size.
constexpr int kFullSizeSlack = 1;

DefaultSizes Split(int width, int height) {
  const int halfWidth = MulDivRounded(width, 1, 2);
  const int third = MulDivRounded(height, 1, 3);
  return {{halfWidth, MulDivRounded(height, 2, 3)}, {halfWidth, third}, {halfWidth, third}};
}

bool Near(int a, int b) { return std::abs(a - b) <= kFullSizeSlack; }
}  // namespace

DefaultSizes FromArea(int width, int height) { return Split(width, height); }

DefaultSizes FromClientArea(int clientWidth, int clientTop, int clientBottom,
                            int toolbarRowHeight) {
  return Split(clientWidth, clientBottom - (clientTop + toolbarRowHeight));
}

FullViewTarget TargetOf(const FullViewState& state) {
  const bool scrollBarShown = state.scrollBars.cx != 0 || state.scrollBars.cy != 0;
  if (!scrollBarShown && Near(state.window.cx, state.lastFull.cx) &&
      Near(state.window.cy, state.lastFull.cy) && state.tab == state.lastFullTab &&
      state.floating == state.lastFullFloating)
    return {{state.recorded.cx - 1, state.recorded.cy - 1}, true};
  const Size extra{state.window.cx - state.viewClient.cx, state.window.cy - state.viewClient.cy};
  Size target{state.totalScroll.cx + extra.cx, state.totalScroll.cy + extra.cy};
  // A shown bar takes its own room from the other direction's total.
  if (state.scrollBars.cx != 0)
    target.cy = state.totalScroll.cy - state.scrollBars.cx + extra.cy + 1;
  if (state.scrollBars.cy != 0)
    target.cx = state.totalScroll.cx - state.scrollBars.cy + extra.cx + 1;
  return {target, false};
}

}  // namespace docksizes
