// Finding verbs of the loaded verb index by a root as a user types it.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"

// The letters of a typed root (UTF-8): the blanks around it trimmed, points
// and dagesh dropped, final letters made regular.
std::string TypedRootLetters(const std::string& utf8);

// Whether the verb's root letters are the typed letters; a shin typed
// without its dot matches shin and sin.
bool RootMatchesTypedLetters(const BYTE* entryRoot, const std::string& letters);

// The verbs whose roots the typed text names, in index order.
std::vector<int> FindVerbsByTypedRoot(const std::string& utf8);
