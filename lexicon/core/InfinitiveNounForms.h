// Infinitive nouns (a verb's infinitive declined like a noun) and the
// suffixed forms of nouns, prepositions and general vocabulary: both go
// through BuildPronominalSuffixForm on top of the noun-form builder.
#pragma once

#include "classlib/core/WinTypes.h"

// The noun-table id that declines the verb's infinitive noun, by binyan,
// infinitive pattern number (its class) and root; 0 when it has none.
WORD GetInfinitiveNounPattern(int binyan, int verbClass, const BYTE* root);

// Adjusts the infinitive (without its prefix lamed) so that the noun
// patterns apply to it; letters and vowels are zero-terminated and changed
// in place.
void PrepareInfinitiveNounBase(BYTE* letters, BYTE* vowels, int binyan, int verbClass, int cell,
                               const BYTE* root);

// Kinds of person cells: 1 on the singular stem, 2 on the plural stem, 3 an
// infinitive noun.
namespace SuffixKind {
enum Id : int { Singular = 1, Plural = 2, InfinitiveNoun = 3 };
}  // namespace SuffixKind

struct PronominalSuffixRequest {
  WORD nounTableId = 0;            // the entry's id; 0 for infinitive nouns
  const BYTE* records = nullptr;   // the NounTableRec used and the records after it
  DWORD recordCount = 0;           // of records, to the end of the block
  int cell = 0;                    // declension cell 0-14
  int kind = SuffixKind::Singular;
  int tableType = 0;               // 2 (preposition) keeps compounds whole
  int binyan = 0;                  // infinitive nouns: the verb's binyan, class and root
  int verbClass = 0;
  const BYTE* rootLetters = nullptr;
  int genderNumberClass = 0;       // of a noun entry; 0 for infinitive nouns
};

// letters and vowels (kWordPlaneSize bytes each): the base form on entry,
// the suffixed form on return (empty when the cell has none).
void BuildPronominalSuffixForm(const PronominalSuffixRequest& request, BYTE* letters,
                               BYTE* vowels);
