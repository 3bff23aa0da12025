// The orders the lookup list positions by: a Hebrew list record's word
// against the typed word, and a keyword list record's keyword against the
// typed English text.
#pragma once

#include <string>

#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/LookupRecordFile.h"
#include "lexicon/core/WordDatabaseBuild.h"

// A word of the Hebrew list as it is compared: its collation keys and the
// number of its leading letters that carry a vowel.
struct HebrewEntryKey {
  EntrySortKey key;
  int vowelled = 0;
};
HebrewEntryKey MakeHebrewEntryKey(const BYTE* letters, const BYTE* vowels, int length);

// Collation keys first; with fine, words of the same key by the sound
// classes of the first vowels both words have before a letter without one.
int CompareHebrewEntries(const HebrewEntryKey& a, const HebrewEntryKey& b, bool fine);

// A record of the Hebrew list against the typed word.
class LookupWordOrder : public LookupRecordOrder {
 public:
  // letters and vowels zero-terminated.
  LookupWordOrder(const WordRecordRenderer& renderer, const BYTE* letters, const BYTE* vowels);
  int Compare(const BYTE* record, bool fine) const override;

 private:
  const WordRecordRenderer& m_renderer;
  HebrewEntryKey m_typed;
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
