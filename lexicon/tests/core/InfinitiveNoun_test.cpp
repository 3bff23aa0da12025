// Infinitive nouns and the pronominal-suffix builder: which noun table
// declines a verb's infinitive, how the infinitive is prepared, and the
// declined forms, on noun tables of the test's own.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/InfinitiveNounForms.h"
#include "lexicon/core/NounPatternForm.h"
#include "lexicon/core/VerbSuffixForms.h"
#include "lexicon/generated/ClassIds.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

using namespace HebCode;

struct PatternCase {
  int binyan;
  int verbClass;
  BYTE root[5];
  WORD id;
};

// clang-format off
const PatternCase kPatterns[] = {
    {Binyan::Paal, 1, {Kaf, Tav, Bet, Bet}, 4010},        // a root of four letters
    {Binyan::Paal, 1, {Qof, Tsadi, Resh}, 4040},
    {Binyan::Paal, 1, {ShinShinDot, Mem, Resh}, 4010},
    {Binyan::Paal, 1, {Kaf, Tav, Bet}, 4020},             // begadkefat last root letter
    {Binyan::Paal, 1, {ShinShinDot, Kaf, Bet}, 4033},
    {Binyan::Paal, 1, {ShinSinDot, Kaf, Bet}, 4020},      // sin is not shin
    {Binyan::Paal, 1, {Alef, Samekh, FinalPe}, 4021},     // final and plain letters alike
    {Binyan::Paal, 1, {ShinShinDot, Alef, Lamed}, 4070},  // guttural second root letter
    {Binyan::Paal, 5, {Nun, Samekh, Ayin}, 4140},
    {Binyan::Paal, 5, {Nun, Samekh, Ayin, Ayin}, 4080},  // only a root of three letters
    {Binyan::Paal, 12, {Kaf, Tav, Bet}, 2},
    {Binyan::Paal, 12, {He, Yod, He}, 4160},
    {Binyan::Paal, 19, {Het, Nun, Nun}, 4260},
    {Binyan::Paal, 19, {Samekh, Bet, Bet}, 4240},
    {Binyan::Paal, 22, {Kaf, Tav, Bet}, 0},
    {Binyan::Paal, 38, {Kaf, Tav, Bet}, 0},
    {0x100 | Binyan::Paal, 2, {Kaf, Tav, Bet}, 4050},     // only the low byte counts
    {Binyan::Nifal, 1, {Qof, Resh, Alef}, 5020},
    {Binyan::Nifal, 14, {Kaf, Tav, Bet}, 0},
    {Binyan::Piel, 1, {Pe, Resh, ShinSinDot}, 5011},
    {Binyan::Piel, 3, {ShinShinDot, Lamed, Het}, 5021},
    {Binyan::Pual, 1, {Kaf, Tav, Bet}, 0},
    {Binyan::Hitpael, 5, {Kaf, Tav, Bet}, 5030},
    {Binyan::Hifil, 20, {Kaf, Tav, Bet}, 0},
    {Binyan::Hufal, 1, {Kaf, Tav, Bet}, 0},
};
// clang-format on

TEST(InfinitiveNoun, TheBinyanClassAndRootChooseTheNounTable) {
  for (const PatternCase& c : kPatterns)
    EXPECT_EQ(GetInfinitiveNounPattern(c.binyan, c.verbClass, c.root), c.id)
        << "binyan " << c.binyan << " class " << c.verbClass;
}

TEST(InfinitiveNoun, EveryTableChosenIsAnInfinitiveNounTable) {
  const BYTE roots[][4] = {{Kaf, Tav, Bet}, {Het, Nun, Nun}, {Qof, Resh, Alef}, {Alef}};
  for (int binyan = 0; binyan < Binyan::kCount; ++binyan)
    for (int verbClass = -2; verbClass < 45; ++verbClass)
      for (const auto& root : roots) {
        WORD id = GetInfinitiveNounPattern(binyan, verbClass, root);
        if (id) {
          EXPECT_TRUE(ClassIds::Contains(ClassIds::kNounInfinitiveNoun, id)) << id;
        }
      }
}

struct BaseCase {
  int binyan;
  int verbClass;
  int cell;
  BYTE root[4];
  const char* infinitive;  // without its lamed
  const char* base;
};

const BaseCase kBases[] = {
    // The first letter takes its dagesh, the second loses it; a last final
    // letter is made regular except in the construct.
    {Binyan::Paal, 1, 3, {Kaf, Tav, Bet}, "כְתֹּב", "כְּתֹב"},
    {Binyan::Paal, 1, 3, {Alef, Samekh, Pe}, "אֱסֹף", "אֱסֹפ"},
    {Binyan::Paal, 1, 1, {Alef, Samekh, Pe}, "אֱסֹף", "אֱסֹף"},
    {Binyan::Hifil, 14, 3, {Samekh, Bet, Bet}, "הָסֵב", "הֲסִבּ"},
    {Binyan::Hifil, 14, 1, {Samekh, Bet, Bet}, "הָסֵב", "הָסֵב"},
    {Binyan::Nifal, 9, 3, {Kaf, Tav, Bet}, "הִכָּתֵב", "הִכַּתֵּב"},
};

TEST(InfinitiveNoun, TheInfinitiveIsPreparedForTheNounPatterns) {
  for (const BaseCase& c : kBases) {
    FormPlanes word = lextest::PlanesOf(c.infinitive);
    PrepareInfinitiveNounBase(word.letters, word.vowels, c.binyan, c.verbClass, c.cell, c.root);
    HebWordRec record = {};
    word.ToRecord(record);
    EXPECT_EQ(WordToUtf8(record), lextest::Canonical(c.base)) << c.infinitive;
  }
}

// The zero-terminated word that the builder left in the planes.
std::string BuiltWord(const FormPlanes& planes) {
  HebWordRec record = {};
  std::memcpy(record.letters, planes.letters, kWordPlaneSize - 1);
  std::memcpy(record.vowels, planes.vowels, kWordPlaneSize - 1);
  ClearVowelPlaceholders(record.vowels, kWordPlaneSize - 1);
  return WordToUtf8(record);
}

struct ConstructCase {
  int binyan;
  int verbClass;
  BYTE root[4];
  const char* infinitive;  // without its lamed
  const char* construct;
};

// In the construct the prepared infinitive is the form, without the noun
// tables (none are given here).
const ConstructCase kConstructs[] = {
    {Binyan::Nifal, 1, {Kaf, Tav, Bet}, "הִכָּתֵב", "הִכָּתֵב"},
    {Binyan::Paal, 1, {Kaf, Tav, Bet}, "כְתֹּב", "כְּתֹב"},
    {Binyan::Piel, 17, {Bet, Resh, Kaf}, "בָּרֵךְ", "פָרֵךְ"},  // written with pe
};

TEST(InfinitiveNoun, TheConstructIsThePreparedInfinitive) {
  for (const ConstructCase& c : kConstructs) {
    FormPlanes word = lextest::PlanesOf(c.infinitive);
    PronominalSuffixRequest request;
    request.cell = 1;
    request.kind = SuffixKind::InfinitiveNoun;
    request.binyan = c.binyan;
    request.verbClass = c.verbClass;
    request.rootLetters = c.root;
    BuildPronominalSuffixForm(request, word.letters, word.vowels);
    EXPECT_EQ(BuiltWord(word), lextest::Canonical(c.construct)) << c.infinitive;
  }
}

// The model verbs with noun tables of their own: the Paal infinitive noun
// of roots like כתב, and a table that keeps the word for the gender and
// number classes.
const char kNounPatterns[] =
    "nounpattern same 1\n"
    "nounpattern qotl 3:KAM_K 2:SHV 1\n";
const char kNounTables[] =
    "nountable plain 100 regular\n"
    "  persons same cells=3-12 suffixes=0\n"
    "nountable infinitive-ktov 4020 infinitive-noun\n"
    "  persons qotl cells=3-12 suffixes=0\n";

class InfinitiveNounForms : public lextest::GrammarSuite<InfinitiveNounForms> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("infinitive-nouns", {{"noun-patterns.txt", kNounPatterns},
                                                              {"noun-tables.txt", kNounTables},
                                                              {"words.txt", ""},
                                                              {"adjectives.txt", ""}});
  }

 protected:
  GrammarContext context;
};

TEST_F(InfinitiveNounForms, ThePaalInfinitiveNounTakesThePersonSuffixes) {
  const BYTE* entry = lextest::EntryOfRoot("כתב");
  ASSERT_NE(entry, nullptr);
  const char* expected[] = {"כְּתֹב",   "",          "כָּתְבִי",   "כָּתְבְךָ,כָּתְבֶךָ",
                            "כָּתְבֵךְ", "כָּתְבוֹ",   "כָּתְבָהּ",  "כָּתְבֵנוּ",
                            "כָּתְבְכֶם", "כָּתְבְכֶן", "כָּתְבָם", "כָּתְבָן"};
  for (int cell = 1; cell <= 12; ++cell) {
    if (cell == 2) continue;
    std::string form = WordToUtf8(GenerateInfinitiveNounForm(context, entry, Binyan::Paal, cell));
    std::string want;
    std::string list = expected[cell - 1];
    for (size_t start = 0; start <= list.size();) {
      size_t comma = list.find(',', start);
      if (comma == std::string::npos) comma = list.size();
      want += (want.empty() ? "" : ",") + lextest::Canonical(list.substr(start, comma - start));
      start = comma + 1;
    }
    EXPECT_EQ(form, want) << "cell " << cell;
  }
}

TEST_F(InfinitiveNounForms, AVerbWithoutItsNounTableHasNoInfinitiveNoun) {
  const BYTE* entry = lextest::EntryOfRoot("למד");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(WordToUtf8(GenerateInfinitiveNounForm(context, entry, Binyan::Piel, 3)), "");
  EXPECT_EQ(WordToUtf8(GenerateInfinitiveNounForm(context, entry, Binyan::Pual, 3)), "");
}

// A noun's base loses its plural ending (two letters, or one) or, in class
// 4, its last letter unless the table keeps it.
struct ClassCase {
  WORD id;
  int genderNumberClass;
  const char* base;
  const char* my;
};

const ClassCase kClasses[] = {
    {100, 5, "סוּסִים", "סוּסִי"},
    {100, 1, "סוּס", "סוּסִי"},
    {100, 4, "מַלְכָּה", "מַלְכִּי"},
    {92, 4, "מַלְכָּה", "מַלְכָּהִי"},
};

TEST_F(InfinitiveNounForms, TheNounBaseLosesItsEndingByItsClass) {
  const NounTableRun table = GetNounTableRun(context, 100);
  ASSERT_GT(table.count, 0u);
  for (const ClassCase& c : kClasses) {
    FormPlanes base = lextest::PlanesOf(c.base);
    PronominalSuffixRequest request;
    request.nounTableId = c.id;
    request.records = table.records;
    request.recordCount = table.count;
    request.cell = 3;
    request.genderNumberClass = c.genderNumberClass;
    BuildPronominalSuffixForm(request, base.letters, base.vowels);
    EXPECT_EQ(BuiltWord(base), lextest::Canonical(c.my)) << c.base << " class " << c.genderNumberClass;
  }
}

}  // namespace
