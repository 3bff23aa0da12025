#include "speech/core/LetterRules.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordView.h"

namespace {

using namespace HebCode;

// The rules read the apostrophe of the short names.
constexpr char kApostrophe[] = {Geresh, 0};

constexpr BYTE kElohimStem[] = {Alef, Lamed, He, Yod};
constexpr BYTE kAdonaiLetters[] = {Alef, Dalet, Nun, Yod};
constexpr BYTE kAdonaiVowels[] = {HatafPatah, Holam, Qamats, NoVowel};
constexpr BYTE kAdoshemLetters[] = {Alef, Dalet, ShinShinDot, FinalMem};
constexpr BYTE kAdoshemVowels[] = {HatafPatah, HolamMale, StressedSegol, ExplicitNoVowel};

bool BeginsWithElohimStem(const BYTE* letters, int available) {
  return available >= 4 && memcmp(letters, kElohimStem, 4) == 0;
}

// Two yods written for the name: none or shva, then qamats; or qamats, then none.
bool IsTwoYodName(const WordView& w, int k) {
  if (!IsYodForm(w.L(k)) || !IsYodForm(w.L(k + 1))) return false;
  const int first = w.V(k), second = w.V(k + 1);
  return (IsNoVowelOrShva(first) && IsQamatsForm(second)) ||
         (IsQamatsForm(first) && IsNoVowel(second));
}

bool IsFourLetterName(const WordView& w, int k) {
  return IsYodForm(w.L(k)) && w.L(k + 1) == He && w.L(k + 2) == Vav && w.L(k + 3) == He;
}

bool IsWrittenAdonai(const WordView& w, int k) {
  for (int i = 0; i < 4; ++i) {
    if (w.L(k + i) != kAdonaiLetters[i]) return false;
  }
  return w.V(k) == kAdonaiVowels[0] && w.V(k + 1) == kAdonaiVowels[1] &&
         w.V(k + 2) == kAdonaiVowels[2];
}

void WriteShortName(BYTE* letters, BYTE* vowels, int k) {
  letters[k] = Dalet;
  letters[k + 1] = Geresh;
  vowels[k] = vowels[k + 1] = ExplicitNoVowel;
}

// The prefix offsets a rule tries: 0, then each k below `limit` at which
// the word begins with a prefix chain of k letters.
std::vector<int> PrefixOffsets(const BYTE* letters, const BYTE* vowels, int limit) {
  std::vector<int> offsets{0};
  for (int k = 1; k < limit && k <= 4; ++k) {
    if (TestWordPrefix(letters, vowels, k) == k) offsets.push_back(k);
  }
  return offsets;
}

}  // namespace

int RewriteNamesInWord(BYTE* letters, BYTE* vowels, int length, bool hashemFilter) {
  if (!hashemFilter || length <= 0) return 0;
  // A zero-terminated copy for the prefix test; the word may run on into
  // the text after it.
  std::vector<BYTE> wordLetters(letters, letters + length), wordVowels(vowels, vowels + length);
  wordLetters.push_back(0);
  wordVowels.push_back(0);
  const WordView w(letters, vowels, length - 1);
  for (int k : PrefixOffsets(wordLetters.data(), wordVowels.data(), std::min(length - 1, 5))) {
    if (BeginsWithElohimStem(letters + k, length - k)) {
      letters[k + 2] = Qof;
      return 0;
    }
    if (length - k == 2 && IsTwoYodName(w, k)) {
      WriteShortName(letters, vowels, k);
      return 0;
    }
    if (length - k == 4 && (IsWrittenAdonai(w, k) || IsFourLetterName(w, k))) {
      WriteShortName(letters, vowels, k);
      return -2;
    }
  }
  return 0;
}

int ApplyLetterRulesToText(BYTE* letters, BYTE* vowels, bool hashemFilter) {
  if (!hashemFilter) return 0;
  const int length = static_cast<int>(strlen(reinterpret_cast<const char*>(letters)));
  const std::vector<BYTE> sourceLetters(letters, letters + length);
  const std::vector<BYTE> sourceVowels(vowels, vowels + length);
  int read = 0, write = 0;
  while (read < length) {
    const bool word = IsWordChar(sourceLetters[read]) != 0;
    int end = read;
    while (end < length && (IsWordChar(sourceLetters[end]) != 0) == word) ++end;
    // The text only shrinks, so the write position never passes the read one.
    std::copy(sourceLetters.begin() + read, sourceLetters.begin() + end, letters + write);
    std::copy(sourceVowels.begin() + read, sourceVowels.begin() + end, vowels + write);
    int runLength = end - read;
    if (word) runLength += RewriteNamesInWord(letters + write, vowels + write, runLength, true);
    write += runLength;
    read = end;
  }
  letters[write] = 0;
  vowels[write] = 0;
  return write - length;
}

int StripWordChars(BYTE* letters, BYTE* vowels, int capacity, const char* keep) {
  int write = 0;
  for (int read = 0; read < capacity && letters[read] != 0; ++read) {
    const bool kept = keep != nullptr && strchr(keep, letters[read]) != nullptr;
    if (IsAsciiPunct(letters[read]) && !kept) continue;
    letters[write] = letters[read];
    vowels[write] = vowels[read];
    ++write;
  }
  if (write < capacity) {
    letters[write] = 0;
    vowels[write] = 0;
  }
  return write;
}

bool AdjustWordSpelling(BYTE* letters, BYTE* vowels, int capacity, bool hashemFilter) {
  std::vector<BYTE> l(letters, letters + capacity), v(vowels, vowels + capacity);
  l.push_back(0);
  v.push_back(0);
  const int length = StripWordChars(l.data(), v.data(), capacity, kApostrophe);
  const int n = length - 1;
  if (n < 1) return false;
  const WordView w(l.data(), v.data(), n);
  auto commit = [&]() {
    std::copy(l.begin(), l.begin() + capacity, letters);
    std::copy(v.begin(), v.begin() + capacity, vowels);
    return true;
  };

  for (int k : PrefixOffsets(l.data(), v.data(), std::min(n, 5))) {
    const bool shortForm = n == k + 1 && (w.L(k) == He || w.L(k) == Dalet) && IsNoVowel(w.V(k)) &&
                           w.L(k + 1) == Geresh;
    const bool isName =
        shortForm || (n == k + 1 && IsTwoYodName(w, k)) || (n == k + 3 && IsFourLetterName(w, k));
    if (!isName || k + 4 >= capacity) continue;
    const BYTE* nameLetters = hashemFilter ? kAdoshemLetters : kAdonaiLetters;
    const BYTE* nameVowels = hashemFilter ? kAdoshemVowels : kAdonaiVowels;
    std::copy(nameLetters, nameLetters + 4, l.begin() + k);
    std::copy(nameVowels, nameVowels + 4, v.begin() + k);
    l[k + 4] = 0;
    v[k + 4] = 0;
    // After a prefix with patah or qamats the name's alef is silent.
    if (k > 0 && (IsPatahForm(v[k - 1]) || IsQamatsForm(v[k - 1]))) {
      v[k] = ExplicitNoVowel;
    }
    return commit();
  }
  for (int j = 0; j + 2 <= n; ++j) {
    if (l[j] == He && l[j + 1] == Vav && l[j + 2] == Alef && IsHiriqForm(v[j]) &&
        IsNoVowel(v[j + 1]) && IsNoVowel(v[j + 2])) {
      l[j + 1] = Yod;
      return commit();
    }
  }
  if (!hashemFilter) return false;
  bool changed = false;
  for (int p = 0; p + 3 <= n; ++p) {
    if (BeginsWithElohimStem(l.data() + p, length - p)) {
      l[p + 2] = Qof;
      changed = true;
    }
  }
  return changed && commit();
}
