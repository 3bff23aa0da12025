// A number entry handed to the number view by the dictionary: what the
// view changes to show it (single mode, its gender and format, the
// Ktiv-Khaser spelling it was found in) and the number it types.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

struct NumberViewSettings {
  bool sequence;
  int ordinal;
  int feminine;
  int ktivKhaser;
  int nikudToggle;  // the General/NikudToggle setting: 1 follows the entry's spelling
};

struct NumberArrivalPlan {
  bool valid;             // false: the record names no number of the table
  bool leaveSequence;     // "No Sequence"
  bool switchGender;      // to the entry's gender
  bool switchFormat;      // to the entry's format
  bool toggleKtivKhaser;  // to the entry's spelling
  int feminine;           // the entry's gender and format
  int ordinal;
  std::string singleText;  // the number in figures, typed into single mode
};

// The plan for the packed number record (fields and extra byte). A record
// of another kind, or an index outside the number table, changes nothing.
NumberArrivalPlan PlanNumberArrival(DWORD fields, BYTE extra, const NumberViewSettings& view);
