#include "speech/transcription/core/WordClasses.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/HebWordRec.h"
#include "speech/core/WordPatterns.h"

namespace {

constexpr int kDoubleQuote = '"';
constexpr int kNameLength = 10;

// A letter's pointed name; the codes of the letters it names end with 0.
struct LetterName {
  BYTE named[7];
  BYTE letters[kNameLength];
  BYTE vowels[kNameLength];
};

// The sofit names take the same second word.
#define SOFIT 45, 241, 244, 233, 250
#define SOFIT_VOWELS 1, 206, 212, 1, 1
constexpr LetterName kLetterNames[] = {
    {{224}, {224, 236, 243}, {216, 198, 1}},                               // alef
    {{225}, {225, 250}, {198, 1}},                                         // vet
    {{226, 162}, {226, 238, 236}, {212, 198, 1}},                          // gimel
    {{227, 163}, {227, 236, 250}, {216, 198, 1}},                          // dalet
    {{228, 164}, {228, 224}, {197, 1}},                                    // he
    {{229, 165}, {229, 229}, {200, 1}},                                    // vav
    {{230, 166}, {230, 233, 239}, {215, 196, 1}},                          // zayin
    {{231}, {231, 250}, {198, 1}},                                         // het
    {{232, 168}, {232, 250}, {198, 1}},                                    // tet
    {{233, 169, 132, 133, 146, 147}, {233, 227}, {202, 1}},                // yud
    {{234}, {235, 243, SOFIT}, {200, 1, SOFIT_VOWELS}},                    // khaf sofit
    {{235}, {235, 243}, {200, 1}},                                         // khaf
    {{236, 172}, {236, 238, 227}, {216, 198, 1}},                          // lamed
    {{237}, {238, 237, SOFIT}, {198, 1, SOFIT_VOWELS}},                    // mem sofit
    {{238, 174}, {238, 237}, {198, 1}},                                    // mem
    {{239}, {240, 239, SOFIT}, {202, 1, SOFIT_VOWELS}},                    // nun sofit
    {{240, 176}, {240, 239}, {202, 1}},                                    // nun
    {{241, 177}, {241, 238, 234}, {216, 198, 1}},                          // samekh
    {{242}, {242, 233, 239}, {215, 196, 1}},                               // ayin
    {{243}, {244, 224, SOFIT}, {197, 1, SOFIT_VOWELS}},                    // fe sofit
    {{244}, {244, 224}, {197, 1}},                                         // fe
    {{245}, {246, 227, 233, SOFIT}, {216, 196, 1, SOFIT_VOWELS}},          // tsadi sofit
    {{246, 182}, {246, 227, 233}, {216, 196, 1}},                          // tsadi
    {{247, 184}, {247, 243}, {202, 1}},                                    // kuf
    {{248}, {248, 209}, {197, 1}},                                         // resh
    {{249, 185, 208, 209}, {209, 239}, {196, 1}},                          // shin
    {{250, 186}, {250, 229}, {200, 1}},                                    // tav
    {{210, 211}, {210, 239}, {196, 1}},                                    // sin
    {{161}, {161, 250}, {198, 1}},                                         // bet
    {{170}, {171, 243, SOFIT}, {200, 1, SOFIT_VOWELS}},                    // kaf sofit
    {{171}, {171, 243}, {200, 1}},                                         // kaf
    {{180}, {180, 224}, {197, 1}},                                         // pe
};
#undef SOFIT
#undef SOFIT_VOWELS

int WordLength(const HebWordRec& word) {
  return static_cast<int>(strnlen(reinterpret_cast<const char*>(word.letters), kWordPlaneSize));
}

}  // namespace

int IsAcronymWord(const HebWordRec& word) {
  const int length = WordLength(word);
  if (length < 2 || word.letters[length - 2] != kDoubleQuote) return 0;
  for (int i = 0; i < length; ++i) {
    if (!IsNoVowel(word.vowels[i])) return 0;
  }
  return 1;
}

int IsNumberWord(const HebWordRec& word, int& prefixLength) {
  prefixLength = 0;
  bool digitSeen = false;
  const int length = WordLength(word);
  for (int i = 0; i < length; ++i) {
    const int c = word.letters[i];
    if (c == ',' || c == '\'') continue;
    if (IsDigitCode(c)) {
      digitSeen = true;
    } else if (!digitSeen && IsLetterOrShuruk(c) &&
               TestWordPrefix(word.letters, word.vowels, i + 1, true) != 0) {
      prefixLength = i + 1;
    } else {
      digitSeen = false;
      break;
    }
  }
  if (!digitSeen) prefixLength = 0;
  return digitSeen ? 1 : 0;
}

int ReverseDigitRun(const std::string& text, std::string& out) {
  out = text;
  auto isDigit = [](char c) { return IsDigitCode(static_cast<BYTE>(c)) != 0; };
  const auto first = std::find_if(out.begin(), out.end(), isDigit);
  if (first == out.end()) return -1;
  const auto last = std::find_if(out.rbegin(), out.rend(), isDigit).base();
  std::reverse(first, last);
  return static_cast<int>(first - out.begin());
}

int LetterNameWord(int letter, HebWordRec& word) {
  for (const LetterName& name : kLetterNames) {
    const BYTE* end = std::find(std::begin(name.named), std::end(name.named), 0);
    if (std::find(std::begin(name.named), end, letter) == end) continue;
    ClearWordRec(word);
    memcpy(word.letters, name.letters, kNameLength);
    memcpy(word.vowels, name.vowels, kNameLength);
    return 1;
  }
  return 0;
}
