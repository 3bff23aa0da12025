#include "lexicon/core/DatabaseBuildState.h"

#include <gtest/gtest.h>

#include "lexicon/core/PackedWordRecord.h"

namespace {

// More records than a 16-bit count holds, all in one bucket.
constexpr DWORD kManyRecords = 70000;
constexpr DWORD kBuckets = 3;
constexpr DWORD kFullBucket = 1;

void AddNumbered(DatabaseBuildState& state, DWORD bucket, DWORD count) {
  BYTE record[kPackedWordRecSize] = {};
  for (DWORD i = 0; i < count; ++i) {
    WriteWordRecordBytes(record, {i, 0});
    EXPECT_TRUE(state.Add(bucket, record)) << i;
  }
}

TEST(DatabaseBuildState, ABucketHoldsMoreRecordsThanSixteenBitsCount) {
  DatabaseBuildState state(kBuckets, kPackedWordRecSize);
  for (int pass = 0; pass < 2; ++pass) {
    if (pass == 1) state.BeginStoring();
    AddNumbered(state, 0, 2);
    AddNumbered(state, kFullBucket, kManyRecords);
  }
  EXPECT_FALSE(state.Overflowed());
  EXPECT_EQ(kManyRecords, state.RecordsIn(kFullBucket));
  // Each record is where the storing pass put it, behind the first bucket's.
  const BYTE* records = state.BucketRecords(kFullBucket);
  EXPECT_EQ(state.BucketRecords(0) + 2 * kPackedWordRecSize, records);
  for (DWORD i : {DWORD{0}, DWORD{65535}, DWORD{65536}, kManyRecords - 1})
    EXPECT_EQ(i, ReadWordRecordBytes(records + i * kPackedWordRecSize).fields) << i;
}

TEST(DatabaseBuildState, TheStoringPassNeverStoresMoreThanTheCountingPassCounted) {
  DatabaseBuildState state(kBuckets, kPackedWordRecSize);
  AddNumbered(state, 0, 1);
  AddNumbered(state, 2, 1);
  state.BeginStoring();
  AddNumbered(state, 0, 1);
  const BYTE record[kPackedWordRecSize] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
  EXPECT_FALSE(state.Add(0, record));  // bucket 0 is full
  EXPECT_FALSE(state.Add(1, record));  // bucket 1 had no records at all
  EXPECT_TRUE(state.Overflowed());
  EXPECT_EQ(1u, state.RecordsIn(0));
  EXPECT_EQ(0u, state.RecordsIn(1));
  // Nothing landed in the room of bucket 2, which begins where bucket 1's would.
  EXPECT_EQ(0u, ReadWordRecordBytes(state.BucketRecords(2)).fields);
}

}  // namespace
