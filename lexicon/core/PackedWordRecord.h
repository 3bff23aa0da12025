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

// The fields of any kind; unpacking leaves those a kind lacks as they were.
struct UnpackedWordRec {
  WORD entryIndex = 0;
  WORD formSlot = 0;     // verb
  int binyan = 0;        // verb
  int alternative = 0;   // of the generated form (verb) or the built form
  int vavInversive = 0;  // verb
  int plene = 0;
  int suffixBase = 0;         // verb
  int pronominalSuffix = 0;   // verb, 0 = none
  int suffixAlternative = 0;  // verb: of the suffixed form
  int numberField = 0;        // noun, prep: 1 or 2
  int cell = 0;               // noun, prep, adj
  int wordNumber = 0;         // noun, adj, vocab, number
  int ordinal = 0;            // number
  int gender = 0;             // number
  int extra = 0;              // the spelling variant
};

// Field by field.
bool operator==(const UnpackedWordRec& a, const UnpackedWordRec& b);
inline bool operator!=(const UnpackedWordRec& a, const UnpackedWordRec& b) { return !(a == b); }

// The record of the kind (kKindVerb .. kKindNumber) from the fields its
// layout holds, each masked to its field's width, and the extra value; the
// other fields are not read. An empty record for any other kind.
PackedWordRec PackWordRecord(int kind, const UnpackedWordRec& fields);

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
