// Shared by the pronunciation fuzzer and the random-word property test: a
// pointed word made from arbitrary bytes, and the invariants that every run
// of the rules over it must keep.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "speech/core/LetterRules.h"
#include "speech/core/PrefixPointing.h"
#include "speech/core/Transliteration.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordStress.h"

namespace pronunciation_checks {

// Every code the rules tell apart: letters in all their forms, vowels with
// their stressed twins and variants, none, and a few marks and separators.
inline const std::vector<BYTE>& LetterCodes() {
  static const std::vector<BYTE> codes = [] {
    std::vector<BYTE> c;
    for (int code = 1; code < 256; ++code) {
      if (IsHebrewLetter(code) || code == HebCode::Shuruk) c.push_back(static_cast<BYTE>(code));
    }
    for (char extra : {'\'', '"', '-', ' ', ',', '.', '1'}) c.push_back(static_cast<BYTE>(extra));
    return c;
  }();
  return codes;
}

inline const std::vector<BYTE>& VowelCodes() {
  static const std::vector<BYTE> codes = [] {
    std::vector<BYTE> c{HebCode::NoVowel, HebCode::ExplicitNoVowel};
    for (int code = HebCode::ExplicitNoVowel + 1; code < 256; ++code) {
      if (IsVowelCode(code)) c.push_back(static_cast<BYTE>(code));
    }
    return c;
  }();
  return codes;
}

struct Word {
  std::vector<BYTE> letters;  // zero-terminated
  std::vector<BYTE> vowels;
  int Last() const { return static_cast<int>(letters.size()) - 2; }
};

// Two bytes a position: the letter and its vowel.
inline Word WordFromBytes(const unsigned char* data, size_t size) {
  Word w;
  const auto& letters = LetterCodes();
  const auto& vowels = VowelCodes();
  for (size_t i = 0; i + 1 < size && w.letters.size() < kMaxTransliteratedLetters; i += 2) {
    w.letters.push_back(letters[data[i] % letters.size()]);
    w.vowels.push_back(vowels[data[i + 1] % vowels.size()]);
  }
  w.letters.push_back(0);
  w.vowels.push_back(0);
  return w;
}

inline bool HasStressedVowel(const Word& w) {
  for (BYTE v : w.vowels) {
    if (IsStressedVowel(v)) return true;
  }
  return false;
}

inline int CountChar(const CString& text, char c) {
  int count = 0;
  for (int i = 0; i < text.GetLength(); ++i) count += text[i] == c;
  return count;
}

// Runs the rules over the word with the given settings; returns what went
// wrong, or an empty string.
inline std::string CheckWord(const Word& w, Pronunciation pronunciation, VowelType vowelType,
                             DWORD prefixKind) {
  PronunciationOptions options;
  options.pronunciation = pronunciation;
  options.vowelType = vowelType;
  options.prefixKind = prefixKind;
  CString phonetic, code;
  TransliterateWord(w.letters.data(), w.vowels.data(), options, phonetic, code);
  if (phonetic.GetLength() >= kMaxPhoneticText || code.GetLength() >= kMaxPhoneticText) {
    return "output too long";
  }
  if (phonetic.Left(2) != "`[" || phonetic.Right(1) != "]") return "phonetic text not bracketed";
  const bool stressGiven = HasStressedVowel(w) || CountChar(phonetic, '1') > 0;
  const int result =
      PlaceWordStress(w.letters.data(), w.vowels.data(), w.Last(), phonetic, options);
  if (result < kStressLast || result > kStressNotPlaced) return "stress result out of range";
  if (CountChar(phonetic, '9') != 0) return "a 9 left in the pattern";
  if (!stressGiven && CountChar(phonetic, '1') > 1) return "more than one stress placed";

  // The rewrites work in place and never lengthen the word.
  std::vector<BYTE> l = w.letters, v = w.vowels;
  l.resize(kMaxTransliteratedLetters + 1, 0);
  v.resize(kMaxTransliteratedLetters + 1, 0);
  const int length = static_cast<int>(strlen(reinterpret_cast<const char*>(l.data())));
  if (ApplyLetterRulesToText(l.data(), v.data(), true) > 0) return "text rewrite grew";
  if (static_cast<int>(strlen(reinterpret_cast<const char*>(l.data()))) > length) {
    return "text rewrite grew";
  }
  const bool hashemFilter = pronunciation != kAshkenazi;  // both settings over the runs
  AdjustWordSpelling(l.data(), v.data(), kMaxTransliteratedLetters + 1, hashemFilter);
  for (int k = 0; k <= 4; ++k) {
    std::vector<BYTE> pl = w.letters, pv = w.vowels;
    const ArticleMode mode = k == 0   ? kArticleDecide
                             : k == 1 ? kArticleNotAbsorbed
                                      : kArticleAbsorbed;
    PointPrefixLetters(pl.data(), pv.data(), k, mode);
    if (pl.size() != w.letters.size() || pl.back() != 0) return "prefix pointing broke the word";
  }
  return std::string();
}

}  // namespace pronunciation_checks
