// The English look-up words of the dictionary: a definition text marks them
// with '&', and a definition record names one by its ordinal (the word after
// the n-th '&', counting from 1), or a number of the table of numbers in
// digits or in words.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

// The keyword of the n-th '&' of the text: the characters after it up to a
// blank or the end, at most size - 1 of them, keeping only letters, digits
// and '-'. Empty when the text has fewer marks. Returns the length.
int DefinitionKeywordOf(LPCSTR text, int ordinal, char* buffer, int size);
// The number of '&' marks of the text (0 for none).
int CountDefinitionKeywords(LPCSTR text);

// The entry of a declension table (TableType) from the loaded tables, or
// null for an index outside it.
const BYTE* DeclensionTableEntry(int tableType, int index);

// The keyword text of the definition record from the loaded tables (empty
// when the record names nothing); returns its length.
int DefinitionKeywordText(DWORD fields, char* buffer, int size);
// The same as a string, as the lookup list shows and compares it.
std::string DefinitionKeywordString(DWORD fields);
