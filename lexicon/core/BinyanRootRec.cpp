#include "lexicon/core/BinyanRootRec.h"

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"

using namespace GrammarLayout;

BinyanRootRec ReadBinyanRootRec(const BYTE* bytes) {
  BinyanRootRec record;
  record.rootId = ReadU16LE(bytes);
  record.words[0] = ReadU16LE(bytes + 2);
  record.words[1] = ReadU16LE(bytes + 4);
  for (int g = 0; g < 6; ++g) record.patterns[g] = static_cast<SHORT>(ReadU16LE(bytes + 6 + 2 * g));
  record.alternativeBits = ReadU32LE(bytes + 18);
  record.participleAlternativeBits = ReadU16LE(bytes + 22);
  return record;
}

bool FindVerbRootRun(int block, WORD id, VerbRootRun& run) {
  run.count = 0;
  if (block < 0 || block >= kVerbBlocks) return false;
  const GrammarBlock& records = GetVerbRootBlock(block);
  WORD key = id & kBinyanClassMask;
  if (!records.IsPresent() || key == 0) return false;
  // Only the counted records are looked at: the sentinel beyond them ends a
  // run but is never one.
  size_t count = GetVerbRootCount(block);
  if (count * kBinyanRootRecSize > records.Size()) count = records.Size() / kBinyanRootRecSize;
  for (size_t i = 0; i < count; ++i) {
    const BYTE* bytes = records.Data() + i * kBinyanRootRecSize;
    if ((ReadU16LE(bytes) & kBinyanClassMask) != key) continue;
    while (i < count && run.count < 5 &&
           (ReadU16LE(records.Data() + i * kBinyanRootRecSize) & kBinyanClassMask) == key) {
      run.records[run.count++] = ReadBinyanRootRec(records.Data() + i * kBinyanRootRecSize);
      ++i;
    }
    return true;
  }
  return false;
}

WORD GetVerbBinyanWord(const BYTE* entry, int block) {
  if (block < 0 || block >= kVerbBlocks) return 255;
  return ReadU16LE(entry + kEntryBinyanWordOffset + 2 * block);
}

const BYTE* GetEntryRoot(const BYTE* entry) { return entry + kEntryRootOffset; }

int GetEntryRootLength(const BYTE* entry) {
  const BYTE* root = GetEntryRoot(entry);
  int n = 0;
  while (n < 5 && root[n]) ++n;
  return n >= 3 ? n : 0;
}
