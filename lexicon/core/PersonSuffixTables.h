// The suffix templates that the noun-form builder appends to a stem in the
// person cells 3-12 of a declension: two sets of tables, set A for stems
// in the singular (kinds 1 and 3), set B for stems in the plural (kind 2).
#pragma once

#include "classlib/core/WinTypes.h"

constexpr int kMaxSuffixLetters = 6;

struct SuffixLetter {
  BYTE letter;
  BYTE vowel;
};

// The connecting vowel goes on the stem's last letter; the suffix letters
// (up to the first 0) follow it.
struct SuffixTemplate {
  BYTE connectingVowel = 0;
  SuffixLetter suffix[kMaxSuffixLetters] = {};

  int SuffixLength() const;
};

struct PersonSuffixChoice {
  const SuffixTemplate* suffix = nullptr;  // null for a cell outside 3-12
  bool pluralDefault = false;              // set B's default table (B0) was taken
};

// The template of a person cell (3-12) by the table selector of a noun
// table's cell mask (bits 12-15): set A (A1-A13, else A0) unless pluralStem,
// set B (B1-B3, else B0) when it is.
PersonSuffixChoice GetPersonSuffixTemplate(bool pluralStem, int selector, int cell);
