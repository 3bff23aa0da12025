// The form of one cell of a declension table for a noun, preposition or
// general-vocabulary entry (NounEntry of noundata.bin).
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/NounPatternForm.h"

struct NounFormRequest {
  const BYTE* entry = nullptr;  // NounEntry
  NounTableRun table;           // the records of the entry's id; empty: none
  int kind = 1;                 // DeclensionKind
  int cell = 0;                 // DeclensionCell
  int tableType = 1;            // TableType
};

// The cell's form into form; false, with form cleared, when the cell is
// empty.
bool BuildNounForm(const NounFormRequest& request, HebWordRec& form);
