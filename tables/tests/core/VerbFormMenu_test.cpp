// The pop-up menu of a verb table cell and the suffix view's hand-over.
#include <gtest/gtest.h>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/VerbFormMenu.h"

namespace {

class VerbFormMenu : public lextest::GrammarSuite<VerbFormMenu> {
 public:
  // כתב with its suffixed forms in Paal, as the dictionary's verbs have them.
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar(
        "verbmenu", {{"verbs.txt", "verb כתב\n  paal katav suffixes\n  nifal nikhtav suffixes\n"}});
  }

 protected:
  VerbFormMenuFlags Flags(const char* root, int binyan, int slot, bool ktivKhaser) {
    VerbTableRequest request;
    request.entry = lextest::EntryOfRoot(root);
    request.binyan = binyan;
    request.ktivKhaser = ktivKhaser;
    BuildVerbFormSet(context, request, table);
    return GetVerbFormMenuFlags(request.entry, binyan, slot, table.cells[slot], kFirstSpelling,
                                ktivKhaser);
  }

  GrammarContext context;
  VerbFormSetTable table;
};

TEST_F(VerbFormMenu, StressMarksOnlyWithThePointedSpelling) {
  EXPECT_TRUE(Flags("כתב", Binyan::Paal, FormSlot::Past1s, false).hasStressMarks);
  EXPECT_FALSE(Flags("כתב", Binyan::Paal, FormSlot::Past1s, true).hasStressMarks);
  EXPECT_FALSE(Flags("כתב", Binyan::Paal, FormSlot::Past3fs, false).hasStressMarks);
}

TEST_F(VerbFormMenu, SuffixFormsByBinyanAndSlot) {
  EXPECT_TRUE(Flags("כתב", Binyan::Paal, FormSlot::Past3ms, false).hasSuffixForms);
  EXPECT_TRUE(Flags("כתב", Binyan::Paal, FormSlot::Infinitive, false).hasSuffixForms);
  // Nifal forms take no object.
  EXPECT_FALSE(Flags("כתב", Binyan::Nifal, FormSlot::Past3ms, false).hasSuffixForms);
}

TEST_F(VerbFormMenu, OnlyTheInfinitiveHasAnInfinitiveNoun) {
  EXPECT_TRUE(Flags("כתב", Binyan::Paal, FormSlot::Infinitive, false).hasInfinitiveNoun);
  EXPECT_FALSE(Flags("כתב", Binyan::Paal, FormSlot::Past3ms, false).hasInfinitiveNoun);
  VerbTableCell empty;
  VerbFormMenuFlags none = GetVerbFormMenuFlags(lextest::EntryOfRoot("כתב"), Binyan::Paal,
                                                FormSlot::Infinitive, empty, kFirstSpelling, false);
  EXPECT_FALSE(none.hasStressMarks || none.hasSuffixForms || none.hasInfinitiveNoun);
}

TEST_F(VerbFormMenu, HandOverTakesTheMasculinePluralAndTheWholeRoot) {
  EXPECT_EQ(HandOverSlot(FormSlot::Future2fp3fp), FormSlot::Future2mp);
  EXPECT_EQ(HandOverSlot(FormSlot::ImperativeFp), FormSlot::ImperativeMp);
  EXPECT_EQ(HandOverSlot(FormSlot::Past1s), FormSlot::Past1s);
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    BYTE root[GrammarLayout::kEntryRootRoom];
    int count = HandOverRoot(verb, root);
    EXPECT_GT(count, 0);
    EXPECT_EQ(root[count], 0);
    for (int i = 0; i < count; ++i) EXPECT_EQ(root[i], FinalToRegularLetter(root[i])) << verb;
  }
}

}  // namespace
