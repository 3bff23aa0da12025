#include "lexicon/core/WordDatabaseSearch.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"
#include "hebtext/core/CollationKey.h"
#include "hebtext/core/WordCompare.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/RecordFiles.h"

namespace {

constexpr DWORD kRecordsPerBlock = DictionaryFile::kWordBlockBytes / kPackedWordRecSize;

struct RenderedWord {
  BYTE letters[kEntryKeySize];
  BYTE vowels[kEntryKeySize];
  int length;
};

void Render(const WordRecordRenderer& renderer, const BYTE* bytes, RenderedWord& word) {
  word.length =
      renderer.Render(ReadWordRecordBytes(bytes), word.letters, word.vowels, kEntryKeySize);
  word.letters[word.length] = 0;
  word.vowels[word.length] = 0;
}

std::string KeyOf(const WordRecordRenderer& renderer, const BYTE* bytes) {
  RenderedWord word;
  Render(renderer, bytes, word);
  char key[kEntryKeySize];
  BuildLetterVowelKey(key, kEntryKeySize, word.letters, word.vowels, word.length);
  return key;
}

bool KeyLess(const std::string& a, const char* b) { return CompareKeyText(a.c_str(), b) < 0; }

}  // namespace

WordDatabaseIndex::WordDatabaseIndex(LPCSTR dataPath, LPCSTR indexPath,
                                     const WordRecordRenderer& renderer)
    : m_dataPath(dataPath) {
  CFile data;
  if (!data.Open(dataPath, CFile::modeRead | CFile::shareDenyWrite)) return;
  std::vector<BYTE> derived;
  try {
    const DWORD length = data.GetLength();
    if (length % kPackedWordRecSize != 0) return;
    m_recordCount = length / kPackedWordRecSize;
    BYTE record[kPackedWordRecSize];
    for (DWORD offset = 0; offset < length; offset += DictionaryFile::kWordBlockBytes) {
      data.Seek(static_cast<LONG>(offset), CFile::begin);
      if (data.Read(record, kPackedWordRecSize) != kPackedWordRecSize) return;
      derived.insert(derived.end(), record, record + kPackedWordRecSize);
    }
  } catch (CFileException* e) {
    e->Delete();
    m_recordCount = 0;
    return;
  }
  std::vector<BYTE> stored;
  m_state = ReadRecordFile(indexPath, stored) && stored == derived ? IndexState::kTrusted
                                                                   : IndexState::kRederived;
  for (size_t offset = 0; offset < derived.size(); offset += kPackedWordRecSize) {
    m_blockKeys.push_back(KeyOf(renderer, &derived[offset]));
  }
}

bool WordDatabaseIndex::ReadRecords(DWORD first, DWORD count, std::vector<BYTE>& bytes) const {
  bytes.assign(static_cast<size_t>(count) * kPackedWordRecSize, 0);
  if (count == 0) return true;
  CFile data;
  if (!data.Open(m_dataPath, CFile::modeRead | CFile::shareDenyWrite)) return false;
  try {
    data.Seek(static_cast<LONG>(first * kPackedWordRecSize), CFile::begin);
    return data.Read(bytes.data(), static_cast<UINT>(bytes.size())) == bytes.size();
  } catch (CFileException* e) {
    e->Delete();
    return false;
  }
}

void WordDatabaseIndex::CandidateRange(const char* key, DWORD& first, DWORD& last) const {
  // Every record before the last block that begins below the key is below
  // it, and every record from the first block that begins above it is above.
  const auto below = std::lower_bound(m_blockKeys.begin(), m_blockKeys.end(), key, KeyLess);
  const auto above = std::upper_bound(
      m_blockKeys.begin(), m_blockKeys.end(), key,
      [](const char* k, const std::string& block) { return CompareKeyText(k, block.c_str()) < 0; });
  const DWORD firstBlock =
      below == m_blockKeys.begin() ? 0 : static_cast<DWORD>(below - m_blockKeys.begin()) - 1;
  const DWORD endBlock = static_cast<DWORD>(above - m_blockKeys.begin());
  first = firstBlock * kRecordsPerBlock;
  last = std::min(endBlock * kRecordsPerBlock, m_recordCount);
  if (last < first) last = first;
}

LookupData::LookupData(LPCSTR binFolder, const WordRecordRenderer& renderer)
    : m_binFolder(binFolder), m_renderer(renderer) {}

LookupData::~LookupData() = default;

const WordDatabaseIndex* LookupData::Database(WORD flags) {
  const bool list = (flags & kSearchListDatabase) != 0;
  std::unique_ptr<WordDatabaseIndex>& database = m_databases[list ? 1 : 0];
  if (!database) {
    database = std::make_unique<WordDatabaseIndex>(
        DictionaryFilePath(m_binFolder,
                           list ? DictionaryFile::kListWordData : DictionaryFile::kWordData),
        DictionaryFilePath(m_binFolder,
                           list ? DictionaryFile::kListWordIndex : DictionaryFile::kWordIndex),
        m_renderer);
  }
  if (database->State() != IndexState::kMissing) return database.get();
  database.reset();
  return nullptr;
}

void LookupData::FreeLookupData() {
  for (std::unique_ptr<WordDatabaseIndex>& database : m_databases) database.reset();
}

bool SearchWordDatabase(LookupData& data, const BYTE* letters, const BYTE* vowels,
                        SearchHitList& hits, BYTE prefixLength, WORD flags) {
  if (!data.IsReady() || hits.IsFull()) return false;
  const WordDatabaseIndex* database = data.Database(flags);
  if (database == nullptr) return false;
  const int length = static_cast<int>(std::strlen(reinterpret_cast<LPCSTR>(letters)));
  char key[kEntryKeySize];
  BuildLetterVowelKey(key, kEntryKeySize, letters, vowels, length);

  DWORD first = 0;
  DWORD last = 0;
  database->CandidateRange(key, first, last);
  std::vector<BYTE> bytes;
  if (!database->ReadRecords(first, last - first, bytes)) return false;

  // The run of records with the typed key, by bisection over their keys.
  const WordRecordRenderer& renderer = data.Renderer();
  const DWORD count = last - first;
  std::vector<DWORD> positions(count);
  for (DWORD i = 0; i < count; ++i) positions[i] = i;
  auto keyAt = [&](DWORD i) { return KeyOf(renderer, &bytes[i * kPackedWordRecSize]); };
  const auto runBegin = std::lower_bound(
      positions.begin(), positions.end(), key,
      [&](DWORD i, const char* k) { return CompareKeyText(keyAt(i).c_str(), k) < 0; });
  const auto runEnd = std::upper_bound(runBegin, positions.end(), key, [&](const char* k, DWORD i) {
    return CompareKeyText(k, keyAt(i).c_str()) < 0;
  });

  const int before = hits.Count();
  auto keep = [&](auto matches) {
    RenderedWord word;
    for (auto i = runBegin; i != runEnd && !hits.IsFull(); ++i) {
      const BYTE* record = &bytes[*i * kPackedWordRecSize];
      Render(renderer, record, word);
      if (matches(word)) hits.Append({ReadWordRecordBytes(record), prefixLength});
    }
  };
  keep([&](const RenderedWord& word) {
    return CompareWordsPositional(letters, word.letters, vowels, word.vowels) == 0;
  });
  if (hits.Count() == before && (flags & kSearchLoosePass) != 0) {
    PleneCompareOptions options;
    if (flags & kSearchPointedLoose) options.pointingA = WordPointing::Pointed;
    keep([&](const RenderedWord& word) {
      return CompareWordsPleneTolerant(letters, word.letters, vowels, word.vowels, options) == 0;
    });
  }
  return hits.Count() > before;
}
