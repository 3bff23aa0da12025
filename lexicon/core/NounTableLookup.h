// Noun table records (nountbl.bin) by id.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"

// The index of the noun table record with the id (its absolute value; an id
// above 10000 loses 10000), or the record count when there is none. The
// context keeps a 100-bucket index, rebuilt whenever the tables are
// reloaded.
DWORD FindNounTableRecord(GrammarContext& context, int id);
