#include "toolkit/core/KWDockRows.h"

#include <algorithm>

namespace {

BOOL IsEntry(const KWDockEntries& entries, int index) {
  return index >= 0 && index < static_cast<int>(entries.size());
}

BOOL IsVisibleBar(const KWDockEntry& entry) {
  return entry.kind == KWDockEntry::kBar && entry.bVisible;
}

// Calls fn(position, entry) for each visible bar from index to the row's end
// other than exclude.
template <typename Entries, typename Fn>
void ForEachVisibleBar(Entries& entries, int index, int exclude, Fn fn) {
  if (!IsEntry(entries, index)) return;
  const int end = KWRowEnd(entries, index);
  for (int i = index; i < end; ++i)
    if (i != exclude && IsVisibleBar(entries[i])) fn(i, entries[i]);
}

template <typename Pred>
int FindDockWindow(const KWDockEntries& entries, int index, Pred pred) {
  int found = kKWNoEntry;
  ForEachVisibleBar(entries, index, kKWNoEntry, [&](int i, const KWDockEntry& e) {
    if (found == kKWNoEntry && e.bDockWindow && pred(e)) found = i;
  });
  return found;
}

// Moves one docking window's length by up to delta, never below its minimum
// (a window already below it is brought up to it); returns the step taken.
int StepLength(KWDockEntry& window, int delta) {
  const int length = window.nDesiredLength;
  const int step = std::max(delta, window.nMinLength - length);
  window.nDesiredLength = window.nLength = length + step;
  return step;
}

}  // namespace

BOOL KWIsVisibleDockWindow(const KWDockEntry& entry) {
  return IsVisibleBar(entry) && entry.bDockWindow;
}

BOOL KWIsLastInRow(const KWDockEntries& entries, int index) {
  const int count = static_cast<int>(entries.size());
  return index >= 0 && index < count - 1 && entries[index].kind != KWDockEntry::kRowBreak &&
         entries[index + 1].kind == KWDockEntry::kRowBreak;
}

int KWRowStart(const KWDockEntries& entries, int index) {
  if (!IsEntry(entries, index)) return kKWNoEntry;
  while (index > 0 && entries[index - 1].kind != KWDockEntry::kRowBreak) --index;
  return index;
}

int KWRowEnd(const KWDockEntries& entries, int index) {
  const int count = static_cast<int>(entries.size());
  index = std::max(index, 0);
  while (index < count && entries[index].kind != KWDockEntry::kRowBreak) ++index;
  return index;
}

int KWCountDockWindows(const KWDockEntries& entries, int index, int exclude) {
  int count = 0;
  ForEachVisibleBar(entries, index, exclude,
                    [&](int, const KWDockEntry& e) { count += e.bDockWindow ? 1 : 0; });
  return count;
}

int KWRowThickness(const KWDockEntries& entries, int index, int exclude) {
  int thickness = 0;
  ForEachVisibleBar(entries, index, exclude, [&](int, const KWDockEntry& e) {
    thickness = std::max(thickness, e.nThickness);
  });
  return thickness;
}

int KWMinRowThickness(const KWDockEntries& entries, int index, int exclude) {
  int thickness = kKWMinRowThickness;
  ForEachVisibleBar(entries, index, exclude, [&](int, const KWDockEntry& e) {
    if (!e.bDockWindow) thickness = std::max(thickness, e.nThickness);
  });
  return thickness;
}

int KWDesiredRowLength(const KWDockEntries& entries, int index, int exclude) {
  int length = 0;
  ForEachVisibleBar(entries, index, exclude, [&](int, const KWDockEntry& e) {
    if (e.bDockWindow) length += e.nDesiredLength;
  });
  return length;
}

int KWMinRowLength(const KWDockEntries& entries, int index, int exclude) {
  int length = 0;
  ForEachVisibleBar(entries, index, exclude, [&](int, const KWDockEntry& e) {
    if (e.bDockWindow) length += e.nMinLength;
  });
  return length;
}

int KWFixedRowLength(const KWDockEntries& entries, int index, int exclude) {
  const int start = KWRowStart(entries, index);
  if (start == kKWNoEntry) return 0;
  const int total = KWCountDockWindows(entries, start, kKWNoEntry);
  int passed = 0;
  BOOL prevIsDockWindow = FALSE;
  int length = 0;
  ForEachVisibleBar(entries, start, kKWNoEntry, [&](int i, const KWDockEntry& e) {
    const BOOL counts = i >= index;
    if (e.bDockWindow) {
      if (counts && passed > 0) length += kKWDockSplitterWidth;
      ++passed;
    } else if (counts) {
      if (prevIsDockWindow && passed < total) length += kKWDockSplitterWidth;
      if (i != exclude) length += e.nLength;
    }
    prevIsDockWindow = e.bDockWindow;
  });
  return length;
}

int KWFindNewDockWindow(const KWDockEntries& entries, int index) {
  return FindDockWindow(entries, index, [](const KWDockEntry& e) { return e.bNew; });
}

int KWFirstDockWindow(const KWDockEntries& entries, int index) {
  return FindDockWindow(entries, index, [](const KWDockEntry&) { return TRUE; });
}

int KWFindExpandedDockWindow(const KWDockEntries& entries, int index) {
  return FindDockWindow(entries, KWRowStart(entries, index),
                        [](const KWDockEntry& e) { return e.bExpanded && !e.bOnlyInRow; });
}

int KWResizeBefore(KWDockEntries& entries, int index, int delta) {
  const int start = KWRowStart(entries, index);
  if (start == kKWNoEntry) return delta;
  for (int i = index - 1; i >= start && delta != 0; --i)
    if (KWIsVisibleDockWindow(entries[i])) delta -= StepLength(entries[i], delta);
  return delta;
}

int KWResizeFrom(KWDockEntries& entries, int index, int delta) {
  if (!IsEntry(entries, index)) return delta;
  const int end = KWRowEnd(entries, index);
  for (int i = index; i < end && delta != 0; ++i)
    if (KWIsVisibleDockWindow(entries[i])) delta -= StepLength(entries[i], delta);
  return delta;
}

int KWShareRowLength(KWDockEntries& entries, int index, int newWindow, int nAvail) {
  const int thickness = KWRowThickness(entries, index, kKWNoEntry);
  int windows = KWCountDockWindows(entries, index, kKWNoEntry);
  if (windows == 0) return thickness;
  auto give = [&](KWDockEntry& window, int length) {
    window.nDesiredLength = window.nLength = std::max(window.nMinLength, length);
    window.nThickness = thickness;
  };
  if (windows == 1) {
    give(entries[KWFirstDockWindow(entries, index)],
         nAvail - KWFixedRowLength(entries, index, kKWNoEntry));
    return thickness;
  }
  // A new window counts only when it is a docking window of this row.
  if (!(newWindow >= index && newWindow < KWRowEnd(entries, index) &&
        KWIsVisibleDockWindow(entries[newWindow])))
    newWindow = kKWNoEntry;
  int free = nAvail - (KWFixedRowLength(entries, index, newWindow) +
                       KWDesiredRowLength(entries, index, newWindow));
  if (newWindow != kKWNoEntry) {
    free -= entries[newWindow].nLength;
    --windows;
  }
  ForEachVisibleBar(entries, index, newWindow, [&](int i, KWDockEntry& w) {
    if (!w.bDockWindow) return;
    int share = free / windows;
    if (free < 0) {
      // What the later windows could still give up; a shrink they cannot
      // take stays with this one.
      const int rest = free - share;
      const int slack = KWDesiredRowLength(entries, i + 1, newWindow) -
                        KWMinRowLength(entries, i + 1, newWindow);
      if (rest + slack < 1) share += rest + slack;
    }
    const int before = w.nLength;
    give(w, before + share);
    free -= w.nLength - before;
    --windows;
  });
  if (newWindow != kKWNoEntry) give(entries[newWindow], entries[newWindow].nLength + free);
  return thickness;
}
