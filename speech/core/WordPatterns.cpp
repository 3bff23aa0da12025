#include "speech/core/WordPatterns.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <optional>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/WordCompare.h"
#include "speech/core/CodeSets.h"
#include "speech/core/PointedInput.h"
#include "speech/core/WordView.h"

namespace {

using namespace HebCode;

// Prefix letters with the vowels they take when not strict.

// Shva of any kind, hiriq, patah or qamats (plain or stressed): the vowels
// of the prepositions bet, kaf and lamed.
bool IsPrepositionVowel(int vowel) {
  return IsAnyOf(vowel, {VocalShva, SilentShva, Shva, Hiriq, Patah, Qamats, StressedHiriq,
                         StressedPatah, StressedQamats});
}

bool IsConjunctionVav(int letter, int vowel, bool strict) {
  if (letter == Shuruk) return true;
  if (letter != Vav) return false;
  return strict || IsNoVowel(vowel) || IsPrepositionVowel(vowel) ||
         IsAnyOf(vowel, {Segol, StressedSegol});
}

bool IsBetOrKafForm(int letter) { return IsAnyOf(letter, {BetDagesh, KafDagesh, Bet, Kaf}); }

bool IsPreposition(int letter, int vowel, bool strict) {
  if (!IsBetOrKafForm(letter) && letter != Lamed) return false;
  if (strict) return true;
  if (IsNoVowel(vowel) || IsPrepositionVowel(vowel)) return true;
  return IsBet(letter) && IsSegolForm(vowel);
}

bool IsRelativeShin(int letter, int vowel, bool strict) {
  return IsAnyOf(letter, {ShinShinDot, Shin}) && (strict || IsSegolForm(vowel));
}

bool IsArticle(int letter, int vowel, bool strict) {
  return letter == He && (strict || IsAnyOf(vowel, {HatafPatah, Segol, Patah, Qamats, StressedSegol,
                                                    StressedPatah, StressedQamats}));
}

bool IsPrepositionMem(int letter, int vowel, bool strict) {
  return letter == Mem && (strict || IsAnyOf(vowel, {Hiriq, Tsere, StressedHiriq, StressedTsere}));
}

// 1 when letters from..from+count-1 form the last part of a chain: a
// preposition, the article, mem, or mem + article.
bool IsChainEnd(const WordView& w, int from, int count, bool strict) {
  if (count == 1) {
    const int l = w.L(from), v = w.V(from);
    return IsPreposition(l, v, strict) || IsArticle(l, v, strict) || IsPrepositionMem(l, v, strict);
  }
  return count == 2 && IsPrepositionMem(w.L(from), w.V(from), strict) &&
         IsArticle(w.L(from + 1), w.V(from + 1), strict);
}

// 1 when letters from..from+count-1 are a chain without the conjunction vav:
// [shin | kaf-with-dagesh + shin] followed by an optional chain end.
bool IsChainAfterVav(const WordView& w, int from, int count, bool strict) {
  if (count <= 0) return false;
  if (IsChainEnd(w, from, count, strict)) return true;
  if (IsRelativeShin(w.L(from), w.V(from), strict)) {
    return count == 1 || IsChainEnd(w, from + 1, count - 1, strict);
  }
  // kaf + shin, "when", alone (כְּשֶׁשָּׁמַר) or before the article, bet, lamed or
  // kaf (כְּשֶׁהַ...). The kaf loses its dagesh after the conjunction vav.
  if ((count == 2 || count == 3) && IsKaf(w.L(from)) &&
      IsPreposition(w.L(from), w.V(from), strict) &&
      IsRelativeShin(w.L(from + 1), w.V(from + 1), strict)) {
    if (count == 2) return true;
    const int l = w.L(from + 2), v = w.V(from + 2);
    return IsArticle(l, v, strict) ||
           (IsAnyOf(l, {BetDagesh, Lamed, KafDagesh}) && IsPreposition(l, v, strict));
  }
  return false;
}

}  // namespace

int TestWordPrefix(const BYTE* letters, const BYTE* vowels, int kind, bool strict) {
  if (kind < 1 || kind > 4) return 0;
  // The chain must leave at least one letter of the word behind it.
  const int last = LastLetterIndex(letters, kind + 1);
  if (last < kind) return 0;
  const WordView w(letters, vowels, last);
  if (IsChainAfterVav(w, 0, kind, strict)) return kind;
  if (IsConjunctionVav(w.L(0), w.V(0), strict) &&
      (kind == 1 || IsChainAfterVav(w, 1, kind - 1, strict))) {
    return kind;
  }
  return 0;
}

int CountStressDigits(LPCSTR pattern) {
  int count = 0;
  for (; pattern != nullptr && *pattern != 0; ++pattern) {
    if (*pattern == '0' || *pattern == '1') ++count;
  }
  return count;
}

int CountStressDigits(const CString& pattern) {
  return CountStressDigits(static_cast<LPCSTR>(pattern));
}

namespace {

constexpr int kMaxPatternLastIndex = 20;  // longer words never match
constexpr int kMaxEntryLength = 13;       // 10 letters and an appended ending
constexpr int kMaxVariantForms = 7;

// An entry as it is compared: its letters and vowels and their count.
struct EntryForm {
  BYTE letters[kMaxEntryLength];
  BYTE vowels[kMaxEntryLength];
  int count;

  EntryForm() : letters{}, vowels{}, count(0) {}
  explicit EntryForm(const WordPattern& pattern) : letters{}, vowels{}, count(0) {
    while (count < 10 && pattern.letters[count] != 0) {
      letters[count] = pattern.letters[count];
      vowels[count] = pattern.vowels[count];
      ++count;
    }
  }
  int LastLetter() const { return letters[count - 1]; }
  int VowelBeforeLast() const { return count >= 2 ? vowels[count - 2] : 0; }
  void Append(int letter, int vowel) {
    if (count >= kMaxEntryLength) return;
    letters[count] = static_cast<BYTE>(letter);
    vowels[count] = static_cast<BYTE>(vowel);
    ++count;
  }
  // The last letter made regular and given a vowel, before an ending.
  void OpenLastLetter(int vowel) {
    letters[count - 1] = static_cast<BYTE>(FinalToRegularLetter(letters[count - 1]));
    vowels[count - 1] = static_cast<BYTE>(vowel);
  }
};

bool VowelsAgree(int a, int b, int nextA, int nextB) {
  if (IsNoVowel(a) && IsNoVowel(b)) return true;
  if (VowelsMatchLoose(a, b, nextA, nextB)) return true;
  // A shva or no vowel on one side stands for a hataf on the other.
  return (IsNoVowelOrShva(a) && IsHatafVowel(b)) || (IsHatafVowel(a) && IsNoVowelOrShva(b));
}

bool IsMaterVowel(int vowel) {
  return IsHiriqForm(vowel) || IsTsereForm(vowel) || IsSegolForm(vowel);
}

// A yod without vowel after a hiriq, tsere or segol, not the last letter:
// a mater lectionis that may be missing on the other side.
bool IsSkippableYod(const BYTE* letters, const BYTE* vowels, int count, int at) {
  return at + 1 < count && IsYodForm(letters[at]) && IsNoVowel(vowels[at]) &&
         IsMaterVowel(vowels[at - 1]);
}

bool MatchesAt(const EntryForm& entry, const BYTE* letters, const BYTE* vowels, int count,
               int offset) {
  int i = 0, j = offset;
  while (i < entry.count && j < count) {
    if (!LettersMatchKeepMappiq(letters[j], entry.letters[i])) return false;
    const int nextWord = j + 1 < count ? vowels[j + 1] : 0;
    const int nextEntry = i + 1 < entry.count ? entry.vowels[i + 1] : 0;
    if (!VowelsAgree(vowels[j], entry.vowels[i], nextWord, nextEntry)) return false;
    ++i;
    ++j;
    const bool entryYod = IsSkippableYod(entry.letters, entry.vowels, entry.count, i);
    const bool wordYod = IsSkippableYod(letters, vowels, count, j);
    if (entryYod && !wordYod && !(j < count && IsYodForm(letters[j]))) ++i;
    if (wordYod && !entryYod && !(i < entry.count && IsYodForm(entry.letters[i]))) ++j;
  }
  return i == entry.count && j == count;
}

enum class EntryEnding { Other, Ah, I, VavVowelTav };

EntryEnding ClassifyEnding(const EntryForm& e) {
  const int last = e.LastLetter();
  const int lastVowel = e.vowels[e.count - 1];
  if (IsHe(last) && lastVowel == ExplicitNoVowel && e.VowelBeforeLast() == Qamats) {
    return EntryEnding::Ah;
  }
  if (IsYodForm(last) && lastVowel == ExplicitNoVowel && IsHiriqOrNoVowel(e.VowelBeforeLast())) {
    return EntryEnding::I;
  }
  if (IsTav(last) && (IsHolamMale(e.VowelBeforeLast()) || IsShuruk(e.VowelBeforeLast()))) {
    return EntryEnding::VavVowelTav;
  }
  return EntryEnding::Other;
}

// The inflected forms of an entry that the flags ask for, in the order they
// are tried; returns how many were written.
int BuildVariantForms(const WordPattern& pattern, int flags, EntryForm* forms) {
  const EntryForm plain(pattern);
  if (plain.count == 0) return 0;
  const EntryEnding ending = ClassifyEnding(plain);
  const bool all = (flags & kVariantAll) != 0;
  int made = 0;
  if ((all || (flags & kVariantVavVowelSwap)) && ending == EntryEnding::VavVowelTav) {
    EntryForm& f = forms[made++] = plain;
    BYTE& vowel = f.vowels[f.count - 2];
    vowel = IsHolamMale(vowel) ? Shuruk : HolamMale;
  }
  if ((all || (flags & kVariantIt)) && ending != EntryEnding::Ah) {
    EntryForm& f = forms[made++] = plain;
    if (ending != EntryEnding::I) {
      f.OpenLastLetter(Hiriq);
      f.Append(Yod, ExplicitNoVowel);
    }
    f.Append(Tav, ExplicitNoVowel);
  }
  if ((all || (flags & kVariantIm)) && ending != EntryEnding::Ah) {
    EntryForm& im = forms[made++] = plain;
    EntryForm& iyim = forms[made++] = plain;
    if (ending == EntryEnding::I) {
      im.Append(FinalMem, ExplicitNoVowel);
      iyim.vowels[iyim.count - 1] = Hiriq;
      if (iyim.count >= 2) iyim.vowels[iyim.count - 2] = Hiriq;
    } else {
      im.OpenLastLetter(Hiriq);
      im.Append(Yod, ExplicitNoVowel);
      im.Append(FinalMem, ExplicitNoVowel);
      iyim.OpenLastLetter(Hiriq);
      iyim.Append(Yod, Hiriq);
    }
    iyim.Append(Yod, ExplicitNoVowel);
    iyim.Append(FinalMem, ExplicitNoVowel);
  }
  if (all || (flags & kVariantOtUt)) {
    for (int vowel : {HolamMale, Shuruk}) {
      EntryForm& f = forms[made++] = plain;
      if (ending == EntryEnding::I) {
        f.vowels[f.count - 1] = static_cast<BYTE>(vowel);
        f.Append(Tav, ExplicitNoVowel);
      } else if (ending == EntryEnding::Ah) {
        f.letters[f.count - 1] = Tav;
        f.vowels[f.count - 2] = static_cast<BYTE>(vowel);
      } else {
        f.OpenLastLetter(vowel);
        f.Append(Tav, ExplicitNoVowel);
      }
    }
  }
  return made;
}

}  // namespace

int MatchWordPatternList(const BYTE* letters, const BYTE* vowels, int n, const WordPattern* list,
                         int* offset, int variantFlags) {
  if (offset == nullptr) return 0;
  *offset = 0;
  if (n < 0 || n > kMaxPatternLastIndex || list == nullptr) return 0;
  BYTE wordLetters[kMaxPatternLastIndex + 2] = {};
  BYTE wordVowels[kMaxPatternLastIndex + 2] = {};
  int count = n + 1;
  memcpy(wordLetters, letters, count);
  memcpy(wordVowels, vowels, count);
  // A trailing punctuation mark goes with its vowel.
  if (IsAsciiPunct(wordLetters[count - 1])) {
    --count;
    wordLetters[count] = 0;
    wordVowels[count] = 0;
  }
  if (count == 0) return 0;

  bool allowed[5] = {true, false, false, false, false};
  for (int k = 1; k <= 4; ++k) {
    allowed[k] = k < count && TestWordPrefix(wordLetters, wordVowels, k) == k;
  }
  EntryForm forms[kMaxVariantForms];
  for (const WordPattern* entry = list; entry->letters[0] != 0; ++entry) {
    const EntryForm plain(*entry);
    const int variants = variantFlags != 0 ? BuildVariantForms(*entry, variantFlags, forms) : 0;
    for (int k = 0; k <= 4; ++k) {
      if (!allowed[k]) continue;
      bool matched = MatchesAt(plain, wordLetters, wordVowels, count, k);
      for (int f = 0; !matched && f < variants; ++f) {
        matched = MatchesAt(forms[f], wordLetters, wordVowels, count, k);
      }
      if (matched) {
        *offset = k;
        return 1;
      }
    }
  }
  return 0;
}

bool MatchesWordList(const WordView& w, const WordPattern* list, int variantFlags) {
  int offset = 0;
  return MatchWordPatternList(w.Letters(), w.Vowels(), w.Last(), list, &offset, variantFlags) != 0;
}

WordPatternList::WordPatternList(std::initializer_list<const char*> words,
                                 std::initializer_list<WordPattern> patterns) {
  constexpr int kPatternLetters = static_cast<int>(sizeof(WordPattern::letters));
  for (const char* word : words) {
    const std::optional<PointedLetters> read = PointedLettersFromUtf8(word);
    // The lists are the rules' own words: the tests and fuzzers, where
    // assertions run, read every one of them.
    const bool fits = read && read->Last() < kPatternLetters;
    assert(fits && "a word list entry the import refuses or too long for a pattern");
    if (!fits) continue;
    WordPattern pattern = {};
    std::copy(read->letters.begin(), read->letters.end() - 1, pattern.letters);
    std::copy(read->vowels.begin(), read->vowels.end() - 1, pattern.vowels);
    m_patterns.push_back(pattern);
  }
  m_patterns.insert(m_patterns.end(), patterns.begin(), patterns.end());
  m_patterns.push_back(WordPattern{});
}

// clang-format off
const WordPattern* AiWords() {
  static const WordPatternList list({
      u8"אַחֲרָאִי", u8"אֲמוֹדָאִי", u8"אָמוֹדָאִי", u8"אַשׁרָאִי", u8"גַּבָּאִי", u8"גִּמלָאִי",
      u8"דְשָׁאִי", u8"כִּילָאִי", u8"כְּלָאִי", u8"מְמוּלָאִי", u8"מוּקְפָּאִי", u8"סַבָּאִי",
      u8"סַבְתָּאִי", u8"פְּלָאִי", u8"פְּרָאִי", u8"צְבָאִי", u8"תְּנָאִי", u8"טְנָאִי",
  });
  return list.Patterns();
}
// clang-format on
