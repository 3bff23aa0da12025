// The English-keyboard-to-Hebrew mapping over every character, with and
// without Caps Lock, and the Ctrl punctuation keys.
#include "hebtext/core/KeyMapping.h"

#include <gtest/gtest.h>

#include <map>

#include "hebtext/core/HebChar.h"

namespace {
using namespace HebCode;

struct KeyRow {
  int key;
  int code;
  int capsLock;  // 0: as without Caps Lock
};

// The key table as the layout is documented for users.
// clang-format off
const KeyRow kKeyTable[] = {
    {'a', Shin, 0}, {'b', Nun, 0}, {'c', Bet, 0}, {'d', Gimel, 0}, {'e', Qof, 0}, {'f', Kaf, 0},
    {'g', Ayin, 0}, {'h', Yod, 0}, {'i', FinalNun, 0}, {'j', Het, 0}, {'k', Lamed, 0},
    {'l', FinalKaf, 0}, {'m', Tsadi, 0}, {'n', Mem, 0}, {'o', FinalMem, 0}, {'p', Pe, 0},
    {'q', ShinSinDot, 0}, {'r', Resh, 0}, {'s', Dalet, 0}, {'t', Alef, 0}, {'u', Vav, 0},
    {'v', He, 0}, {'w', ShinShinDot, 0}, {'x', Samekh, 0}, {'y', Tet, 0}, {'z', Zayin, 0},
    {'A', ShinDagesh, 0}, {'B', NunDagesh, 0}, {'C', BetDagesh, 0}, {'D', GimelDagesh, 0},
    {'E', QofDagesh, 0}, {'F', KafDagesh, 0}, {'G', GimelGeresh, 0}, {'H', YodDagesh, 0},
    {'I', Shuruk, 0}, {'J', ZayinGeresh, 0}, {'K', LamedDagesh, 0}, {'L', FinalKafDagesh, 0},
    {'M', TsadiDagesh, 0}, {'N', MemDagesh, 0}, {'O', HolamMale, 0}, {'P', PeDagesh, 0},
    {'Q', ShinSinDotDagesh, 0}, {'R', QamatsQatan, 0}, {'S', DaletDagesh, 0}, {'T', TsadiGeresh, 0},
    {'U', VavDagesh, 0}, {'V', HeMappiq, 0}, {'W', ShinShinDotDagesh, 0}, {'X', SamekhDagesh, 0},
    {'Y', TetDagesh, 0}, {'Z', ZayinDagesh, 0}, {'\'', Shva, Tsere}, {'"', Tsere, 0},
    {',', Tav, TavDagesh}, {'<', TavDagesh, 0}, {'.', FinalTsadi, FinalTsadiGeresh},
    {'>', FinalTsadiGeresh, 0}, {';', FinalPe, Dagesh}, {':', Dagesh, 0}, {'-', Patah, HatafPatah},
    {'_', HatafPatah, 0}, {'=', Meteg, FinalKafDageshShva}, {'+', FinalKafDageshShva, 0},
    {'/', Hiriq, Holam}, {'?', Holam, 0}, {'`', Segol, HatafSegol}, {'~', HatafSegol, 0},
    {'[', FinalKafShva, FinalKafQamats}, {'{', FinalKafQamats, 0}, {']', Qamats, HatafQamats},
    {'}', HatafQamats, 0}, {'\\', Qubuts, FinalKafDageshQamats}, {'|', FinalKafDageshQamats, 0},
};
// clang-format on

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
  EXPECT_EQ(Yod, MapKeyToHebrew(Yod, FALSE));
  EXPECT_EQ(ExplicitNoVowel, MapKeyToHebrew(ExplicitNoVowel, FALSE));
  EXPECT_EQ(0, MapKeyToHebrew(Maqaf, FALSE));
  EXPECT_EQ(Holam, MapKeyToHebrew('?', FALSE));
  EXPECT_EQ(Holam, MapKeyToHebrew('?', TRUE));
  EXPECT_EQ(Hiriq, MapKeyToHebrew('/', FALSE));
  EXPECT_EQ(Holam, MapKeyToHebrew('/', TRUE));
  EXPECT_EQ(0, MapKeyToHebrew('\n', FALSE));
  EXPECT_EQ(0, MapKeyToHebrew(127, TRUE));
  EXPECT_EQ('!', MapKeyToHebrew('!', FALSE));
  EXPECT_EQ(Tsere, MapKeyToHebrew('"', FALSE));
  EXPECT_EQ(0, MapKeyToHebrew(OldQofDagesh, FALSE));
}

TEST(TranslateOemKey, GivesTheUsPunctuationWhileCtrlIsHeld) {
  struct Row {
    UINT key;
    char unshifted, shifted;
  } rows[] = {
      {186, ';', ':'},  {187, '=', '+'}, {188, ',', '<'},  {189, '-', '_'},
      {190, '.', '>'},  {191, '/', '?'}, {192, '`', '~'},  {219, '[', '{'},
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
