// The declension list's incremental search: the list row that a word typed
// into the search edit leads to, by the dictionary order of the entries'
// words.
#pragma once

#include <functional>
#include <string>

// A pointed word as letters and one vowel code per letter.
struct EntrySearchWord {
  std::string letters;
  std::string vowels;
};

// Compare-mode bits: cut the entry's word at its first word separator; on
// equal letters, order by the sound classes of the leading vowels.
constexpr int kCompareCutAtSeparator = 1;
constexpr int kCompareVowelClasses = 2;

// Below, at or above 0 as the entry's word sorts before, with or after the
// typed word.
int CompareEntryWord(const EntrySearchWord& entryWord, const EntrySearchWord& typed, int mode);

// The word of a list row's entry; false when the row cannot be read.
using EntryRowWord = std::function<bool(int row, EntrySearchWord& word)>;

// The row whose entry the typed word names, or the nearest row before it;
// -1 when a row cannot be read.
int FindEntryRow(const EntrySearchWord& typed, int rowCount, const EntryRowWord& rowWord);

// The row the search moves the list to: the found row, else the last row
// (row 0 of an empty list).
int IncrementalSearchRow(const EntrySearchWord& typed, int rowCount, const EntryRowWord& rowWord);
