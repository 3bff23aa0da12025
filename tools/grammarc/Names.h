// The names the sources give binyanim, tense groups and governed
// prepositions.
#pragma once

#include <string>

#include "tools/grammarc/SourceReader.h"

// "paal" .. "hufal" give 0-6 and "short" (the short future forms) 7.
int ParseBinyanName(const SourceLine& line, const std::string& name);
extern const char* const kBinyanNames[8];

// "present" 0, "past" 1, "future" 2, "imperative" 3, "infinitive" 4,
// "participle" 5.
int ParseTenseGroupName(const SourceLine& line, const std::string& name);
extern const char* const kTenseGroupNames[6];

// The bit of a simple governed preposition by the name the definition texts
// use for it ("ET", "B", "L", "MIN", ...).
int ParsePrepositionName(const SourceLine& line, const std::string& name);
