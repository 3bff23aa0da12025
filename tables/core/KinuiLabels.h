// The labels of the pronominal-suffix and infinitive-noun table: the person
// beside each cell and the header naming the binyan and the form, in the
// table mark-up, and where each is drawn.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

enum KinuiMode { kKinuiSuffixForms = 1, kKinuiInfinitiveNoun = 2 };

// Cells 1 to 10 are the persons, 11 the root.
constexpr int kKinuiRootCell = 11;

// "S1" to "P3F" for the persons, "Shoresh" for the root; empty for cell 0
// (the form itself) and any other cell.
const char* KinuiCellLabel(int cell);

struct KinuiHeaderSizes {
  int form = 100;   // the binyan and form lines
  int title = 107;  // the printed title
};

// The header of the form slot's table: "Binyan: " and the binyan's name,
// then the tense, number, gender and person of the slot (nothing more for
// the participles and slots beyond the table). Printing puts the table's
// title above it and scales both sizes to 8/10 of themselves times
// printScale.
std::string KinuiHeaderText(int slot, KinuiMode mode, const std::string& binyanName,
                            bool printing = false, double printScale = 1.0,
                            const KinuiHeaderSizes& sizes = {});

// Where the header's mark-up table goes: centred on its placeholder both
// ways (a larger table spills equally to both sides), never at a negative
// coordinate.
POINT KinuiHeaderOrigin(const RECT& placeholder, SIZE table);

// Where a person label goes: just inside its placeholder's left edge, on
// the line of the form beside it.
POINT KinuiLabelOrigin(const RECT& placeholder, int formLineHeight, int labelLineHeight);
