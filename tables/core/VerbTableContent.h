// The content of the verb table: for one verb, binyan and form set, the
// form of each of the 31 slots with its alternate spellings and its colour,
// as the verb view shows, copies and prints them.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"
#include "tables/core/AlternateSpelling.h"

namespace VerbFormSet {
enum Id : int { Regular, VavInversive, Pausal, Count };
}  // namespace VerbFormSet

constexpr int kVerbTableSlots = FormSlot::Count;

namespace VerbTableColour {
constexpr COLORREF kPlain = RGB(0, 0, 128);
constexpr COLORREF kWithAlternates = RGB(255, 0, 0);
constexpr COLORREF kArchaic = RGB(128, 0, 255);  // the biblical feminine plurals
}  // namespace VerbTableColour

// One slot's form. Both records are split at their commas: the first
// spelling at offset 0 and alternate k at offsets[k] (-1 when missing).
struct VerbTableCell {
  bool filled = false;
  HebWordRec shown = {};   // plene when the table is built for Ktiv-Khaser
  HebWordRec source = {};  // the pointed form (a copy of shown otherwise)
  LONG shownOffsets[kMaxWordParts - 1] = {-1, -1, -1, -1};
  LONG sourceOffsets[kMaxWordParts - 1] = {-1, -1, -1, -1};
  int alternates = 0;  // commas of the shown form
  COLORREF colour = VerbTableColour::kPlain;
};

struct VerbFormSetTable {
  VerbTableCell cells[kVerbTableSlots];
  int highestAlternate = kFirstSpelling;  // -1: no cell has alternates
};

// What a table is built from.
struct VerbTableRequest {
  const BYTE* entry = nullptr;  // verb index entry
  int binyan = 0;
  int formSet = VerbFormSet::Regular;
  bool ktivKhaser = false;
};

// Splits the record at its commas into its spellings, the offset of each
// alternate into offsets; returns the number of alternates.
int SplitAlternates(HebWordRec& word, LONG (&offsets)[kMaxWordParts - 1]);

// Whether the slot stays empty whatever the generator gives (restricted
// classes and binyanim, slots without a vav-inversive form, the pausal set).
bool IsVerbSlotSuppressed(WORD binyanWord, int binyan, int formSet, int slot);

// Builds every slot of the set; an entry without the binyan gives an empty
// table.
void BuildVerbFormSet(GrammarContext& context, const VerbTableRequest& request,
                      VerbFormSetTable& table);

// The offset of the spelling of alternate index alternate in the cell's
// shown (or source) record: the nearest earlier alternative that exists,
// else the first spelling (0). An index outside -1..3 gives 0.
LONG SpellingOffset(const VerbTableCell& cell, int alternate, bool source = false);

// The colour of a cell shown with the alternate index: the build colour for
// -1 or a cell without alternates, else by the alternative chosen.
COLORREF SpellingColour(const VerbTableCell& cell, int alternate);
