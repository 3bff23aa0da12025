#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/PackedWordRecord.h"

namespace {

UnpackedWordRec Untouched() {
  UnpackedWordRec out;
  std::memset(static_cast<void*>(&out), 0x7B, sizeof(out));  // every field marked
  return out;
}

UnpackedWordRec VerbFields(int entry, int binyan, int slot, int alternative, int vav, int plene,
                           int suffixBase, int pronominal, int suffixAlternative, int extra) {
  UnpackedWordRec in;
  in.entryIndex = static_cast<WORD>(entry);
  in.binyan = binyan;
  in.formSlot = static_cast<WORD>(slot);
  in.alternative = alternative;
  in.vavInversive = vav;
  in.plene = plene;
  in.suffixBase = suffixBase;
  in.pronominalSuffix = pronominal;
  in.suffixAlternative = suffixAlternative;
  in.extra = extra;
  return in;
}

// The table kinds' fields: every kind takes those it has.
UnpackedWordRec TableFields(int entry, int number, int cell, int alternative, int plene,
                            int wordNumber, int extra = 0) {
  UnpackedWordRec in;
  in.extra = extra;
  in.entryIndex = static_cast<WORD>(entry);
  in.numberField = number;
  in.cell = cell;
  in.alternative = alternative;
  in.plene = plene;
  in.wordNumber = wordNumber;
  return in;
}

UnpackedWordRec NumberFields(int entry, int ordinal, int gender, int plene, int wordNumber,
                             int extra = 0) {
  UnpackedWordRec in;
  in.extra = extra;
  in.entryIndex = static_cast<WORD>(entry);
  in.ordinal = ordinal;
  in.gender = gender;
  in.plene = plene;
  in.wordNumber = wordNumber;
  return in;
}

// Layouts with every field set: the field word each gives, bit by bit.
TEST(PackedWordRecord, FieldsSitWhereTheLayoutPutsThem) {
  struct Case {
    const char* name;
    PackedWordRec record;
    DWORD fields;
  } cases[] = {
      {"verb", PackWordRecord(kKindVerb, VerbFields(0xABC, 5, 17, 2, 1, 1, 0, 9, 3, 11)),
       5u | (0xABCu << 3) | (17u << 15) | (2u << 20) | (1u << 22) | (1u << 24) | (9u << 26) |
           (3u << 30)},
      {"noun", PackWordRecord(kKindNoun, TableFields(0xBEEF, 2, 13, 3, 1, 2)),
       7u | (0xBEEFu << 6) | (1u << 22) | (13u << 23) | (3u << 27) | (1u << 29) | (2u << 30)},
      {"prep", PackWordRecord(kKindPrep, TableFields(200, 1, 12, 2, 1, 3)),
       15u | (200u << 6) | (12u << 15) | (2u << 19) | (1u << 21)},
      {"adj", PackWordRecord(kKindAdj, TableFields(0x1234, 2, 4, 1, 1, 3)),
       23u | (0x1234u << 6) | (4u << 22) | (1u << 26) | (1u << 28) | (3u << 29)},
      {"vocab", PackWordRecord(kKindVocab, TableFields(0xFFFF, 2, 15, 3, 1, 2)),
       31u | (0xFFFFu << 6) | (1u << 22) | (2u << 23)},
      {"number", PackWordRecord(kKindNumber, NumberFields(50, 1, 1, 1, 3)),
       39u | (50u << 6) | (1u << 14) | (1u << 15) | (1u << 16) | (3u << 17)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.record.fields, c.fields) << c.name;
  EXPECT_EQ(cases[0].record.extra, 11);
  EXPECT_EQ(PackWordRecord(kKindUndecodable, TableFields(1, 1, 1, 1, 1, 1)).fields, 0u);
}

TEST(PackedWordRecord, PackingMasksEachFieldSilently) {
  UnpackedWordRec out = Untouched();
  EXPECT_EQ(
      DecodeWordRecord(
          PackWordRecord(kKindVerb, VerbFields(4096, 1, 0, 0, 0, 0, 0, 0, 0, 0)).fields, 0, &out),
      kKindVerb);
  EXPECT_EQ(out.entryIndex, 0) << "an entry index of 4096 wraps to 0";
  for (int number : {2, 4, 100}) {
    DecodeWordRecord(PackWordRecord(kKindNoun, TableFields(1, number, 0, 0, 0, 0)).fields, 0, &out);
    EXPECT_EQ(out.numberField, 2) << number;
    DecodeWordRecord(PackWordRecord(kKindPrep, TableFields(1, number + 1, 0, 0, 0, 0)).fields, 0,
                     &out);
    EXPECT_EQ(out.numberField, 1) << number + 1;
  }
  UnpackedWordRec variant = TableFields(1, 0, 0, 0, 0, 0);
  variant.extra = 0x3F;
  EXPECT_EQ(PackWordRecord(kKindVocab, variant).extra, 0x0F);
}

TEST(PackedWordRecord, AFullVerbRecordNeverReadsAsAnotherKind) {
  PackedWordRec record = PackWordRecord(kKindVerb, VerbFields(4095, 6, 31, 3, 3, 1, 1, 15, 3, 15));
  EXPECT_EQ(record.fields & 7, 6u);
  UnpackedWordRec out = Untouched();
  EXPECT_EQ(DecodeWordRecord(record.fields, record.extra, &out), kKindVerb);
  EXPECT_EQ(out.formSlot, 31);
  EXPECT_EQ(out.binyan, 6);
}

TEST(PackedWordRecord, UndecodableSubKindsLeaveTheStructureUntouched) {
  for (DWORD sub : {5u, 6u, 7u}) {
    UnpackedWordRec out = Untouched(), before = Untouched();
    EXPECT_EQ(DecodeWordRecord(7u | (sub << 3) | 0xFFFFFFC0u, 0, &out), kKindUndecodable);
    EXPECT_EQ(std::memcmp(&out, &before, sizeof(out)), 0);
  }
  EXPECT_EQ(DecodeWordRecord(15u, 0, nullptr), kKindPrep)
      << "without a structure it only classifies";
}

TEST(PackedWordRecord, TheExtraByteKeepsOnlyItsLowBitsOnReading) {
  UnpackedWordRec out = Untouched();
  EXPECT_EQ(UnpackWordRecordSub3(PackWordRecord(kKindVocab, TableFields(1, 0, 0, 0, 0, 0)).fields,
                                 0xF6, out),
            6);
  EXPECT_EQ(out.extra, 6);
}

TEST(PackedWordRecord, BytesAreLittleEndianThenTheExtraByte) {
  BYTE bytes[kPackedWordRecSize];
  WriteWordRecordBytes(bytes, {0x12345678, 0x0A});
  const BYTE expected[] = {0x78, 0x56, 0x34, 0x12, 0x0A};
  EXPECT_EQ(std::memcmp(bytes, expected, sizeof(expected)), 0);
  PackedWordRec back = ReadWordRecordBytes(bytes);
  EXPECT_EQ(back.fields, 0x12345678u);
  EXPECT_EQ(back.extra, 0x0A);
}

// Random fields within their widths come back unchanged, for every kind.
TEST(PackedWordRecord, RandomFieldsComeBackAsPacked) {
  std::mt19937 random(20261209);
  auto field = [&](int width) { return static_cast<int>(random() & ((1u << width) - 1)); };
  for (int round = 0; round < 5000; ++round) {
    UnpackedWordRec out = Untouched();
    int extra = field(4);
    int entry16 = field(16), entry8 = field(8), cell = field(4), alt = field(2), plene = field(1),
        word = field(2), number = 1 + field(1);

    int slot = field(5), binyan = random() % 7, vav = field(2), base = field(1), suffix = field(4),
        suffixAlt = field(2), verb = field(12);
    PackedWordRec r = PackWordRecord(
        kKindVerb, VerbFields(verb, binyan, slot, alt, vav, plene, base, suffix, suffixAlt, extra));
    ASSERT_EQ(DecodeWordRecord(r.fields, r.extra, &out), kKindVerb);
    EXPECT_EQ(out.entryIndex, verb);
    EXPECT_EQ(out.binyan, binyan);
    EXPECT_EQ(out.formSlot, slot);
    EXPECT_EQ(out.alternative, alt);
    EXPECT_EQ(out.vavInversive, vav);
    EXPECT_EQ(out.plene, plene);
    EXPECT_EQ(out.suffixBase, base);
    EXPECT_EQ(out.pronominalSuffix, suffix);
    EXPECT_EQ(out.suffixAlternative, suffixAlt);
    EXPECT_EQ(out.extra, extra);

    r = PackWordRecord(kKindNoun, TableFields(entry16, number, cell, alt, plene, word, extra));
    ASSERT_EQ(DecodeWordRecord(r.fields, r.extra, &out), kKindNoun);
    EXPECT_EQ(out.entryIndex, entry16);
    EXPECT_EQ(out.numberField, number);
    EXPECT_EQ(out.cell, cell);
    EXPECT_EQ(out.alternative, alt);
    EXPECT_EQ(out.plene, plene);
    EXPECT_EQ(out.wordNumber, word);

    r = PackWordRecord(kKindPrep, TableFields(entry8, number, cell, alt, plene, word, extra));
    ASSERT_EQ(DecodeWordRecord(r.fields, r.extra, &out), kKindPrep);
    EXPECT_EQ(out.entryIndex, entry8);
    EXPECT_EQ(out.numberField, number);
    EXPECT_EQ(out.cell, cell);
    EXPECT_EQ(out.alternative, alt);
    EXPECT_EQ(out.plene, plene);

    r = PackWordRecord(kKindAdj, TableFields(entry16, number, cell, alt, plene, word, extra));
    ASSERT_EQ(DecodeWordRecord(r.fields, r.extra, &out), kKindAdj);
    EXPECT_EQ(out.entryIndex, entry16);
    EXPECT_EQ(out.cell, cell);
    EXPECT_EQ(out.alternative, alt);
    EXPECT_EQ(out.plene, plene);
    EXPECT_EQ(out.wordNumber, word);

    r = PackWordRecord(kKindVocab, TableFields(entry16, number, cell, alt, plene, word, extra));
    ASSERT_EQ(DecodeWordRecord(r.fields, r.extra, &out), kKindVocab);
    EXPECT_EQ(out.entryIndex, entry16);
    EXPECT_EQ(out.plene, plene);
    EXPECT_EQ(out.wordNumber, word);

    int ordinal = field(1), gender = field(1);
    r = PackWordRecord(kKindNumber, NumberFields(entry8, ordinal, gender, plene, word, extra));
    ASSERT_EQ(DecodeWordRecord(r.fields, r.extra, &out), kKindNumber);
    EXPECT_EQ(out.entryIndex, entry8);
    EXPECT_EQ(out.ordinal, ordinal);
    EXPECT_EQ(out.gender, gender);
    EXPECT_EQ(out.plene, plene);
    EXPECT_EQ(out.wordNumber, word);
    EXPECT_EQ(out.extra, extra);

    BYTE bytes[kPackedWordRecSize];
    WriteWordRecordBytes(bytes, r);
    PackedWordRec back = ReadWordRecordBytes(bytes);
    EXPECT_EQ(back.fields, r.fields);
    EXPECT_EQ(back.extra, r.extra);
  }
}

TEST(PackedDefinitionRecord, LayoutsByKind) {
  struct Case {
    DWORD fields;
    DWORD expected;
    int kind;
  } cases[] = {
      {PackDefinitionRecordVerb(0xFFF, 0x7F, 31), (0xFFFu << 3) | (0x7Fu << 15) | (31u << 22), 1},
      {PackDefinitionRecordTable(2, 0xABCD, 5), 1u | (0xABCDu << 3) | (5u << 19), 2},
      {PackDefinitionRecordTable(3, 7, 1), 2u | (7u << 3) | (1u << 19), 3},
      {PackDefinitionRecordTable(4, 7, 1), 3u | (7u << 3) | (1u << 19), 4},
      {PackDefinitionRecordTable(5, 7, 1), 4u | (7u << 3) | (1u << 19), 5},
      {PackDefinitionRecordNumber(50, 1, 0, 1), 5u | (50u << 3) | (1u << 19) | (1u << 21), 6},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.fields, c.expected) << c.kind;
    UnpackedDefinitionRec out = {};
    EXPECT_EQ(DecodeDefinitionRecord(c.fields, out), c.kind);
  }
  UnpackedDefinitionRec out = {};
  EXPECT_EQ(DecodeDefinitionRecord(6, out), 0);
  EXPECT_EQ(DecodeDefinitionRecord(0xFFFFFFFF, out), 0);
  EXPECT_EQ(SameDefinitionKey(cases[1].fields, cases[1].fields), 1);
  EXPECT_EQ(SameDefinitionKey(cases[1].fields, cases[2].fields), 0);
}

TEST(PackedDefinitionRecord, RandomFieldsComeBackAsPacked) {
  std::mt19937 random(9122026);
  for (int round = 0; round < 5000; ++round) {
    int entry12 = random() & 0xFFF, entry16 = random() & 0xFFFF, mask = random() & 0x7F,
        number = random() & 0x1F, kind = 2 + random() % 4;
    UnpackedDefinitionRec out = {};
    ASSERT_EQ(DecodeDefinitionRecord(PackDefinitionRecordVerb(entry12, mask, number), out), 1);
    EXPECT_EQ(out.entryIndex, entry12);
    EXPECT_EQ(out.binyanMask, mask);
    EXPECT_EQ(out.definitionNumber, number);
    ASSERT_EQ(DecodeDefinitionRecord(PackDefinitionRecordTable(kind, entry16, number), out), kind);
    EXPECT_EQ(out.entryIndex, entry16);
    EXPECT_EQ(out.definitionNumber, number);
    int e19 = random() & 1, e20 = random() & 1, e21 = random() & 1;
    ASSERT_EQ(DecodeDefinitionRecord(PackDefinitionRecordNumber(entry16, e19, e20, e21), out), 6);
    EXPECT_EQ(out.entryIndex, entry16);
    EXPECT_EQ(out.flagE19, e19);
    EXPECT_EQ(out.flagE20, e20);
    EXPECT_EQ(out.flagE21, e21);
  }
}

}  // namespace
