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
#pragma once

#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/WordDatabaseBuild.h"

class GrammarWordSource : public WordRecordSource {
 public:
  explicit GrammarWordSource(const WordRecordRenderer& renderer) : m_renderer(renderer) {}
  bool Generate(WordRecordFiler& filer, DatabaseBuildProgress& progress) override;

 private:
  const WordRecordRenderer& m_renderer;
};
