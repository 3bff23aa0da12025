// The hover tip of a person label in the suffix and declension tables: the
// person, number and gender, and for suffix tables the English and the
// pointed Hebrew pronoun, in the table mark-up.
#pragma once

#include <string>

enum PersonTipStyle {
  kPersonTipObject = 1,      // object pronouns: "Me" = the Hebrew "oti"
  kPersonTipPossessive = 2,  // possessive pronouns: "My" = the Hebrew "sheli"
  kPersonTipPersonOnly = 3,  // gender, number and person, no pronoun
  kPersonTipGenderOnly = 4,  // number and gender of persons 1 to 4
};

constexpr int kTipPersons = 10;

// Persons 1 to 10 run first, second masculine and feminine, third
// masculine and feminine, singular then plural. Any other person (and
// persons beyond 4 for the gender-only style) gives an empty text; a style
// not listed shows the object pronouns.
std::string BuildPersonTip(int person, int style);
