#include "lexicon/core/FormSlots.h"

using namespace FormSlot;

namespace {
const int kFirstSlot[TenseGroup::Count] = {PresentMs,    Past1s,     Future1s,
                                           ImperativeMs, Infinitive, ParticipleMs};
const int kSlotsInGroup[TenseGroup::Count] = {4, 9, 8, 4, 1, 4};
}  // namespace

int GetTenseGroup(int slot) {
  if (slot == Future3fs) return TenseGroup::Future;
  for (int g = 0; g < TenseGroup::Count; ++g)
    if (slot >= kFirstSlot[g] && slot < kFirstSlot[g] + kSlotsInGroup[g]) return g;
  return -1;
}

int GetGroupFirstSlot(int group) {
  return group >= 0 && group < TenseGroup::Count ? kFirstSlot[group] : -1;
}

int GetGroupSlotCount(int group) {
  return group >= 0 && group < TenseGroup::Count ? kSlotsInGroup[group] : 0;
}
