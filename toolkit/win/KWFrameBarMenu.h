// The menu of a frame's bars that a right click on a bar or a dock bar opens:
// the bars as the menu lists them, and the menu made from its items.
#pragma once

#include <vector>

#include "toolkit/core/KWBarMenu.h"

class CControlBar;
class CFrameWnd;
class CKWPopupMenu;

// How the bar menu lists a bar.
KWBarKind KWBarMenuKind(CControlBar* pBar);

// The frame's bars in its own order, as the bar menu lists them.
std::vector<KWBarEntry> KWFrameBarEntries(CFrameWnd* pFrame);

// Makes menu a popup holding items; FALSE when there are none or the menu
// cannot be made.
bool KWCreateBarMenu(CKWPopupMenu& menu, const std::vector<KWBarMenuItem>& items);
