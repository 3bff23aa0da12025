// The display side of word transcription: the code text of a word marked
// syllable by syllable ('*' stressed, '-' unstressed) and spelled in the
// active phoneme set, and the clean-up of a word's phonetic text.
#pragma once

#include <string>

class PhonemeTable;

// The syllable marks of a code text, before spelling: a leading mark, a mark
// before each later syllable's onset, the mark of the stressed syllable
// (counted from the end, 0 the last; above 3 counts as 3) made '*'. Reduced
// vowels ('0') are dropped and their consonant joins a neighbouring syllable.
std::string MarkCodeSyllables(const std::string& code, int stressedSyllable);

// The marked code text spelled in the table (null: the codes as they are);
// marks and blanks stand for themselves.
std::string PhonemeDisplayText(const std::string& marked, const PhonemeTable* table);

// MarkCodeSyllables, then PhonemeDisplayText.
std::string FormatStressedSyllables(const std::string& code, int stressedSyllable,
                                    const PhonemeTable* table);

// Cleans the bracketed syllables of one word's phonetic text: empty syllables
// go, a syllable with no stress digit joins the next one (the last such joins
// the one before). A word left with no syllable becomes empty.
void MergeVowellessSyllables(std::string& phonetic);
