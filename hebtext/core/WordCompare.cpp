#include "hebtext/core/WordCompare.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebCharSets.h"

namespace {

int Length(const BYTE* letters) {
  return static_cast<int>(strlen(reinterpret_cast<const char*>(letters)));
}

// Vowels that count as one sound; each hataf is a class of its own.
constexpr CodeSet kVowelMatchClasses[] = {
    HebSet::NoVowel,   HebSet::QamatsQatan, HebSet::HolamMale, HebSet::HolamForm,
    HebSet::PatahForm, HebSet::Shuruk,      HebSet::SegolForm, HebSet::HiriqForm,
    HebSet::TsereForm, HebSet::QamatsForm,  HebSet::Shva,      HebSet::QubutsForm,
};

bool SameSpecialLetter(int a, int b) {
  return (IsShinWithShinDot(a) && IsShinWithShinDot(b)) ||
         (IsShinWithSinDot(a) && IsShinWithSinDot(b)) || (IsFinalKafForm(a) && IsFinalKafForm(b));
}

bool IsHolamOrHolamMale(int v) { return IsHolamForm(v) || IsHolamMale(v); }
bool IsVavVowelOnLetter(int v) { return IsShuruk(v) || IsHolamMale(v); }

// The vowel after position i of a word of the given length, 0 past its end.
int NextVowel(const BYTE* vowels, int i, int length) { return i + 1 < length ? vowels[i + 1] : 0; }

// The stress and variant codes of one vowel that the document's Find
// tolerates.
bool FindVowelsRelated(int a, int b) {
  return a == b || (IsStressedVowel(a) && RemoveStressMark(a) == b) ||
         (IsStressableVowel(a) && AddStressMark(a) == b) ||
         (IsVowelVariant(a) && VowelVariantToPlain(a) == b) ||
         (HasVowelVariant(a) && PlainToVowelVariant(a) == b) ||
         (IsQamatsPatahVariant(a) && QamatsPatahVariantToPlain(a) == b) ||
         (IsPatahOrQamatsPlain(a) && PlainToQamatsPatahVariant(a) == b);
}

}  // namespace

int IsUnpointed(const BYTE* letters, const BYTE* vowels) {
  const int length = Length(letters);
  for (int i = 0; i < length; ++i) {
    if (!IsNoVowel(vowels[i])) return 0;
  }
  return 1;
}

int IsBareVavAfterBareLetter(const BYTE* letters, const BYTE* vowels, int n) {
  return n >= 1 && IsNoVowel(vowels[n - 1]) && IsVav(letters[n]) && IsNoVowel(vowels[n]) ? 1 : 0;
}

int LettersEquivalent(int a, int b) {
  a &= 0xFF;
  b &= 0xFF;
  return a == b || SameSpecialLetter(a, b) || b == RemoveDagesh(a) || b == AddDagesh(a) ? 1 : 0;
}

int LettersMatchKeepMappiq(int a, int b) {
  // A he with mappiq is a consonant, a plain final he a vowel letter.
  if (IsHe(a) || IsHe(b)) return (a & 0xFF) == (b & 0xFF) ? 1 : 0;
  return LettersEquivalent(a, b);
}

int LetterMatchesWithAddedDagesh(int a, int b, BOOL exact) {
  a &= 0xFF;
  b &= 0xFF;
  return a == b || SameSpecialLetter(a, b) || (!exact && b == AddDagesh(a)) ? 1 : 0;
}

int LetterMatchesWithAddedDageshNoHe(int a, int b) {
  if (IsHe(a) || IsHe(b)) return (a & 0xFF) == (b & 0xFF) ? 1 : 0;
  return LetterMatchesWithAddedDagesh(a, b, FALSE);
}

int LettersMatchDageshTolerant(int a, int b) {
  a &= 0xFF;
  b &= 0xFF;
  if (a == b || SameSpecialLetter(a, b)) return 1;
  if (IsHe(a) || IsHe(b)) return 0;
  // A missing dagesh in the tested word is tolerated only where it does not
  // change the sound, that is not on bet, gimel, dalet, kaf, pe, tav.
  return b == AddDagesh(a) || (a == AddDagesh(b) && !IsBegadkefatLetter(a)) ? 1 : 0;
}

int VowelsMatch(int a, int b, int nextA, int nextB) {
  a &= 0xFF;
  b &= 0xFF;
  if (a == b) return 1;
  for (const CodeSet& vowelClass : kVowelMatchClasses) {
    if (vowelClass.Contains(a) && vowelClass.Contains(b)) return 1;
  }
  // A qamats in the tested word may be the reference's qamats qatan.
  return IsQamatsForm(a) && IsQamatsQatan(b) ? 1 : 0;
}

int VowelsMatchLoose(int a, int b, int nextA, int nextB) {
  a &= 0xFF;
  b &= 0xFF;
  return VowelsMatch(a, b, nextA, nextB) || (HasAlternateVowel(a) && b == ToggleVavVowel(a)) ||
                 (IsHolamOrHolamMale(a) && IsQamatsForm(b) && nextB == HebCode::HatafQamats) ||
                 (IsHolamOrHolamMale(b) && IsQamatsForm(a) && nextA == HebCode::HatafQamats) ||
                 (IsHolamOrHolamMale(a) && b == HebCode::HatafQamats) ||
                 (IsHolamOrHolamMale(b) && a == HebCode::HatafQamats)
             ? 1
             : 0;
}

int CompareLettersEquivalent(const BYTE* lettersA, const BYTE* lettersB) {
  const int length = Length(lettersA);
  if (length != Length(lettersB)) return -1;
  return CompareLetterRuns(lettersA, lettersB, length);
}

int CompareLetterRuns(const BYTE* lettersA, const BYTE* lettersB, int length) {
  for (int i = 0; i < length; ++i) {
    if (!LettersEquivalent(lettersA[i], lettersB[i])) return -1;
  }
  return 0;
}

int CompareWordsWithVowels(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                           const BYTE* vowelsB) {
  const int length = Length(lettersA);
  if (length != Length(lettersB)) return -1;
  for (int i = 0; i < length; ++i) {
    if (!LettersEquivalent(lettersA[i], lettersB[i]) ||
        !VowelsMatch(vowelsA[i], vowelsB[i], NextVowel(vowelsA, i, length),
                     NextVowel(vowelsB, i, length))) {
      return -1;
    }
  }
  return 0;
}

int CompareWordsForFind(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                        const BYTE* vowelsB, const FindCompareOptions& options) {
  const int length = Length(lettersA);
  if (length != Length(lettersB)) return -1;
  for (int i = 0; i < length; ++i) {
    if (lettersA[i] != lettersB[i] &&
        (options.exactLetters || !LettersEquivalent(lettersA[i], lettersB[i]))) {
      return -1;
    }
  }
  if (!options.withVowels) return 0;
  for (int i = 0; i < length; ++i) {
    if (!FindVowelsRelated(vowelsA[i], vowelsB[i])) return -1;
  }
  return 0;
}

int CompareWordsPositional(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                           const BYTE* vowelsB) {
  const int length = Length(lettersA);
  if (length != Length(lettersB)) return -1;
  for (int i = 0; i < length; ++i) {
    const int a = lettersA[i];
    const int b = lettersB[i];
    const bool lettersMatch = i == 0            ? LettersEquivalent(a, b)
                              : i == length - 1 ? LettersMatchDageshTolerant(a, b)
                                                : LetterMatchesWithAddedDagesh(a, b, FALSE);
    if (!lettersMatch) return -1;
    const int va = vowelsA[i];
    const int vb = vowelsB[i];
    if (VowelsMatch(va, vb, NextVowel(vowelsA, i, length), NextVowel(vowelsB, i, length))) {
      continue;
    }
    // A yod at the start, or after the conjunction vav with hiriq, may be
    // written with or without shva.
    const bool bareYodAtStart =
        i == 0 && IsYodForm(lettersA[0]) && IsNoVowelOrShva(va) && IsNoVowelOrShva(vb);
    const bool bareYodAfterVavHiriq = i == 1 && IsVav(lettersA[0]) && IsHiriqForm(vowelsA[0]) &&
                                      IsYodForm(lettersA[1]) && IsNoVowelOrShva(va) &&
                                      IsNoVowelOrShva(vb);
    const bool qamatsForPatahVariant = IsQamatsForm(va) && IsPatahVariant(vb);
    if (!bareYodAtStart && !bareYodAfterVavHiriq && !qamatsForPatahVariant) return -1;
  }
  return 0;
}

int CompareWordsPleneTolerant(const BYTE* lettersA, const BYTE* lettersB, const BYTE* vowelsA,
                              const BYTE* vowelsB, const PleneCompareOptions& options) {
  const bool unpointedA = options.pointingA == WordPointing::Unknown
                              ? IsUnpointed(lettersA, vowelsA) != 0
                              : options.pointingA == WordPointing::Unpointed;
  const int lengthA = Length(lettersA);
  const int lengthB = Length(lettersB);
  int i = 0;
  int j = 0;
  while (i < lengthA && j < lengthB) {
    const bool first = i == 0 && j == 0;
    const bool last = i == lengthA - 1 || j == lengthB - 1;
    const int a = lettersA[i];
    const int b = lettersB[j];
    const bool lettersMatch = first  ? LettersEquivalent(a, b)
                              : last ? LetterMatchesWithAddedDageshNoHe(a, b)
                                     : LetterMatchesWithAddedDagesh(a, b, options.exactDagesh);
    if (!lettersMatch) return -1;
    const int va = vowelsA[i];
    const int vb = vowelsB[j];
    bool vowelsPass =
        VowelsMatchLoose(va, vb, NextVowel(vowelsA, i, lengthA), NextVowel(vowelsB, j, lengthB));
    if (!vowelsPass) {
      if (IsQamatsForm(va) && IsPatahVariant(vb)) {
        vowelsPass = true;
      } else if ((IsNoVowelOrShva(va) && IsHatafVowel(vb)) ||
                 (IsHatafVowel(va) && IsNoVowelOrShva(vb))) {
        vowelsPass = true;
      } else if (IsVavVowelOnLetter(va) && IsBareVavAfterBareLetter(lettersB, vowelsB, j + 1)) {
        // A holam male or shuruk written with its own vav in B.
        vowelsPass = true;
        ++j;
      } else if (IsBareVavAfterBareLetter(lettersA, vowelsA, i + 1) && IsVavVowelOnLetter(vb)) {
        vowelsPass = true;
        ++i;
      } else if (last && !unpointedA && IsHe(a)) {
        // A final he in a pointed word is a vowel letter that must agree.
        vowelsPass = false;
      } else {
        // An unpointed letter stands for any vowel except one that needs a vav.
        vowelsPass = IsNoVowel(va) && !IsVavVowelOnLetter(vb);
      }
    }
    if (!vowelsPass) return -1;
    ++i;
    ++j;
  }
  return i == lengthA && j == lengthB ? 0 : -1;
}
