// The verb sources: pattern tables, verb classes (root records) and the
// verbs of the index.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/grammarc/GrammarModel.h"
#include "tools/grammarc/IdRegistry.h"
#include "tools/grammarc/SourceReader.h"

class VerbSources {
 public:
  explicit VerbSources(const IdRegistry& registry) : m_registry(registry) {}

  void ReadPatterns(const std::vector<SourceLine>& lines);
  void ReadClasses(const std::vector<SourceLine>& lines);
  void ReadVerbs(const std::vector<SourceLine>& lines);

  // Fills the verb tables of the model.
  void Build(GrammarModel& model) const;

 private:
  struct PatternEntry {
    SourceLine header;
    std::vector<std::string> records;
  };
  struct VerbClass {
    SourceLine header;
    std::vector<RootRecord> records;  // the main record and its alternatives
  };

  int PatternNumber(const SourceLine& line, int row, int group, const std::string& token) const;
  void ReadClassBody(const SourceBlock& block, int row, VerbClass& verbClass) const;
  void ReadBinyanLine(const SourceLine& line, VerbRecord& verb) const;

  const IdRegistry& m_registry;
  // Pattern entries by number, and numbers by name, of each [row][group].
  std::map<int, PatternEntry> m_patterns[8][6];
  std::map<std::string, int> m_patternNames[8][6];
  // Classes by id, and ids by name, of each block.
  std::map<int, VerbClass> m_classes[8];
  std::map<std::string, int> m_classNames[8];
  std::vector<VerbRecord> m_verbs;
};
