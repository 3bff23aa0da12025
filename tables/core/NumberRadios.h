// The noun table's "&Singular" and "Plu&ral" radios: which are enabled for
// an entry, and the form set the checked one chooses.
#pragma once

#include "classlib/core/WinTypes.h"

// Form selectors of the noun builder.
constexpr int kSingularForms = 1;
constexpr int kPluralForms = 2;
constexpr int kNoNumberForms = 255;

// Noun table ids with no record: no table (only the base form) and a
// single form of its own.
constexpr WORD kNoNounTable = 0;
constexpr WORD kSingleFormNounTable = 0xFFFF;

struct NumberRadios {
  bool singularEnabled = false;
  bool pluralEnabled = false;
};

// The radios for an entry of the id and class, with the id's noun table
// record (null when none was found). False, leaving the radios as they
// are, when the id needs a record and has none.
bool EnableNumberRadios(WORD tableId, bool pluralClass, const BYTE* tableRecord,
                        NumberRadios& radios);

// The form set for the checked radio (kSingularForms, kPluralForms or 0 for
// none); with none checked the first enabled radio is checked and taken.
// kNoNumberForms, with nothing checked, when both are disabled.
struct NumberChoice {
  int forms;
  int checked;
};
NumberChoice ChooseNumberForms(const NumberRadios& radios, int checked);
