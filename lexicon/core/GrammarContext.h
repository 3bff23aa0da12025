// The results the grammar functions hand back by reference: the verb form
// generator's record, overwritten by its next call, the bucket index of
// the noun tables and the verb texts the entry text keeps.
// One context per user (a view, the database build, a test); callers copy a
// result out before the next call.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/PackedWordRecord.h"

struct NounTableIndex {
  static constexpr int kBuckets = 100;  // bucket b: ids b * 100 to b * 100 + 99
  static constexpr int kIdsPerBucket = 100;

  DWORD generation = 0;  // of the tables the buckets were built for
  bool built = false;
  DWORD firstOfBucket[kBuckets] = {};
};

// A verb text the entry text built, kept for the records that follow: the
// records come in runs that share a form (its alternatives, suffixes,
// variants), so most find the text their neighbour built.
struct VerbTextMemo {
  DWORD generation = 0;  // of the tables the text was built from
  bool valid = false;
  UnpackedWordRec key;  // the verb record it was built for
  bool stripVav = false;
  bool built = false;  // false: there is no such text
  HebWordRec text = {};
};

struct GrammarContext {
  HebWordRec verbForm = {};
  NounTableIndex nounTables;
  // Each by spelling (plain, respelled), whose records the build files in
  // turn: the form of a slot, and the comma list a record takes its part of.
  VerbTextMemo verbForms[2];
  VerbTextMemo verbLists[2];
};
