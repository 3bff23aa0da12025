#include "lexicon/core/GenderNumberText.h"

#include "lexicon/core/GrammarData.h"

namespace {

// The classes of byte 10 that have words.
namespace GenderClass {
enum Id : int {
  Masculine = 1,
  Feminine = 2,
  MasculineOrFeminine = 3,
  FemininePlural = 4,
  MasculinePlural = 5,
  DualMasculinePlural = 6,
  DualPlural = 7,
  Singular = 10,
  EitherGenderPlural = 11,
};
}  // namespace GenderClass

constexpr const char* kPlural = "Plural";

}  // namespace

std::string FormatGenderNumber(int genderClass, bool abbreviate, int tableType) {
  const std::string masculine = abbreviate ? "Masc" : "Masculine";
  const std::string feminine = abbreviate ? "Fem" : "Feminine";
  switch (genderClass) {
    case GenderClass::Masculine: return masculine;
    case GenderClass::Feminine: return feminine;
    case GenderClass::MasculineOrFeminine: return masculine + " / " + feminine;
    case GenderClass::FemininePlural: return feminine + " " + kPlural;
    case GenderClass::MasculinePlural: return masculine + " " + kPlural;
    case GenderClass::DualMasculinePlural: return "Dual " + masculine + " " + kPlural;
    case GenderClass::DualPlural: return std::string("Dual Masc/Fem ") + kPlural;
    case GenderClass::Singular: return abbreviate ? "Sing" : "Singular";
    case GenderClass::EitherGenderPlural: return std::string("Masc / Fem ") + kPlural;
    default: return tableType == TableType::Noun ? "Unknown" : "";
  }
}
