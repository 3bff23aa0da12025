// Form slots of verb forms and their tense groups, by the numbers the
// grammar tables and word records give them.
#pragma once

#include <initializer_list>

namespace FormSlot {
// clang-format off
enum Id : int {
  Infinitive,
  PresentMs, PresentFs, PresentMp, PresentFp,
  Past1s, Past2ms, Past2fs, Past3ms, Past3fs, Past1p, Past2mp, Past2fp, Past3p,
  Future1s, Future2ms, Future2fs, Future3ms, Future1p, Future2mp,
  Future2fp3fp,  // one form for both
  Future3mp,
  ImperativeMs, ImperativeFs, ImperativeMp, ImperativeFp,
  ParticipleMs, ParticipleFs, ParticipleMp, ParticipleFp,
  Future3fs,     // built as Future2ms, which it is spelled like
  Count
};
// clang-format on
}  // namespace FormSlot

namespace TenseGroup {
enum Id : int { Present, Past, Future, Imperative, Infinitive, Participle, Count };
}  // namespace TenseGroup

// The group of a slot; -1 for no slot.
int GetTenseGroup(int slot);
// The first slot of a group and its number of slots; -1 and 0 for no group.
// Future3fs stands outside its group's run of slots.
int GetGroupFirstSlot(int group);
int GetGroupSlotCount(int group);

inline bool IsOneOf(int value, std::initializer_list<int> values) {
  for (int v : values)
    if (v == value) return true;
  return false;
}

// first <= slot <= last.
inline bool IsSlotBetween(int slot, int first, int last) { return slot >= first && slot <= last; }
