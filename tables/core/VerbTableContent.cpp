#include "tables/core/VerbTableContent.h"

#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"

int SplitAlternates(HebWordRec& word, LONG (&offsets)[kMaxWordParts - 1]) {
  int commas = SplitCommaList(word.letters, offsets);
  // The vowels are read at the letters' offsets; their commas end them too.
  for (LONG offset : offsets)
    if (offset > 0) word.vowels[offset - 1] = 0;
  return commas < kMaxWordParts - 1 ? commas : kMaxWordParts - 1;
}

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
  return ShownSpellingOffset(source ? cell.sourceOffsets : cell.shownOffsets, alternate);
}

COLORREF SpellingColour(const VerbTableCell& cell, int alternate) {
  return ShownSpellingColour(cell.shownOffsets, alternate, cell.colour);
}
