// The program's table of numbers: the values the dictionary holds as number
// entries (a number record names one by its index) and the number view
// offers.
#pragma once

#include "classlib/core/WinTypes.h"

// The flags word says in which spellings the dictionary holds the value: the
// low byte the genders, the high byte the kinds.
constexpr DWORD kNumberMasculine = 0x001;
constexpr DWORD kNumberFeminine = 0x002;
constexpr DWORD kNumberCardinal = 0x100;
constexpr DWORD kNumberOrdinal = 0x200;

struct NumberTableEntry {
  DWORD value;
  DWORD flags;
};

// The value of the entry after the last one.
constexpr DWORD kNumberTableEnd = 0xFFFFFFFF;
constexpr int kNumberTableCount = 50;

// kNumberTableCount entries and the terminator.
extern const NumberTableEntry kNumberTable[kNumberTableCount + 1];

// The entry at the index; false for an index outside the table.
bool GetNumberTableEntry(int index, NumberTableEntry& entry);
