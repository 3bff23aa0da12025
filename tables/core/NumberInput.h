// The number view's edit box takes figures only: what the user typed is
// trimmed and stripped to its digits, and the view puts the digits back
// with the caret where the first other character was.
#pragma once

#include <string>

// The longest number each mode takes: twelve digits spell up to the largest
// number the words cover; a sequence starts at four digits at most.
constexpr int kSingleInputLimit = 12;
constexpr int kSequenceInputLimit = 4;

struct FilteredNumberInput {
  std::string text;    // the typed text, blanks trimmed at both ends
  std::string digits;  // its digits only
  int firstDropped;    // index in text of the first non-digit, -1 when none
};

// Filters what the edit box holds, of which only the first limit
// characters count (the box's own limit).
FilteredNumberInput FilterNumberInput(const std::string& typed, int limit);

// The value of a digit string; 0 for an empty one.
double DigitsValue(const std::string& digits);
