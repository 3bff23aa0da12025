// How word transcription classifies a word before it is spoken: a number in
// digits (behind prefix letters), an acronym, or a single letter read by its
// name.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"

struct HebWordRec;

// 1 when no character carries a vowel and the second-to-last one is the
// double quote mark.
int IsAcronymWord(const HebWordRec& word);

// 1 when the word holds a digit and every letter before its first digit
// belongs to a prefix chain the strict prefix test accepts; prefixLength
// receives the length of that chain (0 for any other word). "," and the
// apostrophe are passed over.
int IsNumberWord(const HebWordRec& word, int& prefixLength);

// The text with its run from the first to the last digit reversed (digits in
// Hebrew text stand right to left); returns the first digit's index, or -1
// with the text unchanged when it holds no digit.
int ReverseDigitRun(const std::string& text, std::string& out);

// When the letter has a name, the record is cleared and receives the
// pointed name (1); otherwise it is left as it is (0).
int LetterNameWord(int letter, HebWordRec& word);
