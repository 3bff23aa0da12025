// Adjective forms: the masculine and feminine, singular and plural of an
// adjective by its class (SuffixWordRec records of adjtbl.bin) and the
// suffix forms the class names (SuffixFormRec records of adjpat.bin).
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

// Adjective indexes 1-8; the tables show 1-4.
namespace AdjectiveIndex {
enum Id : int { MasculineSingular = 1, FeminineSingular, MasculinePlural, FemininePlural };
constexpr int kLast = 8;
}  // namespace AdjectiveIndex

// Class ids above this mark a compound, whose first word alone inflects.
constexpr int kCompoundAdjectiveId = 1000;

// The adjective tables as the builder reads them.
struct AdjectiveTables {
  const BYTE* forms = nullptr;  // SuffixFormRec, 20 bytes each
  DWORD formCount = 0;
  const BYTE* classes = nullptr;  // SuffixWordRec, 6 bytes each
  DWORD classCount = 0;
};

// The loaded adjpat.bin and adjtbl.bin.
AdjectiveTables GetLoadedAdjectiveTables();

// The index of the first class record with the id (a compound's id less
// 1000), or classCount when there is none.
DWORD FindWordRecord(const AdjectiveTables& tables, int id);

// The form of index 1-8 of the word (zero-terminated letters and vowels)
// by the class record at recordIndex and the records after it with the
// same id (alternatives, separated by ','). False, with form cleared, when
// the class has no such index.
bool BuildSuffixedForm(const BYTE* letters, const BYTE* vowels, int id, int index,
                       const AdjectiveTables& tables, DWORD recordIndex, HebWordRec& form);
