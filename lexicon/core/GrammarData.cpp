#include "lexicon/core/GrammarData.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "classlib/core/CFile.h"
#include "classlib/core/CString.h"
#include "hebtext/core/PointedText.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"

using namespace GrammarLayout;

namespace {

struct GrammarStore {
  GrammarBlock verbPatterns[kPatternRows][kTenseGroups];
  WORD verbPatternCounts[kPatternRows][kTenseGroups] = {};
  GrammarBlock verbRoots[kVerbBlocks];
  WORD verbRootCounts[kVerbBlocks] = {};
  GrammarBlock verbEntries, verbCompanions, verbText;
  WORD verbCount = 0;
  DWORD verbTextSize = 0;

  GrammarBlock nounPatterns, nounTable, nounText, adjPatterns, adjTable;
  GrammarBlock nounEntries[kNounEntryBlocks];
  DWORD nounPatternCount = 0, nounTableCount = 0, nounTextSize = 0;
  DWORD adjPatternCount = 0, adjTableCount = 0;
  DWORD nounEntryCounts[kNounEntryBlocks] = {};
  DWORD generation = 0;  // changes whenever a table is freed or replaced
  GrammarBlock prefixTables[kPrefixTables];
};

GrammarStore g_store;
CString g_folder;
const GrammarBlock g_absent;

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

CString MakeGrammarPath(LPCSTR file) {
  CString path = g_folder;
  if (!path.IsEmpty() && path[path.GetLength() - 1] != kSeparator) path += kSeparator;
  path += "bin";
  path += kSeparator;
  path += file;
  return path;
}

UserMessage Message(LPCSTR format, LPCSTR path) {
  UserMessage message;
  message.text.Format(format, path);
  return message;
}

UserMessage DamagedMessage(LPCSTR path) {
  return Message("The grammar file %s is damaged and was not loaded.", path);
}

enum class FileRead { Read, Missing, Failed };

// The whole file, read in chunks of at most 32768 bytes.
FileRead ReadWholeFile(LPCSTR path, std::vector<BYTE>& bytes) {
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return FileRead::Missing;
  try {
    bytes.resize(file.GetLength());
    size_t done = 0;
    while (done < bytes.size()) {
      UINT chunk = static_cast<UINT>(std::min<size_t>(bytes.size() - done, 32768));
      UINT got = file.Read(bytes.data() + done, chunk);
      if (got == 0) break;
      done += got;
    }
    bytes.resize(done);
  } catch (CException* e) {
    e->Delete();
    file.Abort();
    return FileRead::Failed;
  }
  file.Abort();
  return FileRead::Read;
}

enum class Loaded { Yes, Missing, Rejected };

// Loads a file through its reader, after its old tables are freed. A
// missing file gives no message here (the start-up check names missing
// files); an unreadable or damaged one adds its message.
Loaded LoadFile(LPCSTR file, void (*freer)(), bool (*reader)(const BYTE*, size_t),
                UserMessageList& messages) {
  freer();
  CString path = MakeGrammarPath(file);
  std::vector<BYTE> bytes;
  switch (ReadWholeFile(path, bytes)) {
    case FileRead::Missing: return Loaded::Missing;
    case FileRead::Failed: break;
    case FileRead::Read:
      if (reader(bytes.data(), bytes.size())) return Loaded::Yes;
      break;
  }
  messages.push_back(DamagedMessage(path));
  return Loaded::Rejected;
}

// A count as stored: in range when it fits the 16 bits it is held in.
bool ReadCount(const BYTE* bytes, size_t at, DWORD& count) {
  count = ReadU32LE(bytes + at);
  return count <= kMaxCount;
}

// A text block is usable when every text in it ends inside it.
bool TextBlockEnds(const BYTE* text, size_t size) { return size == 0 || text[size - 1] == 0; }

// The header of a count-prefixed file: true with the count when the file
// holds exactly that many records (plus the spare ones).
bool ReadCountedFile(const BYTE* bytes, size_t size, size_t recordSize, size_t spare,
                     DWORD& count) {
  if (size < static_cast<size_t>(kCountHeader) || !ReadCount(bytes, 0, count)) return false;
  return size == kCountHeader + (count + spare) * recordSize;
}

void FreeVerbPatternBlocks() {
  ++g_store.generation;
  for (auto& row : g_store.verbPatterns)
    for (GrammarBlock& block : row) block.Free();
  std::memset(g_store.verbPatternCounts, 0, sizeof(g_store.verbPatternCounts));
}

void FreeVerbRootBlocks() {
  ++g_store.generation;
  for (GrammarBlock& block : g_store.verbRoots) block.Free();
  std::fill(std::begin(g_store.verbRootCounts), std::end(g_store.verbRootCounts), 0);
}

void FreeNounPatterns() {
  ++g_store.generation;
  g_store.nounPatterns.Free();
  g_store.nounPatternCount = 0;
}

void FreeNounTable() {
  ++g_store.generation;
  g_store.nounTable.Free();
  g_store.nounTableCount = 0;
}

void FreeAdjPatterns() {
  ++g_store.generation;
  g_store.adjPatterns.Free();
  g_store.adjPatternCount = 0;
}

void FreeAdjTable() {
  ++g_store.generation;
  g_store.adjTable.Free();
  g_store.adjTableCount = 0;
}

void FreeVerbIndex() {
  ++g_store.generation;
  g_store.verbEntries.Free();
  g_store.verbCompanions.Free();
  g_store.verbText.Free();
  g_store.verbCount = 0;
  g_store.verbTextSize = 0;
}

void FreeNounData() {
  ++g_store.generation;
  for (GrammarBlock& block : g_store.nounEntries) block.Free();
  std::fill(std::begin(g_store.nounEntryCounts), std::end(g_store.nounEntryCounts), 0);
  g_store.nounText.Free();
  g_store.nounTextSize = 0;
  for (GrammarBlock& block : g_store.prefixTables) block.Free();
}

// The blocks in the order of the file: nouns, prepositions, adjectives,
// vocabulary.
int NounBlockIndex(int tableType) {
  switch (tableType) {
    case TableType::Preposition: return 1;
    case TableType::Adjective: return 2;
    case TableType::Vocabulary: return 3;
    default: return 0;
  }
}

bool IsTextOffset(DWORD offset, DWORD textSize) { return offset < textSize; }

}  // namespace

void SetGrammarFolder(LPCSTR folder) { g_folder = folder; }

bool ReadVerbPatterns(const BYTE* bytes, size_t size) {
  FreeVerbPatternBlocks();
  DWORD counts[kPatternRows * kTenseGroups];
  size_t expected = kVerbPatternHeader;
  bool sound = size >= static_cast<size_t>(kVerbPatternHeader);
  for (int i = 0; sound && i < kPatternRows * kTenseGroups; ++i) {
    sound = ReadCount(bytes, 4 * i, counts[i]);
    expected += static_cast<size_t>(counts[i]) * kVerbPatternRecSize;
  }
  if (!sound || size != expected) return false;
  size_t at = kVerbPatternHeader;
  for (int i = 0; i < kPatternRows * kTenseGroups; ++i) {
    size_t blockSize = static_cast<size_t>(counts[i]) * kVerbPatternRecSize;
    int row = i / kTenseGroups, group = i % kTenseGroups;
    g_store.verbPatternCounts[row][group] = static_cast<WORD>(counts[i]);
    if (blockSize) g_store.verbPatterns[row][group].Assign(bytes + at, blockSize);
    at += blockSize;
  }
  return true;
}

bool ReadVerbRootTables(const BYTE* bytes, size_t size) {
  FreeVerbRootBlocks();
  DWORD counts[kVerbBlocks];
  size_t expected = kVerbRootHeader;
  bool sound = size >= static_cast<size_t>(kVerbRootHeader);
  for (int b = 0; sound && b < kVerbBlocks; ++b) {
    sound = ReadCount(bytes, 4 * b, counts[b]);
    expected += (static_cast<size_t>(counts[b]) + 1) * kBinyanRootRecSize;
  }
  if (!sound || size != expected) return false;
  size_t at = kVerbRootHeader;
  for (int b = 0; b < kVerbBlocks; ++b) {
    size_t blockSize = (static_cast<size_t>(counts[b]) + 1) * kBinyanRootRecSize;
    g_store.verbRootCounts[b] = static_cast<WORD>(counts[b]);
    g_store.verbRoots[b].Assign(bytes + at, blockSize);
    at += blockSize;
  }
  return true;
}

namespace {

// Whether every count, size and offset of verbdata.bin fits the file: the
// entry roots end inside their records and every meaning lies in the text
// block, which ends its last text.
bool VerbIndexHoldsTogether(const BYTE* bytes, size_t size, DWORD& count, DWORD& textSize) {
  if (size < static_cast<size_t>(kVerbIndexHeader) || !ReadCount(bytes, kVerbCountOffset, count))
    return false;
  textSize = ReadU32LE(bytes + kVerbTextSizeOffset);
  size_t records = static_cast<size_t>(count) * (kVerbIndexEntrySize + kVerbCompanionSize);
  if (size < kVerbIndexHeader + records || size - kVerbIndexHeader - records != textSize)
    return false;
  const BYTE* entries = bytes + kVerbIndexHeader;
  const BYTE* companions = entries + static_cast<size_t>(count) * kVerbIndexEntrySize;
  if (!TextBlockEnds(companions + static_cast<size_t>(count) * kVerbCompanionSize, textSize))
    return false;
  for (DWORD v = 0; v < count; ++v) {
    const BYTE* entry = entries + v * kVerbIndexEntrySize;
    const BYTE* root = entry + kEntryRootOffset;
    const void* end = std::memchr(root, 0, kEntryRootRoom);
    if (!end || static_cast<const BYTE*>(end) - root != ReadU16LE(entry + kEntryRootLengthOffset))
      return false;
    DWORD base = ReadU32LE(companions + v * kVerbCompanionSize + kCompanionTextBaseOffset);
    for (int b = 0; b < kBinyanim; ++b) {
      WORD offset = ReadU16LE(entry + kEntryMeaningOffset + 2 * b);
      // The offset counts from the base as a signed number.
      if (offset != kNoMeaning &&
          !IsTextOffset(base + static_cast<DWORD>(static_cast<SHORT>(offset)), textSize))
        return false;
    }
  }
  return true;
}

// Whether every count, size and offset of noundata.bin fits the file.
bool NounDataHoldsTogether(const BYTE* bytes, size_t size, DWORD (&counts)[kNounEntryBlocks],
                           DWORD& textSize) {
  if (size < static_cast<size_t>(kNounDataHeader)) return false;
  size_t records = 0;
  for (int k = 0; k < kNounEntryBlocks; ++k) {
    if (!ReadCount(bytes, kNounDataCountsOffset + 4 * k, counts[k])) return false;
    records += counts[k];
  }
  textSize = ReadU32LE(bytes + kNounDataCountsOffset + 4 * kNounEntryBlocks);
  size_t entryBytes = records * kNounEntrySize;
  if (size < kNounDataHeader + entryBytes || size - kNounDataHeader - entryBytes != textSize)
    return false;
  const BYTE* entries = bytes + kNounDataHeader;
  if (!TextBlockEnds(entries + entryBytes, textSize)) return false;
  for (size_t e = 0; e < records; ++e) {
    DWORD word = ReadU32LE(entries + e * kNounEntrySize + kNounEntryWordOffset);
    DWORD definition = ReadU32LE(entries + e * kNounEntrySize + kNounEntryDefinitionOffset);
    if ((word != kNoText && !IsTextOffset(word, textSize)) ||
        (definition != kNoText && definition != kNoTextAlt && !IsTextOffset(definition, textSize)))
      return false;
  }
  return true;
}

}  // namespace

bool ReadVerbIndex(const BYTE* bytes, size_t size) {
  FreeVerbIndex();
  DWORD count = 0, textSize = 0;
  if (!VerbIndexHoldsTogether(bytes, size, count, textSize)) return false;
  const BYTE* entries = bytes + kVerbIndexHeader;
  const BYTE* companions = entries + static_cast<size_t>(count) * kVerbIndexEntrySize;
  g_store.verbCount = static_cast<WORD>(count);
  g_store.verbTextSize = textSize;
  if (count) {
    g_store.verbEntries.Assign(entries, static_cast<size_t>(count) * kVerbIndexEntrySize);
    g_store.verbCompanions.Assign(companions, static_cast<size_t>(count) * kVerbCompanionSize);
  }
  if (textSize)
    g_store.verbText.Assign(companions + static_cast<size_t>(count) * kVerbCompanionSize, textSize);
  return true;
}

bool ReadNounPatterns(const BYTE* bytes, size_t size) {
  FreeNounPatterns();
  DWORD count;
  if (!ReadCountedFile(bytes, size, kNounPatternRecSize, 0, count)) return false;
  g_store.nounPatternCount = count;
  if (count) g_store.nounPatterns.Assign(bytes + kCountHeader, size - kCountHeader);
  return true;
}

bool ReadNounTable(const BYTE* bytes, size_t size) {
  FreeNounTable();
  DWORD count;
  if (!ReadCountedFile(bytes, size, kNounTableRecSize, 1, count)) return false;
  g_store.nounTableCount = count;
  g_store.nounTable.Assign(bytes + kCountHeader, size - kCountHeader);
  return true;
}

bool ReadAdjPatterns(const BYTE* bytes, size_t size) {
  FreeAdjPatterns();
  DWORD count;
  if (!ReadCountedFile(bytes, size, kSuffixFormRecSize, 0, count)) return false;
  g_store.adjPatternCount = count;
  if (count) g_store.adjPatterns.Assign(bytes + kCountHeader, size - kCountHeader);
  return true;
}

bool ReadAdjTable(const BYTE* bytes, size_t size) {
  FreeAdjTable();
  DWORD count;
  if (!ReadCountedFile(bytes, size, kSuffixWordRecSize, 0, count)) return false;
  g_store.adjTableCount = count;
  if (count) g_store.adjTable.Assign(bytes + kCountHeader, size - kCountHeader);
  return true;
}

bool ReadNounData(const BYTE* bytes, size_t size) {
  FreeNounData();
  DWORD counts[kNounEntryBlocks] = {};
  DWORD textSize = 0;
  if (!NounDataHoldsTogether(bytes, size, counts, textSize)) return false;
  for (int t = 0; t < kPrefixTables; ++t)
    g_store.prefixTables[t].Assign(bytes + t * kPrefixTableSize, kPrefixTableSize);
  const BYTE* entries = bytes + kNounDataHeader;
  for (int k = 0; k < kNounEntryBlocks; ++k) {
    g_store.nounEntryCounts[k] = counts[k];
    if (counts[k]) g_store.nounEntries[k].Assign(entries, counts[k] * kNounEntrySize);
    entries += counts[k] * kNounEntrySize;
  }
  g_store.nounTextSize = textSize;
  if (textSize) g_store.nounText.Assign(entries, textSize);
  return true;
}

void LoadVerbPatterns(UserMessageList& messages) {
  LoadFile(kVerbPatternFile, FreeVerbPatternBlocks, ReadVerbPatterns, messages);
}

void LoadVerbRootTables(UserMessageList& messages) {
  LoadFile(kVerbRootFile, FreeVerbRootBlocks, ReadVerbRootTables, messages);
}

bool LoadVerbIndex(UserMessageList& messages) {
  switch (LoadFile(kVerbIndexFile, FreeVerbIndex, ReadVerbIndex, messages)) {
    case Loaded::Yes: return true;
    case Loaded::Missing:
      // Start-up ends here, before the check that names missing files.
      messages.push_back(Message("Couldn't find %s!", MakeGrammarPath(kVerbIndexFile)));
      return false;
    case Loaded::Rejected: break;
  }
  return false;
}

void LoadNounAdjTables(UserMessageList& messages) {
  LoadFile(kNounPatternFile, FreeNounPatterns, ReadNounPatterns, messages);
  LoadFile(kNounTableFile, FreeNounTable, ReadNounTable, messages);
  LoadFile(kNounDataFile, FreeNounData, ReadNounData, messages);
  LoadFile(kAdjPatternFile, FreeAdjPatterns, ReadAdjPatterns, messages);
  LoadFile(kAdjTableFile, FreeAdjTable, ReadAdjTable, messages);
}

GrammarLoadResult LoadGrammarData() {
  GrammarLoadResult result;
  LoadVerbPatterns(result.messages);
  LoadVerbRootTables(result.messages);
  result.loaded = LoadVerbIndex(result.messages);
  if (result.loaded) LoadNounAdjTables(result.messages);
  return result;
}

// Counts go with their blocks, so that no reader walks a count over an
// absent block.
void FreeVerbData() {
  FreeVerbPatternBlocks();
  FreeVerbRootBlocks();
  FreeVerbIndex();
}

void FreeNounAdjTables() {
  FreeNounPatterns();
  FreeNounTable();
  FreeNounData();
  FreeAdjPatterns();
  FreeAdjTable();
}

void FreeGrammarData() {
  FreeVerbData();
  FreeNounAdjTables();
}

const GrammarBlock& GetVerbPatternBlock(int row, int group) {
  if (row < 0 || row >= kPatternRows || group < 0 || group >= kTenseGroups) return g_absent;
  return g_store.verbPatterns[row][group];
}

WORD GetVerbPatternCount(int row, int group) {
  if (row < 0 || row >= kPatternRows || group < 0 || group >= kTenseGroups) return 0;
  return g_store.verbPatternCounts[row][group];
}

const GrammarBlock& GetVerbRootBlock(int block) {
  return block >= 0 && block < kVerbBlocks ? g_store.verbRoots[block] : g_absent;
}

WORD GetVerbRootCount(int block) {
  return block >= 0 && block < kVerbBlocks ? g_store.verbRootCounts[block] : 0;
}

const GrammarBlock& GetVerbIndexEntries() { return g_store.verbEntries; }
const GrammarBlock& GetVerbCompanions() { return g_store.verbCompanions; }
const GrammarBlock& GetVerbTextBlock() { return g_store.verbText; }
WORD GetVerbCount() { return g_store.verbCount; }
DWORD GetVerbTextSize() { return g_store.verbTextSize; }

int GetVerbRootLetters(int verb, BYTE* letters) {
  letters[0] = 0;
  if (verb < 0 || !g_store.verbEntries.IsPresent() ||
      static_cast<size_t>(verb + 1) * kVerbIndexEntrySize > g_store.verbEntries.Size())
    return 0;
  const BYTE* root = g_store.verbEntries.Data() + verb * kVerbIndexEntrySize + kEntryRootOffset;
  int n = 0;
  while (n < kEntryRootRoom - 1 && root[n]) {
    letters[n] = root[n];
    ++n;
  }
  letters[n] = 0;
  return n;
}

LPCSTR GetVerbMeaning(int verb, int binyan) {
  if (verb < 0 || verb >= g_store.verbCount || binyan < 0 || binyan >= kBinyanim ||
      !g_store.verbText.IsPresent())
    return nullptr;
  WORD offset = ReadU16LE(g_store.verbEntries.Data() + verb * kVerbIndexEntrySize +
                          kEntryMeaningOffset + 2 * binyan);
  if (offset == kNoMeaning) return nullptr;
  DWORD base = ReadU32LE(g_store.verbCompanions.Data() + verb * kVerbCompanionSize +
                         kCompanionTextBaseOffset);
  DWORD at = base + static_cast<DWORD>(static_cast<SHORT>(offset));
  if (at >= g_store.verbTextSize) return nullptr;
  return reinterpret_cast<LPCSTR>(g_store.verbText.Data() + at);
}

const GrammarBlock& GetNounPatternBlock() { return g_store.nounPatterns; }
DWORD GetNounPatternCount() { return g_store.nounPatternCount; }
DWORD GetGrammarGeneration() { return g_store.generation; }

const GrammarBlock& GetNounTableRecBlock() { return g_store.nounTable; }
DWORD GetNounTableRecCount() { return g_store.nounTableCount; }
const GrammarBlock& GetAdjPatternBlock() { return g_store.adjPatterns; }
DWORD GetAdjPatternCount() { return g_store.adjPatternCount; }
const GrammarBlock& GetAdjTableBlock() { return g_store.adjTable; }
DWORD GetAdjTableCount() { return g_store.adjTableCount; }
const GrammarBlock& GetNounTextBlock() { return g_store.nounText; }

const GrammarBlock& GetNounTableBlock(int tableType) {
  return g_store.nounEntries[NounBlockIndex(tableType)];
}

DWORD GetNounTableCount(int tableType) {
  return g_store.nounEntryCounts[NounBlockIndex(tableType)];
}

const GrammarBlock* GetNounDataPrefixTable(int tableType) {
  switch (tableType) {
    case TableType::Noun: return &g_store.prefixTables[0];
    case TableType::Adjective: return &g_store.prefixTables[1];
    case TableType::Vocabulary: return &g_store.prefixTables[2];
    default: return nullptr;
  }
}

namespace {

// The text at offset in the noun text block, or null.
LPCSTR NounText(DWORD offset) {
  if (offset >= g_store.nounTextSize || !g_store.nounText.IsPresent()) return nullptr;
  return reinterpret_cast<LPCSTR>(g_store.nounText.Data() + offset);
}

}  // namespace

int GetNounWord(const BYTE* nounEntry, BYTE* letters, BYTE* vowels, int capacity) {
  if (capacity < 1) return 0;
  letters[0] = vowels[0] = 0;
  LPCSTR word = NounText(ReadU32LE(nounEntry + kNounEntryWordOffset));
  if (!word) return 0;
  return SplitLettersAndVowels(word, letters, vowels, capacity, 0);
}

LPCSTR GetNounDefinition(const BYTE* nounEntry) {
  DWORD offset = ReadU32LE(nounEntry + kNounEntryDefinitionOffset);
  return offset == kNoTextAlt ? nullptr : NounText(offset);
}
