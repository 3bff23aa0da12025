// The number view's words in figures: the figures beside each sequence
// cell and the printed page's lines under the Hebrew words.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

// The sequence value in figures, with its English ordinal suffix when
// ordinal.
std::string SequenceFigures(LONG value, int ordinal);

// The typed digits with a comma before the last 3, 6 and 9 digits where
// there are more, and the ordinal suffix when ordinal ("1,234,567th").
std::string GroupedNumberCaption(const std::string& digits, int ordinal);

// "Masculine" or "Feminine"; "Cardinal" or "Ordinal".
const char* NumberGenderCaption(int feminine);
const char* NumberFormatCaption(int ordinal);
