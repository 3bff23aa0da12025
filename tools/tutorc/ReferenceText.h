// The texts of the reference sources: English with the colour mark-up, and
// pointed Hebrew written in Unicode between '$' marks, converted into the
// program's 8-bit code; and the items (letters, vowels and marks) that the
// tutorial introduces and the descriptions describe.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"
#include "tools/grammarc/HebrewSource.h"
#include "tools/grammarc/SourceReader.h"

// The quoted token's text in the program's code: "\n" and "\t" become a new
// line and a tab; the Hebrew of each $ run is converted (a run of one
// conversion, $%s$ or $%c$, is a template's and stays); outside the runs only
// printable ASCII may stand.
std::string ConvertReferenceText(const SourceLine& line, const std::string& token);

// A pointed Hebrew word in the program's code, as one string and as letters
// with their vowels.
std::string ConvertPointedWord(const SourceLine& line, const std::string& utf8);
PointedWord ConvertReferenceWord(const SourceLine& line, const std::string& utf8);

// One item: a single Unicode letter (with its dagesh, shin or sin dot or
// geresh), a vowel keyword of the grammar sources (KAM, K_PAT, HOL_D, ...),
// or DAG for the dagesh mark.
BYTE ParseItem(const SourceLine& line, const std::string& token);
