#include "lexicon/core/FormSlots.h"

namespace {
const int kFirstSlot[6] = {1, 5, 14, 22, 0, 26};
const int kSlotsInGroup[6] = {4, 9, 8, 4, 1, 4};
}  // namespace

int GetTenseGroup(int slot) {
  if (slot == 30) return 2;
  for (int g = 0; g < 6; ++g)
    if (slot >= kFirstSlot[g] && slot < kFirstSlot[g] + kSlotsInGroup[g]) return g;
  return -1;
}

int GetGroupFirstSlot(int group) { return group >= 0 && group < 6 ? kFirstSlot[group] : -1; }

int GetGroupSlotCount(int group) { return group >= 0 && group < 6 ? kSlotsInGroup[group] : 0; }
