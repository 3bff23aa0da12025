// Pointed Hebrew in the sources: Unicode text converted into the program's
// letter and vowel codes by the Hebrew text core, and template positions
// written as a letter and a vowel keyword.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "tools/grammarc/SourceReader.h"

// A word as parallel letter and vowel codes of equal length (vowel 0: none).
struct PointedWord {
  std::string letters;
  std::string vowels;
};

// A pointed Unicode word (letters, points, and the blank, hyphen, maqaf and
// quote marks of compounds and abbreviations).
PointedWord ConvertHebrewWord(const SourceLine& line, const std::string& utf8);

// The single-string form of the word: each letter followed by its vowel.
std::string MergedWord(const PointedWord& word);

struct TemplatePosition {
  BYTE letter;
  BYTE vowel;
};

// One position "LETTER" or "LETTER:VOWEL" of a template. LETTER is a
// reference k (1 to maxReference) to the k-th letter of the root or of the
// word's end, optionally followed by "-" (without dagesh), "+" (with
// dagesh) or "~" (with dagesh when it is a begadkefat letter), for k up to
// 5; or a letter keyword; or a Unicode letter. VOWEL is a vowel keyword;
// without one the position has "NV" (1), the no-vowel mark with which forms
// are assembled.
TemplatePosition ParseTemplatePosition(const SourceLine& line, const std::string& token,
                                       int maxReference);

// The positions of tokens [first, end) of the line; at most maxLength.
std::vector<TemplatePosition> ParseTemplate(const SourceLine& line, size_t first, int maxReference,
                                            int maxLength);

// A template record: maxLength letter bytes, then maxLength vowel bytes.
std::string TemplateRecord(const std::vector<TemplatePosition>& positions, int maxLength);
