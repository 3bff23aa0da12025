// Feeds any bytes to the eight grammar file readers: the first byte picks
// the reader, the rest is the file. Whatever a reader takes is then read
// through every accessor, which must stay inside the loaded blocks.
#include <cstddef>
#include <cstdint>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"

namespace {

typedef bool (*Reader)(const BYTE*, size_t);
const Reader kReaders[] = {ReadVerbPatterns, ReadVerbRootTables, ReadVerbIndex,   ReadNounPatterns,
                           ReadNounTable,    ReadNounData,       ReadAdjPatterns, ReadAdjTable};

volatile unsigned g_sink;

void Touch(const GrammarBlock& block) {
  for (size_t i = 0; i < block.Size(); i += 7) g_sink += block.Data()[i];
}

void ReadEverything() {
  using namespace GrammarLayout;
  for (int row = 0; row < kPatternRows; ++row)
    for (int group = 0; group < kTenseGroups; ++group) {
      const GrammarBlock& block = GetVerbPatternBlock(row, group);
      if (block.Size() != GetVerbPatternCount(row, group) * size_t(kVerbPatternRecSize))
        __builtin_trap();
      Touch(block);
    }
  for (int b = 0; b < kVerbBlocks; ++b) {
    if (GetVerbRootBlock(b).IsPresent() &&
        GetVerbRootBlock(b).Size() != (GetVerbRootCount(b) + 1u) * kBinyanRootRecSize)
      __builtin_trap();
    Touch(GetVerbRootBlock(b));
  }
  for (int v = 0; v <= GetVerbCount(); ++v) {
    BYTE root[kEntryRootRoom];
    GetVerbRootLetters(v, root);
    for (int b = 0; b <= kBinyanim; ++b)
      if (LPCSTR meaning = GetVerbMeaning(v, b))
        while (*meaning) g_sink += *meaning++;
  }
  for (int type = TableType::Noun; type <= TableType::Vocabulary; ++type) {
    const GrammarBlock& block = GetNounTableBlock(type);
    for (DWORD e = 0; e < GetNounTableCount(type); ++e) {
      const BYTE* entry = block.Data() + e * kNounEntrySize;
      BYTE letters[kMaxFormLetters + 1], vowels[kMaxFormLetters + 1];
      GetNounWord(entry, letters, vowels, sizeof(letters));
      if (LPCSTR definition = GetNounDefinition(entry))
        while (*definition) g_sink += *definition++;
    }
  }
  Touch(GetNounPatternBlock());
  Touch(GetNounTableRecBlock());
  Touch(GetAdjPatternBlock());
  Touch(GetAdjTableBlock());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  kReaders[data[0] % 8](data + 1, size - 1);
  ReadEverything();
  FreeGrammarData();
  return 0;
}
