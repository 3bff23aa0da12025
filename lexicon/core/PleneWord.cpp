#include "lexicon/core/PleneWord.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewDisplay.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/VerbFormGenerator.h"

PleneWord RespellPleneWord(const BYTE* letters, const BYTE* vowels, int count) {
  PleneWord plene;
  plene.positions.resize(count);
  plene.vavAfter.resize(count, false);
  if (count <= 0 || count >= kWordPlaneSize) {
    plene.letters.assign(letters, letters + (count > 0 ? count : 0));
    plene.vowels.assign(vowels, vowels + (count > 0 ? count : 0));
    plene.letters.push_back(0);
    plene.vowels.push_back(0);
    plene.count = count > 0 ? count : 0;
    for (int i = 0; i < count; ++i) plene.positions[i] = i;
    return plene;
  }
  // The respelling carries the marks plane with the letters it keeps and
  // gives the letters it adds none: each letter is marked with its place.
  HebWordRec word = {};
  std::memcpy(word.letters, letters, count);
  std::memcpy(word.vowels, vowels, count);
  for (int i = 0; i < count; ++i) word.marks[i] = static_cast<BYTE>(i + 1);
  PleneOptions options;  // not a verb: form slot 0, no binyan
  RespellFormList(word, 0, options);
  const int respelt =
      static_cast<int>(strnlen(reinterpret_cast<const char*>(word.letters), kWordPlaneSize - 1));
  // Writing out the vowel letters adds a vav after each shuruk and holam male.
  int added = 0;
  for (int j = 0; j < respelt; ++j) {
    const bool vav = IsShuruk(word.vowels[j]) || IsHolamMale(word.vowels[j]);
    if (word.marks[j] != 0) {
      const int from = word.marks[j] - 1;
      plene.positions[from] = j + added;
      plene.vavAfter[from] = vav;
    }
    if (vav) ++added;
  }
  plene.count = InsertHebrewChar(word.letters, word.vowels, respelt, kWordPlaneSize);
  plene.letters.assign(word.letters, word.letters + plene.count + 1);
  plene.vowels.assign(word.vowels, word.vowels + plene.count + 1);
  // Vavs that did not fit leave their places past the end.
  for (int& at : plene.positions)
    if (at >= plene.count) at = plene.count - 1;
  return plene;
}
