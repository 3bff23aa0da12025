// The notation as the engine reads it, and the espeak-ng phoneme input it
// becomes.
#include "speech/engine/core/PhoneticNotation.h"

#include <gtest/gtest.h>

namespace PhoneticNotation_test {

struct InputCase {
  const char* notation;
  const char* espeak;
};

TEST(PhoneticNotation, BecomesEspeakPhonemeInput) {
  const InputCase cases[] = {
      // a pointed word: stress digit before the vowel, syllables split by "."
      {"`[S0a.l1Om]", "[[%Sa'lom]]"},
      // a later word of the text comes with its separating blank
      {" `[S0a.l1Om]", "[[%Sa'lom]]"},
      // consonant letters with sounds of two espeak phonemes
      {"`[T1I.p0Or]", "[['tsi%por]]"},
      {"`[C1I.p0s]", "[['tSi%ps]]"},
      {"`[J1E.k0Et]", "[['dZe%ket]]"},
      {"`[G1a]", "[['Na]]"},
      {"`[x1a.v0Er]", "[['Xa%ver]]"},
      // quoted diphthongs, and the secondary and never-chosen digits
      {"`[b0'aj'.t2a.h9'oj']", "[[%baj,ta%hoj]]"},
      {"`[k1'o~'.l0@]", "[['ko%l@]]"},
      // the unrecognised-word phrase: commands are skipped, a digit after
      // its vowel still stresses the syllable
      {"`2 `[m0I.l1A] `[l1O] `3 `[m0U.k1Er.E0t] `/",
       "[[%mi'la 'lo %mu'ker%et]]"},
      // nothing spoken
      {"", ""},
      {"`2 `/", ""},
      {"plain words", ""},
      {"`[]", ""},
  };
  for (const InputCase& c : cases)
    EXPECT_EQ(EspeakPhonemeInput(ParseNotation(c.notation)), c.espeak) << c.notation;
}

TEST(PhoneticNotation, ParsesPhonemesWithTheirSyllableAndWord) {
  const std::vector<NotationPhoneme> phonemes = ParseNotation("`[d1a.g0'aj'] `[S1E]");
  const std::vector<NotationPhoneme> expected = {
      {"d", PhonemeKind::Consonant, Stress::None, true, true},
      {"a", PhonemeKind::Vowel, Stress::Primary, false, false},
      {"g", PhonemeKind::Consonant, Stress::None, true, false},
      {"aj", PhonemeKind::Vowel, Stress::None, false, false},
      {"S", PhonemeKind::Consonant, Stress::None, true, true},
      {"E", PhonemeKind::Vowel, Stress::Primary, false, false},
  };
  EXPECT_EQ(phonemes, expected);
}

TEST(PhoneticNotation, DamagedTextIsReadAsFarAsItGoes) {
  const InputCase cases[] = {
      {"`[S0a.l1Om", "[[%Sa'lom]]"},          // no closing bracket
      {"`[b1'aj", "[[%b]]"},                  // unclosed quote: dropped
      {"`[b1'aj] `[d1a]", "[[%b 'da]]"},      // quote cut by the bracket
      {"`[b1'xyz'a]", "[['ba]]"},             // unknown quoted vowel
      {"`[k1#a&]", "[['ka]]"},                // unknown letters
      {"``[d1a]", "[['da]]"},                 // an empty command
      {"`", ""},
      {"`[", ""},
  };
  for (const InputCase& c : cases)
    EXPECT_EQ(EspeakPhonemeInput(ParseNotation(c.notation)), c.espeak) << c.notation;
}

}  // namespace PhoneticNotation_test
