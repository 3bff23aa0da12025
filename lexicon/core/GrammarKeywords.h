// The names by which grammar texts write letters and vowels ("KAM", "SHIN",
// "BK_DAG1", ...): the definition mark-up and the preposition spellings read
// them, and the grammar compiler accepts them in its sources.
#pragma once

#include <cstddef>
#include <string>

#include "classlib/core/WinTypes.h"

struct GrammarKeyword {
  LPCSTR name;
  BYTE code;
};

// The tables in their fixed order; a lookup takes the first equal name.
extern const GrammarKeyword g_vowelKeywords[];
extern const size_t g_vowelKeywordCount;
extern const GrammarKeyword g_letterKeywords[];
extern const size_t g_letterKeywordCount;

// The code of the name (compared case-sensitively), or 0 when the table has
// no such name.
int LookupVowelKeyword(LPCSTR name);
int LookupLetterKeyword(LPCSTR name);

// What the user is told of a name that a grammar text uses and the tables
// lack: "Couldn't find <name>!".
std::string MissingKeywordMessage(LPCSTR name);
