// Test helpers: a word given as pointed UTF-8 read through the checked
// converter, and run through transliteration and stress placement as word
// transcription does it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "speech/core/PointedInput.h"
#include "speech/core/Transliteration.h"
#include "speech/core/VocalShva.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordStress.h"

// The word; a text the converter refuses fails the test and gives an empty word.
inline PointedLetters Pointed(const char* utf8) {
  std::string problem;
  std::optional<PointedLetters> word = PointedLettersFromUtf8(utf8, &problem);
  if (!word) {
    ADD_FAILURE() << "cannot read " << utf8 << ": " << problem;
    return PointedLetters{{0}, {0}};
  }
  return *word;
}

inline PronunciationOptions Options(Pronunciation pronunciation, VowelType vowelType,
                                    DWORD prefixKind = 0) {
  PronunciationOptions options;
  options.pronunciation = pronunciation;
  options.vowelType = vowelType;
  options.prefixKind = prefixKind;
  return options;
}

struct Pronounced {
  std::string phonetic;  // after stress placement
  std::string code;
  int stress;
};

inline Pronounced Pronounce(const char* utf8, Pronunciation pronunciation = kSephardi,
                            VowelType vowelType = kIsraeliVowels,
                            DWORD prefixKind = kAnyPrefixKind) {
  const PointedLetters word = Pointed(utf8);
  const PronunciationOptions options = Options(pronunciation, vowelType, prefixKind);
  CString phonetic, code;
  TransliterateWord(word.L(), word.V(), options, phonetic, code);
  const int stress = PlaceWordStress(word.L(), word.V(), word.Last(), phonetic, options);
  return Pronounced{static_cast<LPCSTR>(phonetic), static_cast<LPCSTR>(code), stress};
}

// The phonetic text alone, before stress placement, of a word taken without
// prefixes; the code text into *code when given.
template <typename Word>  // PointedLetters or PointedWord
std::string PhoneticOf(const Word& word, Pronunciation pronunciation = kSephardi,
                       VowelType vowelType = kIsraeliVowels, std::string* code = nullptr) {
  CString phonetic, codeText;
  TransliterateWord(word.L(), word.V(), Options(pronunciation, vowelType), phonetic, codeText);
  if (code != nullptr) *code = static_cast<LPCSTR>(codeText);
  return static_cast<LPCSTR>(phonetic);
}
