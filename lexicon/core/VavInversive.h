// Forms after the vav-inversive: the conjunction takes the vowel the first
// letter calls for, past forms move their stress, and future forms take
// their short form (a shifted vowel, a dropped last letter or yod, or the
// short-form patterns of the class).
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/GrammarContext.h"

// The verb's record of short future forms (block 7), for Paal when it has
// present-group (short Paal) patterns and for Hifil when it has
// imperative-group (short Hifil) patterns; false otherwise.
bool FindShortFormRecord(const BYTE* entry, int binyan, VerbRootRun& shortRun);

// Writes the vav-inversive form of one alternative (work, with its trailing
// ',' when another follows) behind out. Returns the number of positions
// written, 0 for an empty alternative. changed is set when the form was
// changed beyond the conjunction; end when no later alternative follows.
int ApplyVavInversiveRule(GrammarContext& context, int alternative, FormPlanes& work,
                          FormPlanes& out, WORD& changed, int group, int slot, int binyan,
                          const BinyanRootRec& record, const BYTE* entry, bool& end);

// Rewrites every alternative of a finished past or future form (callers
// test TakesPronominalSuffix first) into its vav-inversive form. The second
// spare word of the record is set when the form was changed.
void MakeVavInversiveForm(GrammarContext& context, HebWordRec& word, const BinyanRootRec& record,
                          const BYTE* entry, int slot, int binyan, int flag);
