#include "speech/core/PrefixPointing.h"

#include <algorithm>

#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/StressEndings.h"
#include "speech/core/WordView.h"

namespace {

using namespace HebCode;

constexpr int kMaxWord = 69;

bool IsPatahForQamatsOrQamats(int c) { return c == PatahForQamats || c == Qamats; }

// The rest of the word from r on, as its own word.
WordView RestOf(const BYTE* letters, const BYTE* vowels, int r) {
  return WordView(letters + r, vowels + r, LastLetterIndex(letters + r, kMaxWord));
}

// 1 when the rest of the word opens with a syllable that keeps the
// article's qamats before he or ayin.
bool OpensWithOpenSyllable(const WordView& rest) {
  if (rest.Last() == 0) return IsAnyOf(rest.V(0), {Patah, Qamats, Shuruk, HolamMale});
  if (rest.V(0) == Hiriq && IsYodForm(rest.L(1)) && IsNoVowel(rest.V(1)) && rest.Last() >= 2) {
    return true;
  }
  return !IsDageshLetter(rest.L(1)) && !IsNoVowelOrShva(rest.V(1));
}

// The vowel of the article before the rest of the word from r on.
int ArticleVowel(const BYTE* letters, const BYTE* vowels, int r) {
  const WordView rest = RestOf(letters, vowels, r);
  const int next = rest.L(0), vowel = rest.V(0);
  if (next == Alef || next == Resh) return Qamats;
  if ((next == He || next == Ayin) && IsPatahForQamatsOrQamats(vowel)) {
    return !OpensWithOpenSyllable(rest) || IsSegolateEnding(rest) ? Qamats : Segol;
  }
  if (next == Ayin) return Qamats;
  if (next == He) {
    return IsArticleQamatsWord(letters + r, vowels + r) ? Qamats : Patah;
  }
  if (next == Het && (IsPatahForQamatsOrQamats(vowel) || vowel == HatafQamats)) return Segol;
  return Patah;
}

// The vowel of a prefix letter from the letter after it, when no article
// stands between: hataf gives its full vowel, none or shva gives hiriq.
int VowelBefore(int next, int nextVowel) {
  if (nextVowel == HatafSegol) return Segol;
  if (nextVowel == HatafPatah) return Patah;
  if (nextVowel == HatafQamats) return Qamats;
  if (IsYodForm(next) && IsNoVowelOrShva(nextVowel)) return Hiriq;
  return 0;
}

}  // namespace

bool IsArticleQamatsWord(const BYTE* letters, const BYTE* vowels) {
  if (letters[0] != He) return false;
  if ((letters[1] == FinalMem || letters[1] == FinalNun) && letters[2] == 0 && vowels[0] == Tsere) {
    return true;
  }
  return letters[1] != 0 && IsAnyOf(letters[1], {Nun, NunDagesh, Mem, MemDagesh}) &&
         letters[2] == He && letters[3] == 0 && IsAnyOf(vowels[0], {Tsere, StressedTsere}) &&
         vowels[1] == Qamats;
}

void PointPrefixLetters(BYTE* letters, BYTE* vowels, int p, ArticleMode articleMode) {
  const int length = LastLetterIndex(letters, kMaxWord) + 1;
  p = std::min(p, length - 1);
  if (p <= 0) return;
  const bool hasVav = letters[0] == Vav || letters[0] == Shuruk;
  const int start = hasVav ? 1 : 0;
  ArticleMode absorbed = articleMode;

  // kaf + shin, "when", before the rest of the prefix.
  const bool kafShin = p > 1 && start + 1 < length &&
                       (letters[start] == KafDagesh || letters[start] == Kaf) &&
                       letters[start + 1] == ShinShinDot;
  if (kafShin) {
    if (IsNoVowel(vowels[start])) vowels[start] = Shva;
    if (IsNoVowel(vowels[start + 1])) vowels[start + 1] = Segol;
    const int after = start + 2 < length ? letters[start + 2] : 0;
    if ((p == 3 || p == 4) && (IsHe(after) || IsBet(after) || IsKaf(after) || IsLamed(after))) {
      if (absorbed == kArticleDecide) absorbed = kArticleAbsorbed;
    }
    if (!hasVav && letters[0] == Kaf) letters[0] = KafDagesh;
    if (start + 2 < p && (after == Bet || after == Kaf)) {
      letters[start + 2] = static_cast<BYTE>(AddDagesh(after));
    }
  }

  for (int q = p - 1; q >= 0; --q) {
    if (IsNoVowel(vowels[q])) {
      const int letter = letters[q];
      const int next = letters[q + 1], nextVowel = vowels[q + 1];
      if (letter == He) {
        vowels[q] = static_cast<BYTE>(ArticleVowel(letters, vowels, q + 1));
      } else if (letter == ShinShinDot) {
        vowels[q] = Segol;
      } else if (letter == Vav) {
        if (absorbed == kArticleAbsorbed && p == 1) {
          vowels[q] = static_cast<BYTE>(ArticleVowel(letters, vowels, q + 1));
        } else if (IsNoVowel(nextVowel)) {
          vowels[q] = Hiriq;
        } else if (const int vowel = VowelBefore(next, nextVowel)) {
          vowels[q] = static_cast<BYTE>(vowel);
        } else if (!IsShva(nextVowel) && !IsLabialLetter(next)) {
          vowels[q] = Shva;
        } else {
          letters[q] = vowels[q] = Shuruk;
        }
      } else if (IsAnyOf(letter, {BetDagesh, KafDagesh, Bet, Kaf, Lamed})) {
        if (q > 0 && IsShinWithShinDot(letters[q - 1]) && letters[q - 1] != Shin &&
            absorbed == kArticleDecide) {
          absorbed = kArticleAbsorbed;
        }
        const bool article = absorbed == kArticleAbsorbed;
        if ((!hasVav && q == 0) || article) {
          if (letter == Bet || letter == Kaf) {
            letters[q] = static_cast<BYTE>(AddDagesh(letter));
          }
        }
        if (article) {
          vowels[q] = static_cast<BYTE>(ArticleVowel(letters, vowels, q + 1));
        } else if (IsNoVowelOrShva(nextVowel)) {
          vowels[q] = Hiriq;
        } else if (const int vowel = VowelBefore(next, nextVowel)) {
          vowels[q] = static_cast<BYTE>(vowel);
        } else {
          vowels[q] = Shva;
        }
      } else if (letter == Mem) {
        vowels[q] = IsGutturalLetter(next) ? Tsere : Hiriq;
      }
    }
    // Past the kaf + shin run to the conjunction vav.
    if (kafShin && q == p - 1 && q > start) q = start;
  }
}
