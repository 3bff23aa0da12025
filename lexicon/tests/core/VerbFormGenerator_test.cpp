// The form generator's edge cases: slots and groups, records and patterns
// the data does not hold, alternatives, merging suffixes, the bound of 69
// letters, and the small tables of slots, binyan names and database forms.
#include <gtest/gtest.h>

#include <cstring>

#include "classlib/core/CString.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

// Two more verbs over the model verbs: one ending in tav (merging past
// suffixes) and one of a class with alternative forms: the first
// alternative record gives future 2ms, the second future 1sg.
const char kExtraClass[] = R"(
class paal twoforms 11 regular
  patterns infinitive=katav present=katav past=katav future=katav imperative=katav
  alternative 15
  patterns future=lamad
  alternative 14
  patterns future=lamad
)";

std::string Verbs() {
  return lextest::ReadText(lextest::SourceDir() + "/lexicon/tests/core/data/model-verbs.txt") +
         "verb כרת\n  paal katav\nverb גדל\n  paal twoforms\nverb צלח\n  piel diber\n";
}

class VerbForms : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    grammar = new lextest::ModelVerbGrammar(
        "forms", {{"verbs.txt", Verbs()},
                  {"verb-classes.txt",
                   lextest::ReadText(lextest::SourceDir() + "/data/verb-classes.txt") + kExtraClass}});
  }
  static void TearDownTestSuite() {
    delete grammar;
    grammar = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(grammar->loaded); }

  std::string Form(const char* root, int binyan, int slot) {
    const BYTE* entry = lextest::EntryOfRoot(root);
    EXPECT_NE(entry, nullptr) << root;
    return entry ? WordToUtf8(GenerateVerbForm(context, entry, binyan, slot)) : "";
  }
  // BuildVerbForm with the arguments a test names.
  std::string Build(const char* root, int binyan, int slot, int noMerge, const VerbRootRun* own = nullptr,
                    int index = 0) {
    const BYTE* entry = lextest::EntryOfRoot(root);
    if (!entry) return "no verb";
    VerbRootRun run;
    if (!own) FindVerbRootRun(binyan, GetVerbBinyanWord(entry, binyan), run);
    BYTE letters[6] = {};
    std::memcpy(letters, GetEntryRoot(entry), 5);
    NormalizeFinalLetters(letters);
    return WordToUtf8(*BuildVerbForm(context, own ? *own : run, index, entry, letters, slot, binyan,
                                     noMerge, 0, 0, 0));
  }

  static lextest::ModelVerbGrammar* grammar;
  GrammarContext context;
};
lextest::ModelVerbGrammar* VerbForms::grammar = nullptr;

TEST_F(VerbForms, GroupsWithoutAPatternGiveNoForms) {
  // Pual: no infinitive and imperative; a Paal hollow class: no participle.
  for (int slot : {0, 22, 23, 24, 25}) EXPECT_EQ(Form("למד", 3, slot), "") << slot;
  for (int slot = 26; slot < 30; ++slot) EXPECT_EQ(Form("קום", 0, slot), "") << slot;
  // A binyan the verb does not have.
  EXPECT_EQ(Form("כתב", 2, 8), "");
}

TEST_F(VerbForms, SlotsOutsideTheGroupsGiveNoForm) {
  for (int slot : {-1, 31, 100}) EXPECT_EQ(Build("כתב", 0, slot, 0), "") << slot;
}

TEST_F(VerbForms, PatternNumbersAndRecordsOutsideTheDataGiveNoForm) {
  const BYTE* entry = lextest::EntryOfRoot("כתב");
  ASSERT_NE(entry, nullptr);
  VerbRootRun run;
  ASSERT_TRUE(FindVerbRootRun(0, GetVerbBinyanWord(entry, 0), run));
  VerbRootRun bad = run;
  bad.records[0].patterns[1] = 30000;  // far beyond the past block
  EXPECT_EQ(Build("כתב", 0, 8, 0, &bad), "");
  bad.records[0].patterns[1] = -3;
  EXPECT_EQ(Build("כתב", 0, 8, 0, &bad), "");
  // Record indexes outside the run.
  EXPECT_EQ(Build("כתב", 0, 8, 0, &run, 1), "");
  EXPECT_EQ(Build("כתב", 0, 8, 0, &run, -1), "");
  EXPECT_EQ(Build("כתב", 0, 8, 0, &run, 0), lextest::Canonical("כָּתַב"));
  // The short forms' table for a binyan row the data has no pattern of.
  HebWordRec word = *BuildVerbForm(context, run, 0, entry, GetEntryRoot(entry), 8, 0, 0, 0, 1, 0);
  EXPECT_EQ(word.letters[0], 0);
}

TEST_F(VerbForms, AlternativesFollowTheMainFormInTheirOwnPlaces) {
  EXPECT_EQ(Form("גדל", 0, 15),
            lextest::Canonical("תִּגְדֹּל") + "," + lextest::Canonical("תִּגְדַּל"));
  // The first alternative has no form of future 1sg: its place stays empty.
  EXPECT_EQ(Form("גדל", 0, 14),
            lextest::Canonical("אֶגְדֹּל") + ",," + lextest::Canonical("אֶגְדַּל"));
  EXPECT_EQ(Form("גדל", 0, 8), lextest::Canonical("גָּדַל"));
  const BYTE* entry = lextest::EntryOfRoot("גדל");
  ASSERT_NE(entry, nullptr);
  HebWordRec word = GenerateVerbForm(context, entry, 0, 14);
  EXPECT_EQ(word.patternNumbers[0], 1);
  EXPECT_EQ(word.patternNumbers[1], 0);
  EXPECT_EQ(word.patternNumbers[2], 2);
  EXPECT_EQ(word.rootId, 11);
  // Vav-inversive: each alternative behind its conjunction, the empty one
  // a lone separator.
  EXPECT_EQ(WordToUtf8(VavInversiveVerbForm(context, entry, word)),
            lextest::Canonical("וָאֶגְדֹּל") + ",," + lextest::Canonical("וָאֶגְדַּל"));
}

TEST_F(VerbForms, SuffixesMergeWithTheLetterThatEndsTheStem) {
  EXPECT_EQ(Form("כרת", 0, 5), lextest::Canonical("כָּרַתִּי"));
  EXPECT_EQ(Form("כרת", 0, 6), lextest::Canonical("כָּרַתָּ"));
  EXPECT_EQ(Form("כרת", 0, 7), lextest::Canonical("כָּרַתְּ"));
  EXPECT_EQ(Form("כרת", 0, 11), lextest::Canonical("כְּרַתֶּם"));
  EXPECT_EQ(Form("ישׁן", 0, 10), lextest::Canonical("יָשַׁנּוּ"));
  EXPECT_EQ(Form("זמן", 5, 20), lextest::Canonical("תַּזְמֵנָּה"));
}

// A shva before a letter with dagesh closes its syllable: a guttural keeps
// it even where the pattern does not mark it firm (Piel צלח on the regular
// class), and takes a hataf where the shva begins a syllable.
TEST_F(VerbForms, AGutturalKeepsTheShvaThatClosesItsSyllable) {
  EXPECT_EQ(Form("צלח", 2, 5), lextest::Canonical("צִלַּחְתִּי"));
  EXPECT_EQ(Form("צלח", 2, 11), lextest::Canonical("צִלַּחְתֶּם"));
  EXPECT_EQ(Form("עמד", 0, 11), lextest::Canonical("עֲמַדְתֶּם"));
}

TEST_F(VerbForms, TheNoMergeFlagKeepsBothLetters) {
  EXPECT_EQ(Build("כרת", 0, 5, 1), lextest::Canonical("כָּרַתְתִּי"));
  EXPECT_EQ(Build("כרת", 0, 6, 1), lextest::Canonical("כָּרַתְתָּ"));
  EXPECT_EQ(Build("ישׁן", 0, 10, 1), lextest::Canonical("יָשַׁנְנוּ"));
  EXPECT_EQ(Build("זמן", 5, 20, 1), lextest::Canonical("תַּזְמֵנְנָה"));
}

TEST_F(VerbForms, AResultStaysInItsContextUntilTheNextCall) {
  const BYTE* entry = lextest::EntryOfRoot("כתב");
  ASSERT_NE(entry, nullptr);
  VerbRootRun run;
  ASSERT_TRUE(FindVerbRootRun(0, GetVerbBinyanWord(entry, 0), run));
  GrammarContext other;
  const HebWordRec* first = BuildVerbForm(context, run, 0, entry, GetEntryRoot(entry), 8, 0, 0, 0, 0, 0);
  const HebWordRec* second = BuildVerbForm(other, run, 0, entry, GetEntryRoot(entry), 13, 0, 0, 0, 0, 0);
  EXPECT_EQ(first, &context.verbForm);
  EXPECT_EQ(WordToUtf8(*first), lextest::Canonical("כָּתַב"));
  EXPECT_EQ(WordToUtf8(*second), lextest::Canonical("כָּתְבוּ"));
  EXPECT_EQ(first->formSlot, 8);
  EXPECT_EQ(first->binyan, 0);
}

TEST(FormPlanes, NoProducerGrowsAFormPast69Letters) {
  FormPlanes planes;
  for (int i = 0; i < 69; ++i) EXPECT_TRUE(planes.Append(HebCode::Kaf, HebCode::Qubuts, 0));
  EXPECT_FALSE(planes.Append(HebCode::Kaf, 0, 0));
  EXPECT_FALSE(planes.Insert(0, HebCode::Kaf, 0, 0));
  EXPECT_EQ(planes.length, 69);
  // Every qubuts would become a shuruk (the same length) but a qamats with
  // alef adds its alef: the respelled list does not fit and stays as it was.
  HebWordRec word = {};
  planes.vowels[30] = 150;
  planes.ToRecord(word);
  HebWordRec before = word;
  RespellFormList(0, word, 0, 0, 255, 0, 1);
  EXPECT_EQ(std::memcmp(word.letters, before.letters, sizeof(word.letters)), 0);
  EXPECT_EQ(std::memcmp(word.vowels, before.vowels, sizeof(word.vowels)), 0);
}

TEST(FormSlots, GroupsOfSlots) {
  const int groups[31] = {4, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2,
                          2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 5, 5, 5, 5, 2};
  for (int slot = 0; slot < 31; ++slot) EXPECT_EQ(GetTenseGroup(slot), groups[slot]) << slot;
  EXPECT_EQ(GetTenseGroup(-1), -1);
  EXPECT_EQ(GetTenseGroup(31), -1);
}

TEST(FormSlots, PronominalSuffixesAndVavInversiveSlots) {
  EXPECT_TRUE(TakesPronominalSuffix(5, 0));
  EXPECT_TRUE(TakesPronominalSuffix(30, 5));
  EXPECT_FALSE(TakesPronominalSuffix(4, 0));
  EXPECT_FALSE(TakesPronominalSuffix(22, 0));
  EXPECT_FALSE(TakesPronominalSuffix(8, 3));
  EXPECT_FALSE(TakesPronominalSuffix(8, 6));
  const int paal[][2] = {{14, 1}, {15, 2}, {30, 2}, {17, 3}, {18, 4}, {16, 0}, {8, 0}};
  for (const auto& s : paal) {
    EXPECT_EQ(VavInversiveSlot(s[0], 0), s[1]) << s[0];
    EXPECT_EQ(VavInversiveSlot(s[0], 5), s[1] ? s[1] + 21 : 0) << s[0];
    EXPECT_EQ(VavInversiveSlot(s[0], 2), 0);
    EXPECT_EQ(IsVavInversiveSlot(s[0]), s[1] != 0) << s[0];
  }
  BinyanRootRec record;
  record.rootId = 170;
  EXPECT_TRUE(IsVavInversiveShortRoot(record, 0));
  EXPECT_FALSE(IsVavInversiveShortRoot(record, 5));
  record.rootId = 90;
  EXPECT_TRUE(IsVavInversiveShortRoot(record, 5));
  EXPECT_FALSE(IsVavInversiveShortRoot(record, 1));
}

TEST(FormSlots, FormsTheDatabaseLeavesOut) {
  struct Case {
    WORD word, id;
    int binyan, slot, mode, skip;
  } cases[] = {
      {1, 181, 3, 11, 0, 0},     {1, 181, 3, 8, 0, 1},      {1, 241, 3, 13, 0, 0},
      {1, 241, 3, 5, 0, 1},      {1, 276, 0, 10, 0, 0},     {1, 276, 0, 5, 0, 1},
      {0x8001, 1, 0, 27, 0, 1},  {0x8001, 1, 0, 8, 0, 0},   {0x8001, 1, 1, 3, 0, 0},
      {0x8001, 1, 1, 8, 0, 1},   {0x8001, 1, 2, 8, 0, 0},   {1, 1, 0, 1, 1, 1},
      {1, 1, 0, 8, 1, 0},        {1, 1, 0, 8, 2, 1},        {1, 1, 0, 8, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SkipFormForDatabase(c.word, c.id, c.binyan, c.slot, c.mode), c.skip)
        << c.id << " " << c.binyan << " " << c.slot << " " << c.mode;
}

int g_stringLoads = 0;
BOOL BinyanStrings(UINT id, CString& text) {
  ++g_stringLoads;
  const char* names[] = {"&Paal (Kal)", "&Nifal", "P&iel", "P&ual", "Hi&tpael", "Hifi&l", "Hu&fal"};
  if (id < 950 || id > 956) return FALSE;
  text = names[id - 950];
  return TRUE;
}

TEST(BinyanNames, FromTheStringTableWithoutTheAccessKey) {
  AfxSetStringLoader(BinyanStrings);
  g_stringLoads = 0;
  CString name;
  GetBinyanName(0, name);
  EXPECT_STREQ(name, "Paal (Kal)");
  GetBinyanName(4, name);
  EXPECT_STREQ(name, "Hitpael");
  EXPECT_EQ(g_stringLoads, 2);
  // Beyond Hufal: an empty name, and the string table is not asked.
  for (int binyan : {7, 8, 255, -1}) {
    name = "stale";
    GetBinyanName(binyan, name);
    EXPECT_STREQ(name, "") << binyan;
  }
  EXPECT_EQ(g_stringLoads, 2);
  AfxSetStringLoader(nullptr);
}

}  // namespace
