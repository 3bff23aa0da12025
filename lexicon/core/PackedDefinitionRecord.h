// The packed definition records of the definition databases: one 32-bit
// field word naming an entry and which of its definition keywords (or, for
// numbers, which spelling) the record stands for. Bits 0-2 give the kind.
#pragma once

#include "classlib/core/WinTypes.h"

constexpr int kPackedDefinitionRecSize = 4;

struct UnpackedDefinitionRec {
  WORD entryIndex;
  WORD binyanMask;       // verb: bit b for binyan b
  int definitionNumber;  // the keyword's ordinal in the definition text
  int flagE19;           // number records
  int flagE20;
  int flagE21;
};

// Every argument is masked to its field's width.
DWORD PackDefinitionRecordVerb(int entryIndex, int binyanMask, int definitionNumber);
// kind: 2 noun, 3 preposition, 4 adjective, 5 general vocabulary.
DWORD PackDefinitionRecordTable(int kind, int entryIndex, int definitionNumber);
DWORD PackDefinitionRecordNumber(int entryIndex, int e19, int e20, int e21);

// The kind 1-6 (WordRecordKind) with out filled, or 0 for bits 0-2 of 6 or 7.
int DecodeDefinitionRecord(DWORD fields, UnpackedDefinitionRec& out);

int SameDefinitionKey(DWORD a, DWORD b);
