#include "tables/core/VerbFormMenu.h"

#include <cstring>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/InfinitiveNounForms.h"
#include "lexicon/core/VerbObjectSuffix.h"
#include "tables/core/VerbFormCopy.h"

namespace {

// The generator's root: the first five letters, final letters regular.
void GeneratorRoot(const BYTE* entry, BYTE (&root)[6]) {
  std::memset(root, 0, sizeof root);
  std::memcpy(root, GetEntryRoot(entry), sizeof root - 1);
  NormalizeFinalLetters(root);
}

}  // namespace

VerbFormMenuFlags GetVerbFormMenuFlags(const BYTE* entry, int binyan, int slot,
                                       const VerbTableCell& cell, int alternate, bool ktivKhaser) {
  VerbFormMenuFlags flags;
  if (!entry || !cell.filled) return flags;
  HebWordRec form = CellSpelling(cell, alternate, ktivKhaser);
  flags.hasStressMarks = !ktivKhaser && HasStressMarks(form);
  BYTE root[6];
  GeneratorRoot(entry, root);
  const int pattern = cell.source.patternNumbers[0];
  if (IsOneOf(binyan, {Binyan::Paal, Binyan::Piel, Binyan::Hitpael, Binyan::Hifil}) &&
      (GetVerbBinyanWord(entry, binyan) & GrammarLayout::kBinyanHasSuffixes))
    flags.hasSuffixForms = IsVerbFormAvailable(slot, binyan, pattern, root) != 0;
  flags.hasInfinitiveNoun =
      slot == FormSlot::Infinitive && GetInfinitiveNounPattern(binyan, pattern, root) != 0;
  return flags;
}

int HandOverSlot(int slot) {
  if (slot == FormSlot::Future2fp3fp) return FormSlot::Future2mp;
  if (slot == FormSlot::ImperativeFp) return FormSlot::ImperativeMp;
  return slot;
}

int HandOverRoot(int verb, BYTE (&root)[GrammarLayout::kEntryRootRoom]) {
  std::memset(root, 0, sizeof root);
  int count = GetVerbRootLetters(verb, root);
  NormalizeFinalLetters(root);
  return count;
}
