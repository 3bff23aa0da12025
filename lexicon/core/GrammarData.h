// The compiled grammar tables, loaded once at start-up from the eight files
// in the program's "bin" folder and read-only until they are freed at exit.
// Each table is a block that is absent (empty) when its file is missing or
// was rejected; every reader treats an absent block as an empty table.
//
// A file is checked whole before any of it is taken: a count that does not
// fit 16 bits, a size that does not match its counts or a text offset outside
// its text block rejects the file, with a message naming it for the caller
// to show, and all of its blocks stay absent.
#pragma once

#include <cstddef>

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"
#include "lexicon/core/GrammarBlock.h"

// The folder that holds "bin"; the program sets it to its own folder before
// loading (the current folder until then).
void SetGrammarFolder(LPCSTR folder);

struct GrammarLoadResult {
  // The verb index was loaded and start-up continues; when it is missing or
  // damaged the noun and adjective tables are not loaded.
  bool loaded = false;
  UserMessageList messages;  // in the order the loads gave them
};

GrammarLoadResult LoadGrammarData();
void FreeGrammarData();

// Changes whenever any table is freed or replaced, so that what was built
// or kept from the tables (indexes, forms) knows to build again.
DWORD GetGrammarGeneration();

// A file that is missing loads nothing and says nothing (the start-up check
// names missing files), except the verb index; a damaged one adds "The
// grammar file <path> is damaged and was not loaded.".
void LoadVerbPatterns(UserMessageList& messages);
void LoadVerbRootTables(UserMessageList& messages);
// False when the verb index is missing ("Couldn't find <path>!") or damaged.
bool LoadVerbIndex(UserMessageList& messages);
void LoadNounAdjTables(UserMessageList& messages);
void FreeVerbData();
void FreeNounAdjTables();

// The same loads from a file's bytes: true when they were taken, false when
// the file is damaged (its blocks are then absent).
bool ReadVerbPatterns(const BYTE* bytes, size_t size);
bool ReadVerbRootTables(const BYTE* bytes, size_t size);
bool ReadVerbIndex(const BYTE* bytes, size_t size);
bool ReadNounPatterns(const BYTE* bytes, size_t size);
bool ReadNounTable(const BYTE* bytes, size_t size);
bool ReadNounData(const BYTE* bytes, size_t size);
bool ReadAdjPatterns(const BYTE* bytes, size_t size);
bool ReadAdjTable(const BYTE* bytes, size_t size);

// Verb patterns by [binyan row 0-7][tense group 0-5]: VerbPatternRec records.
const GrammarBlock& GetVerbPatternBlock(int row, int group);
WORD GetVerbPatternCount(int row, int group);

// Root records (BinyanRootRec) of verb block 0-7, with the sentinel after
// the counted ones.
const GrammarBlock& GetVerbRootBlock(int block);
WORD GetVerbRootCount(int block);

// The verb index: entries, companions (one each) and their text block.
const GrammarBlock& GetVerbIndexEntries();
const GrammarBlock& GetVerbCompanions();
const GrammarBlock& GetVerbTextBlock();
WORD GetVerbCount();
DWORD GetVerbTextSize();

// The verb's root letters, at most 10 and zero-terminated, into letters
// (room for 11); returns their number (0 for an index out of range).
int GetVerbRootLetters(int verb, BYTE* letters);

// The meaning text of a verb in a binyan (0-6), or null when it has none.
LPCSTR GetVerbMeaning(int verb, int binyan);

const GrammarBlock& GetNounPatternBlock();
DWORD GetNounPatternCount();
const GrammarBlock& GetNounTableRecBlock();  // NounTableRec, with a sentinel
DWORD GetNounTableRecCount();
const GrammarBlock& GetAdjPatternBlock();  // SuffixFormRec
DWORD GetAdjPatternCount();
const GrammarBlock& GetAdjTableBlock();  // SuffixWordRec
DWORD GetAdjTableCount();
const GrammarBlock& GetNounTextBlock();

// The declension table types whose entries noundata.bin holds.
namespace TableType {
enum Id : int { Noun = 1, Preposition, Adjective, Vocabulary };
}  // namespace TableType

// NounEntry blocks by table type; any type but the four gives the nouns.
const GrammarBlock& GetNounTableBlock(int tableType);
DWORD GetNounTableCount(int tableType);

// The prefix table of nouns, adjectives and general vocabulary; null for
// any other type.
const GrammarBlock* GetNounDataPrefixTable(int tableType);

// The entry's word split into letters and parallel vowels (default vowel 0),
// each zero-terminated; both buffers hold capacity bytes. Returns the letter
// count: 0 when the entry has no word or the text block is absent.
int GetNounWord(const BYTE* nounEntry, BYTE* letters, BYTE* vowels, int capacity);

// The entry's definition text, or null when it has none.
LPCSTR GetNounDefinition(const BYTE* nounEntry);
