// Shortcut texts: the readable form of an accelerator entry ("Shift+Ctrl+F5"),
// the shortcuts of one command listed together, and a menu item's text with
// its shortcut behind a tab.
#pragma once

#include "classlib/core/CString.h"

// The modifier bits of an accelerator entry's flags.
constexpr unsigned kKWAccelShift = 0x04;
constexpr unsigned kKWAccelCtrl = 0x08;
constexpr unsigned kKWAccelAlt = 0x10;

// One accelerator entry: flags, key code and the command it sends.
struct KWAccelEntry {
  unsigned flags;
  unsigned key;
  unsigned command;
};

// The key table's name of a key code; "" when the table has none.
CString KWKeyName(unsigned key);
// The modifiers with "+" behind each (Shift, then Ctrl, then Alt), then the
// key's name; empty for key 0.
CString KWFormatAccelKey(unsigned flags, unsigned key);
// Appends the key text of every entry of the command, in order, with ", "
// before each when the text is not empty.
void KWAppendAccelText(const KWAccelEntry* pEntries, int nCount, unsigned command,
                       CString& text);
// A menu item's text with the shortcut it showed cut off at its tab and the
// first of the command's shortcuts (shortcut texts are "A, B") behind a new
// tab; false when the text stays as it was.
bool KWMenuTextWithShortcut(CString& itemText, const CString& shortcuts);
