// A conjugated verb form with a pronominal object suffix ("he wrote" plus
// "me" gives "he wrote me"): the dispatch from the form slot to its
// generator, and whether a slot has such forms at all. Pure computation on
// the caller's planes; the caller hands in the verb's root record.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/ObjectSuffixGenerators.h"

// form: one conjugated form (no alternatives) with its letters, vowels and
// root-letter marks. The feminine plurals of the future and the imperative
// take their suffixes on the masculine plural (tikhtevuni): for those slots
// the caller hands in the form of the masculine plural slot
// (SuffixBaseSlot). The record's three planes are cleared and receive the
// suffixed forms as a zero-terminated comma list (',' with vowel 0), stress
// marked. 1 when a form was written, 0 when the combination has none.
int GenerateVerbForm(const ObjectSuffixRequest& request, const FormPlanes& form, HebWordRec& out);

// The slot whose form GenerateVerbForm takes for a slot: the masculine
// plural for the feminine plurals in -na, else the slot itself.
int SuffixBaseSlot(int slot);

// 1 when GenerateVerbForm can give suffixed forms in the slot.
int IsVerbFormAvailable(int slot, int binyan, int pattern, const BYTE* root);
