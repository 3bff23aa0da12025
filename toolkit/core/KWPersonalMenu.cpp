#include "toolkit/core/KWPersonalMenu.h"

#include <algorithm>
#include <functional>

namespace {

bool IsChevron(const KWPersonalItem& item) { return item.id == kKWFullMenusCommand; }

bool IsRare(const KWPersonalItem& item) {
  return !IsChevron(item) && (item.flags & kKWRarelyUsed) != 0;
}

}  // namespace

KWChevronChange KWPlanChevron(const std::vector<KWPersonalItem>& items, bool bExpanded,
                              bool bForce) {
  auto found = std::find_if(items.begin(), items.end(), IsChevron);
  bool present = found != items.end();
  bool force = bForce || (present && found + 1 != items.end());
  KWChevronChange change;
  change.remove = present && (bExpanded || force);
  change.add = !bExpanded && (!present || change.remove) && KWHasHiddenItems(items);
  return change;
}

bool KWHasHiddenItems(const std::vector<KWPersonalItem>& items) {
  return std::any_of(items.begin(), items.end(), IsRare);
}

void KWMarkRareRuns(std::vector<KWPersonalItem>& items) {
  int count = static_cast<int>(items.size());
  for (int i = 0; i < count; ++i) {
    if (!IsRare(items[i])) continue;
    // The menu's ends count as hidden neighbours: a run there has no border.
    bool prevHidden = i == 0 || (items[i - 1].flags & kKWRarelyUsed) != 0;
    bool nextHidden = i == count - 1 || (items[i + 1].flags & kKWRarelyUsed) != 0;
    if (!prevHidden) items[i].flags |= kKWRareRunFirst;
    if (!nextHidden) items[i].flags |= kKWRareRunLast;
  }
}

std::vector<int> KWPlanHiddenItems(const std::vector<KWPersonalItem>& items) {
  std::vector<int> out;
  std::vector<bool> taken(items.size(), false);
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
    if (IsRare(items[i])) {
      taken[i] = true;
      out.push_back(i);
    }
  }
  // From the bottom: a separator whose nearest shown item below is a
  // separator goes too.
  bool belowIsSeparator = false;
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
    if (taken[i]) continue;
    if (items[i].separator && belowIsSeparator) {
      out.push_back(i);
      continue;
    }
    belowIsSeparator = items[i].separator;
  }
  std::sort(out.begin(), out.end(), std::greater<int>());
  return out;
}
