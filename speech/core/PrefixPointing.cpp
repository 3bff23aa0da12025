#include "speech/core/PrefixPointing.h"


#include <algorithm>

#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/StressEndings.h"
#include "speech/core/WordView.h"

namespace {

constexpr int kMaxWord = 69;

// The rest of the word from r on, as its own word.
WordView RestOf(const BYTE* letters, const BYTE* vowels, int r) {
  return WordView(letters + r, vowels + r, LastLetterIndex(letters + r, kMaxWord));
}

// 1 when the rest of the word opens with a syllable that keeps the
// article's qamats before he or ayin.
bool OpensWithOpenSyllable(const WordView& rest) {
  if (rest.Last() == 0) return IsAnyOf(rest.V(0), {199, 200, 202, 206});
  if (rest.V(0) == HebCode::Hiriq && IsYodForm(rest.L(1)) && IsNoVowel(rest.V(1)) &&
      rest.Last() >= 2) {
    return true;
  }
  return !IsDageshLetter(rest.L(1)) && !IsNoVowelOrShva(rest.V(1));
}

// The vowel of the article before the rest of the word from r on.
int ArticleVowel(const BYTE* letters, const BYTE* vowels, int r) {
  const WordView rest = RestOf(letters, vowels, r);
  const int next = rest.L(0), vowel = rest.V(0);
  if (next == HebCode::Alef || next == HebCode::Resh) return HebCode::Qamats;
  if ((next == HebCode::He || next == HebCode::Ayin) && IsAnyOf(vowel, {134, 200})) {
    return !OpensWithOpenSyllable(rest) || IsSegolateEnding(rest) ? HebCode::Qamats
                                                                  : HebCode::Segol;
  }
  if (next == HebCode::Ayin) return HebCode::Qamats;
  if (next == HebCode::He) {
    return IsArticleQamatsWord(letters + r, vowels + r) ? HebCode::Qamats : HebCode::Patah;
  }
  if (next == HebCode::Het && IsAnyOf(vowel, {134, 200, 195})) return HebCode::Segol;
  return HebCode::Patah;
}

// The vowel of a prefix letter from the letter after it, when no article
// stands between: hataf gives its full vowel, none or shva gives hiriq.
int VowelBefore(int next, int nextVowel) {
  if (nextVowel == HebCode::HatafSegol) return HebCode::Segol;
  if (nextVowel == HebCode::HatafPatah) return HebCode::Patah;
  if (nextVowel == HebCode::HatafQamats) return HebCode::Qamats;
  if (IsYodForm(next) && IsNoVowelOrShva(nextVowel)) return HebCode::Hiriq;
  return 0;
}

}  // namespace

int IsArticleQamatsWord(const BYTE* letters, const BYTE* vowels) {
  if (letters[0] != HebCode::He) return 0;
  if ((letters[1] == HebCode::FinalMem || letters[1] == HebCode::FinalNun) && letters[2] == 0 &&
      vowels[0] == HebCode::Tsere) {
    return 1;
  }
  return letters[1] != 0 && IsAnyOf(letters[1], {240, 176, 238, 174}) &&
                 letters[2] == HebCode::He && letters[3] == 0 &&
                 IsAnyOf(vowels[0], {197, 213}) && vowels[1] == HebCode::Qamats
             ? 1
             : 0;
}

void PointPrefixLetters(BYTE* letters, BYTE* vowels, int p, int articleMode) {
  const int length = LastLetterIndex(letters, kMaxWord) + 1;
  p = std::min(p, length - 1);
  if (p <= 0) return;
  const bool hasVav = letters[0] == HebCode::Vav || letters[0] == HebCode::Shuruk;
  const int start = hasVav ? 1 : 0;
  int absorbed = articleMode;

  // kaf + shin, "when", before the rest of the prefix.
  const bool kafShin = p > 1 && start + 1 < length &&
                       (letters[start] == 171 || letters[start] == HebCode::Kaf) &&
                       letters[start + 1] == HebCode::ShinShinDot;
  if (kafShin) {
    if (IsNoVowel(vowels[start])) vowels[start] = HebCode::Shva;
    if (IsNoVowel(vowels[start + 1])) vowels[start + 1] = HebCode::Segol;
    const int after = start + 2 < length ? letters[start + 2] : 0;
    if ((p == 3 || p == 4) && (IsHe(after) || IsBet(after) || IsKaf(after) || IsLamed(after))) {
      if (absorbed == kArticleDecide) absorbed = kArticleAbsorbed;
    }
    if (!hasVav && letters[0] == HebCode::Kaf) letters[0] = 171;
    if (start + 2 < p && (after == HebCode::Bet || after == HebCode::Kaf)) {
      letters[start + 2] = static_cast<BYTE>(AddDagesh(after));
    }
  }

  for (int q = p - 1; q >= 0; --q) {
    if (IsNoVowel(vowels[q])) {
      const int letter = letters[q];
      const int next = letters[q + 1], nextVowel = vowels[q + 1];
      if (letter == HebCode::He) {
        vowels[q] = static_cast<BYTE>(ArticleVowel(letters, vowels, q + 1));
      } else if (letter == HebCode::ShinShinDot) {
        vowels[q] = HebCode::Segol;
      } else if (letter == HebCode::Vav) {
        if (absorbed == kArticleAbsorbed && p == 1) {
          vowels[q] = static_cast<BYTE>(ArticleVowel(letters, vowels, q + 1));
        } else if (IsNoVowel(nextVowel)) {
          vowels[q] = HebCode::Hiriq;
        } else if (const int vowel = VowelBefore(next, nextVowel)) {
          vowels[q] = static_cast<BYTE>(vowel);
        } else if (!IsShva(nextVowel) && !IsLabialLetter(next)) {
          vowels[q] = HebCode::Shva;
        } else {
          letters[q] = vowels[q] = HebCode::Shuruk;
        }
      } else if (IsAnyOf(letter, {161, 171, 225, 235, 236})) {
        if (q > 0 && IsShinWithShinDot(letters[q - 1]) && letters[q - 1] != 249 &&
            absorbed == kArticleDecide) {
          absorbed = kArticleAbsorbed;
        }
        const bool article = absorbed == kArticleAbsorbed;
        if ((!hasVav && q == 0) || article) {
          if (letter == HebCode::Bet || letter == HebCode::Kaf) {
            letters[q] = static_cast<BYTE>(AddDagesh(letter));
          }
        }
        if (article) {
          vowels[q] = static_cast<BYTE>(ArticleVowel(letters, vowels, q + 1));
        } else if (IsNoVowelOrShva(nextVowel)) {
          vowels[q] = HebCode::Hiriq;
        } else if (const int vowel = VowelBefore(next, nextVowel)) {
          vowels[q] = static_cast<BYTE>(vowel);
        } else {
          vowels[q] = HebCode::Shva;
        }
      } else if (letter == HebCode::Mem) {
        vowels[q] = IsGutturalLetter(next) ? HebCode::Tsere : HebCode::Hiriq;
      }
    }
    // Past the kaf + shin run to the conjunction vav.
    if (kafShin && q == p - 1 && q > start) q = start;
  }
}
