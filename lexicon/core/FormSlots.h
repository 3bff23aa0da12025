// Form slots of verb forms and their tense groups.
//
// Slots: 0 infinitive; 1-4 present (m.sg, f.sg, m.pl, f.pl); 5-13 past
// (1sg, 2ms, 2fs, 3ms, 3fs, 1pl, 2mp, 2fp, 3pl); 14-21 future (1sg, 2ms,
// 2fs, 3ms, 1pl, 2mp, 2fp/3fp, 3mp), and 30 built as 15 (3fs); 22-25
// imperative (ms, fs, mp, fp); 26-29 participle (ms, fs, mp, fp).
// Groups: 0 present, 1 past, 2 future, 3 imperative, 4 infinitive,
// 5 participle.
#pragma once

#include <initializer_list>

constexpr int kFormSlots = 31;

// The group of a slot; -1 for no slot.
int GetTenseGroup(int slot);
// The first slot of a group and its number of slots; -1 and 0 for no group.
int GetGroupFirstSlot(int group);
int GetGroupSlotCount(int group);

inline bool IsOneOf(int value, std::initializer_list<int> values) {
  for (int v : values)
    if (v == value) return true;
  return false;
}
