// Moving about a verb table: the Ctrl+G walk, the alternate cycle and the
// presses that bring a look-up's alternate into view.
#include <gtest/gtest.h>

#include <set>

#include "lexicon/core/FormSlots.h"
#include "tables/core/VerbTableContent.h"
#include "tables/core/VerbTableNavigation.h"

namespace {

FilledSlotTest FilledOf(std::set<int> slots) {
  return [slots](int slot) { return slots.count(slot) != 0; };
}

struct WalkCase {
  std::set<int> filled;
  int selected;
  int next;
};

const std::set<int> kAllSlots = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};

const WalkCase kWalks[] = {
    {kAllSlots, -1, 1},                       // nothing selected: the first filled slot after 0
    {kAllSlots, 17, 30},                      // future 3fs stands after 3ms
    {kAllSlots, 30, 18}, {kAllSlots, 29, 0},  // back to the infinitive
    {{1, 5, 26}, 26, 1},                      // Pual or Hufal: no infinitive
    {{1, 5, 26}, 5, 26}, {{8}, 8, -1},        // the walk comes back: nothing changes
    {{}, -1, -1},        {{0}, -1, -1},       // from 0, round to 0 again
};

TEST(VerbTableWalk, VisitsTheFilledSlotsInTableOrder) {
  for (const WalkCase& c : kWalks)
    EXPECT_EQ(NextFilledSlot(c.selected, FilledOf(c.filled)), c.next) << "from " << c.selected;
}

TEST(VerbTableWalk, AFullWalkVisitsEverySlotOnce) {
  std::set<int> seen;
  int slot = 0;
  for (int step = 0; step < kVerbTableSlots; ++step) {
    slot = NextFilledSlot(slot, FilledOf(kAllSlots));
    seen.insert(slot);
  }
  EXPECT_EQ(seen, kAllSlots);
  EXPECT_EQ(slot, 0);
}

struct CycleCase {
  int current;
  int highest;
  int next;
};

const CycleCase kCycles[] = {
    {-1, -1, -1}, {-1, 0, 0}, {0, 0, -1}, {0, 2, 1},
    {2, 2, -1},   {3, 3, -1}, {3, 7, -1},  // never past the fifth spelling
    {-1, 7, 0},
};

TEST(AlternateCycle, StepsToTheHighestAndBackToTheFirstSpelling) {
  for (const CycleCase& c : kCycles)
    EXPECT_EQ(NextAlternate(c.current, c.highest), c.next) << c.current << " of " << c.highest;
}

struct PressCase {
  int current;
  int highest;
  int recordAlternate;  // 0 the first spelling
  int presses;
};

const PressCase kPresses[] = {
    {-1, 2, 0, 0},  {-1, 2, 1, 1}, {-1, 2, 3, 3},  {1, 2, 3, 1}, {2, 2, 0, 1},
    {0, 2, 0, 3},   {1, 2, 1, 3},  {-1, -1, 3, 0},  // no alternates: a stale target presses nothing
    {-1, 1, 9, 2},                                  // clamped to the last alternate
    {-1, 1, -4, 0},                                 // and to the first spelling
    {5, 1, 0, 1},  // a current index past the set is taken as its last
};

TEST(LookUpAlternate, PressesReachTheTargetWithinOneCycle) {
  for (const PressCase& c : kPresses) {
    SCOPED_TRACE(testing::Message()
                 << c.current << " of " << c.highest << " to " << c.recordAlternate);
    int presses = AlternatePresses(c.current, c.highest, c.recordAlternate);
    EXPECT_EQ(presses, c.presses);
    EXPECT_LT(presses, c.highest + 2);
  }
}

TEST(LookUpAlternate, PressingThatOftenLandsOnTheRecordsSpelling) {
  for (int highest = -1; highest <= kMaxAlternateIndex; ++highest)
    for (int current = -1; current <= highest; ++current)
      for (int target = 0; target <= highest + 1; ++target) {
        int index = current;
        for (int n = AlternatePresses(current, highest, target); n > 0; --n)
          index = NextAlternate(index, highest);
        EXPECT_EQ(index, target - 1) << current << " of " << highest << " to " << target;
      }
}

}  // namespace
