// The content of a declension table: for one entry of a table type, the
// form of each cell with its alternate spellings and colour, as the
// declension view shows, copies and prints them. A cell holds what a verb
// table cell holds, so that both copy and colour their forms alike.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarContext.h"
#include "tables/core/DeclensionEntrySearch.h"
#include "tables/core/NumberRadios.h"
#include "tables/core/VerbTableContent.h"

struct DeclensionTable {
  VerbTableCell cells[DeclensionCell::Count];
  int highestAlternate = kFirstSpelling;  // -1: no cell has alternates
};

struct DeclensionTableRequest {
  const BYTE* entry = nullptr;  // NounEntry of the type's block
  int tableType = 0;            // TableType
  bool ktivKhaser = false;
  // Nouns only: the form set of the checked number radio and which radios
  // are enabled.
  int nounForms = kSingularForms;
  NumberRadios radios;
};

// Builds the cells of the entry. False, with no cell filled, when the
// build stops: no entry, an id without its table record, or a preposition
// whose record declines neither stem. A cell whose form cannot be built
// stays empty.
bool BuildDeclensionTable(GrammarContext& context, const DeclensionTableRequest& request,
                          DeclensionTable& table);

// The entry's word as the list's search compares it.
EntrySearchWord DeclensionEntryWord(const BYTE* entry);
// A word typed into the search edit (letters and points in one string).
EntrySearchWord TypedEntryWord(LPCSTR typed);
