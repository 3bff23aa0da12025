// The lookup list's rows from the loaded grammar tables: the word of a
// record, the Root/Entry column (a verb's root, an entry's base form, a
// number in Hebrew words) and the whole row of a keyword record.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/LookupRowDescription.h"

// Pointed Hebrew as letters and parallel vowels, without terminator.
struct PointedText {
  std::vector<BYTE> letters;
  std::vector<BYTE> vowels;
};

// A row of the Hebrew lists: its Word and Root/Entry in pointed Hebrew, the
// other columns as text.
struct LookupWordRowText {
  PointedText word;
  PointedText rootEntry;
  LookupWordRow columns;
};

// A row of the keyword list: the Hebrew word and Root/Entry, the rest text.
struct LookupDefinitionRowText {
  int kind = 0;
  PointedText word;
  PointedText rootEntry;
  std::string columns[kDefinitionColumnCount];
};

// The record's word as the entry text renders it, a respelled (plene)
// record unpointed; empty when it renders nothing.
PointedText LookupRecordWord(GrammarContext& context, const PackedWordRec& record);

// Every column of a Hebrew list row.
LookupWordRowText DescribeWordRecord(GrammarContext& context, const PackedWordRec& record);

// Every column of a keyword row; keyword is the row's keyword text, which
// picks the senses shown. A verb's word is its infinitive in the lowest
// binyan of the row, or its past third person masculine singular where that
// binyan has no infinitive.
LookupDefinitionRowText DescribeDefinitionRecord(GrammarContext& context, DWORD fields,
                                                 const std::string& keyword);

// The word record a keyword record opens: a verb in the binyan (or, for a
// binyan outside the mask, its lowest), an entry's base form, a number with
// its spelling flags; kind 0 when the record names nothing.
PackedWordRec DefinitionWordRecord(DWORD fields, int binyan);
