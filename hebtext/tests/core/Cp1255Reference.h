// Checks AnsiHebrewToUnicode and UnicodeCharToAnsi against another
// implementation of code page 1255 (Python's codec, Windows' own) on every
// letter and point byte. Where the program differs on purpose, the table
// below says so and why.
#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace cp1255 {

constexpr int kNoUnit = -1;

struct DeliberateDifference {
  int byte;
  int programUnit;
  const char* why;
};

const DeliberateDifference kDeliberateDifferences[] = {
    {0xCA, 0x00CA,
     "holam haser for vav: HebChar text never holds the byte (the import reads it as holam), so "
     "it is passed on as its own value"},
    {'-', 0x05BE, "the program writes the hyphen of its text as the Hebrew maqaf"},
    {':', 0x05C3, "the program writes the colon of its text as the sof pasuq"},
    {0xCE, 0x00CE, "maqaf: the import turns it into '-', so HebChar text never holds it"},
    {0xD3, 0x00D3, "sof pasuq: the import turns it into ':', so HebChar text never holds it"},
};

inline const DeliberateDifference* FindDeliberate(int byte) {
  for (const DeliberateDifference& d : kDeliberateDifferences) {
    if (d.byte == byte) return &d;
  }
  return nullptr;
}

inline int ProgramUnit(int byte) {
  const char text[2] = {static_cast<char>(byte), 0};
  return AnsiHebrewToUnicode(text)[0];
}

// Every letter, point, maqaf and sof pasuq byte on which the program and the
// reference (byte to unit, or kNoUnit) disagree other than as tabled; empty
// when they agree.
inline std::string Disagreements(const std::function<int(int)>& reference) {
  std::ostringstream out;
  out << std::hex;
  for (int byte = 1; byte < 256; ++byte) {
    if (!IsAnsiHebrewLetter(byte) && !IsAnsiHebrewPoint(byte) && !IsAnsiMaqafOrSofPasuq(byte) &&
        !FindDeliberate(byte)) {
      continue;
    }
    const int theirs = reference(byte);
    const int ours = ProgramUnit(byte);
    if (const DeliberateDifference* d = FindDeliberate(byte)) {
      if (ours != d->programUnit || theirs == ours) {
        out << " byte " << byte << ": tabled difference no longer holds (ours " << ours
            << ", theirs " << theirs << ");";
      }
      continue;
    }
    if (ours != theirs)
      out << " byte " << byte << ": ours " << ours << ", theirs " << theirs << ";";
    // And back: the reference's unit gives the byte again.
    BYTE back[2];
    if (theirs != kNoUnit &&
        (UnicodeCharToAnsi(theirs, back) != 1 || back[0] != static_cast<BYTE>(byte))) {
      out << " unit " << theirs << " does not give byte " << byte << " back;";
    }
  }
  return out.str();
}

}  // namespace cp1255
