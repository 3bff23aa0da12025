// The program's phonetic notation as the engine reads it: words of bracketed
// syllables ("`[S0a.l1Om]"), each with a stress digit, consonant and vowel
// letters and quoted vowels ("'aj'"); backquote commands ("`2", "`/") steer
// the original engine and are never spoken.
#pragma once

#include <string>
#include <vector>

enum class PhonemeKind { Consonant, Vowel };
enum class Stress { None, Primary, Secondary };

struct NotationPhoneme {
  std::string letters;  // as written: "S", "a", "aj" (quotes dropped)
  PhonemeKind kind = PhonemeKind::Consonant;
  Stress stress = Stress::None;  // the syllable's, on vowels only
  bool syllableStart = false;
  bool wordStart = false;

  bool operator==(const NotationPhoneme& o) const {
    return letters == o.letters && kind == o.kind && stress == o.stress &&
           syllableStart == o.syllableStart && wordStart == o.wordStart;
  }
};

// The spoken phonemes of a text, in order. Letters the notation does not
// know and everything outside brackets but blanks are skipped.
std::vector<NotationPhoneme> ParseNotation(const std::string& text);

// The same phonemes in espeak-ng's phoneme input ("[[S%al'om]]"); empty when
// there are none.
std::string EspeakPhonemeInput(const std::vector<NotationPhoneme>& phonemes);
