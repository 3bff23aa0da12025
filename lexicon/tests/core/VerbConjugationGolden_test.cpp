// Golden conjugation tables: every form of one model verb of each class,
// pointed as standard grammar writes it, with the vav-inversive and plene
// forms and the stress of forms whose stress is not on the last syllable.
#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/tests/core/GoldenConjugations.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace verb_conjugation_golden_test {

using lextest::FormCase;
using lextest::GoldenTable;
using lextest::kGoldenTables;
using lextest::kPlene;
using lextest::kVavInversive;

class ModelVerbs : public lextest::GrammarSuite<ModelVerbs> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("golden");
  }

 protected:
  const BYTE* Entry(const char* root) {
    const BYTE* entry = lextest::EntryOfRoot(root);
    EXPECT_NE(entry, nullptr) << root;
    return entry;
  }
  HebWordRec Form(const char* root, int binyan, int slot) {
    const BYTE* entry = Entry(root);
    return entry ? GenerateVerbForm(context, entry, binyan, slot) : HebWordRec{};
  }

  GrammarContext context;
};

TEST_F(ModelVerbs, EveryClassConjugatesAsTheGrammarWritesIt) {
  for (const GoldenTable& table : kGoldenTables) {
    SCOPED_TRACE(testing::Message() << table.root << " binyan " << table.binyan);
    const BYTE* entry = Entry(table.root);
    if (!entry) continue;
    EXPECT_EQ(lextest::FormsOf(context, entry, table.binyan), lextest::CanonicalWords(table.forms));
  }
}

TEST_F(ModelVerbs, FutureThirdFeminineIsTheSecondMasculine) {
  for (const GoldenTable& table : kGoldenTables) {
    HebWordRec second = Form(table.root, table.binyan, 15);
    HebWordRec third = Form(table.root, table.binyan, 30);
    EXPECT_EQ(WordToUtf8(third), WordToUtf8(second)) << table.root;
    EXPECT_EQ(third.formSlot, 15);
  }
}

TEST_F(ModelVerbs, VavInversiveForms) {
  for (const FormCase& c : kVavInversive) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    const BYTE* entry = Entry(c.root);
    if (!entry) continue;
    HebWordRec form = GenerateVerbForm(context, entry, c.binyan, c.slot);
    EXPECT_EQ(WordToUtf8(VavInversiveVerbForm(context, entry, form)),
              lextest::Canonical(c.expected));
  }
}

TEST_F(ModelVerbs, VavInversiveNeedsAPastOrFutureFormOfAnActiveBinyan) {
  const BYTE* entry = Entry("זמן");
  ASSERT_NE(entry, nullptr);
  for (int slot : {0, 1, 22, 26}) {
    HebWordRec form = GenerateVerbForm(context, entry, 5, slot);
    EXPECT_EQ(VavInversiveVerbForm(context, entry, form).letters[0], 0) << slot;
  }
  HebWordRec hufal = GenerateVerbForm(context, entry, 6, 8);
  EXPECT_EQ(VavInversiveVerbForm(context, entry, hufal).letters[0], 0);
}

TEST_F(ModelVerbs, PleneForms) {
  for (const FormCase& c : kPlene) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    const BYTE* entry = Entry(c.root);
    if (!entry) continue;
    HebWordRec form = GenerateVerbForm(context, entry, c.binyan, c.slot);
    EXPECT_EQ(WordToUtf8(PleneVerbForm(entry, form, 0)), lextest::Canonical(c.expected));
  }
}

struct StressCase {
  const char* root;
  int binyan;
  int slot;
  int stressedLetter;  // -1: the last syllable, unmarked
};

const StressCase kStress[] = {
    {"כתב", 0, 5, 1},  {"כתב", 0, 10, 1}, {"כתב", 0, 9, -1}, {"כתב", 0, 16, -1}, {"קום", 0, 9, 0},
    {"קום", 0, 2, -1}, {"קום", 0, 16, 1}, {"סבב", 0, 9, 0},  {"זמן", 5, 13, 2},  {"זמן", 5, 9, 2},
    {"פנה", 5, 9, -1}, {"שׁמע", 0, 1, 1},  {"בנה", 0, 9, -1}, {"קום", 6, 2, 1},   {"שׁמע", 0, 7, 1},
    {"קום", 5, 9, 1},  {"מול", 1, 9, 1},  {"נזק", 1, 13, 1}, {"נטע", 1, 2, 1},   {"פרר", 6, 9, 1},
    {"תמה", 0, 1, 1},  {"נגה", 5, 1, 1},
};

TEST_F(ModelVerbs, StressBeforeTheLastSyllableIsMarked) {
  for (const StressCase& c : kStress) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    HebWordRec form = Form(c.root, c.binyan, c.slot);
    ASSERT_NE(form.letters[0], 0);
    int stressed = -1;
    for (int i = 0; form.letters[i]; ++i)
      if (IsStressedVowel(form.vowels[i])) stressed = i;
    EXPECT_EQ(stressed, c.stressedLetter);
  }
}

}  // namespace verb_conjugation_golden_test
