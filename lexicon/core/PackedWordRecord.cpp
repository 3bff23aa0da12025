#include "lexicon/core/PackedWordRecord.h"

#include "lexicon/core/BitFields.h"
#include "lexicon/core/LittleEndian.h"

#include <cstddef>
#include <iterator>
#include <utility>

namespace {

// Kinds 2-6 have 7 in bits 0-2 and their sub-kind in bits 3-5.
constexpr int kTableKindTag = 7;

DWORD TableKind(int subKind) { return kTableKindTag | PutBits(subKind, 3, 3); }

// The fields of UnpackedWordRec a layout can hold.
enum Slot {
  kEntry,
  kBinyan,
  kFormSlot,
  kAlternative,
  kVav,
  kPlene,
  kSuffixBase,
  kPronominal,
  kSuffixAlternative,
  kNumber,
  kCell,
  kWordNumber,
  kOrdinal,
  kGender,
};

struct FieldSpot {
  Slot slot;
  int first;
  int width;
};

// Each kind's fields, which packing and unpacking both read.
constexpr FieldSpot kVerbLayout[] = {
    {kEntry, 3, 12},       {kBinyan, 0, 3},      {kFormSlot, 15, 5},
    {kAlternative, 20, 2}, {kVav, 22, 2},        {kPlene, 24, 1},
    {kSuffixBase, 25, 1},  {kPronominal, 26, 4}, {kSuffixAlternative, 30, 2}};
constexpr FieldSpot kNounLayout[] = {{kEntry, 6, 16},       {kNumber, 22, 1}, {kCell, 23, 4},
                                     {kAlternative, 27, 2}, {kPlene, 29, 1},  {kWordNumber, 30, 2}};
constexpr FieldSpot kPrepLayout[] = {
    {kEntry, 6, 8}, {kNumber, 14, 1}, {kCell, 15, 4}, {kAlternative, 19, 2}, {kPlene, 21, 1}};
constexpr FieldSpot kAdjLayout[] = {
    {kEntry, 6, 16}, {kCell, 22, 4}, {kAlternative, 26, 2}, {kPlene, 28, 1}, {kWordNumber, 29, 2}};
constexpr FieldSpot kVocabLayout[] = {{kEntry, 6, 16}, {kPlene, 22, 1}, {kWordNumber, 23, 2}};
constexpr FieldSpot kNumberLayout[] = {
    {kEntry, 6, 8}, {kOrdinal, 14, 1}, {kGender, 15, 1}, {kPlene, 16, 1}, {kWordNumber, 17, 2}};

// The number field keeps only whether it is even: set for 2.
int Stored(Slot slot, int value) { return slot == kNumber ? (value & 1) == 0 : value; }
int Loaded(Slot slot, int bits) { return slot == kNumber ? (bits ? 2 : 1) : bits; }

int Fetch(const UnpackedWordRec& in, Slot slot) {
  switch (slot) {
    case kEntry: return in.entryIndex;
    case kBinyan: return in.binyan;
    case kFormSlot: return in.formSlot;
    case kAlternative: return in.alternative;
    case kVav: return in.vavInversive;
    case kPlene: return in.plene;
    case kSuffixBase: return in.suffixBase;
    case kPronominal: return in.pronominalSuffix;
    case kSuffixAlternative: return in.suffixAlternative;
    case kNumber: return in.numberField;
    case kCell: return in.cell;
    case kWordNumber: return in.wordNumber;
    case kOrdinal: return in.ordinal;
    case kGender: return in.gender;
  }
  return 0;
}

// Each layout is a template argument and its fields are expanded one by one,
// so that every field's place is a constant: the build packs and unpacks
// millions of records.
template <const auto& Layout, size_t... I>
DWORD PackFields(const UnpackedWordRec& in, std::index_sequence<I...>) {
  return (PutBits(Stored(Layout[I].slot, Fetch(in, Layout[I].slot)), Layout[I].first,
                  Layout[I].width) |
          ...);
}

template <const auto& Layout>
PackedWordRec Pack(DWORD kind, const UnpackedWordRec& in) {
  const DWORD fields =
      kind | PackFields<Layout>(in, std::make_index_sequence<std::size(Layout)>());
  return {fields, static_cast<BYTE>(in.extra & 0x0F)};
}

void Store(UnpackedWordRec& out, Slot slot, int value) {
  switch (slot) {
    case kEntry: out.entryIndex = static_cast<WORD>(value); break;
    case kBinyan: out.binyan = value; break;
    case kFormSlot: out.formSlot = static_cast<WORD>(value); break;
    case kAlternative: out.alternative = value; break;
    case kVav: out.vavInversive = value; break;
    case kPlene: out.plene = value; break;
    case kSuffixBase: out.suffixBase = value; break;
    case kPronominal: out.pronominalSuffix = value; break;
    case kSuffixAlternative: out.suffixAlternative = value; break;
    case kNumber: out.numberField = value; break;
    case kCell: out.cell = value; break;
    case kWordNumber: out.wordNumber = value; break;
    case kOrdinal: out.ordinal = value; break;
    case kGender: out.gender = value; break;
  }
}

template <const auto& Layout, size_t... I>
void UnpackFields(DWORD fields, UnpackedWordRec& out, std::index_sequence<I...>) {
  (Store(out, Layout[I].slot, Loaded(Layout[I].slot, GetBits(fields, Layout[I].first,
                                                              Layout[I].width))),
   ...);
}

template <const auto& Layout>
int Unpack(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  UnpackFields<Layout>(fields, out, std::make_index_sequence<std::size(Layout)>());
  return out.extra = extra & 0x0F;
}

}  // namespace

bool operator==(const UnpackedWordRec& a, const UnpackedWordRec& b) {
  return a.entryIndex == b.entryIndex && a.formSlot == b.formSlot && a.binyan == b.binyan &&
         a.alternative == b.alternative && a.vavInversive == b.vavInversive &&
         a.plene == b.plene && a.suffixBase == b.suffixBase &&
         a.pronominalSuffix == b.pronominalSuffix && a.suffixAlternative == b.suffixAlternative &&
         a.numberField == b.numberField && a.cell == b.cell && a.wordNumber == b.wordNumber &&
         a.ordinal == b.ordinal && a.gender == b.gender && a.extra == b.extra;
}

PackedWordRec PackWordRecord(int kind, const UnpackedWordRec& fields) {
  switch (kind) {
    case kKindVerb: return Pack<kVerbLayout>(0, fields);
    case kKindNoun: return Pack<kNounLayout>(TableKind(0), fields);
    case kKindPrep: return Pack<kPrepLayout>(TableKind(1), fields);
    case kKindAdj: return Pack<kAdjLayout>(TableKind(2), fields);
    case kKindVocab: return Pack<kVocabLayout>(TableKind(3), fields);
    case kKindNumber: return Pack<kNumberLayout>(TableKind(4), fields);
    default: return {0, 0};
  }
}

int UnpackWordRecord(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  return Unpack<kVerbLayout>(fields, extra, out);
}

int UnpackWordRecordSub0(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  return Unpack<kNounLayout>(fields, extra, out);
}

int UnpackWordRecordSub1(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  return Unpack<kPrepLayout>(fields, extra, out);
}

int UnpackWordRecordSub2(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  return Unpack<kAdjLayout>(fields, extra, out);
}

int UnpackWordRecordSub3(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  return Unpack<kVocabLayout>(fields, extra, out);
}

int UnpackWordRecordSub4(DWORD fields, BYTE extra, UnpackedWordRec& out) {
  return Unpack<kNumberLayout>(fields, extra, out);
}

int DecodeWordRecord(DWORD fields, BYTE extra, UnpackedWordRec* out) {
  if (GetBits(fields, 0, 3) != kTableKindTag) {
    if (out) UnpackWordRecord(fields, extra, *out);
    return kKindVerb;
  }
  static int (*const unpackers[])(DWORD, BYTE, UnpackedWordRec&) = {
      UnpackWordRecordSub0, UnpackWordRecordSub1, UnpackWordRecordSub2, UnpackWordRecordSub3,
      UnpackWordRecordSub4};
  int subKind = GetBits(fields, 3, 3);
  if (subKind > 4) return kKindUndecodable;
  if (out) unpackers[subKind](fields, extra, *out);
  return kKindNoun + subKind;
}

void WriteWordRecordBytes(BYTE* bytes, const PackedWordRec& record) {
  WriteU32LE(bytes, record.fields);
  bytes[4] = record.extra;
}

PackedWordRec ReadWordRecordBytes(const BYTE* bytes) { return {ReadU32LE(bytes), bytes[4]}; }
