// The build tables of the two-pass bucket build of the database files: the
// sources run once to count the records of each bucket and again to store
// them, so the record area is allocated once at its exact size; the writer
// then sorts each bucket and appends it to the file in ascending bucket
// order. Counts are 32-bit: a bucket may hold more than 65535 records.
#pragma once

#include <functional>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DatabaseBuildProgress.h"

class DatabaseBuildState {
 public:
  enum Pass : int { kCounting = 0, kStoring = 1 };

  DatabaseBuildState(DWORD bucketCount, int recordSize);

  Pass CurrentPass() const { return m_pass; }
  // Counts or stores one record by the current pass. False when the storing
  // pass brings a bucket more records than the counting pass did (the record
  // is dropped and the build is failed).
  bool Add(DWORD bucket, const BYTE* record);
  // Ends the counting pass: the buckets' offsets, the record area.
  void BeginStoring();
  // Set once the storing pass has brought a record the counting pass had not.
  bool Overflowed() const { return m_overflowed; }

  DWORD BucketCount() const { return static_cast<DWORD>(m_counts.size()); }
  DWORD RecordsIn(DWORD bucket) const { return m_counts[bucket]; }
  BYTE* BucketRecords(DWORD bucket) { return m_area.data() + m_offsets[bucket] * m_recordSize; }
  int RecordSize() const { return m_recordSize; }

 private:
  int m_recordSize;
  Pass m_pass = kCounting;
  bool m_overflowed = false;
  std::vector<DWORD> m_counts;   // this pass's records per bucket
  std::vector<DWORD> m_offsets;  // first record of each bucket in the area
  std::vector<DWORD> m_limits;   // the counting pass's counts
  std::vector<BYTE> m_area;
};

// Orders the records of one bucket in place (bucket, records, count).
typedef std::function<void(DWORD, BYTE*, DWORD)> BucketSorter;
// The progress line of a bucket being written.
typedef std::function<CString(DWORD bucket, DWORD count)> BucketLabel;

// Writes the buckets in ascending order, each sorted, to path (created or
// truncated). False with a message when the file cannot be written, or with
// none when progress says stop.
bool WriteSortedBuckets(DatabaseBuildState& builder, LPCSTR path, const BucketSorter& sort,
                        const BucketLabel& label, DatabaseBuildProgress& progress,
                        UserMessageList& messages);

// "The file <path> could not be written." for the messages of a build.
UserMessage FileNotWrittenMessage(LPCSTR path);
