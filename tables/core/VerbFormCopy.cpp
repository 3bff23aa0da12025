#include "tables/core/VerbFormCopy.h"

#include <cstring>

#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewDisplay.h"
#include "hebtext/core/PointedText.h"

HebWordRec CellSpelling(const VerbTableCell& cell, int alternate, bool ktivKhaser) {
  HebWordRec spelling = {};
  if (!cell.filled) return spelling;
  const HebWordRec& word = ktivKhaser ? cell.shown : cell.source;
  LONG offset = SpellingOffset(cell, alternate, !ktivKhaser);
  if (offset < 0 || offset >= kWordPlaneSize) return spelling;
  size_t length = strnlen(reinterpret_cast<const char*>(word.letters + offset),
                          static_cast<size_t>(kWordPlaneSize - 1 - offset));
  std::memcpy(spelling.letters, word.letters + offset, length);
  std::memcpy(spelling.vowels, word.vowels + offset, length);
  return spelling;
}

bool HasStressMarks(const HebWordRec& word) {
  for (int i = 0; i < kWordPlaneSize && word.letters[i]; ++i)
    if (IsStressedVowel(word.vowels[i])) return true;
  return false;
}

VerbFormCopy BuildFormCopy(HebWordRec spelling, bool ktivKhaser, bool withoutStress) {
  VerbFormCopy copy;
  int length = static_cast<int>(
      strnlen(reinterpret_cast<const char*>(spelling.letters), kWordPlaneSize - 1));
  if (length == 0) return copy;
  // Ktiv-Khaser text goes out as it is written: unpointed, with its vavs.
  if (ktivKhaser)
    length = InsertHebrewChar(spelling.letters, spelling.vowels, length, kWordPlaneSize);
  if (withoutStress)
    for (int i = 0; i < length; ++i)
      spelling.vowels[i] = static_cast<BYTE>(RemoveStressMark(spelling.vowels[i]));
  MergeLettersAndVowels(copy.text, spelling.letters, spelling.vowels, length);
  CString standard = copy.text;
  ConvertToStandardPoints(standard, kVavThenHolam);
  copy.unicode = AnsiHebrewToUnicode(standard);
  return copy;
}

VerbFormCopy BuildVerbFormCopy(const VerbTableCell& cell, int alternate, bool ktivKhaser,
                               bool withoutStress) {
  return BuildFormCopy(CellSpelling(cell, alternate, ktivKhaser), ktivKhaser, withoutStress);
}
