// Moving about a verb table: the Select Next Grammar Form walk, the
// "&Alternate Forms" cycle and the presses of it that bring a look-up's
// alternate into view.
#pragma once

#include <functional>

// Whether a slot holds a form with at least one letter.
using FilledSlotTest = std::function<bool(int slot)>;

// The slot after selected (-1: none selected, the walk starts at slot 0)
// in the order 0 to 17, 30, 18 to 29, then 0 again, that holds a form;
// -1 when the walk comes back to where it started.
int NextFilledSlot(int selected, const FilledSlotTest& filled);

// The alternate index after current: one more while that stays within the
// highest alternate index of the shown set (and the four alternates a form
// has at most), else back to the first spelling (-1).
int NextAlternate(int current, int highestAlternate);

// How many presses of "&Alternate Forms" take current to the alternate of a
// looked-up record (0 the first spelling, k alternate index k - 1). The
// target is clamped to the alternates the set has, so the count stays below
// one full cycle.
int AlternatePresses(int current, int highestAlternate, int recordAlternate);
