// Phoneme sets: named tables of 38 spellings, one per phoneme code of the
// transliteration code text, so that a word can be written in English,
// French, Spanish, German or Russian letters. The sets live in the profile
// section "Phonemes"; the active one is copied into a 798-byte table.
#pragma once

#include <memory>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

class IProfileStore;

constexpr int kPhonemeSlots = 38;
constexpr int kPhonemeSlotSize = 21;  // 20 characters and a terminator
constexpr int kPhonemeTableSize = kPhonemeSlots * kPhonemeSlotSize;
constexpr int kBuiltInPhonemeSets = 6;

// The active set's spellings, slot 1 to 38.
class PhonemeTable {
 public:
  PhonemeTable();
  // Copies the spellings of a set text ("name|s1|s2|...") into the slots in
  // order; slots after the text's last spelling keep their content, and a
  // spelling longer than a slot is cut to fit.
  void Fill(LPCSTR setText);
  // The spelling of slot 1-38; empty for other numbers.
  LPCSTR Slot(int slot) const;
  const BYTE* Bytes() const { return m_bytes; }

 private:
  BYTE m_bytes[kPhonemeTableSize];
};

// The slot (1-38) that spells a character of the code text, 0 for a
// character that stands for itself.
int PhonemeSlotOfCode(char code);

// The code text written out in the table's spellings.
CString SpellCodeText(const PhonemeTable& table, LPCSTR code);

// Built-in set 0-5 (English, Français, Español, Deutsch, Russian CP1251,
// Russian KOI8-R); the English set for any other index.
void GetBuiltInPhonemeSet(int index, CString& text);

// The stored text of a set, or the built-in one of index 0-5 when it is
// missing or empty. False when the result is empty.
bool ReadPhonemeSet(IProfileStore& profile, int index, CString& text);
void WritePhonemeSet(IProfileStore& profile, int index, LPCSTR text);
void DeletePhonemeSet(IProfileStore& profile, int index);

// The active set: its index ("ActiveSet") and its table, which exists from
// LoadPhonemeSets to FreePhonemeSets.
extern int g_activePhonemeSet;
void LoadPhonemeSets(IProfileStore& profile);
// Makes the set of the index the active one and stores its index.
void SaveActivePhonemeSet(IProfileStore& profile, int index);
void FreePhonemeSets();
// The table, or null before LoadPhonemeSets and after FreePhonemeSets.
const PhonemeTable* GetPhonemeTable();
// Fills the active table from a set text; nothing when there is no table.
void FillPhonemeTable(LPCSTR setText);
