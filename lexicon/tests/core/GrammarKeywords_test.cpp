#include <gtest/gtest.h>

#include <set>
#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/GrammarKeywords.h"
#include "lexicon/core/TemplateCodes.h"

namespace {

using namespace HebCode;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(GrammarKeywords, NamesGiveTheCodesTheyStandFor) {
  struct Case {
    const char* name;
    int vowel, letter;
  } cases[] = {
      {"KAM", Qamats, 0},
      {"KAM_K", QamatsQatan, 0},
      {"SHV_P", VocalShva, 0},
      {"SHV_S", SilentShva, 0},
      {"SHV_FIRM", TemplateCode::kFirmShva, 0},
      {"HOL", HolamMale, 0},
      {"HOL_D", Holam, 0},
      {"NV", ExplicitNoVowel, 0},
      {"ALEF", 0, Alef},
      {"BET", 0, BetDagesh},
      {"SHIN", 0, ShinShinDot},
      {"SIN", 0, ShinSinDot},
      {"YUD_DBL", 0, YodDouble},
      {"HEY_D", 0, HeMappiq},
      {"HYP_J", 0, Maqaf},
      {"BK_DAG1", 0, TemplateCode::kBegadkefatDagesh + 1},
      {"0", NoVowel, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookupVowelKeyword(c.name), c.vowel) << c.name;
    EXPECT_EQ(LookupLetterKeyword(c.name), c.letter) << c.name;
  }
}

TEST(GrammarKeywords, AStressedKeywordIsTheStressedCodeOfItsVowel) {
  for (size_t i = 0; i < g_vowelKeywordCount; ++i) {
    std::string name = g_vowelKeywords[i].name;
    if (!EndsWith(name, "_M")) continue;
    int plain = LookupVowelKeyword(name.substr(0, name.size() - 2).c_str());
    ASSERT_NE(plain, 0) << name;
    EXPECT_TRUE(IsStressedVowel(g_vowelKeywords[i].code)) << name;
    EXPECT_EQ(RemoveStressMark(g_vowelKeywords[i].code), plain) << name;
  }
}

TEST(GrammarKeywords, NamesAreComparedWithCaseAndAMissingOneHasItsMessage) {
  EXPECT_EQ(LookupVowelKeyword("hir"), 0);
  EXPECT_EQ(LookupLetterKeyword("Alef"), 0);
  EXPECT_EQ(MissingKeywordMessage("hir"), "Couldn't find hir!");
}

TEST(GrammarKeywords, TablesHoldEachNameOnce) {
  for (auto table : {std::make_pair(g_vowelKeywords, g_vowelKeywordCount),
                     std::make_pair(g_letterKeywords, g_letterKeywordCount)}) {
    std::set<std::string> names;
    for (size_t i = 0; i < table.second; ++i) EXPECT_TRUE(names.insert(table.first[i].name).second);
  }
}

}  // namespace
