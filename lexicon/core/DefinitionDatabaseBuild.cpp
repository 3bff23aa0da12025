#include "lexicon/core/DefinitionDatabaseBuild.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "hebtext/core/CollationKey.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/core/RecordFiles.h"

namespace {

constexpr int kDigitsFlag = 0;
constexpr int kWordsFlag = 1;
constexpr int kBinyanCount = Binyan::kCount;
constexpr int kVerbProgressStep = 50;
constexpr int kTableProgressStep = 10;

int LowestBinyan(int mask) {
  for (int b = 0; b < kBinyanCount; ++b)
    if (mask & (1 << b)) return b;
  return kBinyanCount;
}

std::string Keyword(const KeywordRenderer& renderer, DWORD record) {
  char buffer[kEntryKeySize];
  const int length = renderer(record, buffer, kEntryKeySize);
  return std::string(buffer, std::max(length, 0));
}

// The root's letters as collation key characters: the second key of a
// verb keyword (empty for the others).
std::string RootKey(DWORD record) {
  UnpackedDefinitionRec fields{};
  if (DecodeDefinitionRecord(record, fields) != kKindVerb) return std::string();
  BYTE root[kEntryKeySize] = {};
  const int length = GetVerbRootLetters(fields.entryIndex, root);
  std::string key;
  for (int i = 0; i < length; ++i) key += static_cast<char>(CollationKeyChar(root[i]));
  return key;
}

struct SortedDefinition {
  std::string keyword;
  std::string root;
  DWORD record;
};

bool Before(const SortedDefinition& a, const SortedDefinition& b) {
  const int byKeyword = CompareKeywordTexts(a.keyword.c_str(), b.keyword.c_str());
  if (byKeyword != 0) return byKeyword < 0;
  const int byRoot = CompareKeyText(a.root.c_str(), b.root.c_str());
  return byRoot != 0 ? byRoot < 0 : a.record < b.record;
}

CString DefinitionBucketLabel(DWORD bucket, DWORD count) {
  int digits[kDefinitionBucketChars];
  for (int i = kDefinitionBucketChars - 1; i >= 0; --i) {
    digits[i] = static_cast<int>(bucket % kDefinitionBucketBase);
    bucket /= kDefinitionBucketBase;
  }
  CString line;
  line.Format("%c %c %c %c: %lu", 'A' + digits[0], 'A' + digits[1], 'A' + digits[2], 'A',
              static_cast<unsigned long>(count));
  return line;
}

bool ShowProgress(DatabaseBuildProgress& progress, const DefinitionRecordFiler& filer,
                  const char* name, int index, int step) {
  if (index % step == 0) {
    CString line;
    line.Format(filer.Pass() == 0 ? "Counting %s %d" : "Processing %s %d", name, index);
    progress.ShowLine(line);
  }
  return progress.Continue();
}

void FileNumbers(DefinitionRecordFiler& filer) {
  for (int index = 0; index < kNumberTableCount; ++index) {
    NumberTableEntry entry;
    if (!GetNumberTableEntry(index, entry)) continue;
    for (int ordinal = 0; ordinal < 2; ++ordinal) {
      if (!(entry.flags & (ordinal ? kNumberOrdinal : kNumberCardinal))) continue;
      for (int feminine = 0; feminine < 2; ++feminine) {
        if (!(entry.flags & (feminine ? kNumberFeminine : kNumberMasculine))) continue;
        for (int spelling : {kDigitsFlag, kWordsFlag})
          filer.AddDefinitionRecord(PackDefinitionRecordNumber(index, ordinal, feminine, spelling));
      }
    }
  }
}

struct DefinitionTable {
  int tableType;
  int kind;
  const char* name;
};
// clang-format off
constexpr DefinitionTable kTables[] = {
    {TableType::Noun,        kKindNoun,  "Noun"},
    {TableType::Preposition, kKindPrep,  "Preposition / Particle"},
    {TableType::Adjective,   kKindAdj,   "Adjective"},
    {TableType::Vocabulary,  kKindVocab, ""},
};
// clang-format on

bool FileTables(DefinitionRecordFiler& filer, DatabaseBuildProgress& progress) {
  for (const DefinitionTable& table : kTables) {
    const GrammarBlock& block = GetNounTableBlock(table.tableType);
    const DWORD count = GetNounTableCount(table.tableType);
    for (DWORD i = 0; i < count && (i + 1) * GrammarLayout::kNounEntrySize <= block.Size(); ++i) {
      if (!ShowProgress(progress, filer, table.name, static_cast<int>(i), kTableProgressStep))
        return false;
      const int keywords = CountDefinitionKeywords(
          GetNounDefinition(block.Data() + i * GrammarLayout::kNounEntrySize));
      for (int ordinal = 1; ordinal <= keywords; ++ordinal)
        filer.AddDefinitionRecord(
            PackDefinitionRecordTable(table.kind, static_cast<int>(i), ordinal));
    }
  }
  return true;
}

bool FileVerbs(DefinitionRecordFiler& filer, DatabaseBuildProgress& progress) {
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    if (!ShowProgress(progress, filer, "Verb Shoresh", verb, kVerbProgressStep)) return false;
    for (int binyan = 0; binyan < kBinyanCount; ++binyan) {
      const int keywords = CountDefinitionKeywords(GetVerbMeaning(verb, binyan));
      for (int ordinal = 1; ordinal <= keywords; ++ordinal)
        filer.AddDefinitionRecord(PackDefinitionRecordVerb(verb, 1 << binyan, ordinal));
    }
  }
  return true;
}

}  // namespace

bool IsListDefinitionRecord(DWORD record) {
  UnpackedDefinitionRec fields{};
  const int kind = DecodeDefinitionRecord(record, fields);
  return kind == kKindVerb || kind == kKindPrep || kind == kKindNumber;
}

void DefinitionRecordFiler::AddDefinitionRecord(const DWORD record) {
  const std::string keyword = Keyword(m_renderer, record);
  const DWORD bucket = DefinitionBucketNumber(keyword.c_str());
  if (m_builder.CurrentPass() == DatabaseBuildState::kStoring &&
      MergeVerbKeyword(bucket, record, keyword.c_str()))
    return;
  BYTE bytes[kPackedDefinitionRecSize];
  WriteU32LE(bytes, record);
  m_builder.Add(bucket, bytes);
}

bool DefinitionRecordFiler::MergeVerbKeyword(DWORD bucket, DWORD record, const char* keyword) {
  UnpackedDefinitionRec added{};
  if (DecodeDefinitionRecord(record, added) != kKindVerb) return false;
  BYTE* stored = m_builder.BucketRecords(bucket);
  for (DWORD i = 0; i < m_builder.RecordsIn(bucket); ++i) {
    BYTE* bytes = stored + i * kPackedDefinitionRecSize;
    const DWORD other = ReadU32LE(bytes);
    UnpackedDefinitionRec found{};
    if (DecodeDefinitionRecord(other, found) != kKindVerb || found.entryIndex != added.entryIndex ||
        CompareKeywordTexts(Keyword(m_renderer, other).c_str(), keyword) != 0)
      continue;
    // The keyword stands in the lowest binyan's definition, at its ordinal.
    const bool keepOrdinal = LowestBinyan(found.binyanMask) < LowestBinyan(added.binyanMask);
    WriteU32LE(bytes, PackDefinitionRecordVerb(
                          added.entryIndex, found.binyanMask | added.binyanMask,
                          keepOrdinal ? found.definitionNumber : added.definitionNumber));
    return true;
  }
  return false;
}

bool GrammarDefinitionSource::Generate(DefinitionRecordFiler& filer,
                                       DatabaseBuildProgress& progress) {
  FileNumbers(filer);
  return progress.Continue() && FileTables(filer, progress) && FileVerbs(filer, progress);
}

bool GenerateDefinitionRecords(LPCSTR binFolder, DefinitionRecordSource& source,
                               const KeywordRenderer& renderer, DatabaseBuildProgress& progress,
                               UserMessageList& messages) {
  DatabaseBuildState builder(kDefinitionBucketCount, kPackedDefinitionRecSize);
  DefinitionRecordFiler filer(builder, renderer);
  if (!source.Generate(filer, progress)) return false;
  builder.BeginStoring();
  if (!source.Generate(filer, progress)) return false;
  if (builder.Overflowed()) {
    messages.push_back(
        {"The definition sources gave more records in the second pass than in the first.", ""});
    return false;
  }
  return WriteDefinitionDatabase(builder, binFolder, renderer, progress, messages);
}

void SortBucketRecords(BYTE* records, DWORD count, const KeywordRenderer& renderer) {
  std::vector<SortedDefinition> sorted(count);
  for (DWORD i = 0; i < count; ++i) {
    sorted[i].record = ReadU32LE(records + i * kPackedDefinitionRecSize);
    sorted[i].keyword = Keyword(renderer, sorted[i].record);
    sorted[i].root = RootKey(sorted[i].record);
  }
  std::sort(sorted.begin(), sorted.end(), Before);
  for (DWORD i = 0; i < count; ++i)
    WriteU32LE(records + i * kPackedDefinitionRecSize, sorted[i].record);
}

bool WriteDefinitionDatabase(DatabaseBuildState& builder, LPCSTR binFolder,
                             const KeywordRenderer& renderer, DatabaseBuildProgress& progress,
                             UserMessageList& messages) {
  const BucketSorter sort = [&](DWORD, BYTE* records, DWORD count) {
    SortBucketRecords(records, count, renderer);
  };
  return WriteSortedBuckets(builder, DictionaryFilePath(binFolder, DictionaryFile::kDefinitionData),
                            sort, DefinitionBucketLabel, progress, messages);
}

bool BuildDefinitionIndex(LPCSTR binFolder, UserMessageList& messages) {
  return WriteIndexFile(DictionaryFilePath(binFolder, DictionaryFile::kDefinitionData),
                        DictionaryFilePath(binFolder, DictionaryFile::kDefinitionIndex),
                        kPackedDefinitionRecSize, DictionaryFile::kDefinitionBlockBytes, messages);
}

bool BuildLookupDefinitionFile(LPCSTR binFolder, UserMessageList& messages) {
  return WriteFilteredFile(
      DictionaryFilePath(binFolder, DictionaryFile::kDefinitionData),
      DictionaryFilePath(binFolder, DictionaryFile::kListDefinitionData), kPackedDefinitionRecSize,
      [](const BYTE* bytes) { return IsListDefinitionRecord(ReadU32LE(bytes)); }, messages);
}

bool BuildLookupDefinitionIndex(LPCSTR binFolder, UserMessageList& messages) {
  return WriteIndexFile(DictionaryFilePath(binFolder, DictionaryFile::kListDefinitionData),
                        DictionaryFilePath(binFolder, DictionaryFile::kListDefinitionIndex),
                        kPackedDefinitionRecSize, DictionaryFile::kDefinitionBlockBytes, messages);
}

DefinitionDatabaseBuildResult BuildDefinitionDatabases(LPCSTR binFolder,
                                                       DefinitionRecordSource& source,
                                                       const KeywordRenderer& renderer,
                                                       DatabaseBuildProgress& progress) {
  DefinitionDatabaseBuildResult result;
  UserMessageList& messages = result.messages;
  result.built = GenerateDefinitionRecords(binFolder, source, renderer, progress, messages) &&
                 BuildDefinitionIndex(binFolder, messages) &&
                 BuildLookupDefinitionFile(binFolder, messages) &&
                 BuildLookupDefinitionIndex(binFolder, messages);
  return result;
}
