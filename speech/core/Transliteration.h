// Transliteration of one pointed word into the phonetic text the speech
// engine speaks (a stress digit in every syllable) and the code text in the
// 38-phoneme alphabet that a phoneme set spells out.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "speech/core/PronunciationOptions.h"

// The phonetic text, and with it the stress pattern, holds at most this
// many characters including its terminator; letters that would not fit are
// left out, and the closing "]" always is written.
constexpr int kMaxPhoneticText = 64;

// The longest word looked at (a word record's letter plane).
constexpr int kMaxTransliteratedLetters = 69;

// Transliterates the zero-terminated letters and their parallel vowels,
// replacing phonetic and code.
void TransliterateWord(const BYTE* letters, const BYTE* vowels, const PronunciationOptions& options,
                       CString& phonetic, CString& code);
