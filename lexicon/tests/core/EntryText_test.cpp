// Dictionary records rendered back into their words from the grammar of
// data/ (its real verbs), against the forms the generators give and the
// words the records name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "hebtext/core/CollationKey.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/EntryText.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VerbSuffixForms.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

using namespace GrammarLayout;

constexpr int kKeySize = 128;
constexpr BYTE kUntouched = 0x7B;

class EntryText : public lextest::GrammarSuite<EntryText> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar(
        "entrytext", {{"verbs.txt", lextest::ReadText(lextest::SourceDir() + "/data/verbs.txt")}});
  }

 protected:
  static int VerbIndexOf(const char* root) {
    const BYTE* entry = lextest::EntryOfRoot(root);
    EXPECT_NE(entry, nullptr) << root;
    return entry ? static_cast<int>((entry - GetVerbIndexEntries().Data()) / kVerbIndexEntrySize)
                 : 0;
  }

  static int TableEntryOf(int tableType, const char* word) {
    const std::string wanted = lextest::Canonical(word);
    for (DWORD i = 0; i < GetNounTableCount(tableType); ++i) {
      HebWordRec found = {};
      GetNounWord(GetNounTableBlock(tableType).Data() + i * kNounEntrySize, found.letters,
                  found.vowels, kWordPlaneSize);
      if (WordToUtf8(found) == wanted) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no entry " << word;
    return 0;
  }

  // The record's word as UTF-8 (stress shown as meteg); "" when nothing
  // was rendered.
  std::string Render(const PackedWordRec& record, EntryTextOptions options = {}) {
    return RenderIn(context, record, options);
  }
  static std::string RenderIn(GrammarContext& in, const PackedWordRec& record,
                              EntryTextOptions options = {}) {
    HebWordRec word = {};
    EntryTextOutput output;
    output.letters = word.letters;
    output.vowels = word.vowels;
    const int length = LookupEntryText(in, record.fields, record.extra, options, output);
    EXPECT_EQ(length, static_cast<int>(strlen(reinterpret_cast<char*>(word.letters))));
    return length ? WordToUtf8(word, true) : "";
  }

  static std::string MainPart(const HebWordRec& form) {
    HebWordRec part = form;
    char* comma = static_cast<char*>(memchr(part.letters, ',', kWordPlaneSize));
    if (comma) memset(comma, 0, reinterpret_cast<char*>(part.letters) + kWordPlaneSize - comma);
    return WordToUtf8(part, true);
  }

  static UnpackedWordRec Verb(int verb, int binyan, int slot) {
    UnpackedWordRec fields;
    fields.entryIndex = static_cast<WORD>(verb);
    fields.binyan = binyan;
    fields.formSlot = static_cast<WORD>(slot);
    return fields;
  }

  GrammarContext context;
};

TEST_F(EntryText, VerbFormsAreTheGeneratorsForms) {
  const int katav = VerbIndexOf("כתב");
  const BYTE* entry = GetVerbIndexEntry(katav);
  EXPECT_EQ(Render(PackWordRecord(kKindVerb, Verb(katav, 0, FormSlot::Infinitive))),
            lextest::Canonical("לִכְתֹּב"));
  for (int slot : {FormSlot::PresentMs, FormSlot::Past3ms, FormSlot::Future1p}) {
    EXPECT_EQ(Render(PackWordRecord(kKindVerb, Verb(katav, 0, slot))),
              MainPart(GenerateVerbForm(context, entry, 0, slot)))
        << slot;
  }
  // A form with one part: any alternative number gives it.
  UnpackedWordRec second = Verb(katav, 0, FormSlot::Past3ms);
  second.alternative = 2;
  EXPECT_EQ(Render(PackWordRecord(kKindVerb, second)), lextest::Canonical("כָּתַב"));
}

TEST_F(EntryText, VavInversiveFormsWithAndWithoutTheirVav) {
  const int katav = VerbIndexOf("כתב");
  UnpackedWordRec fields = Verb(katav, 0, FormSlot::Future3ms);
  fields.vavInversive = 1;
  const PackedWordRec record = PackWordRecord(kKindVerb, fields);
  EXPECT_EQ(Render(record), lextest::Canonical("וַיִּכְתֹּב"));
  EntryTextOptions strip;
  strip.stripVav = true;
  EXPECT_EQ(Render(record, strip), lextest::Canonical("יִּכְתֹּב"));
}

TEST_F(EntryText, ObjectSuffixesStandOnTheVerbForm) {
  const int katav = VerbIndexOf("כתב");
  const BYTE* entry = GetVerbIndexEntry(katav);
  for (int slot : {FormSlot::Past3ms, FormSlot::Future2fp3fp}) {
    UnpackedWordRec fields = Verb(katav, 0, slot);
    fields.pronominalSuffix = 1;
    EXPECT_EQ(Render(PackWordRecord(kKindVerb, fields)),
              MainPart(GenerateObjectSuffixForm(context, entry, 0, slot, 1)))
        << slot;
  }
  UnpackedWordRec noun = Verb(katav, 0, FormSlot::Infinitive);
  noun.pronominalSuffix = DeclensionCell::My;
  noun.suffixBase = 1;
  EXPECT_EQ(Render(PackWordRecord(kKindVerb, noun)),
            MainPart(GenerateInfinitiveNounForm(context, entry, 0, DeclensionCell::My)));
}

TEST_F(EntryText, TableEntriesGiveTheirCellsAndWords) {
  UnpackedWordRec noun;
  noun.entryIndex = static_cast<WORD>(TableEntryOf(TableType::Noun, "סוּס"));
  noun.numberField = DeclensionKind::SingularStem;
  noun.cell = DeclensionCell::Plural;
  EXPECT_EQ(Render(PackWordRecord(kKindNoun, noun)), lextest::Canonical("סוּסִים"));
  noun.cell = DeclensionCell::My;
  EXPECT_EQ(Render(PackWordRecord(kKindNoun, noun)), lextest::Canonical("סוּסִי"));

  UnpackedWordRec phrase;
  phrase.entryIndex = static_cast<WORD>(TableEntryOf(TableType::Vocabulary, "מַזָּל טוֹב"));
  const PackedWordRec first = PackWordRecord(kKindVocab, phrase);
  EXPECT_EQ(Render(first), lextest::Canonical("מַזָּל"));
  phrase.wordNumber = 1;
  EXPECT_EQ(Render(PackWordRecord(kKindVocab, phrase)), lextest::Canonical("טוֹב"));
  EntryTextOptions whole;
  whole.wholeEntry = true;
  EXPECT_EQ(Render(first, whole), lextest::Canonical("מַזָּל") + " " + lextest::Canonical("טוֹב"));
  phrase.wordNumber = 2;
  EXPECT_EQ(Render(PackWordRecord(kKindVocab, phrase)), "");
}

TEST_F(EntryText, NumbersAreSpelledAndSplitIntoWords) {
  struct Case {
    int index, ordinal, gender, wordNumber;
    const char* expected;
  };
  const Case cases[] = {
      {3, 0, 0, 0, "שְׁלֹשָׁה"}, {3, 0, 1, 0, "שָׁלֹשׁ"},  {2, 1, 1, 0, "שְׁנִיָּה"},
      {11, 0, 0, 0, "אַחַד"}, {11, 0, 0, 1, "עָשָׂר"}, {39, 0, 0, 1, "אֲלָפִים"},
  };
  for (const Case& c : cases) {
    UnpackedWordRec fields;
    fields.entryIndex = static_cast<WORD>(c.index);
    fields.ordinal = c.ordinal;
    fields.gender = c.gender;
    fields.wordNumber = c.wordNumber;
    EXPECT_EQ(Render(PackWordRecord(kKindNumber, fields)), lextest::Canonical(c.expected))
        << c.index;
  }
  UnpackedWordRec beyond;
  beyond.entryIndex = kNumberTableCount;
  EXPECT_EQ(Render(PackWordRecord(kKindNumber, beyond)), "");
}

TEST_F(EntryText, KeysAreThoseOfTheRenderedWord) {
  UnpackedWordRec fields;
  fields.entryIndex = 3;
  BYTE letters[kWordPlaneSize], vowels[kWordPlaneSize];
  char primary[kKeySize], secondary[kKeySize];
  EntryTextOutput output{letters, vowels, primary, secondary, kKeySize};
  const PackedWordRec record = PackWordRecord(kKindNumber, fields);
  const int length = LookupEntryText(context, record.fields, record.extra, {}, output);
  ASSERT_GT(length, 0);
  char expected[kKeySize];
  BuildLetterVowelKey(expected, kKeySize, letters, vowels, length);
  EXPECT_STREQ(primary, expected);
  VowelClassString(expected, kKeySize, vowels, length);
  EXPECT_STREQ(secondary, expected);
}

TEST_F(EntryText, RecordsThatNameNothingLeaveTheOutputs) {
  const int katav = VerbIndexOf("כתב");
  UnpackedWordRec variant;
  variant.entryIndex = 3;
  variant.extra = 1;  // the number has no variable vowels
  const PackedWordRec records[] = {
      {0x3F, 0},  // an undecodable sub-kind
      PackWordRecord(kKindVerb, Verb(GetVerbCount(), 0, FormSlot::Past3ms)),
      PackWordRecord(kKindVerb, Verb(katav, 6, FormSlot::Past3ms)),  // no Hufal
      PackWordRecord(kKindNumber, variant),
  };
  for (const PackedWordRec& record : records) {
    BYTE letters[kWordPlaneSize], vowels[kWordPlaneSize];
    char primary[kKeySize] = "x", secondary[kKeySize] = "y";
    memset(letters, kUntouched, sizeof letters);
    memset(vowels, kUntouched, sizeof vowels);
    EntryTextOutput output{letters, vowels, primary, secondary, kKeySize};
    EXPECT_EQ(LookupEntryText(context, record.fields, record.extra, {}, output), 0);
    EXPECT_EQ(letters[0], kUntouched);
    EXPECT_EQ(vowels[0], kUntouched);
    EXPECT_STREQ(primary, "");
    EXPECT_STREQ(secondary, "y");
  }
}

// A context keeps the texts it built for the records that follow; a record
// gives the same text whatever the context rendered before it.
TEST_F(EntryText, AContextRendersEachRecordAsAFreshOneDoes) {
  std::vector<PackedWordRec> records;
  for (const char* root : {"כתב", "לקח"}) {
    UnpackedWordRec fields = Verb(VerbIndexOf(root), 0, FormSlot::Infinitive);
    for (int slot : {FormSlot::Infinitive, FormSlot::Past3ms, FormSlot::Future3ms}) {
      fields.formSlot = static_cast<WORD>(slot);
      for (fields.plene = 0; fields.plene < 2; ++fields.plene)
        for (fields.vavInversive = 0; fields.vavInversive < 2; ++fields.vavInversive)
          for (fields.pronominalSuffix = 0; fields.pronominalSuffix < 3; ++fields.pronominalSuffix)
            for (fields.alternative = 0; fields.alternative < 2; ++fields.alternative)
              for (fields.suffixAlternative = 0; fields.suffixAlternative < 2;
                   ++fields.suffixAlternative)
                records.push_back(PackWordRecord(kKindVerb, fields));
    }
  }
  // Forwards and backwards, so that each record follows others of its form.
  for (const auto& order : {records, std::vector<PackedWordRec>(records.rbegin(), records.rend())})
    for (const PackedWordRec& record : order) {
      GrammarContext fresh;
      EXPECT_EQ(Render(record), RenderIn(fresh, record)) << std::hex << record.fields;
    }
}

TEST_F(EntryText, AContextRendersFromTheTablesLoadedNow) {
  const PackedWordRec record =
      PackWordRecord(kKindVerb, Verb(VerbIndexOf("כתב"), 0, FormSlot::Past3ms));
  const std::string katav = Render(record);
  ASSERT_EQ(katav, lextest::Canonical("כָּתַב"));
  FreeVerbData();
  EXPECT_EQ(Render(record), "");
  ASSERT_TRUE(LoadGrammarData().loaded);
  EXPECT_EQ(Render(record), katav);
}

}  // namespace
