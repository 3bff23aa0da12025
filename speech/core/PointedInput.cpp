#include "speech/core/PointedInput.h"

#include <cstring>
#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

// Windows-1255 has no qamats qatan: it is read as a qamats and put back after.
constexpr char kQamatsQatanUtf8[] = "\xD7\x87";
constexpr char kQamatsUtf8[] = "\xD6\xB8";

// The input with each qamats qatan written as qamats, and for every qamats
// of either kind in order whether it was a qamats qatan.
std::string ReadQamatsKinds(const char* text, std::vector<bool>& qatan) {
  std::string out;
  for (const char* at = text; *at != 0;) {
    if (strncmp(at, kQamatsQatanUtf8, 2) == 0 || strncmp(at, kQamatsUtf8, 2) == 0) {
      qatan.push_back(at[0] == kQamatsQatanUtf8[0]);
      out += kQamatsUtf8;
      at += 2;
    } else {
      out += *at++;
    }
  }
  return out;
}

}  // namespace

PointedLetters PointedLettersFromUtf8(const char* text) {
  std::vector<bool> qatan;
  CString converted(ReadQamatsKinds(text, qatan).c_str());
  Utf8ToAnsiHebrew(converted);
  NormalizeMarkOrder(converted);
  ConvertImportedText(converted, 0);
  const int count = SplitLettersAndVowels(converted, nullptr, nullptr, 0, 0);
  PointedLetters word;
  word.letters.assign(count + 1, 0);
  word.vowels.assign(count + 1, 0);
  SplitLettersAndVowels(converted, word.letters.data(), word.vowels.data(), count + 1, HebCode::ExplicitNoVowel);
  // Final kaf with qamats is one letter code that holds its qamats.
  size_t next = 0;
  for (int i = 0; i < count && next < qatan.size(); ++i) {
    const int letter = word.letters[i], vowel = word.vowels[i];
    if (letter == 252 || letter == 188) ++next;
    if (!IsQamatsForm(vowel)) continue;
    if (qatan[next++]) word.vowels[i] = IsStressedVowel(vowel) ? 129 : HebCode::QamatsQatan;
  }
  return word;
}
