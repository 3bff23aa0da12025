// The start-up check of the word and definition databases, with their build
// when they are missing, and the developer's check of the word database's
// order. The caller has loaded the grammar tables of the program folder
// (SetGrammarFolder, LoadGrammarData): the build reads them.
#pragma once

#include <windows.h>

#include "lexicon/core/DatabaseStartup.h"

class CWnd;

// Asks, builds, reports; both flags set: start-up may go on. The program
// folder may end in a backslash or not.
DatabaseReadyFlags CheckBuildDatabases(CWnd* pMessageOwner, LPCSTR programFolder);

// The order check dialog; its result (1 when closed with Exit).
INT_PTR RunDbVerifyDialog(CWnd* pOwner, LPCSTR programFolder);
