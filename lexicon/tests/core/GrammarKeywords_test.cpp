#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lexicon/core/GrammarKeywords.h"
#include "lexicon/tests/core/CompiledGrammar.h"

namespace {

TEST(GrammarKeywords, NamesGiveTheirCodes) {
  struct Case {
    const char* name;
    int vowel, letter;
  } cases[] = {
      {"KAM", 200, 0},   {"KAM_M", 216, 0}, {"SHV_FIRM", 8, 0}, {"NV", 1, 0},
      {"TSE_Y_M", 144, 0}, {"ALEF", 0, 224}, {"BET", 0, 161},  {"SHIN", 0, 209},
      {"VAV", 0, 229},   {"BK_DAG1", 0, 21}, {"HYP_J", 0, 158}, {"0", 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookupVowelKeyword(c.name, FALSE), c.vowel) << c.name;
    EXPECT_EQ(LookupLetterKeyword(c.name, FALSE), c.letter) << c.name;
  }
}

TEST(GrammarKeywords, NamesAreComparedWithCase) {
  lextest::MessageLog log;
  EXPECT_EQ(LookupVowelKeyword("hir", FALSE), 0);
  EXPECT_TRUE(log.messages.empty());
  EXPECT_EQ(LookupVowelKeyword("hir", TRUE), 0);
  EXPECT_EQ(LookupLetterKeyword("Alef", TRUE), 0);
  EXPECT_EQ(log.messages, (std::vector<std::string>{"Couldn't find hir!", "Couldn't find Alef!"}));
}

TEST(GrammarKeywords, TablesHoldEachNameOnce) {
  for (auto table : {std::make_pair(g_vowelKeywords, g_vowelKeywordCount),
                     std::make_pair(g_letterKeywords, g_letterKeywordCount)}) {
    std::set<std::string> names;
    for (size_t i = 0; i < table.second; ++i) EXPECT_TRUE(names.insert(table.first[i].name).second);
  }
  EXPECT_EQ(g_vowelKeywordCount, 49u);
  EXPECT_EQ(g_letterKeywordCount, 31u);
}

}  // namespace
