#include "tables/core/NumberRadios.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kRecordSize = 32;

// A noun table record with the plural pattern and the two person patterns.
std::array<BYTE, kRecordSize> TableRecord(short pluralPattern, WORD persons, WORD pluralPersons) {
  std::array<BYTE, kRecordSize> record{};
  auto put = [&record](int offset, WORD value) {
    record[static_cast<size_t>(offset)] = static_cast<BYTE>(value & 0xFF);
    record[static_cast<size_t>(offset) + 1] = static_cast<BYTE>(value >> 8);
  };
  put(6, static_cast<WORD>(pluralPattern));
  put(12, persons);
  put(14, pluralPersons);
  return record;
}

struct RadioCase {
  WORD id;
  bool pluralClass;
  short pluralPattern;
  WORD persons;
  WORD pluralPersons;
  bool singular;
  bool plural;
};

TEST(NumberRadios, EnabledByIdClassAndTableRecord) {
  const RadioCase cases[] = {
      // No table: singular unless the word is plural; a single form: plural.
      {0, false, 0, 0, 0, true, false},
      {0, true, 0, 0, 0, false, false},
      {0xFFFF, false, 0, 0, 0, false, true},
      {0xFFFF, true, 0, 0, 0, false, true},
      // A table: each stem unless it has no person pattern (pattern 1, the
      // word as it is, is one); plural only with a plural pattern and an id
      // below 10000.
      {40, false, 5, 7, 8, true, true},
      {40, true, 5, 7, 8, false, true},
      {40, false, 5, 0, 8, false, true},
      {40, false, 5, 7, 0, true, false},
      {40, false, 5, 1, 1, true, true},
      // A plural word's table has no plural pattern of its own.
      {40, true, 0, 0, 8, false, true},
      {40, true, 0, 0, 0, false, false},
      {40, false, 0, 7, 8, true, false},
      {40, false, -3, 7, 8, true, false},
      {10040, false, 5, 7, 8, true, false},
      {0x8000, false, 5, 7, 8, true, true},
  };
  for (const RadioCase& c : cases) {
    const auto record = TableRecord(c.pluralPattern, c.persons, c.pluralPersons);
    NumberRadios radios;
    ASSERT_TRUE(EnableNumberRadios(c.id, c.pluralClass, record.data(), radios)) << c.id;
    EXPECT_EQ(radios.singularEnabled, c.singular) << c.id << " " << c.persons;
    EXPECT_EQ(radios.pluralEnabled, c.plural) << c.id << " " << c.pluralPattern;
  }
}

TEST(NumberRadios, MissingRecordLeavesTheRadios) {
  NumberRadios radios;
  radios.singularEnabled = true;
  EXPECT_FALSE(EnableNumberRadios(40, false, nullptr, radios));
  EXPECT_TRUE(radios.singularEnabled);
  EXPECT_FALSE(radios.pluralEnabled);
}

TEST(NumberRadios, CheckedRadioOrFirstEnabledChoosesTheForms) {
  struct Case {
    bool singular, plural;
    int checked;
    int forms, nowChecked;
  };
  const Case cases[] = {
      {true, true, kPluralForms, kPluralForms, kPluralForms},
      {true, true, kSingularForms, kSingularForms, kSingularForms},
      {true, true, 0, kSingularForms, kSingularForms},
      {false, true, 0, kPluralForms, kPluralForms},
      {false, false, 0, kNoNumberForms, 0},
  };
  for (const Case& c : cases) {
    NumberRadios radios;
    radios.singularEnabled = c.singular;
    radios.pluralEnabled = c.plural;
    const NumberChoice choice = ChooseNumberForms(radios, c.checked);
    EXPECT_EQ(choice.forms, c.forms) << c.singular << c.plural << c.checked;
    EXPECT_EQ(choice.checked, c.nowChecked) << c.singular << c.plural << c.checked;
  }
}

}  // namespace
