#include "speech/core/ColorMarkup.h"

#include <cctype>

#include "hebtext/core/ColorSpec.h"

namespace {

constexpr char kColorMark = '#';
constexpr char kHebrewMark = '$';

bool IsHex(char c) { return isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return isalpha(static_cast<unsigned char>(c)) != 0; }
bool EndsWord(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == kHebrewMark;
}

// The colour mark at text[pos] ('#'), or false when it is none; pos then
// stands after it and its blank.
bool ReadColor(const std::string& text, size_t& pos, MarkupToken& token) {
  size_t at = pos + 1;
  token = MarkupToken{MarkupTokenKind::kColor, std::string()};
  if (at < text.size() && IsLetter(text[at]) && !IsHex(text[at])) {
    const bool letters = text[at] == 'L' || text[at] == 'l';
    token.target = letters ? MarkupColorTarget::kLetters : MarkupColorTarget::kPoints;
    ++at;
  }
  const size_t digits = at;
  while (at < text.size() && IsHex(text[at])) ++at;
  if (at == digits) return false;
  token.color = ParseColorSpec(("#" + text.substr(digits, at - digits)).c_str());
  if (at < text.size() && text[at] == ' ') ++at;
  pos = at;
  return true;
}

}  // namespace

std::vector<MarkupToken> TokenizeMarkup(const std::string& text) {
  std::vector<MarkupToken> tokens;
  size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (c == ' ' || c == '\r') {
      ++pos;
    } else if (c == '\n' || c == '\t') {
      tokens.push_back({c == '\n' ? MarkupTokenKind::kNewLine : MarkupTokenKind::kTab, ""});
      ++pos;
    } else if (c == kHebrewMark) {
      const size_t end = text.find(kHebrewMark, pos + 1);
      const size_t stop = end == std::string::npos ? text.size() : end;
      if (stop > pos + 1) {
        tokens.push_back({MarkupTokenKind::kHebrew, text.substr(pos + 1, stop - pos - 1)});
      }
      pos = end == std::string::npos ? stop : end + 1;
    } else {
      MarkupToken color;
      if (c == kColorMark && ReadColor(text, pos, color)) {
        tokens.push_back(color);
        continue;
      }
      const size_t start = pos;
      while (pos < text.size() && !EndsWord(text[pos])) ++pos;
      tokens.push_back({MarkupTokenKind::kWord, text.substr(start, pos - start)});
    }
  }
  return tokens;
}
