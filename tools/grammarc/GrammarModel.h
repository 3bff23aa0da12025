// The grammar tables as the compiler builds them from the sources, in the
// order they are written to the eight files.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "lexicon/core/GrammarLayout.h"
#include "tools/grammarc/HebrewSource.h"

// A BinyanRootRec.
struct RootRecord {
  WORD id = 0;
  WORD words[2] = {};
  SHORT patterns[GrammarLayout::kTenseGroups] = {};
  DWORD alternativeBits = 0;
  WORD participleAlternativeBits = 0;
};

// A verb of the verb index with its companion and texts.
struct VerbRecord {
  std::string root;  // letter codes
  WORD binyanWords[GrammarLayout::kVerbBlocks] = {};
  bool hasMeaning[GrammarLayout::kBinyanim] = {};
  std::string meanings[GrammarLayout::kBinyanim];
  DWORD simplePrepositions[GrammarLayout::kBinyanim] = {};
  BYTE furtherPrepositions[GrammarLayout::kBinyanim] = {};
  BYTE firstParts[GrammarLayout::kBinyanim] = {};
  BYTE secondParts[GrammarLayout::kBinyanim] = {};
};

// A NounTableRec as its sixteen 16-bit words.
struct NounTableRecord {
  WORD words[16] = {};
};

// A NounEntry of noundata.bin with its texts.
struct NounEntryRecord {
  PointedWord word;
  bool hasDefinition = false;
  std::string definition;
  WORD tableId = 0;
  BYTE classAndFlag = 0;
  BYTE categories[GrammarLayout::kNounEntryCategories] = {255, 255, 255, 255, 255};
};

// A SuffixWordRec of adjtbl.bin.
struct SuffixWordRecord {
  WORD id = 0;
  WORD group = 0;
  BYTE mask = 0;
  BYTE flags = 0;
};

struct GrammarModel {
  // Records of 20 bytes by [row][tense group].
  std::vector<std::string> verbPatterns[GrammarLayout::kPatternRows][GrammarLayout::kTenseGroups];
  std::vector<RootRecord> roots[GrammarLayout::kVerbBlocks];
  std::vector<VerbRecord> verbs;            // in the order of the index
  std::vector<std::string> nounPatterns;    // records of 14 bytes
  std::vector<NounTableRecord> nounTables;  // by id
  std::vector<NounEntryRecord> entries[GrammarLayout::kNounEntryBlocks];
  std::vector<std::string> suffixForms;       // records of 20 bytes
  std::vector<SuffixWordRecord> suffixWords;  // by id
};
