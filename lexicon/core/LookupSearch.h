// The search of the lookup bar's word-search mode: the typed word with its
// prefixes, variants and the retry with similar vowels over the list
// database, into a list of its own, and how each hit is shown.
#pragma once

#include <vector>

#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/SearchHits.h"
#include "lexicon/core/WordDatabaseSearch.h"

// What the search mode shows: the hits (at most kMaxSearchHits), in order,
// and the word they were found for.
struct LookupResults {
  std::vector<SearchHit> hits;
  HebWordRec word = {};
};

// Searches the typed word; when nothing is found, with similar vowels.
// Only a search that finds something replaces the results (sorted hits and
// the typed word); one that finds nothing leaves them and returns false.
bool SearchLookupWord(LookupData& data, const HebWordRec& typed, LookupResults& results);

// The word a hit is shown as: with prefixLength > 0, the typed word's first
// prefixLength letters and vowels, a '+' without vowel, then the hit's own
// word (zero-terminated letters, parallel vowels). Writes at most
// capacity - 1 positions and a zero after them; returns the length.
int PrefixedHitWord(const HebWordRec& typed, int prefixLength, const BYTE* letters,
                    const BYTE* vowels, BYTE* outLetters, BYTE* outVowels, int capacity);
