// The results the grammar functions hand back by reference: the verb form
// generator's record, overwritten by its next call, and the bucket index of
// the noun tables. One context per user (a view, the database build, a
// test); callers copy a result out before the next call.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"

struct NounTableIndex {
  static constexpr int kBuckets = 100;  // bucket b: ids b * 100 to b * 100 + 99
  static constexpr int kIdsPerBucket = 100;

  DWORD generation = 0;  // of the noun tables the buckets were built for
  bool built = false;
  DWORD firstOfBucket[kBuckets] = {};
};

struct GrammarContext {
  HebWordRec verbForm = {};
  NounTableIndex nounTables;
};
