// Finding the verb a typed root names in the verb index.
#include <gtest/gtest.h>

#include <string>

#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/VerbRootSearch.h"

namespace {

class VerbRootSearch : public lextest::GrammarSuite<VerbRootSearch> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("rootsearch");
  }

 protected:
  static int Find(const std::string& utf8) {
    PointedWord word = ConvertHebrewWord(SourceLine{}, utf8);
    return FindNearestVerb(reinterpret_cast<const BYTE*>(word.letters.data()),
                           reinterpret_cast<const BYTE*>(word.vowels.data()),
                           static_cast<int>(word.letters.size()));
  }
  static int IndexOf(const char* root) {
    return static_cast<int>((lextest::EntryOfRoot(root) - GetVerbIndexEntry(0)) /
                            GrammarLayout::kVerbIndexEntrySize);
  }
};

TEST_F(VerbRootSearch, EveryRootFindsItsOwnEntry) {
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    const BYTE* root = GetEntryRoot(GetVerbIndexEntry(verb));
    int length = static_cast<int>(std::strlen(reinterpret_cast<const char*>(root)));
    const BYTE noVowels[GrammarLayout::kEntryRootRoom] = {};
    EXPECT_EQ(FindNearestVerb(root, noVowels, length), verb);
  }
}

TEST_F(VerbRootSearch, FirstLettersFindTheNearestEntry) {
  EXPECT_EQ(Find("כת"), IndexOf("כתב"));
  EXPECT_EQ(Find("א"), 0);
  EXPECT_EQ(FindNearestVerb(""), 0);
  // Past the last root: the last entry.
  EXPECT_EQ(Find("תתתתת"), GetVerbCount() - 1);
}

TEST_F(VerbRootSearch, TheEditsTextIsSplitIntoLettersAndPoints) {
  PointedWord word = ConvertHebrewWord(SourceLine{}, "כתב");
  EXPECT_EQ(FindNearestVerb(word.letters.c_str()), IndexOf("כתב"));
}

}  // namespace
