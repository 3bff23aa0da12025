#include "tables/core/DeclensionEntrySearch.h"

#include <algorithm>
#include <cstring>

#include "hebtext/core/CollationKey.h"
#include "hebtext/core/HebChar.h"

namespace {

constexpr int kSortKeySize = 128;

const BYTE* Bytes(const std::string& text) { return reinterpret_cast<const BYTE*>(text.data()); }

// Vowels as many as letters, so that a short vowel string reads as none.
EntrySearchWord Parallel(EntrySearchWord word) {
  word.vowels.resize(word.letters.size(), static_cast<char>(HebCode::NoVowel));
  return word;
}

int Sign(int value) { return (value > 0) - (value < 0); }

EntrySearchWord CutAtSeparator(const EntrySearchWord& word) {
  size_t end = 0;
  while (end < word.letters.size() && !IsWordSeparator(static_cast<BYTE>(word.letters[end]))) ++end;
  return {word.letters.substr(0, end), word.vowels.substr(0, end)};
}

EntrySearchWord WithoutTrailingSeparators(const EntrySearchWord& word) {
  size_t end = word.letters.size();
  while (end > 0 && IsWordSeparator(static_cast<BYTE>(word.letters[end - 1]))) --end;
  return {word.letters.substr(0, end), word.vowels.substr(0, end)};
}

std::string SortKey(const EntrySearchWord& word) {
  char key[kSortKeySize];
  BuildLetterVowelKey(key, kSortKeySize, Bytes(word.letters), Bytes(word.vowels),
                      static_cast<int>(word.letters.size()));
  return key;
}

// Where the first letter without a vowel stands; the length when every
// letter has one.
size_t FirstBareLetter(const EntrySearchWord& word) {
  for (size_t i = 0; i < word.letters.size(); ++i)
    if (IsLetterOrShuruk(static_cast<BYTE>(word.letters[i])) &&
        IsNoVowel(static_cast<BYTE>(word.vowels[i])))
      return i;
  return word.letters.size();
}

std::string VowelClasses(const EntrySearchWord& word, size_t count) {
  char classes[kSortKeySize];
  VowelClassString(classes, kSortKeySize, Bytes(word.vowels), static_cast<int>(count));
  return classes;
}

// The search over the rows, which are in the order CompareEntryWord gives.
class EntryRowSearch {
 public:
  EntryRowSearch(const EntrySearchWord& typed, int rowCount, const EntryRowWord& rowWord)
      : typed_(WithoutTrailingSeparators(Parallel(typed))),
        cut_(CutAtSeparator(typed_)),
        rowCount_(rowCount),
        rowWord_(rowWord) {}

  // A lower-bound bisection: every row it narrows to is compared, so the
  // last row of the list is found like any other.
  int Find() {
    int low = 0;
    int high = rowCount_;
    while (low < high) {
      const int middle = low + (high - low) / 2;
      int result = 0;
      if (!Compare(middle, cut_, kCompareCutAtSeparator, result)) return kUnreadable;
      if (result < 0)
        low = middle + 1;
      else
        high = middle;
    }
    if (low < rowCount_) {
      int result = 0;
      if (!Compare(low, cut_, kCompareCutAtSeparator, result)) return kUnreadable;
      if (result == 0) return EqualRun(low);
    }
    // The last row sorting before the typed word; row 0 when there is none.
    return low > 0 ? low - 1 : 0;
  }

 private:
  static constexpr int kUnreadable = -1;

  bool Compare(int row, const EntrySearchWord& typed, int mode, int& result) {
    EntrySearchWord word;
    if (!rowWord_(row, word)) return false;
    result = CompareEntryWord(word, typed, mode);
    return true;
  }

  // Of the rows from first on whose cut words equal the typed one, the
  // first that does not sort before the whole typed word, or the first.
  int EqualRun(int first) {
    int result = 0;
    int last = first;
    while (last + 1 < rowCount_) {
      if (!Compare(last + 1, cut_, kCompareCutAtSeparator, result)) return kUnreadable;
      if (result != 0) break;
      ++last;
    }
    for (int row = first; row <= last; ++row) {
      if (!Compare(row, typed_, kCompareVowelClasses, result)) return kUnreadable;
      if (result >= 0) return row;
    }
    return first;
  }

  const EntrySearchWord typed_;
  const EntrySearchWord cut_;
  const int rowCount_;
  const EntryRowWord& rowWord_;
};

}  // namespace

int CompareEntryWord(const EntrySearchWord& entryWord, const EntrySearchWord& typedWord, int mode) {
  const EntrySearchWord typed = Parallel(typedWord);
  const EntrySearchWord word =
      (mode & kCompareCutAtSeparator) ? CutAtSeparator(Parallel(entryWord)) : Parallel(entryWord);
  const int order = Sign(SortKey(word).compare(SortKey(typed)));
  if (order != 0 || !(mode & kCompareVowelClasses)) return order;
  const size_t count = std::min(FirstBareLetter(word), FirstBareLetter(typed));
  if (count == 0) return 0;
  return Sign(VowelClasses(word, count).compare(VowelClasses(typed, count)));
}

int FindEntryRow(const EntrySearchWord& typed, int rowCount, const EntryRowWord& rowWord) {
  return EntryRowSearch(typed, rowCount, rowWord).Find();
}

int IncrementalSearchRow(const EntrySearchWord& typed, int rowCount, const EntryRowWord& rowWord) {
  const int row = FindEntryRow(typed, rowCount, rowWord);
  if (row >= 0) return row;
  return rowCount > 0 ? rowCount - 1 : 0;
}
