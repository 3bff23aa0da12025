#include "speech/core/ExampleHighlight.h"

#include "hebtext/core/HebChar.h"
#include "speech/core/ItemMatch.h"

namespace {

using namespace HebCode;

// A letter as full spelling writes it: no dagesh, no shin or sin dot.
int UnpointedLetter(int letter) {
  letter = RemoveDagesh(letter);
  return IsShinWithShinDot(letter) || IsShinWithSinDot(letter) ? Shin : letter;
}

}  // namespace

ExampleColors GetExampleHighlightColors(int item, bool fullSpelling) {
  if (IsHebrewLetter(item)) return {kExampleRed, kExampleNavy};
  if (fullSpelling) {
    const bool written = item != Meteg && item != Dagesh;
    return {written ? kExampleRed : kExampleNavy, kExampleNavy};
  }
  if (item == Dagesh) return {kExampleRed, kExampleNavy};
  return {kExampleNavy, kExampleRed};
}

int GetExampleHighlightPosition(int item, int start, const BYTE* letters, const BYTE* vowels,
                                int count, bool fullSpelling) {
  const bool letterItem = IsHebrewLetter(item) != 0;
  for (int i = start; i < count; ++i) {
    const bool shows = fullSpelling ? letterItem && ShowsItem(UnpointedLetter(item), letters[i], 0)
                                    : ShowsItem(item, letters[i], vowels[i]);
    if (shows) return i;
  }
  return start;
}
