// The content of the pronominal-suffix and infinitive-noun table: for one
// verb form handed over from the verb table, the form itself (or the
// verb's infinitive noun) and its ten suffixed forms, then the root, each
// split into its alternate spellings as the view shows, copies and speaks
// them.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"
#include "tables/core/GrammarCell.h"
#include "tables/core/KinuiLabels.h"

// Cell 0 the form, 1 to 10 the persons, 11 the root.
constexpr int kKinuiCells = kKinuiRootCell + 1;
constexpr int kKinuiPersons = 10;

// What the verb table hands over.
struct KinuiRequest {
  KinuiMode mode = kKinuiSuffixForms;
  const BYTE* entry = nullptr;  // the verb's index entry
  int binyan = 0;
  int slot = 0;               // the chosen form's slot
  HebWordRec given = {};      // the chosen spelling, pointed: cell 0 in suffix mode
  bool vavInversive = false;  // the form is the slot's vav-inversive form
  bool ktivKhaser = false;    // the cells' shown records respelled plene
};

struct KinuiTable {
  GrammarCell cells[kKinuiCells];
  int highestAlternate;  // -1 when no cell has alternates
};

// Builds every cell (an empty cell where a person has no form). False, with
// the table untouched, when the verb has no root record in the binyan or,
// for infinitive nouns, no infinitive noun: the old table stays.
bool BuildKinuiTable(GrammarContext& context, const KinuiRequest& request, KinuiTable& table);

// The spelling of the cell that the alternate index shows (the nearest
// earlier alternative it has), from its shown or its source (pointed)
// record; empty for an empty cell.
HebWordRec KinuiCellText(const GrammarCell& cell, int alternateIndex, bool source);
