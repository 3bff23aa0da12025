// The compiler on small source folders: what it makes of each construct, and
// that every mistake and every exceeded limit is reported with its place.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "lexicon/core/GrammarLayout.h"
#include "tools/grammarc/GrammarCompiler.h"

namespace {

typedef std::map<std::string, std::string> Sources;

const Sources kMinimal = {
    {"registry.txt", "range paal set-b 460-517 \"two-letter stems\"\n"},
    {"verb-patterns.txt",
     "pattern paal infinitive 1 a\n  [0] ל:HIR 1:SHV 2~:HOL_D 3\n"
     "pattern paal past 2 b\n"
     "  [5] 1 2 3\n  [6] 1 2 3\n  [7] 1 2 3\n  [8] 1~:KAM 2:PAT 3\n  [9] -\n"
     "  [10] 1 2 3\n  [11] 1 2 3\n  [12] 1 2 3\n  [13] 1 2 3\n"},
    {"verb-classes.txt", "class paal a 1 regular\n  patterns infinitive=a past=b\n"},
    {"verbs.txt",
     "verb כתב\n  paal a suffixes meaning \"to &write\" preps AL,EL further 2 first 0,6\n"},
    {"noun-patterns.txt", "nounpattern same 1\nnounpattern im 1:HIR י ם\n"},
    {"noun-tables.txt",
     "nountable t 100 regular\n  plural im\n  persons same cells=3-5 suffixes=2\n"},
    {"adjectives.txt",
     "suffixform\nsuffixform 3:SHV 2:KAM 1:KAM ה\nadjclass q 20 regular group=1 indexes=1,2\n"},
    {"words.txt", "noun סוּס inflect=t class=1 definition \"&horse\"\nadj חָדָשׁ inflect=q+compound\n"},
};

class Compiler : public ::testing::Test {
 protected:
  Compiler()
      : m_folder(std::filesystem::temp_directory_path() /
                 ("zulta-grammarc-" + std::to_string(std::random_device()()))) {}
  ~Compiler() override {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }

  GrammarModel Compile(const Sources& changes) {
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
    Sources sources = kMinimal;
    for (const auto& change : changes) sources[change.first] = change.second;
    for (const auto& source : sources) std::ofstream(m_folder / source.first) << source.second;
    return ReadGrammarSources(m_folder.string());
  }

  // The message of the error the sources give, or "" when they compile.
  std::string ErrorOf(const Sources& changes) {
    try {
      WriteGrammarFiles(Compile(changes));
    } catch (const SourceError& error) {
      return error.what();
    }
    return "";
  }

 private:
  std::filesystem::path m_folder;
};

TEST_F(Compiler, TheMinimalSourcesCompile) { EXPECT_EQ(ErrorOf({}), ""); }

TEST_F(Compiler, AClassHasTheNameTheRegistryGivesItsId) {
  EXPECT_EQ(ErrorOf({{"registry.txt",
                      "range paal set-b 460-517\nrange piel set-b 190-209\n"
                      "id paal 1 a \"the class a\"\nid piel 1 other\n"}}),
            "");
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

TEST_F(Compiler, MistakesAreReportedWithTheirPlace) {
  struct Case {
    const char* file;
    std::string text;
    std::string message;
  } cases[] = {
      {"verb-classes.txt", "class paal a 470 regular\n  patterns infinitive=a\n",
       "data/verb-classes.txt:1: id 470 of a regular paal class lies in the \"set-b\" range "
       "460-517"},
      {"verb-classes.txt", "class paal a 1 set-b\n",
       "data/verb-classes.txt:1: id 1 lies outside the \"set-b\" ranges of paal"},
      {"verb-classes.txt", "class paal a 1 hollow\n",
       "data/verb-classes.txt:1: the registry has no kind \"hollow\" for paal"},
      {"verb-classes.txt", "class paal a 8192 regular\n",
       "data/verb-classes.txt:1: 8192 is outside 1-8191"},
      {"verb-classes.txt", "class paal a 1 regular\n  patterns past=7\n",
       "data/verb-classes.txt:2: no past pattern 7 for paal"},
      {"verb-classes.txt", "class paal a 1 regular\n" + Repeat("  alternative 5\n", 5),
       "data/verb-classes.txt:6: a class has at most four alternatives"},
      {"verb-classes.txt", "class paal a 1 regular\nclass paal b 1 regular\n",
       "data/verb-classes.txt:2: class id 1 is given twice in paal"},
      {"verb-patterns.txt", "pattern paal past 1 a\n  [5] 1 2 3\n",
       "data/verb-patterns.txt:1: a past pattern has 9 slot lines"},
      {"verb-patterns.txt", "pattern paal infinitive 1 a\n  [1] 1 2 3\n",
       "data/verb-patterns.txt:2: expected the slot line [0]"},
      {"verb-patterns.txt", "pattern paal infinitive 1 a\n  [0] 1:KAMATS\n",
       "data/verb-patterns.txt:2: \"KAMATS\" is not a vowel keyword"},
      {"verb-patterns.txt", "pattern paal infinitive 1 a\n  [0] 6:KAM\n",
       "data/verb-patterns.txt:2: \"6\" is not a letter reference of this table"},
      {"verb-patterns.txt", "pattern paal infinitive 1 a\n  [0] 1 2 3 1 2 3 1 2 3 1\n",
       "data/verb-patterns.txt:2: a template holds at most 9 positions"},
      {"verb-patterns.txt", "pattern paal infinitive 1 a\n  [0] שׁוּ\n",
       "data/verb-patterns.txt:2: \"שׁוּ\" is not one letter"},
      {"verb-patterns.txt", "pattern pial infinitive 1 a\n",
       "data/verb-patterns.txt:1: \"pial\" is not a binyan (paal .. hufal, short)"},
      {"verbs.txt", "verb כתב\n  paal b\n", "data/verbs.txt:2: no paal class b"},
      {"verbs.txt", "verb כָּתַב\n  paal a\n", "data/verbs.txt:1: a root is written without points"},
      {"verbs.txt", "verb אבגדהו\n  paal a\n", "data/verbs.txt:1: a root has at most five letters"},
      {"verbs.txt", "verb כתב\n  paal a meaning \"" + Repeat("&a ", 32) + "\"\n",
       "data/verbs.txt:2: a meaning marks at most 31 keywords with '&'"},
      {"verbs.txt", "verb כתב\n  paal a preps ON\n",
       "data/verbs.txt:2: \"ON\" is not a simple preposition name"},
      {"verbs.txt", "verb כתב\n  paal a further 3\n", "data/verbs.txt:2: 3 is outside 0-2"},
      {"verbs.txt", "verb כתב\n  paal a meaning \"open\n",
       "data/verbs.txt:2: a quoted text has no closing quote"},
      {"verbs.txt", "verb כתב\n", "data/verbs.txt:1: a verb needs at least one binyan"},
      {"verbs.txt", "  paal a\n", "data/verbs.txt:1: an indented line belongs under a header line"},
      {"words.txt", "noun horse\n", "data/words.txt:1: \"horse\" holds a character outside Hebrew"},
      {"words.txt", "noun " + Repeat("א", 70) + "\n",
       "data/words.txt:1: a word has at most 69 letters"},
      {"words.txt", "noun סוּס inflect=x\n", "data/words.txt:1: no noun table x"},
      {"words.txt", "noun סוּס categories=1,2,3,4,5,6\n",
       "data/words.txt:1: at most five categories"},
      {"adjectives.txt", "suffixform\nadjclass q 20 regular group=1 indexes=1-2\n",
       "data/adjectives.txt:2: index 2 needs suffix form 1, which is not given"},
      {"adjectives.txt", "adjclass q 1001 regular group=1\n",
       "data/adjectives.txt:1: 1001 is outside 1-1000"},
      {"noun-tables.txt", "nountable t 10000 regular\n",
       "data/noun-tables.txt:1: 10000 is outside 1-9999"},
      {"noun-tables.txt", "nountable t 100 regular\n  plural missing\n",
       "data/noun-tables.txt:2: no noun pattern missing"},
      {"noun-tables.txt", "nountable t 100 regular\n  alternative singular-stem=13\n",
       "data/noun-tables.txt:2: cell 13 has no alternative bit on the singular-stem"},
      {"noun-patterns.txt", "nounpattern a 1 2 3 4 5 6 1 2\n",
       "data/noun-patterns.txt:1: a template holds at most 7 positions"},
      {"registry.txt", "range paal set-b 517-460\n",
       "data/registry.txt:1: the range 517-460 runs backwards"},
      {"registry.txt", "range paal set-b 460-517\nid paal 1 drop-first\n",
       "data/verb-classes.txt:1: the registry names paal id 1 drop-first (data/registry.txt:2); a "
       "class with that id has that name"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ErrorOf({{c.file, c.text}}), c.message) << c.file << ": " << c.text;
}

TEST_F(Compiler, LimitsOfTheRecordFieldsAreEnforced) {
  EXPECT_EQ(ErrorOf({{"words.txt", Repeat("prep עַל\n", 256)}}),
            "at most 255 prepositions (8 bits in the word records)");
  EXPECT_EQ(ErrorOf({{"words.txt", Repeat("prep עַל\n", 255)}}), "");
  EXPECT_EQ(ErrorOf({{"verbs.txt", Repeat("verb כתב\n  paal a\n", 4097)}}),
            "the verb index holds at most 4096 verbs (12 bits in the word records)");
}

TEST_F(Compiler, AlternativeLinesSetTheBitsOfTheRecordBefore) {
  GrammarModel model = Compile({{"verb-classes.txt",
                                 "class paal a 1 regular\n  patterns infinitive=a\n"
                                 "  alternative 0,5,13,14,22,26,29\n  patterns past=b\n"}});
  ASSERT_EQ(model.roots[0].size(), 2u);
  const RootRecord& main = model.roots[0][0];
  EXPECT_EQ(main.alternativeBits, (1u << 0) | (1u << 16) | (1u << 24) | (1u << 8) | (1u << 4));
  EXPECT_EQ(main.participleAlternativeBits, (1u << 0) | (1u << 3));
  EXPECT_EQ(model.roots[0][1].id, 1);
  EXPECT_EQ(model.roots[0][1].patterns[1], 2);
  EXPECT_EQ(model.roots[0][1].alternativeBits, 0u);
}

TEST_F(Compiler, PatternNumbersKeepTheirPlaces) {
  GrammarModel model = Compile({});
  // Past pattern 2 only: entry 1 is left without forms.
  const auto& past = model.verbPatterns[0][1];
  ASSERT_EQ(past.size(), 18u);
  EXPECT_EQ(past[0], std::string(20, '\0'));
  EXPECT_EQ(past[9 + 3].substr(0, 3), "\x15\x02\x03") << "slot 8 of entry 2: 1~ 2 3";
  EXPECT_EQ(past[9 + 4], std::string(20, '\0')) << "a slot written \"-\"";
  EXPECT_EQ(past[9][10], 1) << "a letter without a vowel keyword has NV";
}

TEST_F(Compiler, VerbsCarryTheirBinyanWordsAndPrepositions) {
  GrammarModel model = Compile({});
  ASSERT_EQ(model.verbs.size(), 1u);
  const VerbRecord& verb = model.verbs[0];
  EXPECT_EQ(verb.binyanWords[0], 1 | GrammarLayout::kBinyanHasSuffixes);
  EXPECT_EQ(verb.simplePrepositions[0], (1u << 4) | (1u << 6));
  EXPECT_EQ(verb.furtherPrepositions[0], 4);
  EXPECT_EQ(verb.firstParts[0], 1 | 64);
  EXPECT_EQ(verb.meanings[0], "to &write");
}

TEST_F(Compiler, NounTablesAndWordsTakeTheirFields) {
  GrammarModel model =
      Compile({{"noun-tables.txt",
                "nountable t 100 regular\n  plural im\n  persons same cells=3-5 suffixes=2\n"
                "  alternative singular-stem=1,3 plural-stem=13,14,12\n  plural im\n"}});
  ASSERT_EQ(model.nounTables.size(), 2u);
  const WORD* w = model.nounTables[0].words;
  EXPECT_EQ(w[0], 100);
  EXPECT_EQ(w[3], 2) << "plural: pattern 2";
  EXPECT_EQ(w[6], 1) << "persons: pattern 1";
  EXPECT_EQ(w[8], (2 << 12) | (1 << 9) | (1 << 8) | (1 << 7));
  EXPECT_EQ(w[14], (1 << 11) | (1 << 9));
  EXPECT_EQ(w[15], (1 << 10) | (1 << 11) | (1 << 0));
  EXPECT_EQ(model.nounTables[1].words[0], 100);
  EXPECT_EQ(model.entries[2][0].tableId, 1020) << "a compound adjective";
  EXPECT_EQ(model.entries[0][0].classAndFlag, 1);
}

TEST_F(Compiler, AQuotedWordIsAPhrase) {
  GrammarModel model =
      Compile({{"words.txt", "vocab \"מַזָּל טוֹב\" definition \"&congratulations\"\n"}});
  ASSERT_EQ(model.entries[3].size(), 1u);
  EXPECT_EQ(model.entries[3][0].word.letters.size(), 6u) << "the holam male is a vowel";
  EXPECT_EQ(model.entries[3][0].word.letters[3], ' ');
}

}  // namespace
