#include "hebtext/core/PointedText.h"

#include <climits>
#include <cstring>

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/ProgressDlgInterface.h"

int SplitLettersAndVowels(LPCSTR text, BYTE* letters, BYTE* vowels, int capacity,
                          int defaultVowel) {
  const bool counting = letters == nullptr && vowels == nullptr;
  if (!counting && capacity < 1) return 0;
  const int room = counting ? INT_MAX : capacity - 1;
  const BYTE* in = reinterpret_cast<const BYTE*>(text);
  int count = 0;
  int previous = 0;  // the code read before the current one
  // Both helpers write the current position, the last one started.
  auto startPosition = [&](int letter, int vowel) {
    if (letters != nullptr) letters[count] = static_cast<BYTE>(letter);
    if (vowels != nullptr) vowels[count] = static_cast<BYTE>(vowel);
    ++count;
  };
  auto setVowel = [&](int vowel) {
    if (vowels != nullptr && count > 0) vowels[count - 1] = static_cast<BYTE>(vowel);
  };
  while (*in != 0) {
    int c = *in++;
    const bool shurukAsLetter = IsShuruk(c) && !IsHebrewLetter(previous);
    if (IsVowelCode(c) && !shurukAsLetter) {
      setVowel(IsNoVowel(c) ? defaultVowel : c);
    } else {
      // Every vowel of the last written position has been seen by now.
      if (count == room) break;
      if (shurukAsLetter) {
        // A vav standing for "u" on its own is its own letter and vowel.
        if (IsShuruk(*in)) c = *in++;
        startPosition(HebCode::Shuruk, c);
      } else {
        startPosition(c, defaultVowel);
      }
    }
    previous = c;
  }
  if (letters != nullptr) letters[count] = 0;
  if (vowels != nullptr) vowels[count] = 0;
  return count;
}

int MergeLettersAndVowelsInto(char* buffer, int capacity, const BYTE* letters, const BYTE* vowels,
                              int count) {
  if (count < 0) count = static_cast<int>(strlen(reinterpret_cast<const char*>(letters)));
  int needed = 0;
  int written = 0;
  bool full = buffer == nullptr || capacity < 1;
  for (int i = 0; i < count; ++i) {
    const BYTE letter = letters[i];
    const BYTE vowel = vowels[i];
    // A shuruk standing as a letter is already its own vowel.
    const bool withVowel = !IsNoVowel(vowel) && !IsShuruk(letter);
    const int bytes = withVowel ? 2 : 1;
    needed += bytes;
    if (!full && written + bytes <= capacity - 1) {
      buffer[written++] = static_cast<char>(letter);
      if (withVowel) buffer[written++] = static_cast<char>(vowel);
    } else {
      full = true;
    }
  }
  if (buffer != nullptr && capacity >= 1) buffer[written] = 0;
  return needed + 1;
}

int MergeLettersAndVowels(CString& result, const BYTE* letters, const BYTE* vowels, int count) {
  const int size = MergeLettersAndVowelsInto(nullptr, 0, letters, vowels, count);
  char* buffer = result.GetBuffer(size);
  MergeLettersAndVowelsInto(buffer, size, letters, vowels, count);
  result.ReleaseBuffer(size - 1);
  return size - 1;
}

int SeparateConsonantsFromVowels(LPCSTR text, CString& consonants, CByteArray& vowels) {
  consonants.Empty();
  vowels.RemoveAll();
  const int length = static_cast<int>(strlen(text));
  if (!BeginLongOperation("Separating Consonants from Vowels", length)) return 0;
  const BYTE* in = reinterpret_cast<const BYTE*>(text);
  // Sized for the worst case, one consonant a character; cut to size at the end.
  char* out = consonants.GetBuffer(length);
  vowels.SetSize(length);
  BYTE* outVowels = vowels.GetData();
  int count = 0;
  for (int i = 0; i < length; ++i) {
    if (!ContinueLongOperation(i)) {
      consonants.ReleaseBuffer(0);
      vowels.RemoveAll();
      return 0;
    }
    const int c = in[i];
    const bool followsLetter = i > 0 && IsHebrewLetter(in[i - 1]);
    if (IsVowelCode(c) && !(IsShuruk(c) && !followsLetter)) {
      if (count > 0) outVowels[count - 1] = static_cast<BYTE>(c);
    } else {
      out[count] = static_cast<char>(c);
      // A stressed shuruk on its own keeps no vowel.
      outVowels[count] = static_cast<BYTE>(c == HebCode::Shuruk ? HebCode::Shuruk : 0);
      ++count;
    }
  }
  consonants.ReleaseBuffer(count);
  vowels.SetSize(count);
  return count;
}
