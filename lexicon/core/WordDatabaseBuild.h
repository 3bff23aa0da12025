// The build of the word databases: MSPKDB.BIN (every word record the sources
// give, in the entry order of EntrySortKey.h), its index, and the list
// database HLCDB (its verb, preposition and number records) with its index.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DatabaseBuildState.h"
#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/PackedWordRecord.h"

// Turns a record back into its word: letters and vowels, zero-terminated,
// at most capacity - 1 of them; returns the length, 0 when the record names
// no word. The build sorts and the search compares by what it gives.
class WordRecordRenderer {
 public:
  virtual ~WordRecordRenderer() = default;
  virtual int Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels,
                     int capacity) const = 0;
};

// Files the records of the sources in the current pass of the build.
class WordRecordFiler {
 public:
  explicit WordRecordFiler(DatabaseBuildState& builder) : m_builder(builder) {}
  int Pass() const { return m_builder.CurrentPass(); }
  // Files the record of the word (zero-terminated letters, parallel vowels)
  // in the bucket of its collation key; returns the bucket.
  DWORD AddWordRecord(const BYTE* letters, const BYTE* vowels, const PackedWordRec& record);
  // Files the record in a bucket AddWordRecord gave for its word.
  void AddToBucket(DWORD bucket, const PackedWordRec& record);

 private:
  DatabaseBuildState& m_builder;
};

// The words of the grammar: the same records in the same order whenever it
// runs. False when progress said stop.
class WordRecordSource {
 public:
  virtual ~WordRecordSource() = default;
  virtual bool Generate(WordRecordFiler& filer, DatabaseBuildProgress& progress) = 0;
};

// Each step writes its file in binFolder and returns false, with a message
// unless the user stopped it, when it did not.
bool GenerateWordRecords(LPCSTR binFolder, WordRecordSource& source,
                         const WordRecordRenderer& renderer, DatabaseBuildProgress& progress,
                         UserMessageList& messages);
bool BuildDatabaseIndex(LPCSTR binFolder, UserMessageList& messages);
// The storing pass's buckets to MSPKDB.BIN, each sorted.
bool WriteWordDatabase(DatabaseBuildState& builder, LPCSTR binFolder,
                       const WordRecordRenderer& renderer, DatabaseBuildProgress& progress,
                       UserMessageList& messages);
// Orders the records of one bucket by their rendered words (EntrySortKey.h,
// then the record bytes); false when a record renders outside the bucket.
bool SortBucketRecords(DWORD bucket, BYTE* records, DWORD count,
                       const WordRecordRenderer& renderer);
bool BuildLookupWordFile(LPCSTR binFolder, UserMessageList& messages);
bool BuildLookupWordIndex(LPCSTR binFolder, UserMessageList& messages);

// The whole group, in order; built only when every step was.
struct WordDatabaseBuildResult {
  bool built = false;
  UserMessageList messages;
};
WordDatabaseBuildResult BuildWordDatabases(LPCSTR binFolder, WordRecordSource& source,
                                           const WordRecordRenderer& renderer,
                                           DatabaseBuildProgress& progress);

// The list database keeps verbs, prepositions and numbers.
bool IsListWordRecord(const PackedWordRec& record);
