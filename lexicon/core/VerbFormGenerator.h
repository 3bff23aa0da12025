// The verb form generator: one form of one verb from its class's root
// record, the pattern of the form slot, the spelling rules of gutturals,
// final letters and merging suffixes, the stress step and the class's
// alternative forms, joined into one HebWordRec as a comma list.
// Form slots: FormSlots.h. Binyanim: Binyan.h.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/PleneSpelling.h"

class CString;

// Past and future forms (5-21, 30) of binyanim other than Pual and Hufal.
bool TakesPronominalSuffix(int slot, int binyan);
// The binyan's name ("Paal (Kal)", "Nifal", ...) from the string table;
// empty for a binyan outside 0-6, without looking.
void GetBinyanName(int binyan, CString& text);

// Classes whose future takes a short form after vav-inversive, by root id.
bool IsVavInversiveShortRoot(const BinyanRootRec& record, int binyan);
// The slot of the short-form pattern (row "short") for a future slot.
int VavInversiveSlot(int slot, int binyan);
bool IsVavInversiveSlot(int slot);

// 1 when the database build leaves the form out (mode 1: only forms that
// take pronominal suffixes; mode 2: every form), else 0.
int SkipFormForDatabase(WORD binyanWord, WORD rootId, int binyan, int slot, int mode);

// How BuildVerbForm builds a form.
struct VerbFormOptions {
  bool keepSuffixesApart = false;  // a suffix beginning with the stem's last letter stays apart
  int alternativeLevel = 0;        // 0 for a call from outside; k for the k-th alternative
  bool shortForms = false;         // take the short future forms' patterns (row "short")
  int stressArgument = 0;          // see DetermineStressPosition
};

// One form: run.records[index] is the class's record, entry the verb index
// entry, root its root letters. The result lives in the context until the
// next call; it is empty when the verb has no such form (or the data does
// not hold it).
const HebWordRec* BuildVerbForm(GrammarContext& context, const VerbRootRun& run, int index,
                                const BYTE* entry, const BYTE* root, int slot, int binyan,
                                const VerbFormOptions& options = {});

// Respells every part of the record (parts separated by ',' or ' ') in
// plene spelling, keeping the separators; start 1 leaves the conjunction of
// a vav-inversive form alone. A list that would grow past 69 letters is
// left as it was.
void RespellFormList(HebWordRec& word, int start, const PleneOptions& options);
