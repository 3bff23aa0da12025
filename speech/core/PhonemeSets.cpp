#include "speech/core/PhonemeSets.h"

#include <cstring>

#include "hebtext/core/ProfileStore.h"

namespace {

constexpr char kSection[] = "Phonemes";
constexpr char kActiveSetEntry[] = "ActiveSet";

// Each set: its name, then "|" and a spelling for every slot. The first four
// are Windows-1252 text; the Russian sets spell their Cyrillic letters in
// Windows-1251 and in KOI8-R.
// clang-format off
const char* const kBuiltInSets[kBuiltInPhonemeSets] = {
    // English
    "English"
    "|b|ts|ch|d|dh|f|g|h"
    "|j|k|l|m|n|n|p|"
    "|r|s|sh|t|th|v|kh|y"
    "|z|zh|ey|e|i|aw|a|o"
    "|u|'|ai|oy|ui|ou"
    ,
    // Français
    "Fran\xe7" "ais"
    "|b|ts|tch|d|dh|f|g|h"
    "|dj|k|l|m|n|n|p|"
    "|r|s|ch|t|th|v|kh|y"
    "|z|j|\xe9|\xe8|i|au|a|o"
    "|ou|eu|ai|\x9ci|ui|aou"
    ,
    // Español
    "Espa\xf1ol"
    "|b|ts|ch|d|dh|f|g|h"
    "|dg|k|l|m|n|n|p|"
    "|r|s|sh|t|th|v|j|y"
    "|z|zh|ei|e|i|ow|a|o"
    "|u|'|ay|oy|ui|au"
    ,
    // Deutsch
    "Deutsch"
    "|b|z|tsch|d|dh|f|g|h"
    "|dsch|k|l|m|n|ng|p|"
    "|r|\xdf|sch|t|th|w|ch|j"
    "|s|zh|e|\xe4|ie|on|a|o"
    "|u|\xf6|ei|eu|ui|au"
    ,
    // Russian CP1251
    "Russian CP1251"
    "|\xe1|\xf6|\xf7|\xe4|\xe4h|\xf4|\xe3|h"
    "|\xe4\xe6|\xea|\xeb|\xec|\xed|\xed|\xef|"
    "|\xf0|\xf1|\xf8|\xf2|\xf2h|\xe2|\xf5|\xe9"
    "|\xe7|\xe6|\xfd\xe9|\xfd|\xe8|\xee|\xe0|\xee"
    "|\xf3|'|a\xe9|\xee\xe9|\xf3\xe9|a\xee"
    ,
    // Russian KOI8-R
    "Russian KOI8-R"
    "|\xc2|\xc3|\xde|\xc4|\xc4h|\xc6|\xc7|h"
    "|\xc4\xd6|\xcb|\xcc|\xcd|\xce|\xce|\xd0|"
    "|\xd2|\xd3|\xdb|\xd4|\xd4h|\xd7|\xc8|\xca"
    "|\xda|\xd6|\xdc\xca|\xdc|\xc9|\xcf|\xc1|\xcf"
    "|\xd5|'|\xc1\xca|\xcf\xca|\xd5\xca|\xc1\xcf"
    ,
};
// clang-format on

// Phoneme codes in slot order; a second code of a slot follows in kAltCodes.
constexpr char kSlotCodes[] = "bcCdDfghjklmnNpqrsStTvxyzZeEiAaouIYOUW";
constexpr struct {
  char code;
  int slot;
} kAltCodes[] = {{'4', 28}, {'2', 29}, {'5', 30}, {'3', 31},
                 {'6', 32}, {'1', 34}, {'7', 35}, {'8', 36}};
static_assert(sizeof(kSlotCodes) - 1 == kPhonemeSlots, "one code a slot");

std::unique_ptr<PhonemeTable> g_table;

CString SetEntryName(int index) {
  CString entry;
  entry.Format("%d", index);
  return entry;
}

}  // namespace

int g_activePhonemeSet = 0;

PhonemeTable::PhonemeTable() : m_bytes{} {}

void PhonemeTable::Fill(LPCSTR setText) {
  if (setText == nullptr) return;
  const char* piece = strchr(setText, '|');
  if (piece == nullptr) return;
  ++piece;
  for (int slot = 0; slot < kPhonemeSlots; ++slot) {
    const char* bar = strchr(piece, '|');
    const size_t length = bar != nullptr ? static_cast<size_t>(bar - piece) : strlen(piece);
    BYTE* target = m_bytes + slot * kPhonemeSlotSize;
    const size_t kept = length < kPhonemeSlotSize - 1 ? length : kPhonemeSlotSize - 1;
    memcpy(target, piece, kept);
    memset(target + kept, 0, kPhonemeSlotSize - kept);
    if (bar == nullptr) break;
    piece = bar + 1;
  }
}

LPCSTR PhonemeTable::Slot(int slot) const {
  if (slot < 1 || slot > kPhonemeSlots) return "";
  return reinterpret_cast<LPCSTR>(m_bytes + (slot - 1) * kPhonemeSlotSize);
}

int PhonemeSlotOfCode(char code) {
  if (code == 0) return 0;
  if (const char* at = strchr(kSlotCodes, code)) return static_cast<int>(at - kSlotCodes) + 1;
  for (const auto& alt : kAltCodes) {
    if (alt.code == code) return alt.slot;
  }
  return 0;
}

CString SpellCodeText(const PhonemeTable& table, LPCSTR code) {
  CString text;
  for (; code != nullptr && *code != 0; ++code) {
    const int slot = PhonemeSlotOfCode(*code);
    if (slot != 0) {
      text += table.Slot(slot);
    } else {
      text += *code;
    }
  }
  return text;
}

void GetBuiltInPhonemeSet(int index, CString& text) {
  text = kBuiltInSets[index >= 0 && index < kBuiltInPhonemeSets ? index : 0];
}

bool ReadPhonemeSet(IProfileStore& profile, int index, CString& text) {
  text = profile.GetProfileString(kSection, SetEntryName(index), "");
  const bool builtIn = index >= 0 && index < kBuiltInPhonemeSets;
  if (text.IsEmpty() && builtIn) GetBuiltInPhonemeSet(index, text);
  return !text.IsEmpty();
}

void WritePhonemeSet(IProfileStore& profile, int index, LPCSTR text) {
  profile.WriteProfileString(kSection, SetEntryName(index), text);
}

void DeletePhonemeSet(IProfileStore& profile, int index) {
  profile.WriteProfileString(kSection, SetEntryName(index), nullptr);
}

void SaveActivePhonemeSet(IProfileStore& profile, int index) {
  g_activePhonemeSet = index;
  profile.WriteProfileInt(kSection, kActiveSetEntry, index);
}

void LoadPhonemeSets(IProfileStore& profile) {
  if (!g_table) g_table = std::make_unique<PhonemeTable>();
  g_activePhonemeSet = static_cast<int>(profile.GetProfileInt(kSection, kActiveSetEntry, 0));
  CString text;
  if (!ReadPhonemeSet(profile, g_activePhonemeSet, text)) {
    GetBuiltInPhonemeSet(g_activePhonemeSet, text);
  }
  g_table->Fill(text);
}

void FreePhonemeSets() { g_table.reset(); }

const PhonemeTable* GetPhonemeTable() { return g_table.get(); }

void FillPhonemeTable(LPCSTR setText) {
  if (g_table) g_table->Fill(setText);
}
