#include "tables/core/PrepositionSpellings.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

std::string ToUtf8(const PrepositionWord& word) {
  CString text;
  MergeLettersAndVowels(text, word.letters, word.vowels, word.length);
  ConvertToStandardPoints(text, kVavThenHolam);
  AnsiHebrewToUtf8(text);
  return std::string(text, text.GetLength());
}

struct SpellingCase {
  PrepositionWord (*builder)(int);
  int index;
  const char* expected;
};

TEST(PrepositionSpellings, SpellPointedHebrew) {
  // After the vocal shva of le- and be- the tav of tokh takes no dagesh.
  // clang-format off
  const SpellingCase cases[] = {
    {SimplePreposition, 0, "אֶת"},        {SimplePreposition, 1, "בְּ"},
    {SimplePreposition, 2, "לְ"},         {SimplePreposition, 3, "מִן"},
    {SimplePreposition, 4, "עַל"},        {SimplePreposition, 5, "עִם"},
    {SimplePreposition, 6, "אֶל"},        {SimplePreposition, 7, "נֶגֶד"},
    {SimplePreposition, 8, "אֵצֶל"},      {SimplePreposition, 9, "עַד"},
    {SimplePreposition, 10, "בְּעַד"},    {SimplePreposition, 11, "אַחֲרֵי"},
    {SimplePreposition, 12, "לִפְנֵי"},   {SimplePreposition, 13, "בִּפְנֵי"},
    {SimplePreposition, 14, "עַל־יְדֵי"}, {SimplePreposition, 15, "מִפְּנֵי"},
    {SimplePreposition, 16, "כְּנֶגֶד"},  {SimplePreposition, 17, "עַל־פְּנֵי"},
    {SimplePreposition, 18, "בֵּין"},     {SimplePreposition, 19, "כְּ"},
    {SimplePreposition, 20, "תַּחַת"},    {SimplePreposition, 21, "לְתוֹךְ"},
    {SimplePreposition, 22, "מִנֶּגֶד"},  {SimplePreposition, 23, "אַחַר"},
    {SimplePreposition, 24, "מֵעִם"},     {SimplePreposition, 25, "מֵעַל"},
    {SimplePreposition, 26, "מֵאַחֲרֵי"}, {SimplePreposition, 27, "מֵאֵת"},
    {SimplePreposition, 28, "שֶׁל"},      {SimplePreposition, 29, "כְּלַפֵּי"},
    {SimplePreposition, 30, "לִידֵי"},    {SimplePreposition, 31, "בְּתוֹךְ"},
    {FurtherPreposition, 0, "מִלִּפְנֵי"}, {FurtherPreposition, 1, "מֵאֵצֶל"},
    {FurtherPreposition, 2, "לִקְרַאת"},
    {CompoundFirstPart, 0, "עַל"},  {CompoundFirstPart, 1, "בְּ"},  {CompoundFirstPart, 2, "אֶת"},
    {CompoundFirstPart, 3, "לְ"},   {CompoundFirstPart, 4, "מִן"},  {CompoundFirstPart, 5, "בֵּין"},
    {CompoundFirstPart, 6, "עִם"},
    {CompoundSecondPart, 0, "עַל"}, {CompoundSecondPart, 1, "בְּ"}, {CompoundSecondPart, 2, "אֶת"},
    {CompoundSecondPart, 3, "לְ"},  {CompoundSecondPart, 4, "מִן"}, {CompoundSecondPart, 5, "לְבֵין"},
    {CompoundSecondPart, 6, "אֶל"},
  };
  // clang-format on
  for (const SpellingCase& c : cases) {
    const PrepositionWord word = c.builder(c.index);
    EXPECT_EQ(ToUtf8(word), c.expected) << c.index;
    EXPECT_EQ(word.letters[word.length], 0) << c.index;
  }
}

TEST(PrepositionSpellings, IndexOutsideItsTableGivesAnEmptyWord) {
  const SpellingCase cases[] = {
      {SimplePreposition, -1, ""},  {SimplePreposition, kSimplePrepositionCount, ""},
      {FurtherPreposition, -1, ""}, {FurtherPreposition, kFurtherPrepositionCount, ""},
      {CompoundFirstPart, -1, ""},  {CompoundFirstPart, kCompoundPartCount, ""},
      {CompoundSecondPart, -1, ""}, {CompoundSecondPart, kCompoundPartCount, ""},
  };
  for (const SpellingCase& c : cases) {
    const PrepositionWord word = c.builder(c.index);
    EXPECT_EQ(word.length, 0) << c.index;
    EXPECT_EQ(word.letters[0], 0) << c.index;
    EXPECT_EQ(word.vowels[0], 0) << c.index;
  }
}

}  // namespace
