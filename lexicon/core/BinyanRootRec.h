// Root records of the verb classes (verbtbl.bin) as the form generator reads
// them, and the fields of a verb index entry it needs.
#pragma once

#include "classlib/core/WinTypes.h"

struct BinyanRootRec {
  WORD rootId = 0;  // the class id; its low 13 bits identify it
  WORD words[2] = {};
  SHORT patterns[6] = {};     // by tense group 0-5; 0 or less: no forms
  DWORD alternativeBits = 0;  // which slots the next record gives alternatives of
  WORD participleAlternativeBits = 0;
};

BinyanRootRec ReadBinyanRootRec(const BYTE* bytes);

// A class: its main record and the records of its alternatives (at most
// four), which follow it with the same id.
struct VerbRootRun {
  BinyanRootRec records[5];
  int count = 0;
};

// The run of class id (low 13 bits) in verb block 0-7; false (count 0) when
// the block is absent or holds no such class.
bool FindVerbRootRun(int block, WORD id, VerbRootRun& run);

// Verb index entries (64 bytes).
// The entry's 16-bit word of verb block 0-7; 255 for any other block.
WORD GetVerbBinyanWord(const BYTE* entry, int block);
// The entry's root letters (zero-terminated, at most 10).
const BYTE* GetEntryRoot(const BYTE* entry);
// 5, 4 or 3 by the last root letter present, else 0.
int GetEntryRootLength(const BYTE* entry);
