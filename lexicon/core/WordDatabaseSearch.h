// The indexed search of one word database: the index (the first record of
// every 5000-byte block) picks the blocks that can hold the typed word's
// key, a bisection inside them finds the run of records with that key, and
// the records of the run whose words match the typed one are the hits.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "lexicon/core/SearchHits.h"
#include "lexicon/core/WordDatabaseBuild.h"

// Search flags.
enum WordSearchFlag : WORD {
  kSearchLoosePass = 1,      // a second pass tolerant of plene spelling
  kSearchBareVavPrefix = 4,  // a one-letter vav prefix only without vowel
  kSearchListDatabase = 8,   // HLCDB instead of MSPKDB
  kSearchPointedLoose = 16,  // the loose pass takes the typed word as pointed
};
// The flags of the lookup bar's search, its retry, and word transcription.
constexpr WORD kLookupBarSearch = kSearchLoosePass | kSearchListDatabase;
constexpr WORD kLookupBarRetry = kLookupBarSearch | kSearchPointedLoose;
constexpr WORD kTranscriptionSearch = kSearchLoosePass | kSearchBareVavPrefix;

// How a database's index file compared with its data file.
enum class IndexState {
  kTrusted,    // the index is the data file's
  kRederived,  // the index did not match (a half-written build): taken from the data
  kMissing,    // no data file, or one that is not a whole number of records
};

// One database's data file and its index, checked against each other when
// loaded: the index kept is always the data file's own.
class WordDatabaseIndex {
 public:
  // Reads the files; their keys come from the renderer.
  WordDatabaseIndex(LPCSTR dataPath, LPCSTR indexPath, const WordRecordRenderer& renderer);
  IndexState State() const { return m_state; }
  DWORD RecordCount() const { return m_recordCount; }
  // The records [first, first + count) of the data file; false when it
  // cannot be read.
  bool ReadRecords(DWORD first, DWORD count, std::vector<BYTE>& bytes) const;
  // The records whose block may hold the key: [first, last).
  void CandidateRange(const char* key, DWORD& first, DWORD& last) const;

 private:
  CString m_dataPath;
  IndexState m_state = IndexState::kMissing;
  DWORD m_recordCount = 0;
  std::vector<std::string> m_blockKeys;  // the key of each block's first record
};

// The dictionary's two word databases for the searches: the folder, the
// renderer, the ready flag and the indexes, loaded on first use.
class LookupData {
 public:
  LookupData(LPCSTR binFolder, const WordRecordRenderer& renderer);
  ~LookupData();
  const WordRecordRenderer& Renderer() const { return m_renderer; }
  // Set by the start-up check once the word database exists; while it is
  // clear every search finds nothing.
  void SetReady(bool ready) { m_ready = ready; }
  bool IsReady() const { return m_ready; }
  // The database the flags name; null while its files cannot be read (it is
  // tried again at the next search).
  const WordDatabaseIndex* Database(WORD flags);
  // Frees both indexes.
  void FreeLookupData();

 private:
  CString m_binFolder;
  const WordRecordRenderer& m_renderer;
  bool m_ready = false;
  std::unique_ptr<WordDatabaseIndex> m_databases[2];
};

// Appends the records of the database whose words match the typed word
// (zero-terminated letters, parallel vowels) until the list is full; true
// when it added any.
bool SearchWordDatabase(LookupData& data, const BYTE* letters, const BYTE* vowels,
                        SearchHitList& hits, BYTE prefixLength, WORD flags);
