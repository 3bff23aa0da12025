// The registry of ids (data/registry.txt): for each family (a binyan's verb
// classes, the short future forms, the noun tables) the ranges in which the
// program gives ids a meaning, and the single ids that have a rule of their
// own, by name. A class names its kind; the registry checks that its id lies
// in a range of that kind, or, for the plain kind ("regular"), in none of the
// family's ranges, and that a class whose id is named has that name.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/grammarc/SourceReader.h"

constexpr const char* kRegularKind = "regular";

class IdRegistry {
 public:
  // Reads "range <family> <kind> <numbers and ranges> [\"meaning\"]" and
  // "id <family> <id> <name> [\"meaning\"]" lines.
  void Read(const std::vector<SourceLine>& lines);

  // Throws when id does not suit the kind in the family.
  void Check(const SourceLine& line, const std::string& family, const std::string& kind,
             long id) const;
  // Throws when the registry names the id of the family otherwise than name.
  void CheckName(const SourceLine& line, const std::string& family, const std::string& name,
                 long id) const;

  // The ids of one kind of a family, gathered from all its lines.
  struct KindRanges {
    std::string family, kind;
    std::string meaning;                        // of its first line
    SourceLine line;                            // its first line
    std::vector<std::pair<long, long>> ranges;  // both ends included
  };
  // In the order the registry first names them.
  const std::vector<KindRanges>& Kinds() const { return m_kinds; }

  struct NamedId {
    std::string family, name;
    std::string meaning;
    SourceLine line;
    long id;
  };
  // In the order the registry names them.
  const std::vector<NamedId>& NamedIds() const { return m_namedIds; }

 private:
  struct Range {
    std::string kind;
    long first, last;
  };
  std::map<std::string, std::vector<Range>> m_families;
  std::vector<KindRanges> m_kinds;
  std::vector<NamedId> m_namedIds;

  KindRanges& KindOf(const SourceLine& line);
  void ReadRange(const SourceLine& line);
  void ReadNamedId(const SourceLine& line);
};
