// The form generator's edge cases: slots and groups, records and patterns
// the data does not hold, alternatives, merging suffixes, the bound of 69
// letters, and the small tables of slots, binyan names and database forms.
#include <gtest/gtest.h>

#include <cstring>

#include "classlib/core/CString.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/generated/ClassIds.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

using namespace FormSlot;

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

class VerbForms : public lextest::GrammarSuite<VerbForms> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar(
        "forms",
        {{"verbs.txt", Verbs()},
         {"verb-classes.txt",
          lextest::ReadText(lextest::SourceDir() + "/data/verb-classes.txt") + kExtraClass}});
  }

 protected:
  std::string Form(const char* root, int binyan, int slot) {
    const BYTE* entry = lextest::EntryOfRoot(root);
    EXPECT_NE(entry, nullptr) << root;
    return entry ? WordToUtf8(GenerateVerbForm(context, entry, binyan, slot)) : "";
  }
  // BuildVerbForm with the arguments a test names.
  std::string Build(const char* root, int binyan, int slot, bool keepSuffixesApart,
                    const VerbRootRun* own = nullptr, int index = 0) {
    const BYTE* entry = lextest::EntryOfRoot(root);
    if (!entry) return "no verb";
    VerbRootRun run;
    if (!own) FindVerbRootRun(binyan, GetVerbBinyanWord(entry, binyan), run);
    BYTE letters[6] = {};
    std::memcpy(letters, GetEntryRoot(entry), 5);
    NormalizeFinalLetters(letters);
    VerbFormOptions options;
    options.keepSuffixesApart = keepSuffixesApart;
    return WordToUtf8(
        *BuildVerbForm(context, own ? *own : run, index, entry, letters, slot, binyan, options));
  }

  GrammarContext context;
};

TEST_F(VerbForms, GroupsWithoutAPatternGiveNoForms) {
  // Pual: no infinitive and imperative; a Paal hollow class: no participle.
  for (int slot : {Infinitive, ImperativeMs, ImperativeFs, ImperativeMp, ImperativeFp})
    EXPECT_EQ(Form("למד", Binyan::Pual, slot), "") << slot;
  for (int slot = ParticipleMs; slot <= ParticipleFp; ++slot)
    EXPECT_EQ(Form("קום", Binyan::Paal, slot), "") << slot;
  // A binyan the verb does not have.
  EXPECT_EQ(Form("כתב", Binyan::Piel, Past3ms), "");
}

TEST_F(VerbForms, SlotsOutsideTheGroupsGiveNoForm) {
  for (int slot : {-1, int(FormSlot::Count), 100})
    EXPECT_EQ(Build("כתב", Binyan::Paal, slot, false), "") << slot;
}

TEST_F(VerbForms, PatternNumbersAndRecordsOutsideTheDataGiveNoForm) {
  const BYTE* entry = lextest::EntryOfRoot("כתב");
  ASSERT_NE(entry, nullptr);
  VerbRootRun run;
  ASSERT_TRUE(FindVerbRootRun(Binyan::Paal, GetVerbBinyanWord(entry, Binyan::Paal), run));
  VerbRootRun bad = run;
  bad.records[0].patterns[1] = 30000;  // far beyond the past block
  EXPECT_EQ(Build("כתב", Binyan::Paal, Past3ms, false, &bad), "");
  bad.records[0].patterns[1] = -3;
  EXPECT_EQ(Build("כתב", Binyan::Paal, Past3ms, false, &bad), "");
  // Record indexes outside the run.
  EXPECT_EQ(Build("כתב", Binyan::Paal, Past3ms, false, &run, 1), "");
  EXPECT_EQ(Build("כתב", Binyan::Paal, Past3ms, false, &run, -1), "");
  EXPECT_EQ(Build("כתב", Binyan::Paal, Past3ms, false, &run, 0), lextest::Canonical("כָּתַב"));
  // The short forms' table for a binyan row the data has no pattern of.
  VerbFormOptions shortForms;
  shortForms.shortForms = true;
  HebWordRec word = *BuildVerbForm(context, run, 0, entry, GetEntryRoot(entry), Past3ms,
                                   Binyan::Paal, shortForms);
  EXPECT_EQ(word.letters[0], 0);
}

TEST_F(VerbForms, AlternativesFollowTheMainFormInTheirOwnPlaces) {
  EXPECT_EQ(Form("גדל", Binyan::Paal, Future2ms),
            lextest::Canonical("תִּגְדֹּל") + "," + lextest::Canonical("תִּגְדַּל"));
  // The first alternative has no form of future 1sg: its place stays empty.
  EXPECT_EQ(Form("גדל", Binyan::Paal, Future1s),
            lextest::Canonical("אֶגְדֹּל") + ",," + lextest::Canonical("אֶגְדַּל"));
  EXPECT_EQ(Form("גדל", Binyan::Paal, Past3ms), lextest::Canonical("גָּדַל"));
  const BYTE* entry = lextest::EntryOfRoot("גדל");
  ASSERT_NE(entry, nullptr);
  HebWordRec word = GenerateVerbForm(context, entry, Binyan::Paal, Future1s);
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
  EXPECT_EQ(Form("כרת", Binyan::Paal, Past1s), lextest::Canonical("כָּרַתִּי"));
  EXPECT_EQ(Form("כרת", Binyan::Paal, Past2ms), lextest::Canonical("כָּרַתָּ"));
  EXPECT_EQ(Form("כרת", Binyan::Paal, Past2fs), lextest::Canonical("כָּרַתְּ"));
  EXPECT_EQ(Form("כרת", Binyan::Paal, Past2mp), lextest::Canonical("כְּרַתֶּם"));
  EXPECT_EQ(Form("ישׁן", Binyan::Paal, Past1p), lextest::Canonical("יָשַׁנּוּ"));
  EXPECT_EQ(Form("זמן", Binyan::Hifil, Future2fp3fp), lextest::Canonical("תַּזְמֵנָּה"));
}

// A shva before a letter with dagesh closes its syllable: a guttural keeps
// it even where the pattern does not mark it firm (Piel צלח on the regular
// class), and takes a hataf where the shva begins a syllable.
TEST_F(VerbForms, AGutturalKeepsTheShvaThatClosesItsSyllable) {
  EXPECT_EQ(Form("צלח", Binyan::Piel, Past1s), lextest::Canonical("צִלַּחְתִּי"));
  EXPECT_EQ(Form("צלח", Binyan::Piel, Past2mp), lextest::Canonical("צִלַּחְתֶּם"));
  EXPECT_EQ(Form("עמד", Binyan::Paal, Past2mp), lextest::Canonical("עֲמַדְתֶּם"));
}

TEST_F(VerbForms, TheNoMergeFlagKeepsBothLetters) {
  EXPECT_EQ(Build("כרת", Binyan::Paal, Past1s, true), lextest::Canonical("כָּרַתְתִּי"));
  EXPECT_EQ(Build("כרת", Binyan::Paal, Past2ms, true), lextest::Canonical("כָּרַתְתָּ"));
  EXPECT_EQ(Build("ישׁן", Binyan::Paal, Past1p, true), lextest::Canonical("יָשַׁנְנוּ"));
  EXPECT_EQ(Build("זמן", Binyan::Hifil, Future2fp3fp, true), lextest::Canonical("תַּזְמֵנְנָה"));
}

TEST_F(VerbForms, AResultStaysInItsContextUntilTheNextCall) {
  const BYTE* entry = lextest::EntryOfRoot("כתב");
  ASSERT_NE(entry, nullptr);
  VerbRootRun run;
  ASSERT_TRUE(FindVerbRootRun(Binyan::Paal, GetVerbBinyanWord(entry, Binyan::Paal), run));
  GrammarContext other;
  const HebWordRec* first =
      BuildVerbForm(context, run, 0, entry, GetEntryRoot(entry), Past3ms, Binyan::Paal);
  const HebWordRec* second =
      BuildVerbForm(other, run, 0, entry, GetEntryRoot(entry), Past3p, Binyan::Paal);
  EXPECT_EQ(first, &context.verbForm);
  EXPECT_EQ(WordToUtf8(*first), lextest::Canonical("כָּתַב"));
  EXPECT_EQ(WordToUtf8(*second), lextest::Canonical("כָּתְבוּ"));
  EXPECT_EQ(first->formSlot, Past3ms);
  EXPECT_EQ(first->binyan, Binyan::Paal);
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
  planes.vowels[30] = HebCode::QamatsAlef;
  planes.ToRecord(word);
  HebWordRec before = word;
  RespellFormList(word, 0, PleneOptions());
  EXPECT_EQ(std::memcmp(word.letters, before.letters, sizeof(word.letters)), 0);
  EXPECT_EQ(std::memcmp(word.vowels, before.vowels, sizeof(word.vowels)), 0);
}

TEST(FormSlots, EachSlotLiesInOneGroup) {
  for (int group = 0; group < TenseGroup::Count; ++group) {
    int first = GetGroupFirstSlot(group);
    for (int slot = first; slot < first + GetGroupSlotCount(group); ++slot)
      EXPECT_EQ(GetTenseGroup(slot), group) << slot;
  }
  EXPECT_EQ(GetTenseGroup(Infinitive), TenseGroup::Infinitive);
  EXPECT_EQ(GetTenseGroup(Past3p), TenseGroup::Past);
  EXPECT_EQ(GetTenseGroup(Future3mp), TenseGroup::Future);
  EXPECT_EQ(GetTenseGroup(Future3fs), TenseGroup::Future);
  EXPECT_EQ(GetTenseGroup(ParticipleFp), TenseGroup::Participle);
  EXPECT_EQ(GetTenseGroup(-1), -1);
  EXPECT_EQ(GetTenseGroup(FormSlot::Count), -1);
  EXPECT_EQ(GetGroupFirstSlot(TenseGroup::Count), -1);
  EXPECT_EQ(GetGroupSlotCount(-1), 0);
}

TEST(FormSlots, PronominalSuffixesAndVavInversiveSlots) {
  EXPECT_TRUE(TakesPronominalSuffix(Past1s, Binyan::Paal));
  EXPECT_TRUE(TakesPronominalSuffix(Future3fs, Binyan::Hifil));
  EXPECT_FALSE(TakesPronominalSuffix(PresentFp, Binyan::Paal));
  EXPECT_FALSE(TakesPronominalSuffix(ImperativeMs, Binyan::Paal));
  EXPECT_FALSE(TakesPronominalSuffix(Past3ms, Binyan::Pual));
  EXPECT_FALSE(TakesPronominalSuffix(Past3ms, Binyan::Hufal));
  // The short Paal forms stand in the present group, the Hifil ones in the
  // imperative group.
  const struct {
    int slot, paal, hifil;
  } cases[] = {
      {Future1s, PresentMs, ImperativeMs},
      {Future2ms, PresentFs, ImperativeFs},
      {Future3fs, PresentFs, ImperativeFs},
      {Future3ms, PresentMp, ImperativeMp},
      {Future1p, PresentFp, ImperativeFp},
      {Future2fs, 0, 0},
      {Past3ms, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VavInversiveSlot(c.slot, Binyan::Paal), c.paal) << c.slot;
    EXPECT_EQ(VavInversiveSlot(c.slot, Binyan::Hifil), c.hifil) << c.slot;
    EXPECT_EQ(VavInversiveSlot(c.slot, Binyan::Piel), 0);
    EXPECT_EQ(IsVavInversiveSlot(c.slot), c.paal != 0) << c.slot;
  }
  BinyanRootRec record;
  record.rootId = 170;
  EXPECT_TRUE(IsVavInversiveShortRoot(record, Binyan::Paal));
  EXPECT_FALSE(IsVavInversiveShortRoot(record, Binyan::Hifil));
  record.rootId = 90;
  EXPECT_TRUE(IsVavInversiveShortRoot(record, Binyan::Hifil));
  EXPECT_FALSE(IsVavInversiveShortRoot(record, Binyan::Nifal));
}

TEST(FormSlots, FormsTheDatabaseLeavesOut) {
  using namespace ClassIds;
  const WORD restricted = GrammarLayout::kBinyanRestricted | 1;
  struct Case {
    WORD word, id;
    int binyan, slot, mode, skip;
  } cases[] = {
      {1, kPualOnlyPast2mp, Binyan::Pual, Past2mp, 0, 0},
      {1, kPualOnlyPast2mp, Binyan::Pual, Past3ms, 0, 1},
      {1, kPualOnlyPast3ms3p, Binyan::Pual, Past3p, 0, 0},
      {1, kPualOnlyPast3ms3p, Binyan::Pual, Past1s, 0, 1},
      {1, kPaalOnlyPast3ms1p3p, Binyan::Paal, Past1p, 0, 0},
      {1, kPaalOnlyPast3ms1p3p, Binyan::Paal, Past1s, 0, 1},
      {restricted, 1, Binyan::Paal, ParticipleFs, 0, 1},
      {restricted, 1, Binyan::Paal, Past3ms, 0, 0},
      {restricted, 1, Binyan::Nifal, PresentMp, 0, 0},
      {restricted, 1, Binyan::Nifal, Past3ms, 0, 1},
      {restricted, 1, Binyan::Piel, Past3ms, 0, 0},
      {1, 1, Binyan::Paal, PresentMs, 1, 1},
      {1, 1, Binyan::Paal, Past3ms, 1, 0},
      {1, 1, Binyan::Paal, Past3ms, 2, 1},
      {1, 1, Binyan::Paal, Past3ms, 0, 0},
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
  GetBinyanName(Binyan::Paal, name);
  EXPECT_STREQ(name, "Paal (Kal)");
  GetBinyanName(Binyan::Hitpael, name);
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
