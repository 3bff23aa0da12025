#include "hebtext/core/KeyMapping.h"

#include "hebtext/core/HebChar.h"

namespace {
using namespace HebCode;

struct KeyCode {
  char key;
  BYTE code;
  BYTE capsLockCode;  // 0: as without Caps Lock
};

// clang-format off
constexpr KeyCode kKeyCodes[] = {
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

const KeyCode* FindKeyCode(int ch) {
  for (const KeyCode& key : kKeyCodes) {
    if (static_cast<BYTE>(key.key) == ch) return &key;
  }
  return nullptr;
}

// ASCII that is typed as it is: digits aside, these punctuation marks.
bool IsPassThroughPunct(int ch) {
  switch (ch) {
    case '!': case '#': case '$': case '%': case '&':
    case '(': case ')': case '*': case '^': case '@':
      return true;
    default:
      return false;
  }
}
// clang-format on

struct OemKey {
  BYTE virtualKey;
  char unshifted;
  char shifted;
};

constexpr OemKey kOemKeys[] = {
    {186, ';', ':'},  {187, '=', '+'}, {188, ',', '<'},  {189, '-', '_'},
    {190, '.', '>'},  {191, '/', '?'}, {192, '`', '~'},  {219, '[', '{'},
    {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'},
};

}  // namespace

int MapKeyToHebrew(int ch, BOOL capsLock) {
  ch &= 0xFF;
  if (ch == '\t' || ch == '\f' || ch == '\r' || ch == ' ') return ch;
  if (const KeyCode* key = FindKeyCode(ch)) {
    return capsLock && key->capsLockCode != 0 ? key->capsLockCode : key->code;
  }
  if (IsHebrewLetter(ch) || IsVowelCode(ch) || IsDageshOrMeteg(ch)) return ch;
  if (IsDigitCode(ch) || IsPassThroughPunct(ch)) return ch;
  return 0;
}

int TranslateOemKey(UINT virtualKey, const KeyModifiers& modifiers) {
  if (!modifiers.control) return 0;
  const bool shifted = !modifiers.shift != !modifiers.capsLock;
  for (const OemKey& key : kOemKeys) {
    if (key.virtualKey == virtualKey) return shifted ? key.shifted : key.unshifted;
  }
  return 0;
}
