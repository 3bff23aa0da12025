// What the lookup list shows of a record in its columns besides the word and
// its entry: the grammar words of every record kind and form slot, and the
// cleaned definition senses of a keyword row.
#pragma once

#include <string>
#include <vector>

#include "lexicon/core/PackedWordRecord.h"

// The columns of the Hebrew lists (all records, search results).
enum LookupWordColumn {
  kWordColWord,
  kWordColGram,
  kWordColRootEntry,
  kWordColSuffix,
  kWordColSingPl,
  kWordColGender,
  kWordColBinyan,
  kWordColTense,
  kWordColPerson,
  kWordColMisc,
  kWordColumnCount
};

// The columns of the English keyword list.
enum LookupDefinitionColumn {
  kDefColWord,
  kDefColGram,
  kDefColRootEntry,
  kDefColGender,
  kDefColBinyan,
  kDefColDefinition,
  kDefinitionColumnCount
};

struct LookupWordRow {
  std::string text[kWordColumnCount];
};

// "Verb", "Noun", "Prep", "Adj", "Vocab", "Number"; empty for other kinds.
const char* LookupKindName(int kind);
// The binyan's short name ("Kal", "Nifal" ... "Hufal"); empty out of range.
const char* LookupBinyanName(int binyan);

// Fills every column of the decoded record that needs no grammar table:
// Gram, Suffix, Sing/Pl, Binyan, Tense, Person, Misc, and Gender for all but
// nouns (whose gender is their entry's). Word and Root/Entry are left as
// they were.
void DescribeWordFields(int kind, const UnpackedWordRec& fields, LookupWordRow& row);

// The senses of a definition that name the keyword: '&' marks, <...> spans
// and "[]" removed; of the parts between ';' those holding the keyword not
// followed by a letter, digit or '-' are kept, trimmed at the right and
// joined with "; ".
std::string CleanDefinitionSenses(const std::string& definition, const std::string& keyword);

// One binyan of a verb keyword row: its short name and its cleaned text.
struct BinyanSense {
  std::string name;
  std::string text;
};
// The Binyan and Definition columns of a verb keyword row: one binyan as it
// stands, several numbered "(1) " ... "  (2) " and "1. " ... "  2. ".
void JoinBinyanSenses(const std::vector<BinyanSense>& senses, std::string& binyanColumn,
                      std::string& definitionColumn);
