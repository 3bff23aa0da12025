// The stem of a verb form before an object suffix: the form with its end
// adapted (a letter dropped, made tav, a yod put in, its last letter made
// regular) and, where the suffix moves the stress, the vowels of its first
// syllable recomputed.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"

// The slot codes by which the generators prepare a stem: the form slot,
// except that a group of slots sharing a generator passes its first.
namespace StemSlotCode {
enum Id : int { FirstPersonPast = 10, Future = 14, SecondFuture = 16 };
}  // namespace StemSlotCode

struct SuffixStemRequest {
  const BinyanRootRec* record = nullptr;  // the verb's root record in the binyan
  int binyan = 0;
  int vavFlag = 0;  // 1: the form begins with the conjunction vav
  int slotCode = 0;
  int formType = 0;  // with its variant bit
  int person = -1;   // the object person, where the generator passes it
  int secondForm = -1;  // 1 for the second form, 0 for the first, where passed
};

// The prepared stem of form (its letters, vowels in assembly form, marks);
// its length is the stem length n.
FormPlanes PrepareSuffixStem(const SuffixStemRequest& request, const FormPlanes& form);

// The operations of stem preparation, on the stem's last letters.
void RegularizeLastLetter(FormPlanes& stem);
void InsertYodBeforeLast(FormPlanes& stem);
void SetVavConjunctionVowels(FormPlanes& stem, int vavFlag);
