// Verb forms by verb and binyan from the loaded verb index, and a form's
// text in Unicode, as the conjugation tool prints them and the tests read
// them.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"

// The verb index entry of verb i, or null when there is none.
const BYTE* GetVerbIndexEntry(int verb);

// The form of the verb in binyan 0-6 and slot, with its class's
// alternatives; an empty record when the verb has no such form.
HebWordRec GenerateVerbForm(GrammarContext& context, const BYTE* entry, int binyan, int slot);

// The plene spelling of a generated form (start 1 for a vav-inversive one).
HebWordRec PleneVerbForm(const BYTE* entry, const HebWordRec& form, int start);

// The vav-inversive form of a generated past or future form; an empty
// record for a slot or binyan that has none.
HebWordRec VavInversiveVerbForm(GrammarContext& context, const BYTE* entry, const HebWordRec& form);

// The record's letters as pointed UTF-8 (alternatives separated by ',');
// stress marks are left out unless withStress, which writes them as meteg.
std::string WordToUtf8(const HebWordRec& word, bool withStress = false);
