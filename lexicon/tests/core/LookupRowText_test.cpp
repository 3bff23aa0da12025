// The lookup list's rows from the grammar of data/ with two verbs: a
// verb's root, an entry's base form, numbers in Hebrew words by their gender
// flag, and keyword rows with their binyanim and senses.
#include "lexicon/core/LookupRowText.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

constexpr int kThree = 3;  // the number table's entry of the value 3

// The first verb (by its root) has keywords in two binyanim.
const char* const kVerbs =
    "verb \xD7\x9B\xD7\xAA\xD7\x91\n"
    "  paal katav meaning \"to &write\"\n"
    "verb \xD7\x90\xD7\x91\xD7\x93\n"
    "  paal akhal meaning \"to be &lost; to &perish\"\n"
    "  nifal neezav meaning \"to be &lost; to go &missing\"\n"
    "verb \xD7\xA9\xD7\x9C\xD7\x9D\n"
    "  pual dubar meaning \"to be &paid\"\n";

class LookupRowTextTest : public lextest::GrammarSuite<LookupRowTextTest> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("lookuprows", {{"verbs.txt", kVerbs}});
  }

 protected:
  GrammarContext context;
};

PackedWordRec WordRecord(int kind, int entry, int slot = 0, int cell = 0) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(entry);
  f.formSlot = static_cast<WORD>(slot);
  f.cell = cell;
  f.numberField = 1;
  return PackWordRecord(kind, f);
}

PackedWordRec NumberRecord(int entry, int ordinal, int gender) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(entry);
  f.ordinal = ordinal;
  f.gender = gender;
  return PackWordRecord(kKindNumber, f);
}

TEST_F(LookupRowTextTest, AVerbRowShowsItsRootAndForm) {
  const LookupWordRowText row = DescribeWordRecord(context, WordRecord(kKindVerb, 0, 8));
  BYTE root[11] = {};
  const int length = GetVerbRootLetters(0, root);
  ASSERT_GT(length, 0);
  EXPECT_EQ(std::vector<BYTE>(root, root + length), row.rootEntry.letters);
  EXPECT_FALSE(row.word.letters.empty());
  EXPECT_EQ(row.word.letters.size(), row.word.vowels.size());
  EXPECT_EQ("Verb", row.columns.text[kWordColGram]);
  EXPECT_EQ("Past", row.columns.text[kWordColTense]);
  EXPECT_EQ("3rd", row.columns.text[kWordColPerson]);
}

TEST_F(LookupRowTextTest, ATableRowShowsItsEntrysBaseForm) {
  for (int kind : {kKindNoun, kKindPrep}) {
    const LookupWordRowText base = DescribeWordRecord(context, WordRecord(kind, 0));
    const LookupWordRowText suffixed = DescribeWordRecord(context, WordRecord(kind, 0, 0, 3));
    ASSERT_FALSE(base.word.letters.empty()) << kind;
    EXPECT_EQ(base.word.letters, suffixed.rootEntry.letters) << kind;
    EXPECT_NE(base.word.letters, suffixed.word.letters) << kind;
    EXPECT_EQ("S 1", suffixed.columns.text[kWordColSuffix]) << kind;
  }
}

// A noun's row takes its entry's gender and number, in words and keyword
// rows alike: תלמיד is masculine, כוס feminine, חיים a masculine plural.
TEST_F(LookupRowTextTest, NounRowsShowTheirEntrysGender) {
  const struct {
    const char* word;
    const char* gender;
  } cases[] = {{"תַּלְמִיד", "Masc"}, {"כּוֹס", "Fem"}, {"חַיִּים", "Masc Plural"}};
  for (const auto& c : cases) {
    const FormPlanes planes = lextest::PlanesOf(c.word);
    const std::vector<BYTE> letters(planes.letters, planes.letters + planes.length);
    int found = 0;
    for (int entry = 0; DeclensionTableEntry(TableType::Noun, entry) != nullptr; ++entry) {
      const LookupWordRowText row = DescribeWordRecord(context, WordRecord(kKindNoun, entry));
      if (row.word.letters != letters) continue;
      ++found;
      EXPECT_EQ(c.gender, row.columns.text[kWordColGender]) << entry;
      const LookupDefinitionRowText keywordRow =
          DescribeDefinitionRecord(context, PackDefinitionRecordTable(kKindNoun, entry, 1), "");
      EXPECT_EQ(c.gender, keywordRow.columns[kDefColGender]) << entry;
    }
    EXPECT_EQ(1, found) << c.gender;
  }
}

TEST_F(LookupRowTextTest, NumbersAreSpelledByTheirGenderFlag) {
  const LookupWordRowText masculine = DescribeWordRecord(context, NumberRecord(kThree, 0, 0));
  const LookupWordRowText feminine = DescribeWordRecord(context, NumberRecord(kThree, 0, 1));
  const LookupWordRowText ordinal = DescribeWordRecord(context, NumberRecord(kThree, 1, 0));
  EXPECT_FALSE(masculine.rootEntry.letters.empty());
  EXPECT_NE(masculine.rootEntry.letters, feminine.rootEntry.letters);
  EXPECT_EQ("Masc", masculine.columns.text[kWordColGender]);
  EXPECT_EQ("Fem", feminine.columns.text[kWordColGender]);
  EXPECT_EQ("Masc", ordinal.columns.text[kWordColGender]);
}

TEST_F(LookupRowTextTest, NumberKeywordRowsGiveDigitsAndWords) {
  const struct {
    int ordinal, feminine;
    std::string gender, definition;
  } cases[] = {{0, 0, "Masc", "3, three"}, {1, 0, "Masc", "3rd, third"}, {0, 1, "Fem", "3, three"}};
  for (const auto& c : cases) {
    const LookupDefinitionRowText row = DescribeDefinitionRecord(
        context, PackDefinitionRecordNumber(kThree, c.ordinal, c.feminine, 1), "three");
    EXPECT_EQ(kKindNumber, row.kind);
    EXPECT_EQ("Number", row.columns[kDefColGram]);
    EXPECT_EQ(c.gender, row.columns[kDefColGender]) << c.ordinal << c.feminine;
    EXPECT_EQ(c.definition, row.columns[kDefColDefinition]) << c.ordinal << c.feminine;
    EXPECT_FALSE(row.rootEntry.letters.empty());
  }
}

TEST_F(LookupRowTextTest, VerbKeywordRowsNumberTheirBinyanim) {
  const int verb = 0;  // the verbs are in the order of their roots
  const int mask = 1 << 0 | 1 << 1;
  const DWORD fields = PackDefinitionRecordVerb(verb, mask, 1);
  const LookupDefinitionRowText row = DescribeDefinitionRecord(context, fields, "lost");
  EXPECT_EQ("Verb", row.columns[kDefColGram]);
  EXPECT_EQ("(1) Kal  (2) Nifal", row.columns[kDefColBinyan]);
  EXPECT_EQ("1. to be lost  2. to be lost", row.columns[kDefColDefinition]);
  const LookupDefinitionRowText one =
      DescribeDefinitionRecord(context, PackDefinitionRecordVerb(1, 1, 1), "write");
  EXPECT_EQ("Kal", one.columns[kDefColBinyan]);
  EXPECT_EQ("to write", one.columns[kDefColDefinition]);
  BYTE root[11] = {};
  const int length = GetVerbRootLetters(verb, root);
  EXPECT_EQ(std::vector<BYTE>(root, root + length), row.rootEntry.letters);

  // Opening it: the binyan asked for when the mask holds it, else the lowest.
  UnpackedWordRec opened;
  const int highest = 31 - __builtin_clz(static_cast<unsigned>(mask));
  const int lowest = __builtin_ctz(static_cast<unsigned>(mask));
  ASSERT_EQ(kKindVerb, DecodeWordRecord(DefinitionWordRecord(fields, highest).fields, 0, &opened));
  EXPECT_EQ(highest, opened.binyan);
  DecodeWordRecord(DefinitionWordRecord(fields, 255).fields, 0, &opened);
  EXPECT_EQ(lowest, opened.binyan);
}

// A respelled record shows its plene spelling unpointed: yikhtov as
// unpointed Hebrew writes it.
TEST_F(LookupRowTextTest, ARespelledRecordShowsUnpointedPlene) {
  UnpackedWordRec f;
  f.entryIndex = 1;  // כתב
  f.formSlot = FormSlot::Future3ms;
  f.plene = 1;
  const LookupWordRowText row = DescribeWordRecord(context, PackWordRecord(kKindVerb, f));
  using namespace HebCode;
  EXPECT_EQ((std::vector<BYTE>{Yod, Kaf, Tav, Vav, Bet}), row.word.letters);
  EXPECT_EQ(std::vector<BYTE>(5, 0), row.word.vowels);
  f.plene = 0;
  const LookupWordRowText pointed = DescribeWordRecord(context, PackWordRecord(kKindVerb, f));
  EXPECT_EQ(4u, pointed.word.letters.size());
  EXPECT_NE(std::vector<BYTE>(4, 0), pointed.word.vowels);
}

// A keyword of a verb's Pual only: Pual has no infinitive, so the row shows
// the past form shullam.
TEST_F(LookupRowTextTest, APualKeywordRowShowsItsPastForm) {
  const int verb = 2;  // שלם
  const LookupDefinitionRowText row = DescribeDefinitionRecord(
      context, PackDefinitionRecordVerb(verb, 1 << Binyan::Pual, 1), "paid");
  EXPECT_EQ("Pual", row.columns[kDefColBinyan]);
  ASSERT_EQ(3u, row.word.letters.size());
  EXPECT_EQ(HebCode::Qubuts, row.word.vowels[0]);
  EXPECT_EQ(HebCode::FinalMem, row.word.letters[2]);
}

}  // namespace
