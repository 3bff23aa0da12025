#include "tools/grammarc/ClassIdHeader.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

const char kPrologue[] =
    "// The class id ranges and named ids of data/registry.txt; written by grammarc\n"
    "// from the registry, which is the place to change them.\n"
    "#pragma once\n"
    "\n"
    "namespace ClassIds {\n"
    "\n"
    "struct IdRange {\n"
    "  int first, last;  // both included\n"
    "};\n"
    "\n"
    "template <int N>\n"
    "constexpr bool Contains(const IdRange (&ranges)[N], int id) {\n"
    "  for (const IdRange& range : ranges)\n"
    "    if (id >= range.first && id <= range.last) return true;\n"
    "  return false;\n"
    "}\n";

constexpr size_t kCommentWidth = 80;
constexpr size_t kLineWidth = 100;

const char kEpilogue[] = "\n}  // namespace ClassIds\n";

// "short-future" -> "ShortFuture".
std::string MixedCase(const SourceLine& line, const std::string& word) {
  bool shaped =
      !word.empty() && std::islower(static_cast<unsigned char>(word[0])) && word.back() != '-';
  std::string name;
  bool upper = true;
  for (char c : word) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '-') {
      shaped = shaped && !upper;
      upper = true;
      continue;
    }
    shaped = shaped && (std::islower(u) || std::isdigit(u));
    name += upper ? static_cast<char>(std::toupper(u)) : c;
    upper = false;
  }
  if (!shaped)
    throw SourceError(line, "\"" + word +
                                "\" cannot name a constant: use lower-case letters, digits and "
                                "inner '-', beginning with a letter");
  return name;
}

// The words of text as comment lines of at most kWidth columns.
std::string Comment(const std::string& text) {
  std::string out, line = "//";
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(start, end - start);
    if (line.size() > 2 && line.size() + 1 + word.size() > kCommentWidth) {
      out += line + "\n";
      line = "//";
    }
    line += " " + word;
    start = end + 1;
  }
  return out + line + "\n";
}

// The named ids, a block of constants a family in the order the registry
// first names each family.
std::string NamedIdConstants(const IdRegistry& registry) {
  std::string out;
  std::vector<std::string> families;
  for (const IdRegistry::NamedId& named : registry.NamedIds())
    if (std::find(families.begin(), families.end(), named.family) == families.end())
      families.push_back(named.family);
  for (const std::string& family : families) {
    out += "\n// The named ids of " + family + ".\n";
    for (const IdRegistry::NamedId& named : registry.NamedIds()) {
      if (named.family != family) continue;
      if (!named.meaning.empty()) out += Comment(named.meaning);
      out += "constexpr int k" + MixedCase(named.line, family) + MixedCase(named.line, named.name) +
             " = " + std::to_string(named.id) + ";\n";
    }
  }
  return out;
}

}  // namespace

std::string WriteClassIdHeader(const IdRegistry& registry) {
  std::string out = kPrologue;
  for (const IdRegistry::KindRanges& kind : registry.Kinds()) {
    std::string name = "k" + MixedCase(kind.line, kind.family) + MixedCase(kind.line, kind.kind);
    out += "\n";
    if (!kind.meaning.empty()) out += Comment(kind.meaning);
    if (kind.ranges.empty())
      throw SourceError(kind.line, "\"" + kind.kind + "\" of " + kind.family + " has no ids");
    std::string line = "constexpr IdRange " + name + "[] = {";
    for (size_t i = 0; i < kind.ranges.size(); ++i) {
      std::string range = "{" + std::to_string(kind.ranges[i].first) + ", " +
                          std::to_string(kind.ranges[i].second) + "}";
      range += i + 1 < kind.ranges.size() ? "," : "};";
      if (i > 0 && line.size() + 1 + range.size() > kLineWidth) {
        out += line + "\n";
        line = "   ";
      }
      line += (i > 0 ? " " : "") + range;
    }
    out += line + "\n";
  }
  out += NamedIdConstants(registry);
  return out + kEpilogue;
}
