#include "lexicon/core/PackedWordRecord.h"

#include "lexicon/core/BitFields.h"
#include "lexicon/core/LittleEndian.h"

namespace {

// Kinds 2-6 have 7 in bits 0-2 and their sub-kind in bits 3-5.
constexpr int kTableKindTag = 7;

DWORD TableKind(int subKind) { return kTableKindTag | PutBits(subKind, 3, 3); }

PackedWordRec Make(DWORD fields, int extra) {
  return {fields, static_cast<BYTE>(extra & 0x0F)};
}

// The number field keeps only whether it is even: set for 2.
DWORD NumberBit(int numberField, int bit) { return (numberField & 1) ? 0 : (1u << bit); }
int NumberFromBit(DWORD fields, int bit) { return GetBits(fields, bit, 1) ? 2 : 1; }

}  // namespace

PackedWordRec PackWordRecord(int entryIndex, int binyan, int formSlot, int alternative,
                             int vavInversive, int plene, int suffixBase,
                             int pronominalSuffix, int suffixAlternative, int extra) {
  return Make(PutBits(binyan, 0, 3) | PutBits(entryIndex, 3, 12) | PutBits(formSlot, 15, 5) |
                  PutBits(alternative, 20, 2) | PutBits(vavInversive, 22, 2) |
                  PutBits(plene, 24, 1) | PutBits(suffixBase, 25, 1) |
                  PutBits(pronominalSuffix, 26, 4) | PutBits(suffixAlternative, 30, 2),
              extra);
}

PackedWordRec PackWordRecordSub0(int entryIndex, int numberField, int cell, int alternative,
                                 int plene, int wordNumber, int extra) {
  return Make(TableKind(0) | PutBits(entryIndex, 6, 16) | NumberBit(numberField, 22) |
                  PutBits(cell, 23, 4) | PutBits(alternative, 27, 2) | PutBits(plene, 29, 1) |
                  PutBits(wordNumber, 30, 2),
              extra);
}

PackedWordRec PackWordRecordSub1(int entryIndex, int numberField, int cell, int alternative,
                                 int plene, int extra) {
  return Make(TableKind(1) | PutBits(entryIndex, 6, 8) | NumberBit(numberField, 14) |
                  PutBits(cell, 15, 4) | PutBits(alternative, 19, 2) | PutBits(plene, 21, 1),
              extra);
}

PackedWordRec PackWordRecordSub2(int entryIndex, int cell, int alternative, int plene,
                                 int wordNumber, int extra) {
  return Make(TableKind(2) | PutBits(entryIndex, 6, 16) | PutBits(cell, 22, 4) |
                  PutBits(alternative, 26, 2) | PutBits(plene, 28, 1) |
                  PutBits(wordNumber, 29, 2),
              extra);
}

PackedWordRec PackWordRecordSub3(int entryIndex, int plene, int wordNumber, int extra) {
  return Make(TableKind(3) | PutBits(entryIndex, 6, 16) | PutBits(plene, 22, 1) |
                  PutBits(wordNumber, 23, 2),
              extra);
}

PackedWordRec PackWordRecordSub4(int entryIndex, int ordinal, int gender, int plene,
                                 int wordNumber, int extra) {
  return Make(TableKind(4) | PutBits(entryIndex, 6, 8) | PutBits(ordinal, 14, 1) |
                  PutBits(gender, 15, 1) | PutBits(plene, 16, 1) | PutBits(wordNumber, 17, 2),
              extra);
}

int UnpackWordRecord(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  out.binyan = GetBits(fields, 0, 3);
  out.entryIndex = static_cast<WORD>(GetBits(fields, 3, 12));
  out.formSlot = static_cast<WORD>(GetBits(fields, 15, 5));
  out.alternative = GetBits(fields, 20, 2);
  out.vavInversive = GetBits(fields, 22, 2);
  out.plene = GetBits(fields, 24, 1);
  out.suffixBase = GetBits(fields, 25, 1);
  out.pronominalSuffix = GetBits(fields, 26, 4);
  out.suffixAlternative = GetBits(fields, 30, 2);
  return out.extra = extra & 0x0F;
}

int UnpackWordRecordSub0(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  out.entryIndex = static_cast<WORD>(GetBits(fields, 6, 16));
  out.numberField = NumberFromBit(fields, 22);
  out.cell = GetBits(fields, 23, 4);
  out.alternative = GetBits(fields, 27, 2);
  out.plene = GetBits(fields, 29, 1);
  out.wordNumber = GetBits(fields, 30, 2);
  return out.extra = extra & 0x0F;
}

int UnpackWordRecordSub1(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  out.entryIndex = static_cast<WORD>(GetBits(fields, 6, 8));
  out.numberField = NumberFromBit(fields, 14);
  out.cell = GetBits(fields, 15, 4);
  out.alternative = GetBits(fields, 19, 2);
  out.plene = GetBits(fields, 21, 1);
  return out.extra = extra & 0x0F;
}

int UnpackWordRecordSub2(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  out.entryIndex = static_cast<WORD>(GetBits(fields, 6, 16));
  out.cell = GetBits(fields, 22, 4);
  out.alternative = GetBits(fields, 26, 2);
  out.plene = GetBits(fields, 28, 1);
  out.wordNumber = GetBits(fields, 29, 2);
  return out.extra = extra & 0x0F;
}

int UnpackWordRecordSub3(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  out.entryIndex = static_cast<WORD>(GetBits(fields, 6, 16));
  out.plene = GetBits(fields, 22, 1);
  out.wordNumber = GetBits(fields, 23, 2);
  return out.extra = extra & 0x0F;
}

int UnpackWordRecordSub4(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  out.entryIndex = static_cast<WORD>(GetBits(fields, 6, 8));
  out.ordinal = GetBits(fields, 14, 1);
  out.gender = GetBits(fields, 15, 1);
  out.plene = GetBits(fields, 16, 1);
  out.wordNumber = GetBits(fields, 17, 2);
  return out.extra = extra & 0x0F;
}

int DecodeWordRecord(DWORD fields, BYTE extra, UnpackedWordRec* out) {
  if (GetBits(fields, 0, 3) != kTableKindTag) {
    if (out) UnpackWordRecord(fields, extra, *out);
    return kKindVerb;
  }
  static int (*const unpackers[])(DWORD, BYTE, UnpackedWordRec&) = {
      UnpackWordRecordSub0, UnpackWordRecordSub1, UnpackWordRecordSub2,
      UnpackWordRecordSub3, UnpackWordRecordSub4};
  int subKind = GetBits(fields, 3, 3);
  if (subKind > 4) return kKindUndecodable;
  if (out) unpackers[subKind](fields, extra, *out);
  return kKindNoun + subKind;
}

void WriteWordRecordBytes(BYTE* bytes, const PackedWordRec& record) {
  WriteU32LE(bytes, record.fields);
  bytes[4] = record.extra;
}

PackedWordRec ReadWordRecordBytes(const BYTE* bytes) {
  return {ReadU32LE(bytes), bytes[4]};
}
