// The pointed spellings of the prepositions a verb governs, by their bit in
// the verb's masks: the simple prepositions of the 32-bit mask, the further
// ones of the 3-bit mask, and the first and second parts of compound
// prepositions.
#pragma once

#include "classlib/core/WinTypes.h"

constexpr int kSimplePrepositionCount = 32;
constexpr int kFurtherPrepositionCount = 3;
constexpr int kCompoundPartCount = 7;
constexpr int kPrepositionMaxLength = 6;

// Letters and the parallel vowel codes, each zero-terminated.
struct PrepositionWord {
  BYTE letters[kPrepositionMaxLength + 1] = {};
  BYTE vowels[kPrepositionMaxLength + 1] = {};
  int length = 0;
};

// Each gives an empty word for an index outside its table.
PrepositionWord SimplePreposition(int index);
PrepositionWord FurtherPreposition(int index);
PrepositionWord CompoundFirstPart(int index);
PrepositionWord CompoundSecondPart(int index);
