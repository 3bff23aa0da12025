// The form set a declension table is built with, by table type.
#pragma once

#include "classlib/core/WinTypes.h"

// No table is built.
constexpr int kNoDeclensionForms = -1;

// Nouns take the forms of their checked number radio (nounForms);
// adjectives and general vocabulary the one set (0); a preposition the set
// its noun table record has person forms for: the singular stem's (1),
// else the plural stem's (2), else none. A preposition without a record
// (only its base form) takes the singular stem's.
int DeclensionFormSelector(int tableType, const BYTE* tableRecord, int nounForms);
