// The program's dictionary as word transcription asks it: the word
// databases' search, the entry texts and the adjective tables.
#pragma once

#include "lexicon/core/GrammarContext.h"
#include "speech/transcription/core/DictionaryChoice.h"

class LookupData;

class LexiconDictionary : public TranscriptionDictionary {
 public:
  explicit LexiconDictionary(LookupData& data) : m_data(data) {}
  // The search, and when it finds nothing the retry with similar vowels.
  bool FindHits(const HebWordRec& word, SearchHitList& hits) override;
  int EntryText(const PackedWordRec& record, bool stripVav, BYTE* letters, BYTE* vowels) override;
  // The signed word at byte 8 of the entry's record in the adjective table;
  // 0 for an entry the table does not hold.
  int AdjectiveInflection(int entryIndex) override;

 private:
  LookupData& m_data;
  GrammarContext m_context;
};
