// The root letters of a verb rewritten for its class before a pattern takes
// them: letters dropped, copied, doubled or replaced by root id, binyan,
// alternative level and form slot.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/BinyanRootRec.h"

// letters: room for 6; receives the root (final letters made regular, at
// most five) rewritten. Returns 0 (nothing changed or a letter replaced),
// 1 (a letter dropped or copied) or 2 (a letter doubled).
int PrepareRootLetters(const BYTE* root, BYTE* letters, const BinyanRootRec& record, int binyan,
                       int alternativeLevel, int slot);
