// What the lookup list shows of a record: the grammar words of each kind and
// form slot, the cleaned senses of a keyword, the stored column widths and
// texts fitted into their cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexicon/core/LookupColumns.h"
#include "lexicon/core/LookupRowDescription.h"

namespace {

UnpackedWordRec VerbFields(int slot, int binyan, int suffix = 0, int infinitive = 0,
                           int vavInversive = 0) {
  UnpackedWordRec f;
  f.formSlot = static_cast<WORD>(slot);
  f.binyan = binyan;
  f.pronominalSuffix = suffix;
  f.suffixBase = infinitive;
  f.vavInversive = vavInversive;
  return f;
}

UnpackedWordRec CellFields(int cell, int number = 1) {
  UnpackedWordRec f;
  f.cell = cell;
  f.numberField = number;
  return f;
}

UnpackedWordRec NumberFields(int gender, int ordinal) {
  UnpackedWordRec f;
  f.gender = gender;
  f.ordinal = ordinal;
  return f;
}

struct RowCase {
  int kind;
  UnpackedWordRec fields;
  // Gram, Suffix, Sing/Pl, Gender, Binyan, Tense, Person, Misc.
  std::vector<std::string> expected;
};

TEST(LookupRows, EachKindAndSlotIsDescribed) {
  const RowCase cases[] = {
      {kKindVerb, VerbFields(0, 0), {"Verb", "", "", "", "Kal", "Infinitive", "", ""}},
      {kKindVerb, VerbFields(2, 2), {"Verb", "", "Sing", "Fem", "Piel", "Present", "", ""}},
      {kKindVerb, VerbFields(5, 6), {"Verb", "", "Sing", "", "Hufal", "Past", "1st", ""}},
      {kKindVerb, VerbFields(12, 3), {"Verb", "", "Plural", "Fem", "Pual", "Past", "2nd", ""}},
      {kKindVerb, VerbFields(13, 4), {"Verb", "", "Plural", "", "Hitpael", "Past", "3rd", ""}},
      {kKindVerb, VerbFields(21, 1), {"Verb", "", "Plural", "Masc", "Nifal", "Future", "3rd", ""}},
      {kKindVerb, VerbFields(30, 5), {"Verb", "", "Sing", "Fem", "Hifil", "Future", "3rd", ""}},
      {kKindVerb, VerbFields(23, 0), {"Verb", "", "Sing", "Fem", "Kal", "Imperative", "", ""}},
      {kKindVerb, VerbFields(28, 0),
       {"Verb", "", "Plural", "Masc", "Kal", "Participle / Adjective", "", ""}},
      {kKindVerb, VerbFields(0, 5, 0, 1),
       {"Verb", "", "", "", "Hifil", "Infinitive", "", "Infinitive HEY-Collapse"}},
      // Only Nifal and Hifil infinitives lose their he.
      {kKindVerb, VerbFields(0, 2, 0, 1), {"Verb", "", "", "", "Piel", "Infinitive", "", ""}},
      {kKindVerb, VerbFields(14, 0, 0, 0, 1),
       {"Verb", "", "Sing", "", "Kal", "Future", "1st", "Vav-Inversive"}},
      {kKindVerb, VerbFields(8, 0, 4),
       {"Verb", "S 3 M", "Sing", "Masc", "Kal", "Past", "3rd", "Pronominal Suffix"}},
      // The infinitive noun's suffixes 1-2 and 3 on are lowered by 1 and 2.
      {kKindVerb, VerbFields(0, 0, 2, 1),
       {"Verb", "S 1", "", "", "Kal", "Infinitive", "", "Infinitive Noun"}},
      {kKindVerb, VerbFields(0, 0, 12, 1),
       {"Verb", "P 3 F", "", "", "Kal", "Infinitive", "", "Infinitive Noun"}},
      {kKindVerb, VerbFields(14, 0, 1, 0, 1),
       {"Verb", "S 1", "Sing", "", "Kal", "Future", "1st", "Vav-Inversive Pronominal Suffix"}},
      {kKindNoun, CellFields(1, 1), {"Noun", "Construct", "Sing", "", "", "", "", ""}},
      {kKindNoun, CellFields(14, 2), {"Noun", "Construct", "Plural", "", "", "", "", ""}},
      {kKindNoun, CellFields(2, 1), {"Noun", "Pausal", "Sing", "", "", "", "", ""}},
      {kKindNoun, CellFields(7, 2), {"Noun", "S 3 F", "Plural", "", "", "", "", ""}},
      {kKindPrep, CellFields(3), {"Prep", "S 1", "", "", "", "", "", ""}},
      {kKindPrep, CellFields(12), {"Prep", "P 3 F", "", "", "", "", "", ""}},
      {kKindAdj, CellFields(1), {"Adj", "", "Sing", "Masc", "", "", "", ""}},
      {kKindAdj, CellFields(4), {"Adj", "", "Plural", "Fem", "", "", "", ""}},
      {kKindVocab, CellFields(0), {"Vocab", "", "", "", "", "", "", ""}},
      // A number's gender is its gender flag, whatever its ordinal flag.
      {kKindNumber, NumberFields(1, 0), {"Number", "", "", "Fem", "", "", "", ""}},
      {kKindNumber, NumberFields(0, 1), {"Number", "", "", "Masc", "", "", "", ""}},
  };
  const int columns[] = {kWordColGram,   kWordColSuffix, kWordColSingPl, kWordColGender,
                         kWordColBinyan, kWordColTense,  kWordColPerson, kWordColMisc};
  for (const RowCase& c : cases) {
    LookupWordRow row;
    DescribeWordFields(c.kind, c.fields, row);
    std::vector<std::string> got;
    for (int column : columns) got.push_back(row.text[column]);
    EXPECT_EQ(c.expected, got) << "kind " << c.kind << " slot " << c.fields.formSlot;
    EXPECT_EQ("", row.text[kWordColWord]);
    EXPECT_EQ("", row.text[kWordColRootEntry]);
  }
}

TEST(LookupRows, DefinitionsKeepTheSensesThatNameTheKeyword) {
  struct Case {
    std::string definition, keyword, expected;
  } cases[] = {
      {"to &write; to inscribe", "write", "to write"},
      {"to &write, to record; to write-off; writer", "write", "to write, to record"},
      {"to write <lit.>  ; to keep a [] diary; to write", "write", "to write;  to write"},
      {"&peace, hello; goodbye", "peace", "peace, hello"},
      {"<unclosed write", "write", ""},
      {"to guard", "write", ""},
      {"anything", "", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, CleanDefinitionSenses(c.definition, c.keyword)) << c.definition;
}

TEST(LookupRows, BinyanSensesAreNumberedFromTwoOn) {
  std::string binyan, definition;
  JoinBinyanSenses({{"Kal", "to write"}}, binyan, definition);
  EXPECT_EQ("Kal", binyan);
  EXPECT_EQ("to write", definition);
  JoinBinyanSenses({{"Kal", "to write"}, {"Nifal", "to be written"}, {"Hifil", "to dictate"}},
                   binyan, definition);
  EXPECT_EQ("(1) Kal  (2) Nifal  (3) Hifil", binyan);
  EXPECT_EQ("1. to write  2. to be written  3. to dictate", definition);
}

TEST(LookupColumns, ModesHaveTheirColumnsAndKeys) {
  EXPECT_EQ(10, LookupColumnCount(kLookupHebrewList));
  EXPECT_EQ(10, LookupColumnCount(kLookupSearchResults));
  EXPECT_EQ(6, LookupColumnCount(kLookupKeywordList));
  EXPECT_STREQ("Misc", LookupColumnTitle(kLookupSearchResults, kWordColMisc));
  EXPECT_STREQ("Definition", LookupColumnTitle(kLookupKeywordList, kDefColDefinition));
  EXPECT_STREQ("DBList", LookupModeKey(kLookupHebrewList));
  EXPECT_STREQ("DBWords", LookupModeKey(kLookupSearchResults));
  EXPECT_STREQ("DBDefin", LookupModeKey(kLookupKeywordList));
  int widths[kDefinitionColumnCount];
  ParseColumnWidths(kLookupKeywordList, "", widths);
  EXPECT_EQ("100|60|50|50|50|200|", FormatColumnWidths(widths, kDefinitionColumnCount));
}

TEST(LookupColumns, StoredWidthsAreReadWithinTheirBounds) {
  const std::vector<int> defaults = {100, 60, 50, 50, 50, 200};
  const std::vector<int> before = {7, 7, 7, 7, 7, 7};
  struct Case {
    LPCSTR stored;
    std::vector<int> expected;
  } cases[] = {
      {nullptr, defaults},
      {"", defaults},
      {"1|2|3|4|5|499|", {1, 2, 3, 4, 5, 499}},
      {"1|2|3|4|5|499", {1, 2, 3, 4, 5, 499}},
      {"10|20|", {10, 20, 7, 7, 7, 7}},
      {"10|0|30|", defaults},
      {"10|20|30|40|50|500|", defaults},
      {"10|x|", defaults},
      {"-5|", defaults},
      // Values past the mode's columns are not read.
      {"1|2|3|4|5|6|7|8|9|10|11|12|0|", {1, 2, 3, 4, 5, 6}},
  };
  for (const Case& c : cases) {
    std::vector<int> widths = before;
    ParseColumnWidths(kLookupKeywordList, c.stored, widths.data());
    EXPECT_EQ(c.expected, widths) << (c.stored ? c.stored : "(none)");
  }
  int wordWidths[kWordColumnCount] = {};
  ParseColumnWidths(kLookupHebrewList, "0|", wordWidths);
  EXPECT_EQ("100|60|50|50|50|50|50|60|50|150|", FormatColumnWidths(wordWidths, kWordColumnCount));
}

// Every character is 5 pixels wide.
class FixedWidth : public TextMeasurer {
 public:
  int Width(const std::string& text) const override { return 5 * static_cast<int>(text.size()); }
};

TEST(LookupColumns, TextsAreFittedWithAnEllipsis) {
  const FixedWidth measurer;
  struct Case {
    std::string text;
    int cellWidth;
    std::string expected;
  } cases[] = {
      {"Present", 39, "Present"},  {"Present", 38, "Pre..."}, {"Present", 33, "Pr..."},
      {"Present", 23, ""},         {"", 0, ""},               {"Pausal", 200, "Pausal"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, FitTextWithEllipsis(c.text, c.cellWidth, measurer))
        << c.text << " in " << c.cellWidth;
}

TEST(LookupColumns, FittedTextsAreAlignedInTheirCells) {
  const RECT cell = {10, 20, 110, 40};
  struct Case {
    SIZE text;
    int alignment;
    LONG x, y;
  } cases[] = {
      {{30, 10}, kFitLeft, 11, 25},   {{30, 10}, kFitRight, 79, 25},
      {{30, 10}, kFitCentre, 45, 25}, {{150, 30}, kFitRight, 11, 21},
      {{150, 30}, kFitCentre, 11, 21},
  };
  for (const Case& c : cases) {
    const POINT at = FittedTextOrigin(cell, c.text, c.alignment);
    EXPECT_EQ(c.x, at.x) << c.alignment << " " << c.text.cx;
    EXPECT_EQ(c.y, at.y) << c.alignment << " " << c.text.cx;
  }
}

}  // namespace
