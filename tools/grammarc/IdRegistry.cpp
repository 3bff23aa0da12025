#include "tools/grammarc/IdRegistry.h"

namespace {

constexpr long kMaxId = 0xFFFF;

}  // namespace

IdRegistry::KindRanges& IdRegistry::KindOf(const SourceLine& line) {
  const std::string& family = line.tokens[1];
  const std::string& kind = line.tokens[2];
  for (KindRanges& known : m_kinds)
    if (known.family == family && known.kind == kind) return known;
  std::string meaning;
  IsQuoted(line.tokens.back(), &meaning);
  m_kinds.push_back({family, kind, meaning, line, {}});
  return m_kinds.back();
}

void IdRegistry::ReadRange(const SourceLine& line) {
  const auto& t = line.tokens;
  if (t.size() < 4) throw SourceError(line, "expected: range <family> <kind> <ids> [\"meaning\"]");
  if (t[2] == kRegularKind) throw SourceError(line, "\"regular\" is the kind outside every range");
  std::vector<Range>& ranges = m_families[t[1]];
  KindRanges& kind = KindOf(line);
  for (size_t i = 3; i < t.size() && !IsQuoted(t[i]); ++i) {
    const std::string& part = t[i];
    size_t dash = part.find('-', 1);
    long first = ParseNumber(line, part.substr(0, dash), 0, kMaxId);
    long last =
        dash == std::string::npos ? first : ParseNumber(line, part.substr(dash + 1), 0, kMaxId);
    if (last < first) throw SourceError(line, "the range " + part + " runs backwards");
    ranges.push_back({t[2], first, last});
    kind.ranges.emplace_back(first, last);
  }
}

void IdRegistry::ReadNamedId(const SourceLine& line) {
  const auto& t = line.tokens;
  if (t.size() < 4 || t.size() > 5 || IsQuoted(t[3]) || (t.size() == 5 && !IsQuoted(t[4])))
    throw SourceError(line, "expected: id <family> <id> <name> [\"meaning\"]");
  NamedId named{t[1], t[3], "", line, ParseNumber(line, t[2], 0, kMaxId)};
  if (t.size() == 5) IsQuoted(t[4], &named.meaning);
  for (const NamedId& known : m_namedIds) {
    if (known.family != named.family) continue;
    if (known.id == named.id)
      throw SourceError(line, "id " + t[2] + " is named twice in " + named.family);
    if (known.name == named.name)
      throw SourceError(line, "the name " + named.name + " is given twice in " + named.family);
  }
  m_namedIds.push_back(named);
}

void IdRegistry::Read(const std::vector<SourceLine>& lines) {
  for (const SourceLine& line : lines) {
    if (line.tokens[0] == "range")
      ReadRange(line);
    else if (line.tokens[0] == "id")
      ReadNamedId(line);
    else
      throw SourceError(line, "expected a range or an id line");
  }
  // The families are those of the ranges; a name must not make the constant
  // of a kind again.
  for (const NamedId& named : m_namedIds) {
    if (!m_families.count(named.family))
      throw SourceError(named.line, "the registry has no ranges of the family " + named.family);
    for (const KindRanges& kind : m_kinds)
      if (kind.family == named.family && kind.kind == named.name)
        throw SourceError(named.line,
                          "the name " + named.name + " is a kind of " + named.family + " already");
  }
}

void IdRegistry::Check(const SourceLine& line, const std::string& family, const std::string& kind,
                       long id) const {
  auto found = m_families.find(family);
  static const std::vector<Range> kNone;
  const std::vector<Range>& ranges = found == m_families.end() ? kNone : found->second;
  bool kindKnown = kind == kRegularKind;
  for (const Range& range : ranges) {
    bool inside = id >= range.first && id <= range.last;
    if (kind == kRegularKind && inside)
      throw SourceError(line, "id " + std::to_string(id) + " of a regular " + family +
                                  " class lies in the \"" + range.kind + "\" range " +
                                  std::to_string(range.first) + "-" + std::to_string(range.last));
    if (range.kind == kind) {
      kindKnown = true;
      if (inside) return;
    }
  }
  if (!kindKnown)
    throw SourceError(line, "the registry has no kind \"" + kind + "\" for " + family);
  if (kind != kRegularKind)
    throw SourceError(line, "id " + std::to_string(id) + " lies outside the \"" + kind +
                                "\" ranges of " + family);
}

void IdRegistry::CheckName(const SourceLine& line, const std::string& family,
                           const std::string& name, long id) const {
  for (const NamedId& named : m_namedIds)
    if (named.family == family && named.id == id && named.name != name)
      throw SourceError(line, "the registry names " + family + " id " + std::to_string(id) + " " +
                                  named.name + " (" + named.line.file + ":" +
                                  std::to_string(named.line.number) +
                                  "); a class with that id has that name");
}
