// The layouts of the eight grammar files: sizes of their headers and
// records, the places of the fields the program reads, and the limits that
// the record fields imply. The grammar compiler writes by these and the
// loaders check by them.
#pragma once

#include "classlib/core/WinTypes.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"

namespace GrammarLayout {

// Files, relative to the "bin" folder.
constexpr LPCSTR kVerbPatternFile = "verbpat.bin";
constexpr LPCSTR kVerbRootFile = "verbtbl.bin";
constexpr LPCSTR kVerbIndexFile = "verbdata.bin";
constexpr LPCSTR kNounPatternFile = "nounpat.bin";
constexpr LPCSTR kNounTableFile = "nountbl.bin";
constexpr LPCSTR kNounDataFile = "noundata.bin";
constexpr LPCSTR kAdjPatternFile = "adjpat.bin";
constexpr LPCSTR kAdjTableFile = "adjtbl.bin";

// Counts are held in 16 bits; record indexes of the packed records too.
constexpr DWORD kMaxCount = 0xFFFF;

// verbpat.bin: 8 rows (binyanim 0-6 and the short future forms) by 6 tense
// groups of pattern records.
constexpr int kPatternRows = 8;
constexpr int kTenseGroups = TenseGroup::Count;
constexpr int kShortFutureRow = 7;
constexpr int kVerbPatternHeader = kPatternRows * kTenseGroups * 4;
constexpr int kVerbPatternRecSize = 20;  // 10 template letters, 10 vowels
constexpr int kTemplateLength = 10;

// verbtbl.bin: 8 blocks of root records, each with one sentinel record more
// than its count.
constexpr int kVerbBlocks = 8;
constexpr int kVerbRootHeader = kVerbBlocks * 4;
constexpr int kBinyanRootRecSize = 24;
// A root record's alternative bits: the first bit of each tense group's field
// in the 32-bit word, bit k for the group's slot k; -1 for the participle
// group, whose field is the 16-bit word.
constexpr int kAlternativeFirstBit[kTenseGroups] = {28, 16, 8, 4, 0, -1};

// verbdata.bin.
constexpr int kVerbIndexHeader = 16;
constexpr int kVerbCountOffset = 8;
constexpr int kVerbTextSizeOffset = 12;
constexpr int kVerbIndexEntrySize = 64;
constexpr int kVerbCompanionSize = 32;
// In a VerbIndexEntry.
constexpr int kEntryRootLengthOffset = 0;
constexpr int kEntryBinyanWordOffset = 2;  // + 2 x block, blocks 0-7
constexpr int kEntryMeaningOffset = 18;    // + 2 x binyan, binyanim 0-6
constexpr int kEntryPrepMaskOffset = 32;   // + 3 x binyan, binyanim 0-6
constexpr int kEntryRootOffset = 53;
constexpr int kEntryRootRoom = 11;  // letters and their terminator
constexpr WORD kNoMeaning = 0xFFFF;
constexpr WORD kBinyanHasSuffixes = 0x4000;
constexpr WORD kBinyanRestricted = 0x8000;  // only present forms, or no participles
constexpr WORD kBinyanClassMask = 0x1FFF;
// In a VerbIndexCompanion.
constexpr int kCompanionTextBaseOffset = 0;
constexpr int kCompanionPrepMaskOffset = 4;  // + 4 x binyan, binyanim 0-6

constexpr int kBinyanim = Binyan::kCount;

// nounpat.bin, nountbl.bin, adjpat.bin, adjtbl.bin: a uint32 count, then the
// records (nountbl.bin with one sentinel record more).
constexpr int kCountHeader = 4;
constexpr int kNounPatternRecSize = 14;  // 7 template letters, 7 vowels
constexpr int kNounPatternLength = 7;
constexpr int kNounTableRecSize = 32;
constexpr int kSuffixFormRecSize = 20;  // 10 template letters, 10 vowels
constexpr int kSuffixWordRecSize = 6;

// noundata.bin.
constexpr int kPrefixTables = 3;  // table types 1, 3, 4
constexpr int kPrefixTableSize = 256;
constexpr int kNounDataCountsOffset = kPrefixTables * kPrefixTableSize;
constexpr int kNounEntryBlocks = 4;  // nouns, prepositions, adjectives, vocabulary
constexpr int kNounDataHeader = kNounDataCountsOffset + (kNounEntryBlocks + 1) * 4;
constexpr int kNounEntrySize = 16;
constexpr int kNounEntryWordOffset = 0;
constexpr int kNounEntryDefinitionOffset = 4;
constexpr int kNounEntryTableIdOffset = 8;
constexpr int kNounEntryClassOffset = 10;
constexpr int kNounEntryCategoryOffset = 11;  // 5 category codes, 255 ends them
constexpr int kNounEntryCategories = 5;
constexpr DWORD kNoText = 0xFFFFFFFF;
constexpr DWORD kNoTextAlt = 0xFFFFFFFE;  // also "no definition"

// A generated form holds at most this many letters (HebWordRec's planes).
constexpr int kMaxFormLetters = 69;

}  // namespace GrammarLayout
