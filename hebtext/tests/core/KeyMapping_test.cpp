// The English-keyboard-to-Hebrew mapping over every character, with and
// without Caps Lock, and the Ctrl punctuation keys.
#include "hebtext/core/KeyMapping.h"

#include <gtest/gtest.h>

#include <map>

#include "hebtext/core/HebChar.h"

namespace {

struct KeyRow {
  int key;
  int code;
  int capsLock;  // 0: as without Caps Lock
};

// The key table as the layout is documented for users.
const KeyRow kKeyTable[] = {
    {'a', 249, 0}, {'b', 240, 0}, {'c', 225, 0}, {'d', 226, 0}, {'e', 247, 0}, {'f', 235, 0},
    {'g', 242, 0}, {'h', 233, 0}, {'i', 239, 0}, {'j', 231, 0}, {'k', 236, 0}, {'l', 234, 0},
    {'m', 246, 0}, {'n', 238, 0}, {'o', 237, 0}, {'p', 244, 0}, {'q', 210, 0}, {'r', 248, 0},
    {'s', 227, 0}, {'t', 224, 0}, {'u', 229, 0}, {'v', 228, 0}, {'w', 209, 0}, {'x', 241, 0},
    {'y', 232, 0}, {'z', 230, 0}, {'A', 185, 0}, {'B', 176, 0}, {'C', 161, 0}, {'D', 162, 0},
    {'E', 184, 0}, {'F', 171, 0}, {'G', 220, 0}, {'H', 169, 0}, {'I', 202, 0}, {'J', 221, 0},
    {'K', 172, 0}, {'L', 170, 0}, {'M', 182, 0}, {'N', 174, 0}, {'O', 206, 0}, {'P', 180, 0},
    {'Q', 211, 0}, {'R', 128, 0}, {'S', 163, 0}, {'T', 223, 0}, {'U', 165, 0}, {'V', 164, 0},
    {'W', 208, 0}, {'X', 177, 0}, {'Y', 168, 0}, {'Z', 166, 0}, {'\'', 192, 197},
    {'"', 197, 0}, {',', 250, 186}, {'<', 186, 0}, {'.', 245, 222}, {'>', 222, 0},
    {';', 243, 204}, {':', 204, 0}, {'-', 199, 194}, {'_', 194, 0}, {'=', 205, 187},
    {'+', 187, 0}, {'/', 196, 201}, {'?', 201, 0}, {'`', 198, 193}, {'~', 193, 0},
    {'[', 251, 252}, {'{', 252, 0}, {']', 200, 195}, {'}', 195, 0}, {'\\', 203, 188},
    {'|', 188, 0},
};

TEST(MapKeyToHebrew, MapsEveryCharacterWithAndWithoutCapsLock) {
  std::map<int, KeyRow> table;
  for (const KeyRow& row : kKeyTable) table[row.key] = row;
  const std::string passThrough = "!#$%&()*^@0123456789\t\f\r ";
  for (BOOL caps : {FALSE, TRUE}) {
    for (int ch = 0; ch < 256; ++ch) {
      int want = 0;
      if (table.count(ch)) {
        const KeyRow& row = table[ch];
        want = caps && row.capsLock ? row.capsLock : row.code;
      } else if (passThrough.find(static_cast<char>(ch)) != std::string::npos && ch != 0) {
        want = ch;
      } else if (IsHebrewLetter(ch) || IsVowelCode(ch) || IsDageshOrMeteg(ch)) {
        want = ch;  // a HebChar typed directly, through an input method
      }
      EXPECT_EQ(want, MapKeyToHebrew(ch, caps)) << ch << (caps ? " with Caps Lock" : "");
    }
  }
}

TEST(MapKeyToHebrew, EdgeCases) {
  EXPECT_EQ(233, MapKeyToHebrew(233, FALSE));
  EXPECT_EQ(1, MapKeyToHebrew(1, FALSE));
  EXPECT_EQ(0, MapKeyToHebrew(HebCode::Maqaf, FALSE));
  EXPECT_EQ(HebCode::Holam, MapKeyToHebrew('?', FALSE));
  EXPECT_EQ(HebCode::Holam, MapKeyToHebrew('?', TRUE));
  EXPECT_EQ(HebCode::Hiriq, MapKeyToHebrew('/', FALSE));
  EXPECT_EQ(HebCode::Holam, MapKeyToHebrew('/', TRUE));
  EXPECT_EQ(0, MapKeyToHebrew('\n', FALSE));
  EXPECT_EQ(0, MapKeyToHebrew(127, TRUE));
  EXPECT_EQ('!', MapKeyToHebrew('!', FALSE));
  EXPECT_EQ(HebCode::Tsere, MapKeyToHebrew('"', FALSE));
  EXPECT_EQ(0, MapKeyToHebrew(183, FALSE));
}

TEST(TranslateOemKey, GivesTheUsPunctuationWhileCtrlIsHeld) {
  struct Row {
    UINT key;
    char unshifted, shifted;
  } rows[] = {
      {186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'},
      {190, '.', '>'}, {191, '/', '?'}, {192, '`', '~'}, {219, '[', '{'},
      {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'},
  };
  for (const Row& row : rows) {
    for (BOOL shift : {FALSE, TRUE}) {
      for (BOOL caps : {FALSE, TRUE}) {
        const char want = shift != caps ? row.shifted : row.unshifted;
        EXPECT_EQ(want, TranslateOemKey(row.key, {TRUE, shift, caps})) << row.key;
        EXPECT_EQ(0, TranslateOemKey(row.key, {FALSE, shift, caps})) << row.key;
      }
    }
  }
  for (UINT key : {0u, 65u, 185u, 193u, 218u, 223u, 0x1BBu}) {
    EXPECT_EQ(0, TranslateOemKey(key, {TRUE, FALSE, FALSE})) << key;
  }
  EXPECT_EQ('+', TranslateOemKey(187, {TRUE, TRUE, FALSE}));
  EXPECT_EQ('=', TranslateOemKey(187, {TRUE, TRUE, TRUE}));
}

}  // namespace
