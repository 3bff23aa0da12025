// The right-click menu of a control bar that lists its frame's bars: docking
// windows first, a separator, then toolbars, other bars and status bars, each
// checked while it shows.
#pragma once

#include <string>
#include <vector>

enum class KWBarKind { DockWindow, ToolBar, Other, StatusBar, Hidden };

struct KWBarEntry {
  KWBarKind kind = KWBarKind::Other;
  std::string text;  // the bar's window text
  unsigned id = 0;   // its control id
  bool bVisible = false;
};

struct KWBarMenuItem {
  bool bSeparator = false;
  std::string text;
  unsigned id = 0;
  bool bChecked = false;
};

// The items for the frame's bars in the frame's order; bars of kind Hidden
// (the menu bar, rebars) are left out. Empty when no bar is listed.
std::vector<KWBarMenuItem> KWBarMenuItems(const std::vector<KWBarEntry>& bars);
