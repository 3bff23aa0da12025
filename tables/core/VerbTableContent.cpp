#include "tables/core/VerbTableContent.h"

#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"

namespace {

// The colour of a cell shown with alternate index 0 to 3.
const COLORREF kAlternateColours[kMaxAlternateIndex + 1] = {
    RGB(0, 0, 0), RGB(128, 0, 0), VerbTableColour::kArchaic, VerbTableColour::kWithAlternates};

// Splits the record at its commas; returns the number of commas.
int SplitAlternates(HebWordRec& word, LONG (&offsets)[kMaxWordParts - 1]) {
  int commas = SplitCommaList(word.letters, offsets);
  // The vowels are read at the letters' offsets; their commas end them too.
  for (LONG offset : offsets)
    if (offset > 0) word.vowels[offset - 1] = 0;
  return commas < kMaxWordParts - 1 ? commas : kMaxWordParts - 1;
}

// The alternate index at or before alternate whose alternative exists; -1
// when none does.
int ExistingAlternate(const LONG (&offsets)[kMaxWordParts - 1], int alternate) {
  if (alternate > kMaxAlternateIndex) alternate = kMaxAlternateIndex;
  for (int k = alternate; k >= 0; --k)
    if (offsets[k] > 0) return k;
  return kFirstSpelling;
}

}  // namespace

bool IsVerbSlotSuppressed(WORD binyanWord, int binyan, int formSet, int slot) {
  // The forms the word database leaves out, by the same modes: the
  // vav-inversive set keeps only the forms that take suffixes, the pausal
  // set none.
  WORD classId = binyanWord & GrammarLayout::kBinyanClassMask;
  return SkipFormForDatabase(binyanWord, classId, binyan, slot, formSet) != 0;
}

void BuildVerbFormSet(GrammarContext& context, const VerbTableRequest& request,
                      VerbFormSetTable& table) {
  table = VerbFormSetTable{};
  if (!request.entry || request.binyan < 0 || request.binyan >= Binyan::kCount) return;
  WORD binyanWord = GetVerbBinyanWord(request.entry, request.binyan);
  bool inverted = request.formSet == VerbFormSet::VavInversive;
  for (int slot = 0; slot < kVerbTableSlots; ++slot) {
    if (IsVerbSlotSuppressed(binyanWord, request.binyan, request.formSet, slot)) continue;
    HebWordRec form = GenerateVerbForm(context, request.entry, request.binyan, slot);
    if (inverted) form = VavInversiveVerbForm(context, request.entry, form);
    if (!form.letters[0]) continue;
    VerbTableCell& cell = table.cells[slot];
    cell.filled = true;
    cell.source = form;
    cell.shown = request.ktivKhaser ? PleneVerbForm(request.entry, form, inverted ? 1 : 0) : form;
    cell.alternates = SplitAlternates(cell.shown, cell.shownOffsets);
    SplitAlternates(cell.source, cell.sourceOffsets);
    if (cell.alternates - 1 > table.highestAlternate) table.highestAlternate = cell.alternates - 1;
    if (cell.alternates > 0)
      cell.colour = VerbTableColour::kWithAlternates;
    else if (IsOneOf(slot, {FormSlot::Future2fp3fp, FormSlot::ImperativeFp}))
      cell.colour = VerbTableColour::kArchaic;
  }
}

LONG SpellingOffset(const VerbTableCell& cell, int alternate, bool source) {
  const LONG(&offsets)[kMaxWordParts - 1] = source ? cell.sourceOffsets : cell.shownOffsets;
  int chosen = ExistingAlternate(offsets, alternate);
  return chosen == kFirstSpelling ? 0 : offsets[chosen];
}

COLORREF SpellingColour(const VerbTableCell& cell, int alternate) {
  int chosen = ExistingAlternate(cell.shownOffsets, alternate);
  return chosen == kFirstSpelling ? cell.colour : kAlternateColours[chosen];
}
