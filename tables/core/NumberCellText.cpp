#include "tables/core/NumberCellText.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/PleneWord.h"

namespace {

constexpr int kNoVowel = 0;

bool EndsNumberWord(BYTE letter) {
  return letter == '\t' || letter == '\f' || letter == '\r' || letter == ' ' || letter == '-';
}

void AppendMerged(std::string& text, const BYTE* letters, const BYTE* vowels, int count) {
  CString merged;
  MergeLettersAndVowels(merged, letters, vowels, count);
  text.append(merged, merged.GetLength());
}

}  // namespace

NumberTextPlanes SplitNumberText(const std::string& pointed) {
  NumberTextPlanes split;
  const int capacity = SplitLettersAndVowels(pointed.c_str(), nullptr, nullptr, 0, kNoVowel) + 1;
  split.letters.resize(capacity);
  split.vowels.resize(capacity);
  split.count = SplitLettersAndVowels(pointed.c_str(), split.letters.data(), split.vowels.data(),
                                      capacity, kNoVowel);
  return split;
}

std::string RespellNumberText(const std::string& pointed) {
  const NumberTextPlanes split = SplitNumberText(pointed);
  std::string respelled;
  for (int start = 0; start < split.count;) {
    int end = start;
    while (end < split.count && !EndsNumberWord(split.letters[end])) ++end;
    if (end > start) {
      const PleneWord word =
          RespellPleneWord(&split.letters[start], &split.vowels[start], end - start);
      AppendMerged(respelled, word.letters.data(), word.vowels.data(), word.count);
    }
    if (end < split.count) respelled += static_cast<char>(split.letters[end]);
    start = end + 1;
  }
  return respelled;
}

bool NumberTextHasStress(const std::string& pointed) {
  const NumberTextPlanes split = SplitNumberText(pointed);
  return HasStressedVowel(split.vowels.data(), split.count) != 0;
}

NumberTextCopy BuildNumberTextCopy(const std::string& pointed, bool withoutStress) {
  NumberTextCopy copy;
  if (pointed.empty()) return copy;
  NumberTextPlanes split = SplitNumberText(pointed);
  if (withoutStress) ClearStressMarks(split.vowels.data(), split.count);
  MergeLettersAndVowels(copy.text, split.letters.data(), split.vowels.data(), split.count);
  CString standard = copy.text;
  ConvertToStandardPoints(standard, kVavThenHolam);
  copy.unicode = AnsiHebrewToUnicode(standard);
  return copy;
}
