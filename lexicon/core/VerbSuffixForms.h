// Object-suffix forms of the verbs of the loaded verb index: the verb's form
// in the slot (SuffixBaseSlot) made first, then its main form given the
// object suffix.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"

// The forms of the verb (its index entry) in binyan 0-6 and slot with the
// object person 1-10, as a comma list; an empty record when there are none.
// With vavInversive the suffix goes on the slot's vav-inversive form.
HebWordRec GenerateObjectSuffixForm(GrammarContext& context, const BYTE* entry, int binyan,
                                    int slot, int person, bool vavInversive = false);

// The infinitive noun of the verb in binyan 0-6, in declension cell 1 (the
// construct, the prepared infinitive itself) or a person cell 3-12; an
// empty record when the verb has none or the noun tables lack its record.
HebWordRec GenerateInfinitiveNounForm(GrammarContext& context, const BYTE* entry, int binyan,
                                      int cell);
