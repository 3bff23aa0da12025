// The noun and adjective sources: noun patterns, noun tables, adjective
// suffix forms and classes, and the words of the four declension tables.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/grammarc/GrammarModel.h"
#include "tools/grammarc/IdRegistry.h"
#include "tools/grammarc/SourceReader.h"

class NounSources {
 public:
  explicit NounSources(const IdRegistry& registry) : m_registry(registry) {}

  void ReadNounPatterns(const std::vector<SourceLine>& lines);
  void ReadNounTables(const std::vector<SourceLine>& lines);
  void ReadAdjectives(const std::vector<SourceLine>& lines);
  void ReadWords(const std::vector<SourceLine>& lines);

  void Build(GrammarModel& model) const;

 private:
  WORD NounPatternNumber(const SourceLine& line, const std::string& token) const;
  void ReadNounTableLine(const SourceLine& line, std::vector<NounTableRecord>& records) const;
  SuffixWordRecord ReadSuffixWord(const SourceLine& line, size_t first, WORD id) const;

  const IdRegistry& m_registry;
  std::vector<std::string> m_nounPatterns;
  std::map<std::string, WORD> m_nounPatternNames;
  std::map<WORD, std::vector<NounTableRecord>> m_nounTables;
  std::map<std::string, WORD> m_nounTableNames;
  std::vector<std::string> m_suffixForms;
  std::map<WORD, std::vector<SuffixWordRecord>> m_suffixWords;
  std::map<std::string, WORD> m_adjectiveNames;
  std::vector<NounEntryRecord> m_entries[4];
};
