// The characters that end a sentence and those that words and phrases begin
// with, shared by the word and sentence moves and the text at the caret.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/HebChar.h"

inline bool IsSentenceMark(BYTE c) {
  return c == '!' || c == '.' || c == ':' || c == ';' || c == '?';
}

inline bool IsLetterVowelOrDigit(BYTE c) {
  return IsHebrewLetter(c) || IsVowelCode(c) || IsDigitCode(c);
}
