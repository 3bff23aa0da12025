#include "lexicon/core/HebWordRec.h"

#include <cstring>
#include <initializer_list>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/GrammarLayout.h"

void ClearWordRec(HebWordRec& word) { std::memset(&word, 0, sizeof(word)); }

int SplitCommaList(BYTE* letters, LONG (&offsets)[4], int capacity) {
  for (LONG& offset : offsets) offset = 0;
  int commas = 0;
  for (int i = 0; i < capacity && letters[i]; ++i) {
    if (letters[i] != ',') continue;
    letters[i] = 0;
    if (commas < 4) {
      bool emptyPart = i + 1 < capacity && letters[i + 1] == ',';
      offsets[commas] = emptyPart ? -1 : i + 1;
    }
    ++commas;
  }
  return commas;
}

void MarkZeroBytes(BYTE* bytes, int length) {
  for (int i = 0; i < length; ++i)
    if (bytes[i] == 0) bytes[i] = 1;
}

void ClearVowelPlaceholders(BYTE* bytes, int length) {
  for (int i = 0; i < length; ++i)
    if (bytes[i] == 1) bytes[i] = 0;
}

void NormalizeFinalLetters(BYTE* letters) {
  for (; *letters; ++letters)
    if (IsFinalLetter(*letters)) *letters = static_cast<BYTE>(FinalToRegularLetter(*letters));
}

namespace {

bool IsConjunctionVav(int c) {
  return c == HebCode::Vav || c == HebCode::VavDagesh || c == HebCode::Shuruk ||
         c == HebCode::StressedShuruk;
}

// Takes position i out of all three planes.
void RemovePosition(HebWordRec& word, int i) {
  for (BYTE* plane : {word.letters, word.vowels, word.marks}) {
    std::memmove(plane + i, plane + i + 1, kWordPlaneSize - i - 1);
    plane[kWordPlaneSize - 1] = 0;
  }
}

}  // namespace

void StripConjunctionVav(HebWordRec& word) {
  bool partStart = true;
  for (int i = 0; i < kWordPlaneSize && word.letters[i]; ++i) {
    if (partStart && IsConjunctionVav(word.letters[i])) {
      RemovePosition(word, i);
      partStart = false;
      --i;  // look at the letter that moved here as a part's second letter
      continue;
    }
    partStart = word.letters[i] == ',';
  }
}

void NounPatternToWord(HebWordRec& word, const BYTE* nounPattern) {
  ClearWordRec(word);
  std::memcpy(word.letters, nounPattern, GrammarLayout::kNounPatternLength);
  std::memcpy(word.vowels, nounPattern + GrammarLayout::kNounPatternLength,
              GrammarLayout::kNounPatternLength);
}
