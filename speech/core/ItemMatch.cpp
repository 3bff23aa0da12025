#include "speech/core/ItemMatch.h"

#include "hebtext/core/HebChar.h"

bool ShowsItem(int item, int letter, int vowel) {
  using namespace HebCode;
  if (item == Dagesh) return IsDageshLetter(letter) != 0;
  if (item == Meteg) return IsStressedVowel(vowel) != 0;  // the meteg marks the stress
  if (IsHebrewLetter(item)) {
    if (IsFinalKafForm(item)) return IsFinalKafForm(letter) != 0;
    return RemoveDagesh(letter) == RemoveDagesh(item);
  }
  return vowel != 0 && RemoveStressMark(vowel) == item;
}
