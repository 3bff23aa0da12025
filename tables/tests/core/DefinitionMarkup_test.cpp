#include "tables/core/DefinitionMarkup.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

std::string ToUtf8(const DefinitionHebrew& word) {
  CString text;
  MergeLettersAndVowels(text, reinterpret_cast<const BYTE*>(word.letters.data()),
                        reinterpret_cast<const BYTE*>(word.vowels.data()),
                        static_cast<int>(word.letters.size()));
  ConvertToStandardPoints(text, kVavThenHolam);
  AnsiHebrewToUtf8(text);
  return std::string(text, text.GetLength());
}

struct HebrewMarkupCase {
  const char* markup;
  const char* expected;
};

TEST(DefinitionMarkup, HebrewPartsSpellPointedHebrew) {
  const HebrewMarkupCase cases[] = {
      // Preposition names, in any case, the last two built apart.
      {"SHEL", "שֶׁל"},
      {"shel", "שֶׁל"},
      {"Al-Ydey", "עַל־יְדֵי"},
      {"L-VEYN", "לְבֵין"},
      {"LIKRAT", "לִקְרַאת"},
      // Letter and vowel keywords; separators of any kind are skipped.
      {"SHIN KAM LAMED HOL MEM_S", "שָׁלוֹם"},
      {"SHIN,KAM LAMED+HOL  MEM_S", "שָׁלוֹם"},
      {"ALEF SEG HEY_D KAM", "אֶהָּ"},
      // Unknown keywords give nothing; "none" is stored as no vowel.
      {"XYZ NOPE", ""},
      {"", ""},
      {"LAMED NV", "ל"},
      {"LAMED XYZ KAM", "לָ"},
  };
  for (const HebrewMarkupCase& c : cases)
    EXPECT_EQ(ToUtf8(ParseHebrewMarkup(c.markup)), c.expected) << c.markup;
}

TEST(DefinitionMarkup, VowelBeforeAnyLetterStartsTheWord) {
  const DefinitionHebrew shuruk = ParseHebrewMarkup("SHU VAV");
  ASSERT_EQ(shuruk.letters.size(), 2u);
  EXPECT_EQ(static_cast<BYTE>(shuruk.letters[0]), HebCode::Shuruk);
  EXPECT_EQ(shuruk.vowels[0], HebCode::NoVowel);

  const DefinitionHebrew patah = ParseHebrewMarkup("PAT");
  ASSERT_EQ(patah.letters.size(), 1u);
  EXPECT_EQ(static_cast<BYTE>(patah.letters[0]), HebCode::Bet);
  EXPECT_EQ(static_cast<BYTE>(patah.vowels[0]), HebCode::Patah);
}

TEST(DefinitionMarkup, CountsDefinitions) {
  EXPECT_EQ(CountDefinitions(""), 0);
  EXPECT_EQ(CountDefinitions("to eat"), 1);
  EXPECT_EQ(CountDefinitions("to eat; to dine"), 2);
  EXPECT_EQ(CountDefinitions(";"), 2);
}

TEST(DefinitionMarkup, CopyItemsNameEachDefinition) {
  EXPECT_TRUE(DefinitionCopyItems("").empty());

  const std::vector<DefinitionMenuItem> one = DefinitionCopyItems("to eat");
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].command, 32851u);
  EXPECT_EQ(one[0].label, "Copy Definition");

  const std::vector<DefinitionMenuItem> three = DefinitionCopyItems("a;b;c");
  ASSERT_EQ(three.size(), 4u);
  EXPECT_EQ(three[0].command, 32850u);
  EXPECT_EQ(three[0].label, "Copy All Definitions");
  EXPECT_EQ(three[3].command, 32853u);
  EXPECT_EQ(three[3].label, "Copy Definition 3");
}

TEST(DefinitionMarkup, CopyItemsStayInsideTheirOwnRange) {
  const std::vector<DefinitionMenuItem> items = DefinitionCopyItems(std::string(24, ';'));
  ASSERT_EQ(items.size(), 20u);
  EXPECT_EQ(items.back().command, kLastCopyDefinitionCommand);
  EXPECT_EQ(items.back().label, "Copy Definition 19");
}

TEST(DefinitionMarkup, CommandsSayWhichDefinitions) {
  EXPECT_EQ(DefinitionsForCommand(32850), 0);
  EXPECT_EQ(DefinitionsForCommand(32851), 1);
  EXPECT_EQ(DefinitionsForCommand(32869), 19);
  EXPECT_EQ(DefinitionsForCommand(32849), -1);
  EXPECT_EQ(DefinitionsForCommand(32870), -1);
}

}  // namespace
