#include "tools/grammarc/SourceReader.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Tokenize(const SourceLine& line, const std::string& text) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      size_t end = text.find('"', i + 1);
      if (end == std::string::npos) throw SourceError(line, "a quoted text has no closing quote");
      tokens.push_back(text.substr(i, end + 1 - i));
      i = end + 1;
    } else {
      size_t end = text.find_first_of(" \t\r#", i);
      if (end == std::string::npos) end = text.size();
      tokens.push_back(text.substr(i, end - i));
      i = end;
    }
  }
  return tokens;
}

}  // namespace

std::vector<SourceLine> ReadSourceLines(const std::string& path, const std::string& displayName) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SourceError("cannot read " + displayName);
  std::vector<SourceLine> lines;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    SourceLine line;
    line.file = displayName;
    line.number = number;
    line.indented = !text.empty() && (text[0] == ' ' || text[0] == '\t');
    line.tokens = Tokenize(line, text);
    if (!line.tokens.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

bool IsQuoted(const std::string& token, std::string* text) {
  if (token.size() < 2 || token.front() != '"' || token.back() != '"') return false;
  if (text) *text = token.substr(1, token.size() - 2);
  return true;
}

long ParseNumber(const SourceLine& line, const std::string& token, long low, long high) {
  char* end = nullptr;
  bool hex = token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X');
  long value = token.empty() ? 0 : std::strtol(token.c_str(), &end, hex ? 16 : 10);
  if (token.empty() || *end != 0) throw SourceError(line, "\"" + token + "\" is not a number");
  if (value < low || value > high)
    throw SourceError(line,
                      token + " is outside " + std::to_string(low) + "-" + std::to_string(high));
  return value;
}

bool SplitKeyValue(const std::string& token, std::string& key, std::string& value) {
  size_t at = token.find('=');
  if (at == std::string::npos || at == 0) return false;
  key = token.substr(0, at);
  value = token.substr(at + 1);
  return true;
}

std::vector<long> ParseNumberList(const SourceLine& line, const std::string& token, long low,
                                  long high) {
  std::vector<long> numbers;
  std::istringstream in(token);
  for (std::string part; std::getline(in, part, ',');) {
    size_t dash = part.find('-', 1);
    if (dash == std::string::npos) {
      numbers.push_back(ParseNumber(line, part, low, high));
      continue;
    }
    long first = ParseNumber(line, part.substr(0, dash), low, high);
    long last = ParseNumber(line, part.substr(dash + 1), low, high);
    if (last < first) throw SourceError(line, "the range " + part + " runs backwards");
    for (long n = first; n <= last; ++n) numbers.push_back(n);
  }
  return numbers;
}

std::vector<SourceBlock> SplitBlocks(const std::vector<SourceLine>& lines) {
  std::vector<SourceBlock> blocks;
  for (const SourceLine& line : lines) {
    if (!line.indented) {
      blocks.push_back({line, {}});
    } else if (blocks.empty()) {
      throw SourceError(line, "an indented line belongs under a header line");
    } else {
      blocks.back().body.push_back(line);
    }
  }
  return blocks;
}

void ExpectTokens(const SourceLine& line, size_t min, size_t max, const char* shape) {
  if (line.tokens.size() < min || line.tokens.size() > max)
    throw SourceError(line, std::string("expected: ") + shape);
}
