// Personalised menus: rarely used commands are taken out of a popup until
// the user asks for the full menu, and a chevron item at the end says so.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

// "Display full menus", the chevron item's command.
constexpr UINT kKWFullMenusCommand = 52783;

// Item flags.
constexpr UINT kKWRareRunFirst = 0x01;  // the item above is not rarely used
constexpr UINT kKWRareRunLast = 0x02;   // the item below is not rarely used
constexpr UINT kKWRarelyUsed = 0x04;

struct KWPersonalItem {
  UINT id = 0;
  bool separator = false;
  UINT flags = 0;  // kKWRarelyUsed as converted; the run ends are marked here
};

// What the chevron item needs: taken out (shown menus, forced, or it strayed
// from the end), and put at the end (a collapsed menu that hides something
// and has none).
struct KWChevronChange {
  bool remove = false;
  bool add = false;
};
KWChevronChange KWPlanChevron(const std::vector<KWPersonalItem>& items, bool bExpanded,
                              bool bForce = false);

// Some item other than the chevron is rarely used.
bool KWHasHiddenItems(const std::vector<KWPersonalItem>& items);

// Marks the ends of the runs of rarely used items.
void KWMarkRareRuns(std::vector<KWPersonalItem>& items);

// The positions to take out of a collapsed menu, last first so that each
// position still holds when it is taken out: every rarely used item, and
// then a separator left directly above another one.
std::vector<int> KWPlanHiddenItems(const std::vector<KWPersonalItem>& items);
