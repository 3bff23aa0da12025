// What copying a verb table cell puts on the clipboard: the spelling shown
// for the current alternate as one pointed string in the program's codes,
// and the same word in standard Unicode Hebrew.
#pragma once

#include "classlib/core/CString.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/HebWordRec.h"
#include "tables/core/VerbTableContent.h"

struct VerbFormCopy {
  CString text;        // CF_TEXT
  WideString unicode;  // CF_UNICODETEXT
};

// The letters and points of the cell's spelling for the alternate index (the
// nearest earlier alternative that exists): the shown, respelled record
// with Ktiv-Khaser on, else the pointed source record.
HebWordRec CellSpelling(const VerbTableCell& cell, int alternate, bool ktivKhaser);

// Whether any vowel of the word carries a stress mark.
bool HasStressMarks(const HebWordRec& word);

// The clipboard texts of one spelling (letters and points of the program's
// codes): unpointed and plene-written with Ktiv-Khaser, without stress marks
// with withoutStress. Empty for an empty spelling.
VerbFormCopy BuildFormCopy(HebWordRec spelling, bool ktivKhaser, bool withoutStress);

// The clipboard texts of the cell, unpointed with Ktiv-Khaser; withoutStress turns stressed vowels
// into their plain codes ("Copy to Clipboard (No METEG)"). Empty for an empty cell.
VerbFormCopy BuildVerbFormCopy(const VerbTableCell& cell, int alternate, bool ktivKhaser,
                               bool withoutStress);
