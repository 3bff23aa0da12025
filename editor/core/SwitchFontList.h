// The Switch Font command's texts: the entries of the document's used-font
// list ("face\tsize\tstyle"), the menu text naming the one other font, and
// the list's column widths as the profile keeps them.
#pragma once

#include "classlib/core/CString.h"
#include "editor/core/FontChoice.h"

// The list's columns: name, size and style.
constexpr int kSwitchFontColumns = 3;
// Widths the profile may give a column; any other restores the defaults.
constexpr int kMinSwitchFontColumnWidth = 1;
constexpr int kMaxSwitchFontColumnWidth = 499;

struct SwitchFontColumnWidths {
  int widths[kSwitchFontColumns] = {162, 32, 120};
};

// The entry's three columns; a missing column is empty.
void SplitSwitchFontEntry(LPCSTR entry, CString columns[kSwitchFontColumns]);
// The font an entry's columns describe: the size with its blanks trimmed,
// the style bits of a style name (Regular for no name).
FontChoice ReadSwitchFontEntry(const CString columns[kSwitchFontColumns]);

// The Switch Font menu item: naming the font when it is the only other one
// (null when there are more).
CString SwitchFontMenuText(LPCSTR onlyEntry);

// Reads the widths in order over those given, stopping at the end of the
// text; a width out of bounds gives all three defaults.
void ParseSwitchFontColumnWidths(LPCSTR text, SwitchFontColumnWidths& widths);
// "w|w|w|", as the profile keeps them.
CString FormatSwitchFontColumnWidths(const SwitchFontColumnWidths& widths);
// The widths in section "Preferences" of the preference store, read over
// those given; left alone without a store.
void LoadSwitchFontColumnWidths(SwitchFontColumnWidths& widths);
void SaveSwitchFontColumnWidths(const SwitchFontColumnWidths& widths);
