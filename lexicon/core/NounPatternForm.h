// The noun-form builder: the form of a noun-like word in one declension
// cell (singular, construct, pausal, plural and construct plural, and the
// ten person cells), by the noun table record that declines it. The
// record names a noun pattern for the cell, whose template rewrites the
// end of the word; person cells then take a suffix template
// (PersonSuffixTables.h); the records after the main one with the same id
// add alternative forms, separated by ','.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"

// Noun table records from the one that declines a word to the end of their
// block; the records after the first with the same id are its alternatives.
struct NounTableRun {
  const BYTE* records = nullptr;  // NounTableRec, 32 bytes each
  DWORD count = 0;                // 0: no record
};

// The loaded noun table records of the id (FindNounTableRecord); empty when
// the id has none.
NounTableRun GetNounTableRun(GrammarContext& context, int id);

struct NounPatternRequest {
  // The word: zero-terminated letters and their vowels (0 or 1: none).
  const BYTE* letters = nullptr;
  const BYTE* vowels = nullptr;
  // The entry's noun table id (0 from the verb side); the ranges of
  // ClassIds.h that name stress and yod rules are tested on it, the others
  // on the record's own id.
  WORD nounTableId = 0;
  const BYTE* patterns = nullptr;  // NounPatternRec, 14 bytes each
  DWORD patternCount = 0;
  NounTableRun table;
  int kind = 1;  // DeclensionKind
  int cell = 0;  // DeclensionCell
  // Only TableType::Preposition matters: a preposition is never cut as a
  // compound.
  int tableType = 0;
};

// Writes the form into result (letters and vowels; every other field
// zero); false, with result cleared, when the cell has no form. The form
// with its alternatives holds at most 69 letters.
bool BuildNounPatternForm(const NounPatternRequest& request, HebWordRec& result);
