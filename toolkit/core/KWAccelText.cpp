#include "toolkit/core/KWAccelText.h"

namespace {

// Keys whose names run with their codes: the digits, the letters, the
// function keys and the number pad.
struct KeyRange {
  unsigned first;
  unsigned last;
  const char* prefix;  // before the key's number; nullptr: the key's own character
  int firstNumber;
};
constexpr unsigned kVkF1 = 0x70;
constexpr unsigned kVkF12 = 0x7B;
constexpr unsigned kVkNumpad0 = 0x60;
constexpr unsigned kVkNumpad9 = 0x69;
constexpr KeyRange kKeyRanges[] = {
    {'0', '9', nullptr, 0},
    {'A', 'Z', nullptr, 0},
    {kVkF1, kVkF12, "F", 1},
    {kVkNumpad0, kVkNumpad9, "NUMPAD", 0},
};

struct NamedKey {
  unsigned key;
  const char* name;
};
constexpr NamedKey kNamedKeys[] = {
    {0x01, "LEFTBUTTON"}, {0x02, "RIGHTBUTTON"}, {0x03, "CANCEL"},   {0x04, "MIDDLEBUTTON"},
    {0x08, "BACK"},       {0x09, "TAB"},         {0x0C, "CLEAR"},    {0x0D, "RETURN"},
    {0x10, "SHIFT"},      {0x11, "CONTROL"},     {0x12, "MENU"},     {0x13, "PAUSE"},
    {0x14, "CAPITAL"},    {0x1B, "ESCAPE"},      {0x20, "SPACE"},    {0x21, "PREVIOUS"},
    {0x22, "NEXT"},       {0x23, "END"},         {0x24, "HOME"},     {0x25, "LEFT"},
    {0x26, "UP"},         {0x27, "RIGHT"},       {0x28, "DOWN"},     {0x29, "SELECT"},
    {0x2A, "PRINT"},      {0x2B, "EXECUTE"},     {0x2C, "SNAPSHOT"}, {0x2D, "INSERT"},
    {0x2E, "DELETE"},     {0x2F, "HELP"},        {0x5B, "LWIN"},     {0x5C, "RWIN"},
    {0x5D, "APPS"},       {0x6A, "MULTIPLY"},    {0x6B, "ADD"},      {0x6C, "SEPARATOR"},
    {0x6D, "SUBTRACT"},   {0x6E, "DECIMAL"},     {0x6F, "DIVIDE"},   {0x90, "NUMLOCK"},
    {0x91, "SCROLL"},     {0xF6, "ATTN"},        {0xF7, "CRSEL"},    {0xF8, "EXSEL"},
    {0xF9, "EREOF"},      {0xFA, "PLAY"},        {0xFB, "ZOOM"},     {0xFC, "NONAME"},
    {0xFD, "PA1"},        {0xFE, "OEM_CLEAR"},
};

constexpr NamedKey kModifiers[] = {
    {kKWAccelShift, "Shift"},
    {kKWAccelCtrl, "Ctrl"},
    {kKWAccelAlt, "Alt"},
};

constexpr char kShortcutSeparator[] = ", ";
constexpr char kModifierJoin = '+';
constexpr char kMenuTab = '\t';
constexpr char kShortcutListComma = ',';

}  // namespace

CString KWKeyName(unsigned key) {
  CString name;
  for (const KeyRange& range : kKeyRanges) {
    if (key < range.first || key > range.last) continue;
    if (range.prefix == nullptr)
      name = static_cast<char>(key);
    else
      name.Format("%s%d", range.prefix, static_cast<int>(key - range.first) + range.firstNumber);
    return name;
  }
  for (const NamedKey& named : kNamedKeys)
    if (named.key == key) name = named.name;
  return name;
}

CString KWFormatAccelKey(unsigned flags, unsigned key) {
  CString text;
  if (key == 0) return text;
  for (const NamedKey& modifier : kModifiers) {
    if ((flags & modifier.key) == 0) continue;
    text += modifier.name;
    text += kModifierJoin;
  }
  text += KWKeyName(key);
  return text;
}

void KWAppendAccelText(const KWAccelEntry* pEntries, int nCount, unsigned command,
                       CString& text) {
  for (int i = 0; i < nCount; ++i) {
    if (pEntries[i].command != command) continue;
    if (!text.IsEmpty()) text += kShortcutSeparator;
    text += KWFormatAccelKey(pEntries[i].flags, pEntries[i].key);
  }
}

bool KWMenuTextWithShortcut(CString& itemText, const CString& shortcuts) {
  bool changed = false;
  const int nTab = itemText.Find(kMenuTab);
  if (nTab >= 0) {
    itemText = itemText.Left(nTab);
    changed = true;
  }
  if (!shortcuts.IsEmpty()) {
    const int nComma = shortcuts.Find(kShortcutListComma);
    itemText += kMenuTab;
    itemText += nComma >= 0 ? shortcuts.Left(nComma) : shortcuts;
    changed = true;
  }
  return changed;
}
