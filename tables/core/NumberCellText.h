// What the number view does with a cell's pointed text beyond drawing it:
// the Ktiv-Khaser spelling it shows instead, and the clipboard texts of a
// copy.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "hebtext/core/UnicodeHebrew.h"

// A cell text as parallel letters and vowels (0 for none), zero-terminated
// after count positions.
struct NumberTextPlanes {
  std::vector<BYTE> letters, vowels;
  int count = 0;
};
NumberTextPlanes SplitNumberText(const std::string& pointed);

// The text in Ktiv-Khaser spelling: word by word (words end at a blank or
// "-") in plene spelling, unpointed, each followed by its separator.
std::string RespellNumberText(const std::string& pointed);

// Whether any vowel of the text carries a stress mark (meteg).
bool NumberTextHasStress(const std::string& pointed);

struct NumberTextCopy {
  CString text;        // CF_TEXT, in the program's codes
  WideString unicode;  // CF_UNICODETEXT, standard points
};

// The clipboard texts of the cell text; withoutStress clears the stress
// marks first ("Copy to Clipboard (No METEG)"). Empty for an empty text.
NumberTextCopy BuildNumberTextCopy(const std::string& pointed, bool withoutStress);
