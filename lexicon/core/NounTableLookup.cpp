#include "lexicon/core/NounTableLookup.h"

#include <cstdlib>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"

using namespace GrammarLayout;

namespace {

// The words mark an id by adding this to it; table ids lie below it.
constexpr long kMarkedId = 10000;
constexpr int kBuckets = NounTableIndex::kBuckets;
constexpr int kIdsPerBucket = NounTableIndex::kIdsPerBucket;

WORD RecordId(const BYTE* table, DWORD index) {
  return ReadU16LE(table + index * kNounTableRecSize);
}

void BuildBuckets(NounTableIndex& index, const BYTE* table, DWORD count) {
  // Bucket b: the first record whose id / 100 is b; an empty bucket scans
  // from the start.
  for (int b = 0; b < kBuckets; ++b) index.firstOfBucket[b] = 0;
  for (DWORD i = count; i-- > 0;) {
    int b = RecordId(table, i) / kIdsPerBucket;
    if (b > 0 && b < kBuckets) index.firstOfBucket[b] = i;
  }
  index.generation = GetGrammarGeneration();
  index.built = true;
}

}  // namespace

DWORD FindNounTableRecord(GrammarContext& context, int id) {
  const GrammarBlock& block = GetNounTableRecBlock();
  DWORD count = block.IsPresent() ? GetNounTableRecCount() : 0;
  if (static_cast<size_t>(count) * kNounTableRecSize > block.Size())
    count = static_cast<DWORD>(block.Size() / kNounTableRecSize);
  NounTableIndex& index = context.nounTables;
  if (!index.built || index.generation != GetGrammarGeneration())
    BuildBuckets(index, block.Data(), count);
  long key = std::labs(static_cast<long>(id));
  if (key > kMarkedId) key -= kMarkedId;
  if (key >= kMarkedId || count == 0) return count;
  for (DWORD i = index.firstOfBucket[key / kIdsPerBucket]; i < count; ++i)
    if (RecordId(block.Data(), i) == key) return i;
  return count;
}
