#include "speech/core/WordStress.h"

#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"
#include "speech/core/StressEndings.h"
#include "speech/core/Transliteration.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordView.h"

namespace {

// The pattern being marked, bounded like the phonetic text it came from.
class StressPattern {
 public:
  explicit StressPattern(const CString& text)
      : m_text(BytesString(text).substr(0, kMaxPhoneticText - 1)) {}

  int Syllables() const { return CountStressDigits(m_text.c_str()); }
  bool HasStress() const { return m_text.find('1') != std::string::npos; }

  // The number of "0" behind the last "1": 0 to 3, else 0.
  StressResult ExistingStress() const {
    const size_t stress = m_text.rfind('1');
    if (stress == std::string::npos) return kStressLast;
    int zeros = 0;
    for (size_t i = stress + 1; i < m_text.size(); ++i) zeros += m_text[i] == '0';
    return zeros > kStressFourthToLast ? kStressLast : static_cast<StressResult>(zeros);
  }

  // Turns the (fromEnd + 1)-th last "0" into "1".
  StressResult Mark(StressResult fromEnd) {
    int seen = 0;
    for (size_t i = m_text.size(); i-- > 0;) {
      if (m_text[i] != '0') continue;
      if (seen++ == fromEnd) {
        m_text[i] = '1';
        return fromEnd;
      }
    }
    return kStressNotPlaced;
  }
  StressResult MarkFirst() {
    const size_t first = m_text.find('0');
    if (first != std::string::npos) m_text[first] = '1';
    return kStressLast;
  }

  void Finish(CString& out) {
    for (char& c : m_text) {
      if (c == '9') c = '0';
    }
    AssignBytes(out, m_text);
  }

 private:
  std::string m_text;
};

// The syllables of the prefix letters, when the word begins with a prefix
// of the kind (or any kind) the caller named.
int PrefixSyllables(const BYTE* letters, const BYTE* vowels, int n,
                    const PronunciationOptions& options) {
  const DWORD prefixKind = options.prefixKind;
  if (prefixKind == 0) return 0;
  int length = 0;
  for (int k = 1; k <= 4; ++k) {
    if (prefixKind != kAnyPrefixKind && prefixKind != static_cast<DWORD>(k)) continue;
    if (TestWordPrefix(letters, vowels, k) == k) length = k;
  }
  if (length == 0 || length > n) return 0;
  BYTE prefixLetters[5] = {}, prefixVowels[5] = {};
  for (int i = 0; i < length; ++i) {
    prefixLetters[i] = letters[i];
    prefixVowels[i] = vowels[i];
  }
  PronunciationOptions prefixOptions;
  prefixOptions.pronunciation = options.pronunciation;
  prefixOptions.vowelType = options.vowelType;
  prefixOptions.prefixKind = prefixKind;
  CString phonetic, code;
  TransliterateWord(prefixLetters, prefixVowels, prefixOptions, phonetic, code);
  return CountStressDigits(phonetic);
}

StressResult PlaceStress(const WordView& w, StressPattern& pattern,
                         const PronunciationOptions& options, StressMode mode) {
  const int n = w.Last();
  bool stressedVowel = false;
  for (int i = 0; i <= n; ++i) stressedVowel = stressedVowel || IsStressedVowel(w.V(i));
  if (stressedVowel || (mode == kPlaceStress && pattern.HasStress())) {
    return pattern.ExistingStress();
  }
  if (mode != kPlaceStress) {
    if (mode == kForceLastStress || !pattern.HasStress()) return pattern.Mark(kStressLast);
    return pattern.ExistingStress();
  }
  const int syllables = pattern.Syllables();
  const int stem = syllables - PrefixSyllables(w.Letters(), w.Vowels(), n, options);
  if (syllables < 2) return pattern.MarkFirst();

  if (IsHe(w.L(n)) && IsNoVowel(w.V(n)) && IsQamatsForm(w.V(n - 1))) {
    if (IsYodForm(w.L(n - 1)) && IsIyaWord(w)) return pattern.Mark(kStressLast);
  } else if (IsTav(w.L(n)) && IsNoVowel(w.V(n)) && IsVavVowel(w.V(n - 1)) &&
             IsYodForm(w.L(n - 1)) && IsIyaWord(w)) {
    return pattern.Mark(kStressLast);
  }
  // -ekha
  if (n >= 1 && IsFinalKafForm(w.L(n)) && w.V(n) == HebCode::Qamats &&
      w.V(n - 1) == HebCode::Segol) {
    return pattern.Mark(kStressPenult);
  }
  if (stem >= 3 && HasAntepenultimateEnding(w)) return pattern.Mark(kStressAntepenult);
  if (stem >= 2 && HasFirstPenultimateEnding(w)) return pattern.Mark(kStressPenult);
  if (stem >= 3 && HasSecondPenultimateEnding(w)) return pattern.Mark(kStressPenult);
  if (HasSuffixEnding(w, stem) || HasUEnding(w)) return pattern.Mark(kStressPenult);
  if (HasFinalSyllableEnding(w)) return pattern.Mark(kStressLast);
  const int last = w.V(n);
  if ((last == HebCode::Patah || last == HebCode::Qamats || last == HebCode::Shuruk) &&
      (n == 0 || !IsHatafVowel(w.V(n - 1)))) {
    return pattern.Mark(kStressPenult);
  }
  return pattern.Mark(IsSegolateEnding(w) ? kStressPenult : kStressLast);
}

}  // namespace

StressResult PlaceWordStress(const BYTE* letters, const BYTE* vowels, int n, CString& pattern,
                             const PronunciationOptions& options, StressMode mode) {
  StressPattern marks(pattern);
  StressResult result = kStressNotPlaced;
  if (n >= 0) {
    const WordView w(letters, vowels, n);
    result = PlaceStress(w, marks, options, mode);
  }
  marks.Finish(pattern);
  return result;
}
