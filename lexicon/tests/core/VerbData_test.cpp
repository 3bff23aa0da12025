// Properties of the verb index compiled from data/: enough verbs, every
// binyan and every verb class in use, a keyword in every sense of every
// definition, and each root once.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>

#include "lexicon/core/GrammarLayout.h"
#include "lexicon/tests/core/CompiledGrammar.h"

namespace verb_data_test {

using namespace GrammarLayout;

const GrammarModel& DataModel() {
  static const GrammarModel model = lextest::CompileDataModel();
  return model;
}

WORD ClassId(const VerbRecord& verb, int block) {
  return verb.binyanWords[block] & kBinyanClassMask;
}

// The look-up word an '&' marks: the characters up to the next blank, of
// which letters, digits and '-' are kept.
std::string KeywordAfter(const std::string& text, size_t ampersand) {
  std::string keyword;
  for (size_t i = ampersand + 1;
       i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])); ++i)
    if (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '-') keyword += text[i];
  return keyword;
}

TEST(VerbData, HoldsAtLeastFiveHundredVerbs) { EXPECT_GE(DataModel().verbs.size(), 500u); }

TEST(VerbData, EachRootOnce) {
  std::set<std::string> roots;
  for (const VerbRecord& verb : DataModel().verbs)
    EXPECT_TRUE(roots.insert(verb.root).second)
        << "root given twice, letter codes of size " << verb.root.size();
}

TEST(VerbData, EverySenseOfEveryDefinitionHasAKeyword) {
  for (const VerbRecord& verb : DataModel().verbs) {
    for (int b = 0; b < kBinyanim; ++b) {
      if (!ClassId(verb, b)) {
        EXPECT_FALSE(verb.hasMeaning[b]) << "a meaning for a binyan without forms";
        continue;
      }
      ASSERT_TRUE(verb.hasMeaning[b]) << "binyan " << b << " has no meaning";
      std::istringstream senses(verb.meanings[b]);
      std::string sense;
      while (std::getline(senses, sense, ';')) {
        size_t ampersand = sense.find('&');
        ASSERT_NE(ampersand, std::string::npos) << "no keyword in \"" << sense << "\"";
        EXPECT_FALSE(KeywordAfter(sense, ampersand).empty())
            << "empty keyword in \"" << sense << "\"";
      }
    }
  }
}

// Per verb block (the seven binyanim and the short future forms): every
// class that verb-classes.txt gives is named by at least one verb, and
// every verb names a class that exists.
class VerbDataBlock : public ::testing::TestWithParam<int> {};

TEST_P(VerbDataBlock, EveryClassIsUsedAndEveryUsedClassExists) {
  const int block = GetParam();
  std::set<WORD> classes, used;
  for (const RootRecord& record : DataModel().roots[block]) classes.insert(record.id);
  for (const VerbRecord& verb : DataModel().verbs)
    if (ClassId(verb, block)) used.insert(ClassId(verb, block));
  EXPECT_FALSE(used.empty()) << "no verb in block " << block;
  for (WORD id : classes)
    EXPECT_TRUE(used.count(id)) << "class " << id << " of block " << block << " is unused";
  for (WORD id : used)
    EXPECT_TRUE(classes.count(id)) << "class " << id << " of block " << block << " is missing";
}

INSTANTIATE_TEST_SUITE_P(Blocks, VerbDataBlock, ::testing::Range(0, kVerbBlocks));

}  // namespace verb_data_test
