// The dictionary's say in how an unmarked word is spoken: the hits of the
// word are scored, the best usable one chosen, and its pointed text merged
// into the word behind the typed prefix letters.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/core/SearchHits.h"

// What transcription asks of the dictionary.
class TranscriptionDictionary {
 public:
  virtual ~TranscriptionDictionary() = default;
  // The hits of the typed word (at most kMaxSearchHits); false when none.
  virtual bool FindHits(const HebWordRec& word, SearchHitList& hits) = 0;
  // The entry's word (kWordPlaneSize bytes each); its length, 0 for none.
  virtual int EntryText(const PackedWordRec& record, bool stripVav, BYTE* letters,
                        BYTE* vowels) = 0;
  // The inflection id of an adjective entry.
  virtual int AdjectiveInflection(int entryIndex) = 0;
};

struct HitScore {
  int score = 0;  // a signed 16-bit value
  int kind = kKindUndecodable;
  bool match = false;   // the word from its prefix on is the entry's text
  bool usable = false;  // the entry may decide the pronunciation
};

// How well the hit, found behind prefixLength letters, fits the word.
HitScore ScoreDictionaryHit(TranscriptionDictionary& dictionary, const SearchHit& hit,
                            const HebWordRec& word);

// The index of the hit chosen from the scores (the first wins ties); -1 for
// none.
int ChooseDictionaryHit(const HitScore* scores, int count);

// The transliteration mode an entry of the kind gives the word.
int ModeOfEntryKind(int kind);

// What the chosen entry made of the word.
struct DictionaryChoice {
  bool chosen = false;
  int mode = 0;
  DWORD prefixKind = 0;
};

// Looks the word up and, when an entry is chosen, merges it into the word
// (points its prefix letters too). prefixKind is the caller's; previous is
// the last word spoken before it, or null.
DictionaryChoice ApplyDictionary(TranscriptionDictionary& dictionary, HebWordRec& word,
                                 const HebWordRec* previous, DWORD prefixKind);
