#include "lexicon/core/GenderNumberText.h"

#include <gtest/gtest.h>

#include "lexicon/core/GrammarData.h"

namespace {

struct GenderCase {
  int genderClass;
  const char* full;
  const char* abbreviated;
};

TEST(GenderNumberText, WordsByClass) {
  const GenderCase cases[] = {
      {1, "Masculine", "Masc"},
      {2, "Feminine", "Fem"},
      {3, "Masculine / Feminine", "Masc / Fem"},
      {4, "Feminine Plural", "Fem Plural"},
      {5, "Masculine Plural", "Masc Plural"},
      {6, "Dual Masculine Plural", "Dual Masc Plural"},
      {7, "Dual Masc/Fem Plural", "Dual Masc/Fem Plural"},
      {10, "Singular", "Sing"},
      {11, "Masc / Fem Plural", "Masc / Fem Plural"},
  };
  for (const GenderCase& c : cases) {
    EXPECT_EQ(FormatGenderNumber(c.genderClass, false, TableType::Noun), c.full) << c.genderClass;
    EXPECT_EQ(FormatGenderNumber(c.genderClass, true, TableType::Vocabulary), c.abbreviated)
        << c.genderClass;
  }
}

TEST(GenderNumberText, UnknownClassesNamedOnlyForNouns) {
  for (const int genderClass : {0, 8, 9, 12, 127}) {
    EXPECT_EQ(FormatGenderNumber(genderClass, false, TableType::Noun), "Unknown") << genderClass;
    EXPECT_EQ(FormatGenderNumber(genderClass, true, TableType::Vocabulary), "") << genderClass;
  }
}

}  // namespace
