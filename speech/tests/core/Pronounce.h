// Test helper: a word given as pointed UTF-8 run through transliteration and
// stress placement as word transcription does it.
#pragma once

#include <string>

#include "speech/core/PointedInput.h"
#include "speech/core/Transliteration.h"
#include "speech/core/VocalShva.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordStress.h"

struct Pronounced {
  std::string phonetic;  // after stress placement
  std::string code;
  int stress;
};

inline Pronounced Pronounce(const char* utf8, int pronunciation = kSephardi,
                            int vowelType = kIsraeliVowels, DWORD prefixKind = kAnyPrefixKind) {
  const PointedLetters word = PointedLettersFromUtf8(utf8);
  CString phonetic, code;
  TransliterateWord(pronunciation, vowelType, word.L(), word.V(), phonetic, code, 0, prefixKind,
                    0);
  const int stress = PlaceWordStress(word.L(), word.V(), word.Last(), phonetic, pronunciation,
                                     vowelType, 0, prefixKind);
  return Pronounced{static_cast<LPCSTR>(phonetic), static_cast<LPCSTR>(code), stress};
}

// The phonetic text alone, before stress placement.
inline std::string PhoneticOf(const BYTE* letters, const BYTE* vowels,
                              int pronunciation = kSephardi, int vowelType = kIsraeliVowels,
                              std::string* code = nullptr) {
  CString phonetic, codeText;
  TransliterateWord(pronunciation, vowelType, letters, vowels, phonetic, codeText, 0, 0, 0);
  if (code != nullptr) *code = static_cast<LPCSTR>(codeText);
  return static_cast<LPCSTR>(phonetic);
}
