// The hover tip of a verb table slot: the person, number and gender the
// slot stands for, with the English and the pointed Hebrew pronoun, in the
// table mark-up.
#pragma once

#include <string>

// Font size arguments of the tip's heading, English and Hebrew lines.
struct VerbTipSizes {
  int heading = 130;
  int english = 120;
  int hebrew = 150;
};

// The longest tip text; a longer one is cut (no slot's text comes near).
constexpr int kMaxVerbTipText = 1024;

// Empty for the infinitive and for a slot outside 0 to 30.
std::string BuildVerbTipText(int slot, const VerbTipSizes& sizes = {});
