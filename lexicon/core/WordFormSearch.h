// The dictionary search of a typed word: its prefix letters peeled off one
// to four at a time, its spelling variants when it is not found as typed, the
// retry with similar vowels, and the order of the hit list.
#pragma once

#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/WordDatabaseSearch.h"

// The hits of the typed word (letters and vowels of word) appended to hits;
// true when there is at least one.
bool FindWordForms(LookupData& data, const HebWordRec& word, SearchHitList& hits, WORD flags);

// The word with its qamats, tsere and segol forms (all but the last letter's)
// taken as unpointed; of what that finds, the verb forms without suffix
// whose vowels at those places are of the same class. True when it found any.
bool FindWordFormsRetry(LookupData& data, const HebWordRec& word, SearchHitList& hits, WORD flags);

// Other entries before verbs; verbs by their roots, the form without suffix
// first; other entries by word number, number of words and text.
void SortSearchHits(LookupData& data, SearchHitList& hits);
