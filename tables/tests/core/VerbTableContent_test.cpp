// The verb table built from the model verbs' grammar: the regular set of
// each model verb equals its golden conjugation table, the vav-inversive and
// Ktiv-Khaser sets the golden forms of those spellings.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GoldenConjugations.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/VerbTableContent.h"

namespace {

class VerbTableContent : public lextest::GrammarSuite<VerbTableContent> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("verbtable");
  }

 protected:
  const VerbFormSetTable& Build(const char* root, int binyan, int formSet, bool ktivKhaser) {
    VerbTableRequest request;
    request.entry = lextest::EntryOfRoot(root);
    EXPECT_NE(request.entry, nullptr) << root;
    request.binyan = binyan;
    request.formSet = formSet;
    request.ktivKhaser = ktivKhaser;
    BuildVerbFormSet(context, request, table);
    return table;
  }

  GrammarContext context;
  VerbFormSetTable table;
};

std::string SpellingUtf8(const HebWordRec& word, LONG offset) {
  HebWordRec part = {};
  std::strcpy(reinterpret_cast<char*>(part.letters),
              reinterpret_cast<const char*>(word.letters + offset));
  std::memcpy(part.vowels, word.vowels + offset, kWordPlaneSize - offset);
  return WordToUtf8(part);
}

// The cell's spellings joined by ',' as the golden tables write them.
std::string CellUtf8(const VerbTableCell& cell, bool source = false) {
  const HebWordRec& word = source ? cell.source : cell.shown;
  std::string text = SpellingUtf8(word, 0);
  for (int k = 0; k < cell.alternates; ++k)
    text += "," + SpellingUtf8(word, SpellingOffset(cell, k, source));
  return text;
}

TEST_F(VerbTableContent, RegularSetOfEveryModelVerbIsItsGoldenTable) {
  for (const lextest::GoldenTable& golden : lextest::kGoldenTables) {
    SCOPED_TRACE(testing::Message() << golden.root << " binyan " << golden.binyan);
    const VerbFormSetTable& built = Build(golden.root, golden.binyan, VerbFormSet::Regular, false);
    std::vector<std::string> forms;
    for (int slot = 0; slot < FormSlot::Future3fs; ++slot)
      if (built.cells[slot].filled) forms.push_back(CellUtf8(built.cells[slot]));
    EXPECT_EQ(forms, lextest::CanonicalWords(golden.forms));
    EXPECT_EQ(CellUtf8(built.cells[FormSlot::Future3fs]),
              CellUtf8(built.cells[FormSlot::Future2ms]));
  }
}

TEST_F(VerbTableContent, VavInversiveSetHoldsTheGoldenForms) {
  for (const lextest::FormCase& c : lextest::kVavInversive) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    const VerbFormSetTable& built = Build(c.root, c.binyan, VerbFormSet::VavInversive, false);
    EXPECT_EQ(CellUtf8(built.cells[c.slot]), lextest::Canonical(c.expected));
  }
}

TEST_F(VerbTableContent, KtivKhaserShowsThePleneFormAndKeepsThePointedSource) {
  for (const lextest::FormCase& c : lextest::kPlene) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    const VerbTableCell& cell = Build(c.root, c.binyan, VerbFormSet::Regular, true).cells[c.slot];
    EXPECT_EQ(CellUtf8(cell), lextest::Canonical(c.expected));
    GrammarContext fresh;
    HebWordRec pointed = GenerateVerbForm(fresh, lextest::EntryOfRoot(c.root), c.binyan, c.slot);
    EXPECT_EQ(CellUtf8(cell, true), WordToUtf8(pointed));
  }
}

TEST_F(VerbTableContent, VavInversiveSetHasOnlyPastAndFutureOfActiveBinyanim) {
  const VerbFormSetTable& hifil = Build("זמן", Binyan::Hifil, VerbFormSet::VavInversive, false);
  for (int slot = 0; slot < kVerbTableSlots; ++slot)
    EXPECT_EQ(
        hifil.cells[slot].filled,
        IsSlotBetween(slot, FormSlot::Past1s, FormSlot::Future3mp) || slot == FormSlot::Future3fs)
        << slot;
  for (int binyan : {Binyan::Pual, Binyan::Hufal}) {
    const VerbFormSetTable& passive = Build("זמן", binyan, VerbFormSet::VavInversive, false);
    for (const VerbTableCell& cell : passive.cells) EXPECT_FALSE(cell.filled) << binyan;
  }
}

TEST_F(VerbTableContent, PausalSetAndMissingBinyanAreEmpty) {
  for (const VerbTableCell& cell : Build("כתב", Binyan::Paal, VerbFormSet::Pausal, false).cells)
    EXPECT_FALSE(cell.filled);
  // כתב has no Piel among the model verbs.
  const VerbFormSetTable& none = Build("כתב", Binyan::Piel, VerbFormSet::Regular, false);
  for (const VerbTableCell& cell : none.cells) EXPECT_FALSE(cell.filled);
  EXPECT_EQ(none.highestAlternate, kFirstSpelling);
}

TEST_F(VerbTableContent, ColoursAndAlternates) {
  const VerbFormSetTable& lakach = Build("לקח", Binyan::Paal, VerbFormSet::Regular, false);
  EXPECT_EQ(lakach.highestAlternate, 0);
  const VerbTableCell& future = lakach.cells[FormSlot::Future1s];
  EXPECT_EQ(future.alternates, 1);
  EXPECT_EQ(future.colour, VerbTableColour::kWithAlternates);  // red, even in slot 20
  EXPECT_EQ(lakach.cells[FormSlot::Future2fp3fp].colour, VerbTableColour::kWithAlternates);
  EXPECT_EQ(SpellingColour(future, kFirstSpelling), VerbTableColour::kWithAlternates);
  EXPECT_EQ(SpellingColour(future, 0), RGB(0, 0, 0));
  // A missing alternative shows the nearest earlier one, in its colour.
  EXPECT_EQ(SpellingColour(future, 2), RGB(0, 0, 0));
  EXPECT_EQ(SpellingOffset(future, 2), SpellingOffset(future, 0));
  EXPECT_GT(SpellingOffset(future, 0), 0);
  EXPECT_EQ(SpellingOffset(future, 7), SpellingOffset(future, 0));
  const VerbTableCell& past = lakach.cells[FormSlot::Past1s];
  EXPECT_EQ(past.colour, VerbTableColour::kPlain);
  EXPECT_EQ(SpellingColour(past, 0), VerbTableColour::kPlain);
  EXPECT_EQ(SpellingOffset(past, 3), 0);

  const VerbFormSetTable& katav = Build("כתב", Binyan::Paal, VerbFormSet::Regular, false);
  EXPECT_EQ(katav.highestAlternate, kFirstSpelling);
  EXPECT_EQ(katav.cells[FormSlot::Future2fp3fp].colour, VerbTableColour::kArchaic);
  EXPECT_EQ(katav.cells[FormSlot::ImperativeFp].colour, VerbTableColour::kArchaic);
  EXPECT_EQ(katav.cells[FormSlot::Future2mp].colour, VerbTableColour::kPlain);
}

struct SuppressionCase {
  WORD binyanWord;
  int binyan;
  int formSet;
  int slot;
  bool suppressed;
};

constexpr WORD kRestricted = GrammarLayout::kBinyanRestricted;

const SuppressionCase kSuppression[] = {
    {1, Binyan::Paal, VerbFormSet::Regular, FormSlot::Infinitive, false},
    {1, Binyan::Paal, VerbFormSet::Pausal, FormSlot::Past1s, true},
    {1, Binyan::Paal, VerbFormSet::VavInversive, FormSlot::Past1s, false},
    {1, Binyan::Paal, VerbFormSet::VavInversive, FormSlot::Future3fs, false},
    {1, Binyan::Paal, VerbFormSet::VavInversive, FormSlot::ImperativeMs, true},
    {1, Binyan::Pual, VerbFormSet::VavInversive, FormSlot::Past1s, true},
    {181, Binyan::Pual, VerbFormSet::Regular, FormSlot::Past2mp, false},
    {181, Binyan::Pual, VerbFormSet::Regular, FormSlot::Past3ms, true},
    {181, Binyan::Paal, VerbFormSet::Regular, FormSlot::Past3ms, false},
    {241, Binyan::Pual, VerbFormSet::Regular, FormSlot::Past3p, false},
    {241, Binyan::Pual, VerbFormSet::Regular, FormSlot::Past1s, true},
    {276, Binyan::Paal, VerbFormSet::Regular, FormSlot::Past1p, false},
    {276, Binyan::Paal, VerbFormSet::Regular, FormSlot::Infinitive, true},
    {kRestricted | 1, Binyan::Paal, VerbFormSet::Regular, FormSlot::ParticipleMs, true},
    {kRestricted | 1, Binyan::Paal, VerbFormSet::Regular, FormSlot::Past1s, false},
    {kRestricted | 1, Binyan::Hifil, VerbFormSet::Regular, FormSlot::Past1s, true},
    {kRestricted | 1, Binyan::Hifil, VerbFormSet::Regular, FormSlot::PresentFp, false},
    {kRestricted | 1, Binyan::Piel, VerbFormSet::Regular, FormSlot::Past1s, false},
};

TEST(VerbSlotSuppression, RestrictedClassesBinyanimAndFormSets) {
  for (const SuppressionCase& c : kSuppression)
    EXPECT_EQ(IsVerbSlotSuppressed(c.binyanWord, c.binyan, c.formSet, c.slot), c.suppressed)
        << c.binyanWord << " binyan " << c.binyan << " set " << c.formSet << " slot " << c.slot;
}

}  // namespace
