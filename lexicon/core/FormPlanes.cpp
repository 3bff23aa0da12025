#include "lexicon/core/FormPlanes.h"

#include <cstring>

#include "hebtext/core/HebChar.h"

namespace {
constexpr int kMaxLetters = kWordPlaneSize - 1;
}

bool FormPlanes::Append(BYTE letter, BYTE vowel, BYTE mark) {
  return Insert(length, letter, vowel, mark);
}

bool FormPlanes::AppendRange(const FormPlanes& other, int from, int count) {
  for (int i = from; i < from + count && i < other.length; ++i)
    if (!Append(other.letters[i], other.vowels[i], other.marks[i])) return false;
  return true;
}

bool FormPlanes::AppendAlternative(const FormPlanes& part, BYTE separatorVowel) {
  if (length + 1 + part.length > kMaxLetters) return false;
  Append(HebCode::Comma, separatorVowel, 0);
  return AppendRange(part, 0, part.length);
}

bool FormPlanes::Insert(int at, BYTE letter, BYTE vowel, BYTE mark) {
  if (length >= kMaxLetters || at < 0 || at > length) return false;
  for (int i = length; i > at; --i) {
    letters[i] = letters[i - 1];
    vowels[i] = vowels[i - 1];
    marks[i] = marks[i - 1];
  }
  letters[at] = letter;
  vowels[at] = vowel;
  marks[at] = mark;
  ++length;
  letters[length] = 0;
  return true;
}

void FormPlanes::Remove(int at) {
  if (at < 0 || at >= length) return;
  for (int i = at; i < length - 1; ++i) {
    letters[i] = letters[i + 1];
    vowels[i] = vowels[i + 1];
    marks[i] = marks[i + 1];
  }
  --length;
  letters[length] = vowels[length] = marks[length] = 0;
}

void FormPlanes::Truncate(int newLength) {
  if (newLength < 0) newLength = 0;
  for (int i = newLength; i < length; ++i) letters[i] = vowels[i] = marks[i] = 0;
  if (newLength < length) length = newLength;
}

FormPlanes FormPlanes::FromRecord(const HebWordRec& word) {
  FormPlanes planes;
  int n = 0;
  while (n < kMaxLetters && word.letters[n]) ++n;
  std::memcpy(planes.letters, word.letters, n);
  std::memcpy(planes.vowels, word.vowels, n);
  std::memcpy(planes.marks, word.marks, n);
  planes.length = n;
  return planes;
}

void FormPlanes::ToRecord(HebWordRec& word) const {
  std::memset(word.letters, 0, kWordPlaneSize);
  std::memset(word.vowels, 0, kWordPlaneSize);
  std::memset(word.marks, 0, kWordPlaneSize);
  std::memcpy(word.letters, letters, length);
  std::memcpy(word.vowels, vowels, length);
  std::memcpy(word.marks, marks, length);
}
