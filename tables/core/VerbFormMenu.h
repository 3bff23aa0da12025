// What the pop-up menu of a verb table cell offers, and what the cell hands
// to the pronominal-suffix view.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarLayout.h"
#include "tables/core/VerbTableContent.h"

struct VerbFormMenuFlags {
  bool hasStressMarks = false;     // "Copy to Clipboard (No &METEG)"
  bool hasSuffixForms = false;     // "&Pronominal Suffixes"
  bool hasInfinitiveNoun = false;  // "&Infinitive Noun"
};

// The flags of the cell's form read as copying reads it. Stress marks count
// only with Ktiv-Khaser off; suffixed forms need a binyan that takes them,
// the verb's suffix bit and a slot whose forms take them; only the
// infinitive has an infinitive noun, when the verb's class declines one.
VerbFormMenuFlags GetVerbFormMenuFlags(const BYTE* entry, int binyan, int slot,
                                       const VerbTableCell& cell, int alternate, bool ktivKhaser);

// The slot whose form the suffix view takes: the masculine plural for the
// biblical feminine plurals.
int HandOverSlot(int slot);

// The verb's root letters with final letters made regular, all ten a root
// may have, zero-terminated; returns their number.
int HandOverRoot(int verb, BYTE (&root)[GrammarLayout::kEntryRootRoom]);
