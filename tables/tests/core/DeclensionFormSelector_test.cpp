#include "tables/core/DeclensionFormSelector.h"

#include <gtest/gtest.h>

#include <array>

#include "lexicon/core/GrammarData.h"

namespace {

std::array<BYTE, 32> PrepositionRecord(BYTE personsMask, BYTE pluralPersonsMask) {
  std::array<BYTE, 32> record{};
  record[16] = personsMask;
  record[19] = pluralPersonsMask;  // the high byte counts too
  return record;
}

TEST(DeclensionFormSelector, ByTypeAndRecord) {
  EXPECT_EQ(DeclensionFormSelector(TableType::Noun, nullptr, 2), 2);
  EXPECT_EQ(DeclensionFormSelector(TableType::Adjective, nullptr, 2), 0);
  EXPECT_EQ(DeclensionFormSelector(TableType::Vocabulary, nullptr, 1), 0);
  EXPECT_EQ(DeclensionFormSelector(TableType::Preposition, nullptr, 0), 1);
  EXPECT_EQ(DeclensionFormSelector(TableType::Preposition, PrepositionRecord(3, 1).data(), 0), 1);
  EXPECT_EQ(DeclensionFormSelector(TableType::Preposition, PrepositionRecord(0, 1).data(), 0), 2);
  // No person forms at all: no table.
  EXPECT_EQ(DeclensionFormSelector(TableType::Preposition, PrepositionRecord(0, 0).data(), 0),
            kNoDeclensionForms);
}

}  // namespace
