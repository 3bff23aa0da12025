// The gender and number of a declension entry in words, from its class
// (byte 10 of the entry): shown under "Gender" and in the look-up list.
#pragma once

#include <string>

// Abbreviated ("Masc", "Fem", "Sing") or in full; "Plural" is always in
// full. An unknown class gives "Unknown" for the noun table (tableType 1)
// and an empty text otherwise.
std::string FormatGenderNumber(int genderClass, bool abbreviate, int tableType);
