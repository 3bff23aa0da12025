// The packed word records of the word databases: a 32-bit field word, whose
// low bits say what kind of entry the record names, and an extra byte with
// the spelling-variant number. A record does not hold the word; it says how
// to build it again (which entry, stem, form slot, alternative, variant).
#pragma once

#include "classlib/core/WinTypes.h"

enum WordRecordKind {
  kKindUndecodable = 0,
  kKindVerb = 1,
  kKindNoun = 2,
  kKindPrep = 3,
  kKindAdj = 4,
  kKindVocab = 5,
  kKindNumber = 6,
};

constexpr int kPackedWordRecSize = 5;

struct PackedWordRec {
  DWORD fields;
  BYTE extra;  // low 4 bits: the spelling variant, 0 for the form as built
};

// The fields of any kind; those a kind lacks stay as they were.
struct UnpackedWordRec {
  WORD entryIndex;
  WORD formSlot;          // verb
  int binyan;             // verb
  int alternative;        // of the generated form (verb) or the built form
  int vavInversive;       // verb
  int plene;
  int suffixBase;         // verb
  int pronominalSuffix;   // verb, 0 = none
  int suffixAlternative;  // verb: of the suffixed form
  int numberField;        // noun, prep: 1 or 2
  int cell;               // noun, prep, adj
  int wordNumber;         // noun, adj, vocab, number
  int ordinal;            // number
  int gender;             // number
  int extra;
};

// Every argument is masked to its field's width.
PackedWordRec PackWordRecord(int entryIndex, int binyan, int formSlot, int alternative,
                             int vavInversive, int plene, int suffixBase,
                             int pronominalSuffix, int suffixAlternative, int extra);
PackedWordRec PackWordRecordSub0(int entryIndex, int numberField, int cell, int alternative,
                                 int plene, int wordNumber, int extra);  // noun
PackedWordRec PackWordRecordSub1(int entryIndex, int numberField, int cell, int alternative,
                                 int plene, int extra);                  // preposition
PackedWordRec PackWordRecordSub2(int entryIndex, int cell, int alternative, int plene,
                                 int wordNumber, int extra);             // adjective
PackedWordRec PackWordRecordSub3(int entryIndex, int plene, int wordNumber,
                                 int extra);                             // vocabulary
PackedWordRec PackWordRecordSub4(int entryIndex, int ordinal, int gender, int plene,
                                 int wordNumber, int extra);             // number

// Each fills the fields of its kind and returns the extra value (0-15).
int UnpackWordRecord(DWORD fields, BYTE extra, UnpackedWordRec& out);
int UnpackWordRecordSub0(DWORD fields, BYTE extra, UnpackedWordRec& out);
int UnpackWordRecordSub1(DWORD fields, BYTE extra, UnpackedWordRec& out);
int UnpackWordRecordSub2(DWORD fields, BYTE extra, UnpackedWordRec& out);
int UnpackWordRecordSub3(DWORD fields, BYTE extra, UnpackedWordRec& out);
int UnpackWordRecordSub4(DWORD fields, BYTE extra, UnpackedWordRec& out);

// The record's kind; with out given and a kind other than 0, out is filled.
int DecodeWordRecord(DWORD fields, BYTE extra, UnpackedWordRec* out);

void WriteWordRecordBytes(BYTE* bytes, const PackedWordRec& record);
PackedWordRec ReadWordRecordBytes(const BYTE* bytes);
