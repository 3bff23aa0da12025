// The orders the lookup list positions by: a Hebrew list record's word
// against the typed word, and a keyword list record's keyword against the
// typed English text.
#pragma once

#include <string>

#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/LookupRecordFile.h"
#include "lexicon/core/WordDatabaseBuild.h"

// Collation keys first; with fine, records of the same key by the sound
// classes of the first vowels both words have before a letter without one.
class LookupWordOrder : public LookupRecordOrder {
 public:
  // letters and vowels zero-terminated.
  LookupWordOrder(const WordRecordRenderer& renderer, const BYTE* letters, const BYTE* vowels);
  int Compare(const BYTE* record, bool fine) const override;

 private:
  const WordRecordRenderer& m_renderer;
  EntrySortKey m_typed;
  int m_vowelled = 0;  // the typed word's leading letters with vowels
};

// Keywords compare case-insensitively.
class LookupKeywordOrder : public LookupRecordOrder {
 public:
  LookupKeywordOrder(const KeywordRenderer& renderer, std::string typed);
  int Compare(const BYTE* record, bool fine) const override;

 private:
  const KeywordRenderer& m_renderer;
  std::string m_typed;
};
