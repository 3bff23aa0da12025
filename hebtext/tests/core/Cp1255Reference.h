// Checks the program's code page 1255 against another implementation of it
// (Python's codec, Windows' own) on every byte: the UTF-16 unit the byte
// gives (AnsiHebrewToUnicode); that a document holds the character the
// reference gives (HoldCharacter): Hebrew as the import folds the byte
// itself, anything else as the code page 1252 byte of the same character;
// and that the import of Windows-1255 text never turns a byte that is not
// Hebrew into one of the program's own codes. Where the program differs on
// purpose, the tables below say so and why.
#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/ByteText.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace cp1255 {

constexpr int kNoUnit = -1;

struct UnitDifference {
  int byte;
  int programUnit;
  const char* why;
};

const UnitDifference kUnitDifferences[] = {
    {0xCA, 0x05BA,
     "holam haser for vav, as in Windows' table; Python's codec does not have it"},
    {'-', 0x05BE, "the program writes the hyphen of its text as the Hebrew maqaf"},
    {':', 0x05C3, "the program writes the colon of its text as the sof pasuq"},
};

struct NotHeld {
  int unit;
  const char* why;
};

// Characters of the code page that a document does not hold as themselves.
const NotHeld kNotHeldAsThemselves[] = {
    {0x20AA,
     "new shekel sign: code page 1252 has none; the other faces show the currency sign, whose "
     "byte gives the shekel back in code page 1255"},
    {0x05BF, "rafe: the program's code has no place for it"},
    {0x05C0, "paseq: the program's code has no place for it"},
    {0x200E, "left-to-right mark: a document's side sets the direction"},
    {0x200F, "right-to-left mark: a document's side sets the direction"},
};

inline const UnitDifference* FindUnitDifference(int byte) {
  for (const UnitDifference& d : kUnitDifferences) {
    if (d.byte == byte) return &d;
  }
  return nullptr;
}

inline const NotHeld* FindNotHeld(int unit) {
  for (const NotHeld& n : kNotHeldAsThemselves) {
    if (n.unit == unit) return &n;
  }
  return nullptr;
}

inline int ProgramUnit(int byte) {
  const char text[2] = {static_cast<char>(byte), 0};
  return AnsiHebrewToUnicode(text)[0];
}

// A unit that stands for no character of the code page: none at all, a C1
// control (Windows' table gives those for bytes it leaves undefined), or a
// private-use unit.
inline bool IsNoCharacter(int unit) {
  constexpr int kFirstC1 = 0x80, kLastC1 = 0x9F, kFirstPrivateUse = 0xE000,
                kLastPrivateUse = 0xF8FF;
  return unit == kNoUnit || (unit >= kFirstC1 && unit <= kLastC1) ||
         (unit >= kFirstPrivateUse && unit <= kLastPrivateUse);
}

// The import of Windows-1255 bytes after a shin, which takes every mark.
inline std::string Fold(const std::string& bytes) {
  CString text(("\xF9" + bytes).c_str(), static_cast<int>(bytes.size() + 1));
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  return BytesString(text);
}

inline std::string HeldDisagreement(int byte, int unit) {
  if (unit < 0x80 || IsNoCharacter(unit) || FindNotHeld(unit)) return "";
  const HeldChar held = HoldCharacter(static_cast<UINT>(unit));
  const std::string heldBytes(reinterpret_cast<const char*>(held.bytes), held.length);
  if (held.script == TextScript::Hebrew) {
    if (Fold(heldBytes) == Fold(std::string(1, static_cast<char>(byte)))) return "";
  } else if (held.script == TextScript::Latin) {
    if (Windows1252ToUnicode(held.bytes[0]) == static_cast<UINT>(unit)) return "";
  }
  return " unit " + std::to_string(unit) + " is not held as itself;";
}

// Every byte on which the program and the reference (byte to unit, or
// kNoUnit) disagree other than as tabled; empty when they agree.
inline std::string Disagreements(const std::function<int(int)>& reference) {
  std::ostringstream out;
  out << std::hex;
  for (int byte = 1; byte < 256; ++byte) {
    const int theirs = reference(byte);
    const int ours = ProgramUnit(byte);
    const UnitDifference* d = FindUnitDifference(byte);
    const int expected = d ? d->programUnit : IsNoCharacter(theirs) ? byte : theirs;
    if (ours != expected) {
      out << " byte " << byte << ": ours " << ours << ", theirs " << theirs << ";";
    }
    // The character the byte stands for; the program's where the reference has none.
    const int unit = d && IsNoCharacter(theirs) ? d->programUnit : theirs;
    out << HeldDisagreement(byte, unit);
    const bool hebrew = !IsNoCharacter(unit) && HoldCharacter(unit).script == TextScript::Hebrew;
    if (byte >= 0x80 && !hebrew) {
      const std::string folded = Fold(std::string(1, static_cast<char>(byte))).substr(1);
      for (const char c : folded) {
        if (static_cast<BYTE>(c) >= 0x80) out << " byte " << byte << " imports as a program code;";
      }
    }
  }
  return out.str();
}

}  // namespace cp1255
