// The labels of the pronominal-suffix and infinitive-noun table: the person
// beside each cell and the header naming the binyan and the form, in the
// table mark-up.
#pragma once

#include <string>

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
