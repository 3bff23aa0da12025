// Test helper: each code of the character code as it is written out through
// the checked export (Windows-1255, then UTF-16), read by Unicode's names of
// the letters and points it becomes (data/UnicodeData-hebrew.txt). Tests check
// classes and tables against what the codes mean outside the program.
#pragma once

#include <array>
#include <initializer_list>
#include <map>
#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/tests/core/FixtureFile.h"

namespace written {
using namespace HebCode;

constexpr WCHAR kUnicodeDagesh = 0x05BC;
constexpr WCHAR kUnicodeMeteg = 0x05BD;
constexpr WCHAR kApostrophe = '\'';  // the geresh of a letter for a foreign sound

struct UnicodeChar {
  std::string name;
  std::string category;
};

inline const std::map<WCHAR, UnicodeChar>& HebrewBlock() {
  static const std::map<WCHAR, UnicodeChar> block = [] {
    std::map<WCHAR, UnicodeChar> chars;
    for (const std::string& line : fixture::DataLines("UnicodeData-hebrew.txt")) {
      const auto fields = fixture::Split(line, ';');
      chars[static_cast<WCHAR>(std::stoi(fields.at(0), nullptr, 16))] = {fields.at(1),
                                                                         fields.at(2)};
    }
    return chars;
  }();
  return block;
}

inline std::string WithoutPrefix(const std::string& name, const std::string& prefix) {
  return name.compare(0, prefix.size(), prefix) == 0 ? name.substr(prefix.size()) : "";
}

// One code as it is written out, read by Unicode's names.
struct Written {
  WideString units;
  std::string letter;  // "BET", "FINAL KAF": the leading Hebrew letter, if any
  std::string point;   // "QAMATS", "HATAF PATAH": the vowel point, if any
  bool dagesh = false;
  bool meteg = false;
  bool geresh = false;
  bool shinDot = false;
  bool sinDot = false;
  bool other = false;  // anything else: ASCII, punctuation
};

inline Written ReadWrittenOut(int code) {
  Written w;
  CString ansi;
  InternalCharToAnsi(code, ansi, kVavThenHolam);
  w.units = AnsiHebrewToUnicode(ansi);
  for (WCHAR unit : w.units) {
    const auto it = HebrewBlock().find(unit);
    const std::string name = it == HebrewBlock().end() ? "" : it->second.name;
    if (unit == kUnicodeDagesh) {
      w.dagesh = true;
    } else if (unit == kUnicodeMeteg) {
      w.meteg = true;
    } else if (unit == kApostrophe && !w.letter.empty()) {
      w.geresh = true;
    } else if (name == "HEBREW POINT SHIN DOT") {
      w.shinDot = true;
    } else if (name == "HEBREW POINT SIN DOT") {
      w.sinDot = true;
    } else if (it != HebrewBlock().end() && it->second.category == "Lo" && w.letter.empty()) {
      w.letter = WithoutPrefix(name, "HEBREW LETTER ");
    } else if (!WithoutPrefix(name, "HEBREW POINT ").empty() && w.point.empty()) {
      w.point = WithoutPrefix(name, "HEBREW POINT ");
    } else {
      w.other = true;
    }
  }
  return w;
}

inline const Written& Out(int code) {
  static const std::array<Written, 256> forms = [] {
    std::array<Written, 256> all;
    for (int c = 0; c < 256; ++c) all[c] = ReadWrittenOut(c);
    return all;
  }();
  return forms[code & 0xFF];
}

inline bool IsAnyOf(int c, std::initializer_list<int> codes) {
  for (int code : codes) {
    if (c == code) return true;
  }
  return false;
}

// A vav with dagesh is written out alike as the consonant and as the shuruk,
// the vowel of the letter before: only the code tells them apart.
inline bool IsShurukCode(int c) { return IsAnyOf(c, {Shuruk, StressedShuruk}); }
// Written out as plain qamats, which Windows-1255 cannot tell apart: the
// program's own codes.
inline bool IsQamatsQatanCode(int c) {
  return IsAnyOf(c, {QamatsQatan, StressedQamatsQatan, QamatsQatanAlef, QamatsQatanVariant});
}

// The vowel a code stands for: the point it is written out as alone, or
// "HOLAM MALE" and "SHURUK" for a vav that is the vowel of the letter before.
inline std::string VowelOf(int c) {
  if (IsShurukCode(c)) return "SHURUK";
  const Written& w = Out(c);
  if (w.letter == "VAV" && w.point == "HOLAM" && !w.dagesh) return "HOLAM MALE";
  if (w.letter.empty() && !w.dagesh && !w.other) return w.point;
  return "";
}

inline bool IsLetter(int c) { return !Out(c).letter.empty() && VowelOf(c).empty(); }

// The code written out as these units; of several, the plain one, which sits
// above the program's own variants (at the Windows-1255 place or as a stressed
// twin).
inline int PlainCodeWrittenAs(const WideString& units) {
  int found = -1;
  for (int c = 0; c < 256; ++c) {
    if (!units.empty() && Out(c).units == units) found = c;
  }
  return found;
}

inline WCHAR UnitNamed(const std::string& name) {
  for (const auto& [unit, ch] : HebrewBlock()) {
    if (ch.name == name) return unit;
  }
  return 0;
}
inline WCHAR LetterNamed(const std::string& name) { return UnitNamed("HEBREW LETTER " + name); }

}  // namespace written
