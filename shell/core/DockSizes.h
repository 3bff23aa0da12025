// The docking windows' default sizes and the size Full View gives Grammar
// Tables.
#pragma once

namespace docksizes {

struct Size {
  int cx = 0;
  int cy = 0;
  bool operator==(const Size& other) const { return cx == other.cx && cy == other.cy; }
};

// Grammar Tables two thirds of the height, the lookup window and Keyboard
// Guides one third each; all three half the width.
struct DefaultSizes {
  Size grammarTables;
  Size lookupWindow;
  Size keyboardGuides;
};
DefaultSizes FromArea(int width, int height);
// After Reset Docking Windows Layout: the frame's client area less the dock
// bar that holds the File toolbar (clientTop to clientBottom, that bar
// toolbarRowHeight high).
DefaultSizes FromClientArea(int clientWidth, int clientTop, int clientBottom, int toolbarRowHeight);

// What Full View knows of the Grammar Tables window and its view.
struct FullViewState {
  Size window;       // the window's outer size now
  Size viewClient;   // the view's client size
  Size scrollBars;   // vertical bar width, horizontal bar height; 0 when not shown
  Size totalScroll;  // the view's total scroll size
  Size recorded;     // the last size the user gave the window
  Size lastFull;     // the size of the last Full View (0, 0 after none)
  int tab = 0;
  int lastFullTab = -1;
  int floating = 0;
  int lastFullFloating = -1;
};
struct FullViewTarget {
  Size size;
  // True when the window goes back to the user's size rather than to its
  // full size (the full size is then kept as it was).
  bool restore = false;
};
// Full View / Restore: back to the user's size (less a pixel each way) when
// the window is still at its last full size on the same tab and docking;
// else the size that shows the whole table without scroll bars.
FullViewTarget TargetOf(const FullViewState& state);

}  // namespace docksizes
