#include "speech/core/PointedInput.h"

#include <cstdio>
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

constexpr unsigned kFirstHebrewPoint = 0x05B0;  // sheva
constexpr unsigned kLastHebrewPoint = 0x05C7;
constexpr unsigned kQamatsQatan = 0x05C7;
constexpr unsigned kFirstHebrewLetter = 0x05D0;  // alef
constexpr unsigned kLastHebrewLetter = 0x05EA;   // tav
// Inside the point range: the maqaf and the punctuation marks that are no points.
constexpr unsigned kMaqaf = 0x05BE;
constexpr unsigned kPaseq = 0x05C0;
constexpr unsigned kSofPasuq = 0x05C3;
constexpr unsigned kNunHafukha = 0x05C6;

bool IsHebrewPoint(unsigned c) {
  return c >= kFirstHebrewPoint && c <= kLastHebrewPoint && c != kMaqaf && c != kPaseq &&
         c != kSofPasuq && c != kNunHafukha;
}

bool IsHebrewLetter(unsigned c) { return c >= kFirstHebrewLetter && c <= kLastHebrewLetter; }

// Printable ASCII (punctuation, and the apostrophe and double quote that
// write geresh and gershayim), or a Hebrew character the import takes.
bool IsReadable(unsigned c) {
  if (c >= 0x20 && c <= 0x7E) return true;
  if (c == kQamatsQatan) return true;  // read as a qamats and put back
  if (!IsHebrewLetter(c) && !IsHebrewPoint(c) && c != kMaqaf) return false;
  BYTE bytes[kMaxAnsiBytesPerChar];
  return UnicodeCharToAnsi(c, bytes) > 0;
}

// Reads one UTF-8 sequence at *at into code; false for a malformed one.
bool ReadCodePoint(const char*& at, unsigned& code) {
  const auto byte = [&](int i) { return static_cast<unsigned char>(at[i]); };
  const unsigned first = byte(0);
  int more = 0;
  if (first < 0x80) {
    code = first;
  } else if ((first & 0xE0) == 0xC0) {
    code = first & 0x1F;
    more = 1;
  } else if ((first & 0xF0) == 0xE0) {
    code = first & 0x0F;
    more = 2;
  } else {
    return false;  // four-byte sequences hold nothing Hebrew
  }
  for (int i = 1; i <= more; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return false;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  at += more + 1;
  return true;
}

// Why the rules cannot take the text, or an empty string when they can.
std::string ProblemWith(const char* text) {
  bool letterBefore = false;
  char where[64];
  for (const char* at = text; *at != 0;) {
    const int offset = static_cast<int>(at - text);
    unsigned code = 0;
    if (!ReadCodePoint(at, code)) {
      snprintf(where, sizeof where, "malformed UTF-8 at byte %d", offset);
      return where;
    }
    if (IsHebrewPoint(code) && IsReadable(code)) {
      if (letterBefore) continue;
      snprintf(where, sizeof where, "U+%04X at byte %d stands on no letter", code, offset);
      return where;
    }
    if (!IsReadable(code)) {
      snprintf(where, sizeof where, "U+%04X at byte %d is no Hebrew letter or point", code, offset);
      return where;
    }
    letterBefore = IsHebrewLetter(code);
  }
  return std::string();
}

}  // namespace

std::optional<PointedLetters> PointedLettersFromUtf8(const char* text, std::string* problem) {
  const std::string found = ProblemWith(text);
  if (!found.empty()) {
    if (problem != nullptr) *problem = found;
    return std::nullopt;
  }
  std::vector<bool> qatan;
  CString converted(ReadQamatsKinds(text, qatan).c_str());
  Utf8ToAnsiHebrew(converted);
  NormalizeMarkOrder(converted);
  ConvertImportedText(converted, kVavThenHolam);
  const int count = SplitLettersAndVowels(converted, nullptr, nullptr, 0, 0);
  PointedLetters word;
  word.letters.assign(count + 1, 0);
  word.vowels.assign(count + 1, 0);
  SplitLettersAndVowels(converted, word.letters.data(), word.vowels.data(), count + 1,
                        HebCode::ExplicitNoVowel);
  // Final kaf with qamats is one letter code that holds its qamats.
  size_t next = 0;
  for (int i = 0; i < count && next < qatan.size(); ++i) {
    const int letter = word.letters[i], vowel = word.vowels[i];
    if (letter == HebCode::FinalKafQamats || letter == HebCode::FinalKafDageshQamats) ++next;
    if (!IsQamatsForm(vowel)) continue;
    if (qatan[next++]) {
      word.vowels[i] = IsStressedVowel(vowel) ? HebCode::StressedQamatsQatan : HebCode::QamatsQatan;
    }
  }
  return word;
}
