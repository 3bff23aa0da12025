// The text of a dictionary record: a packed word record names a form
// (which verb or table entry, stem, slot, alternative, spelling variant)
// and LookupEntryText builds it again from the grammar tables, with the
// sort keys the databases are ordered by.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"

struct EntryTextOptions {
  // A vav-inversive verb form without its conjunction vav.
  bool stripVav = false;
  // All the words of a noun, adjective or vocabulary entry, whatever word
  // the record names.
  bool wholeEntry = false;
};

// Where the text goes; every buffer may be null. letters and vowels hold
// kWordPlaneSize bytes each; the keys keySize bytes each.
struct EntryTextOutput {
  BYTE* letters = nullptr;       // zero-terminated
  BYTE* vowels = nullptr;        // one a letter (0 for none) and a zero after them
  char* primaryKey = nullptr;    // BuildLetterVowelKey of the word
  char* secondaryKey = nullptr;  // VowelClassString of its vowels
  int keySize = 0;
};

// The word of the record, its length returned. A record that renders
// nothing (undecodable, naming an entry or form the tables do not hold, or
// a spelling variant the form does not have) returns 0, leaves the letters,
// vowels and second key as they were and clears the first key.
int LookupEntryText(GrammarContext& context, DWORD fields, BYTE extra,
                    const EntryTextOptions& options, const EntryTextOutput& output);
