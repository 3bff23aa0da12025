// Numbers spelled out in English and in pointed Hebrew (the program's
// single-string form: each letter followed by its vowel where it has one),
// cardinal and ordinal, for the number entries of the dictionary and the
// number view. Every writer takes its output's capacity, writes at most
// capacity - 1 bytes and a terminating zero, and returns the length written.
#pragma once

#include "classlib/core/WinTypes.h"

// The scales of the three-digit groups of a number.
constexpr DWORD kScaleUnits = 1;
constexpr DWORD kScaleThousands = 1000;
constexpr DWORD kScaleMillions = 1000000;
constexpr DWORD kScaleBillions = 1000000000;

// The largest value NumberToWords spells: 999 billions and the rest.
constexpr double kLargestSpelledNumber = 999999999999.0;

enum NumberLanguage { kNumberEnglish = 0, kNumberHebrew = 1 };

// "st", "nd", "rd" or "th" after the value written in digits.
const char* EnglishOrdinalSuffix(unsigned long value);

// The value in digits, with its ordinal suffix when ordinal is 1.
int FormatNumber(char* text, int capacity, unsigned long value, int ordinal);

// One group of three digits (value 0-999) in English words, each followed by
// a blank (the last ends in a hyphen when it joins tens and units).
int SpellEnglishGroup(int value, char* output, int capacity, DWORD scale, int ordinal);

// One group in pointed Hebrew. preceded is not 0 when an earlier group of the
// number was written; feminine is the gender flag of the units group (the
// higher groups count thousands, millions and billions, all masculine).
int SpellHebrewGroup(int value, char* output, int capacity, DWORD scale, int preceded, int ordinal,
                     int feminine);

// The conjunction "and" as it is pointed before a word that begins with the
// letter and vowel.
int HebrewAnd(char* output, int capacity, int nextLetter, int nextVowel);

struct NumberWordsOptions {
  int language = kNumberEnglish;
  int ordinal = 0;
  int feminine = 0;  // Hebrew only
  int cleanUp = 0;   // trim the blanks at both ends (and see NumberToWords)
};

// The whole number in words. Only whole values 0 to kLargestSpelledNumber
// are spelled (a fraction is cut off); any other value writes nothing.
// Hebrew ordinals other than 1 to 10 take the definite article; the ordinal
// of ten thousand is its own word, and with clean-up it goes without one.
int NumberToWords(char* output, int capacity, double value, const NumberWordsOptions& options);
