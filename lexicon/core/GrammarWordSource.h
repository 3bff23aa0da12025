// The word records of the whole grammar for the word database: the numbers
// of the table of numbers, the entries of the four declension tables with
// their cells, and every verb's forms in each of its binyanim, vav-inversive
// and plene, with object suffixes and infinitive nouns.
//
// A candidate record is filed under the text the renderer gives it, so the
// file is ordered by the very text the search compares; a record that
// renders nothing names no form and is left out, and one that renders a
// text already filed for the same form (another alternative, spelling or
// variant of the same cell or slot) is left out too.
//
// Building the texts is nearly all of the build's time, so the counting
// pass logs what it filed, step by step (the numbers, a table entry, a
// verb), and the storing pass that follows it files the logged records
// again, with the same progress lines and stops, without building them.
#pragma once

#include <cstddef>
#include <vector>

#include "lexicon/core/WordDatabaseBuild.h"

// The records the counting pass filed and the buckets it filed them in.
struct WordFilingLog {
  struct Filed {
    DWORD bucket;
    PackedWordRec record;
  };
  std::vector<Filed> records;
  std::vector<size_t> stepEnds;  // where each step's records end
  bool complete = false;         // the counting pass ran to its end
};

class GrammarWordSource : public WordRecordSource {
 public:
  explicit GrammarWordSource(const WordRecordRenderer& renderer) : m_renderer(renderer) {}
  bool Generate(WordRecordFiler& filer, DatabaseBuildProgress& progress) override;

 private:
  const WordRecordRenderer& m_renderer;
  WordFilingLog m_log;
};
