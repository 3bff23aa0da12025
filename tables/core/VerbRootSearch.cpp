#include "tables/core/VerbRootSearch.h"

#include <cstring>

#include "hebtext/core/CollationKey.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"

namespace {

// Room for a typed root: more letters than any root has still sort.
constexpr int kTypedRoom = 64;

void RootKeyOfVerb(int verb, char (&key)[kEntryKeySize]) {
  const BYTE* root = GetEntryRoot(GetVerbIndexEntry(verb));
  int length = static_cast<int>(
      strnlen(reinterpret_cast<const char*>(root), GrammarLayout::kEntryRootRoom - 1));
  const BYTE noVowels[GrammarLayout::kEntryRootRoom] = {};
  BuildLetterVowelKey(key, kEntryKeySize, root, noVowels, length);
}

}  // namespace

int FindNearestVerb(const BYTE* letters, const BYTE* vowels, int count) {
  int verbs = GetVerbCount();
  if (verbs <= 0) return -1;
  char typed[kEntryKeySize];
  BuildLetterVowelKey(typed, kEntryKeySize, letters, vowels, count);
  int low = 0, high = verbs;  // the first entry not below the typed key is in [low, high]
  while (low < high) {
    int middle = low + (high - low) / 2;
    char key[kEntryKeySize];
    RootKeyOfVerb(middle, key);
    int order = CompareKeyText(key, typed);
    if (order == 0) return middle;
    if (order < 0)
      low = middle + 1;
    else
      high = middle;
  }
  return low < verbs ? low : verbs - 1;
}

int FindNearestVerb(LPCSTR typed) {
  BYTE letters[kTypedRoom], vowels[kTypedRoom];
  int count = SplitLettersAndVowels(typed, letters, vowels, kTypedRoom, 0);
  return FindNearestVerb(letters, vowels, count);
}
