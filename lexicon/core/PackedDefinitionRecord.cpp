#include "lexicon/core/PackedDefinitionRecord.h"

#include "lexicon/core/BitFields.h"
#include "lexicon/core/PackedWordRecord.h"

namespace {

// Bits 0-2 of each kind.
constexpr int kVerbTag = 0;
constexpr int kNumberTag = 5;

}  // namespace

DWORD PackDefinitionRecordVerb(int entryIndex, int binyanMask, int definitionNumber) {
  return PutBits(kVerbTag, 0, 3) | PutBits(entryIndex, 3, 12) | PutBits(binyanMask, 15, 7) |
         PutBits(definitionNumber, 22, 5);
}

DWORD PackDefinitionRecordTable(int kind, int entryIndex, int definitionNumber) {
  return PutBits(kind - 1, 0, 3) | PutBits(entryIndex, 3, 16) | PutBits(definitionNumber, 19, 5);
}

DWORD PackDefinitionRecordNumber(int entryIndex, int e19, int e20, int e21) {
  return PutBits(kNumberTag, 0, 3) | PutBits(entryIndex, 3, 16) | PutBits(e19, 19, 1) |
         PutBits(e20, 20, 1) | PutBits(e21, 21, 1);
}

int DecodeDefinitionRecord(DWORD fields, UnpackedDefinitionRec& out) {
  int tag = GetBits(fields, 0, 3);
  if (tag == kVerbTag) {
    out.entryIndex = static_cast<WORD>(GetBits(fields, 3, 12));
    out.binyanMask = static_cast<WORD>(GetBits(fields, 15, 7));
    out.definitionNumber = GetBits(fields, 22, 5);
    return kKindVerb;
  }
  if (tag > kNumberTag) return kKindUndecodable;
  out.entryIndex = static_cast<WORD>(GetBits(fields, 3, 16));
  if (tag == kNumberTag) {
    out.flagE19 = GetBits(fields, 19, 1);
    out.flagE20 = GetBits(fields, 20, 1);
    out.flagE21 = GetBits(fields, 21, 1);
  } else {
    out.definitionNumber = GetBits(fields, 19, 5);
  }
  return tag + 1;
}

int SameDefinitionKey(DWORD a, DWORD b) { return a == b ? 1 : 0; }
