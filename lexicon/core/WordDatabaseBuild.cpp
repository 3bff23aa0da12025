#include "lexicon/core/WordDatabaseBuild.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/RecordFiles.h"

namespace {

// Longer than any rendered word, so that keys are never cut short.
constexpr int kRenderCapacity = kEntryKeySize;

struct SortedRecord {
  EntrySortKey key;
  BYTE bytes[kPackedWordRecSize];
};

// Equal keys are ordered by the record bytes, so the file is the same
// whatever order the sort visits them in.
bool Before(const SortedRecord& a, const SortedRecord& b) {
  const int byKey = CompareEntrySortKeys(a.key, b.key);
  return byKey != 0 ? byKey < 0 : std::memcmp(a.bytes, b.bytes, kPackedWordRecSize) < 0;
}

CString WordBucketLabel(DWORD bucket, DWORD count) {
  int digits[kWordBucketChars];
  for (int i = kWordBucketChars - 1; i >= 0; --i) {
    digits[i] = static_cast<int>(bucket % kWordBucketBase);
    bucket /= kWordBucketBase;
  }
  CString line;
  line.Format("%c %c %c %c: %u", 'A' + digits[0], 'A' + digits[1], 'A' + digits[2], 'A' + digits[3],
              count);
  return line;
}

UserMessage MisfiledMessage(DWORD bucket) {
  UserMessage message;
  message.text.Format("The word records of bucket %u do not render as they were filed.",
                      static_cast<unsigned>(bucket));
  return message;
}

}  // namespace

DWORD WordRecordFiler::AddWordRecord(const BYTE* letters, const BYTE* vowels,
                                     const PackedWordRec& record) {
  const DWORD bucket = WordBucketNumber(
      letters, vowels, static_cast<int>(std::strlen(reinterpret_cast<LPCSTR>(letters))));
  AddToBucket(bucket, record);
  return bucket;
}

void WordRecordFiler::AddToBucket(DWORD bucket, const PackedWordRec& record) {
  BYTE bytes[kPackedWordRecSize];
  WriteWordRecordBytes(bytes, record);
  m_builder.Add(bucket, bytes);
}

bool IsListWordRecord(const PackedWordRec& record) {
  const int kind = DecodeWordRecord(record.fields, record.extra, nullptr);
  return kind == kKindVerb || kind == kKindPrep || kind == kKindNumber;
}

bool SortBucketRecords(DWORD bucket, BYTE* records, DWORD count,
                       const WordRecordRenderer& renderer) {
  std::vector<SortedRecord> sorted(count);
  BYTE letters[kRenderCapacity];
  BYTE vowels[kRenderCapacity];
  bool inBucket = true;
  for (DWORD i = 0; i < count; ++i) {
    std::memcpy(sorted[i].bytes, records + i * kPackedWordRecSize, kPackedWordRecSize);
    const int length =
        renderer.Render(ReadWordRecordBytes(sorted[i].bytes), letters, vowels, kRenderCapacity);
    BuildEntrySortKey(letters, vowels, length, sorted[i].key);
    inBucket = inBucket && BucketNumber(sorted[i].key.primary) == bucket;
  }
  std::sort(sorted.begin(), sorted.end(), Before);
  for (DWORD i = 0; i < count; ++i)
    std::memcpy(records + i * kPackedWordRecSize, sorted[i].bytes, kPackedWordRecSize);
  return inBucket;
}

bool WriteWordDatabase(DatabaseBuildState& builder, LPCSTR binFolder,
                       const WordRecordRenderer& renderer, DatabaseBuildProgress& progress,
                       UserMessageList& messages) {
  // The buckets were taken from the filed texts: a record whose rendering
  // falls in another would stand out of order in the file.
  DWORD misfiledBucket = kWordBucketCount;
  const BucketSorter sort = [&](DWORD bucket, BYTE* records, DWORD count) {
    if (!SortBucketRecords(bucket, records, count, renderer) && misfiledBucket == kWordBucketCount)
      misfiledBucket = bucket;
  };
  const CString path = DictionaryFilePath(binFolder, DictionaryFile::kWordData);
  if (!WriteSortedBuckets(builder, path, sort, WordBucketLabel, progress, messages)) return false;
  if (misfiledBucket == kWordBucketCount) return true;
  messages.push_back(MisfiledMessage(misfiledBucket));
  return false;
}

bool GenerateWordRecords(LPCSTR binFolder, WordRecordSource& source,
                         const WordRecordRenderer& renderer, DatabaseBuildProgress& progress,
                         UserMessageList& messages) {
  DatabaseBuildState builder(kWordBucketCount, kPackedWordRecSize);
  WordRecordFiler filer(builder);
  if (!source.Generate(filer, progress)) return false;
  builder.BeginStoring();
  if (!source.Generate(filer, progress)) return false;
  if (builder.Overflowed()) {
    messages.push_back(
        {"The word sources gave more records in the second pass than in the first.", ""});
    return false;
  }
  return WriteWordDatabase(builder, binFolder, renderer, progress, messages);
}

bool BuildDatabaseIndex(LPCSTR binFolder, UserMessageList& messages) {
  return WriteIndexFile(DictionaryFilePath(binFolder, DictionaryFile::kWordData),
                        DictionaryFilePath(binFolder, DictionaryFile::kWordIndex),
                        kPackedWordRecSize, DictionaryFile::kWordBlockBytes, messages);
}

bool BuildLookupWordFile(LPCSTR binFolder, UserMessageList& messages) {
  return WriteFilteredFile(
      DictionaryFilePath(binFolder, DictionaryFile::kWordData),
      DictionaryFilePath(binFolder, DictionaryFile::kListWordData), kPackedWordRecSize,
      [](const BYTE* bytes) { return IsListWordRecord(ReadWordRecordBytes(bytes)); }, messages);
}

bool BuildLookupWordIndex(LPCSTR binFolder, UserMessageList& messages) {
  return WriteIndexFile(DictionaryFilePath(binFolder, DictionaryFile::kListWordData),
                        DictionaryFilePath(binFolder, DictionaryFile::kListWordIndex),
                        kPackedWordRecSize, DictionaryFile::kWordBlockBytes, messages);
}

WordDatabaseBuildResult BuildWordDatabases(LPCSTR binFolder, WordRecordSource& source,
                                           const WordRecordRenderer& renderer,
                                           DatabaseBuildProgress& progress) {
  WordDatabaseBuildResult result;
  UserMessageList& messages = result.messages;
  result.built = GenerateWordRecords(binFolder, source, renderer, progress, messages) &&
                 BuildDatabaseIndex(binFolder, messages) &&
                 BuildLookupWordFile(binFolder, messages) &&
                 BuildLookupWordIndex(binFolder, messages);
  return result;
}
