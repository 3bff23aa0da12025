#include "hebtext/core/KeyMapping.h"

#include "hebtext/core/HebChar.h"

namespace {

struct KeyCode {
  char key;
  BYTE code;
  BYTE capsLockCode;  // 0: as without Caps Lock
};

constexpr KeyCode kKeyCodes[] = {
    {'a', 249, 0}, {'b', 240, 0}, {'c', 225, 0}, {'d', 226, 0}, {'e', 247, 0},
    {'f', 235, 0}, {'g', 242, 0}, {'h', 233, 0}, {'i', 239, 0}, {'j', 231, 0},
    {'k', 236, 0}, {'l', 234, 0}, {'m', 246, 0}, {'n', 238, 0}, {'o', 237, 0},
    {'p', 244, 0}, {'q', 210, 0}, {'r', 248, 0}, {'s', 227, 0}, {'t', 224, 0},
    {'u', 229, 0}, {'v', 228, 0}, {'w', 209, 0}, {'x', 241, 0}, {'y', 232, 0},
    {'z', 230, 0},
    {'A', 185, 0}, {'B', 176, 0}, {'C', 161, 0}, {'D', 162, 0}, {'E', 184, 0},
    {'F', 171, 0}, {'G', 220, 0}, {'H', 169, 0}, {'I', 202, 0}, {'J', 221, 0},
    {'K', 172, 0}, {'L', 170, 0}, {'M', 182, 0}, {'N', 174, 0}, {'O', 206, 0},
    {'P', 180, 0}, {'Q', 211, 0}, {'R', 128, 0}, {'S', 163, 0}, {'T', 223, 0},
    {'U', 165, 0}, {'V', 164, 0}, {'W', 208, 0}, {'X', 177, 0}, {'Y', 168, 0},
    {'Z', 166, 0},
    {'\'', 192, 197}, {'"', 197, 0},  {',', 250, 186}, {'<', 186, 0},
    {'.', 245, 222},  {'>', 222, 0},  {';', 243, 204}, {':', 204, 0},
    {'-', 199, 194},  {'_', 194, 0},  {'=', 205, 187}, {'+', 187, 0},
    {'/', 196, 201},  {'?', 201, 0},  {'`', 198, 193}, {'~', 193, 0},
    {'[', 251, 252},  {'{', 252, 0},  {']', 200, 195}, {'}', 195, 0},
    {'\\', 203, 188}, {'|', 188, 0},
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

struct OemKey {
  BYTE virtualKey;
  char unshifted;
  char shifted;
};

constexpr OemKey kOemKeys[] = {
    {186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'},  {189, '-', '_'},
    {190, '.', '>'}, {191, '/', '?'}, {192, '`', '~'},  {219, '[', '{'},
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
