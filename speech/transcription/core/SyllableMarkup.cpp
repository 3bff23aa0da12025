#include "speech/transcription/core/SyllableMarkup.h"

#include <cctype>
#include <cstring>

#include "classlib/core/CString.h"
#include "speech/core/PhonemeSets.h"

namespace {

constexpr char kStressed = '*';
constexpr char kUnstressed = '-';
constexpr char kTentative = '=';  // an unstressed mark that never takes the stress
constexpr char kReduced = '0';
constexpr int kFarthestStress = 3;

bool IsVowelCode(char c) { return (c >= '0' && c <= '8') || strchr("AEIOUYaeiou", c) != nullptr; }
bool IsConsonantCode(char c) { return isalpha(static_cast<unsigned char>(c)) && !IsVowelCode(c); }
bool IsMark(char c) { return c == kStressed || c == kUnstressed || c == kTentative; }

char OnsetMark(char vowel) {
  return (vowel == '0' || (vowel >= '2' && vowel <= '8') || vowel == 'I') ? kTentative
                                                                            : kUnstressed;
}

std::string MarkOnsets(const std::string& code) {
  std::string out(1, kUnstressed);
  bool seenVowel = false;
  for (char c : code) {
    if (IsVowelCode(c)) {
      if (seenVowel && out.size() > 1 && IsConsonantCode(out.back())) {
        out.insert(out.size() - 1, 1, OnsetMark(c));
      }
      seenVowel = true;
    }
    out += c;
  }
  return out;
}

// A consonant whose vowel was reduced joins the next syllable when that one
// is a plain unstressed one, else the syllable before it.
void DropReducedVowels(std::string& text) {
  for (size_t k = text.find(kReduced); k != std::string::npos; k = text.find(kReduced, k)) {
    text.erase(k, 1);
    if (k >= 1 && k < text.size() && (text[k] == kUnstressed || text[k] == kStressed)) {
      std::swap(text[k - 1], text[k]);
    }
    if (k >= 2 && IsMark(text[k - 2])) {
      text.erase(k - 2, 1);
      --k;
    }
  }
}

void MarkStress(std::string& text, int stressedSyllable) {
  if (text.find(kUnstressed, 1) != std::string::npos) {
    const int wanted = stressedSyllable > kFarthestStress ? kFarthestStress : stressedSyllable;
    int number = 0;
    for (size_t i = text.size(); i-- > 0;) {
      if (text[i] != kUnstressed) continue;
      if (number++ == wanted) {
        text[i] = kStressed;
        break;
      }
    }
  }
  for (char& c : text) {
    if (c == kTentative) c = kUnstressed;
  }
}

// An obstruent and r, v and l, h and y begin a syllable together after a
// vowel, as speakers divide them.
bool KeepsPairTogether(char before, char first, char second, char after) {
  const bool vowelBefore = strchr("aeiou", before) != nullptr && before != 0;
  switch (first) {
    case 'b':
    case 'p':
      return second == 'r' && vowelBefore;
    case 'd':
    case 'k':
    case 't':
      return second == 'r' && after == 'o' && (before == 'a' || before == 'o');
    case 'g':
      return second == 'r' && before == 'o';
    case 'v':
      return second == 'l' && vowelBefore;
    case 'h':
      return second == 'y';
    default:
      return false;
  }
}

void MoveMarksBeforePairs(std::string& text) {
  for (size_t i = 1; i + 1 < text.size(); ++i) {
    if (!IsMark(text[i]) || !IsConsonantCode(text[i - 1])) continue;
    const char before = i >= 2 ? text[i - 2] : 0;
    const char after = i + 2 < text.size() ? text[i + 2] : 0;
    if (KeepsPairTogether(before, text[i - 1], text[i + 1], after)) std::swap(text[i - 1], text[i]);
  }
}

void JoinAffricates(std::string& text) {
  for (size_t at = text.find("tS"); at != std::string::npos; at = text.find("tS", at)) {
    text.replace(at, 2, "C");
  }
}

}  // namespace

std::string MarkCodeSyllables(const std::string& code, int stressedSyllable) {
  std::string text = MarkOnsets(code);
  DropReducedVowels(text);
  MarkStress(text, stressedSyllable);
  MoveMarksBeforePairs(text);
  JoinAffricates(text);
  return text;
}

std::string PhonemeDisplayText(const std::string& marked, const PhonemeTable* table) {
  if (table == nullptr) return marked;
  return static_cast<LPCSTR>(SpellCodeText(*table, marked.c_str()));
}

std::string FormatStressedSyllables(const std::string& code, int stressedSyllable,
                                    const PhonemeTable* table) {
  return PhonemeDisplayText(MarkCodeSyllables(code, stressedSyllable), table);
}

void MergeVowellessSyllables(std::string& phonetic) {
  const size_t open = phonetic.find('[');
  const size_t close = open == std::string::npos ? open : phonetic.find(']', open);
  if (close == std::string::npos) return;
  const std::string original = phonetic.substr(open + 1, close - open - 1);
  std::string inner = original;
  for (size_t at = inner.find(".."); at != std::string::npos; at = inner.find("..")) {
    inner.erase(at, 1);
  }
  while (!inner.empty() && inner.front() == '.') inner.erase(0, 1);
  while (!inner.empty() && inner.back() == '.') inner.pop_back();
  if (inner.empty()) {
    phonetic.clear();
    return;
  }
  auto hasDigit = [](const std::string& s, size_t from, size_t to) {
    return s.find_first_of("01", from) < to;
  };
  size_t start = 0;
  for (;;) {
    const size_t dot = inner.find('.', start);
    const size_t end = dot == std::string::npos ? inner.size() : dot;
    if (!hasDigit(inner, start, end)) {
      if (dot != std::string::npos) {
        inner.erase(dot, 1);  // joined to the next one, which is looked at again with it
        continue;
      }
      if (start > 0) inner.erase(start - 1, 1);  // the last one joins the one before
      break;
    }
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  if (inner.size() != original.size()) phonetic = "`[" + inner + "]";
}
