// The line of prepositions a verb governs in a binyan, as the verb view
// shows it beside "Prepositions:": the simple ones, the further ones, then
// every first part of a compound with every second part, joined by ", ".
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

struct GovernedPrepositionMasks {
  DWORD simple = 0;      // bit i: simple preposition i
  BYTE further = 0;      // bits 0-2
  BYTE firstParts = 0;   // bits 0-6 of compound first parts
  BYTE secondParts = 0;  // bits 0-6 of compound second parts
};

// The masks of verb index entry verb in binyan 0-6; none when either is out
// of range or the index holds no companion for the verb.
GovernedPrepositionMasks GetGovernedPrepositionMasks(int verb, int binyan);

// The line in the record's letter and vowel planes (the hyphen of a compound
// and the separators without vowels). It holds at most 69 letters: an item
// that would not fit ends the line before it.
void BuildGovernedPrepositionsLine(const GovernedPrepositionMasks& masks, HebWordRec& line);
