#include "lexicon/core/DatabaseBuildState.h"

#include <cstring>

#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"

DatabaseBuildState::DatabaseBuildState(DWORD bucketCount, int recordSize)
    : m_recordSize(recordSize), m_counts(bucketCount, 0) {}

bool DatabaseBuildState::Add(DWORD bucket, const BYTE* record) {
  if (m_pass == kCounting) {
    ++m_counts[bucket];
    return true;
  }
  if (m_counts[bucket] >= m_limits[bucket]) {
    m_overflowed = true;
    return false;
  }
  std::memcpy(BucketRecords(bucket) + m_counts[bucket] * m_recordSize, record, m_recordSize);
  ++m_counts[bucket];
  return true;
}

void DatabaseBuildState::BeginStoring() {
  m_limits = m_counts;
  m_offsets.assign(m_counts.size(), 0);
  size_t total = 0;
  for (size_t b = 0; b < m_counts.size(); ++b) {
    m_offsets[b] = static_cast<DWORD>(total);
    total += m_counts[b];
  }
  m_area.assign(total * m_recordSize, 0);
  m_counts.assign(m_counts.size(), 0);
  m_pass = kStoring;
}

UserMessage FileNotWrittenMessage(LPCSTR path) {
  UserMessage message;
  message.text.Format("The file %s could not be written.", path);
  return message;
}

bool WriteSortedBuckets(DatabaseBuildState& builder, LPCSTR path, const BucketSorter& sort,
                        const BucketLabel& label, DatabaseBuildProgress& progress,
                        UserMessageList& messages) {
  CFile file;
  if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite)) {
    messages.push_back(FileNotWrittenMessage(path));
    return false;
  }
  try {
    for (DWORD b = 0; b < builder.BucketCount(); ++b) {
      const DWORD count = builder.RecordsIn(b);
      if (count == 0) continue;
      progress.ShowLine(label(b, count));
      BYTE* records = builder.BucketRecords(b);
      sort(b, records, count);
      file.Write(records, count * builder.RecordSize());
      if (!progress.Continue()) return false;
    }
    file.Close();
  } catch (CFileException* e) {
    e->Delete();
    messages.push_back(FileNotWrittenMessage(path));
    return false;
  }
  return true;
}
