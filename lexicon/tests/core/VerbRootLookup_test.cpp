// Verbs found by their roots as a user types them.
#include <gtest/gtest.h>

#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/VerbRootLookup.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

class VerbRootLookup : public lextest::GrammarSuite<VerbRootLookup> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("lookup");
  }

 protected:
  // The roots of the verbs the typed text finds, as the index writes them.
  static std::vector<const BYTE*> Found(const std::string& typed) {
    std::vector<const BYTE*> entries;
    for (int verb : FindVerbsByTypedRoot(typed)) entries.push_back(GetVerbIndexEntry(verb));
    return entries;
  }
};

TEST_F(VerbRootLookup, PointsDageshAndSurroundingBlanksAreIgnored) {
  struct Case {
    const char* typed;
    const char* root;
  } cases[] = {
      {"כתב", "כתב"}, {"כָּתַב", "כתב"}, {" כתב ", "כתב"}, {"\tכָּתַב\n", "כתב"}, {"בָּנָה", "בנה"},
      {"יָשַׁב", "ישׁב"}, {"שמע", "שׁמע"}, {"עשה", "עשׂה"},   {"עָשָׂה", "עשׂה"},     {"שִׂים", "שׂים"},
  };
  for (const Case& c : cases) {
    const BYTE* expected = lextest::EntryOfRoot(c.root);
    ASSERT_NE(expected, nullptr) << c.root;
    EXPECT_EQ(Found(c.typed), std::vector<const BYTE*>{expected}) << c.typed;
  }
}

TEST_F(VerbRootLookup, ADottedShinMatchesOnlyItself) {
  EXPECT_TRUE(Found("שׂמע").empty());
  EXPECT_TRUE(Found("עשׁה").empty());
}

TEST_F(VerbRootLookup, TextThatNamesNoRootFindsNothing) {
  for (const char* typed : {"", "   ", "כת", "כתבו", "katav"})
    EXPECT_TRUE(Found(typed).empty()) << typed;
}

}  // namespace
