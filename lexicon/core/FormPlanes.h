// The three parallel planes of a word form while it is being assembled or
// rewritten (letters, vowels, root-letter marks) with their length. Every
// producer that adds positions goes through Append or Insert, which keep a
// form within the 69 letters a HebWordRec holds.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

struct FormPlanes {
  BYTE letters[kWordPlaneSize] = {};
  BYTE vowels[kWordPlaneSize] = {};
  BYTE marks[kWordPlaneSize] = {};
  int length = 0;

  // False (and nothing changed) when the form already holds 69 letters.
  bool Append(BYTE letter, BYTE vowel, BYTE mark);
  // Appends count positions of another form; false when they do not all fit
  // (those that fit are kept).
  bool AppendRange(const FormPlanes& other, int from, int count);
  bool Insert(int at, BYTE letter, BYTE vowel, BYTE mark);
  // Appends ',' (with the vowel given) and the whole of part: an
  // alternative that does not fit is left out, so that a list always ends
  // with a whole form. False, with nothing changed, when it does not fit.
  bool AppendAlternative(const FormPlanes& part, BYTE separatorVowel);
  // Takes position at out of all three planes; the freed last position is
  // cleared. Out of range: nothing.
  void Remove(int at);
  // Cuts the form to length positions (clearing what was behind them).
  void Truncate(int newLength);
  void Clear() { *this = FormPlanes(); }

  // The planes of a record's letters (zero-terminated, at most 69).
  static FormPlanes FromRecord(const HebWordRec& word);
  // Into the record's planes (the rest of them cleared).
  void ToRecord(HebWordRec& word) const;
};
