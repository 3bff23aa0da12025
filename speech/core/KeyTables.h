// The keys of the keyboard guide and of the letter and vowel chart (the key
// map): the static key tables the key records are built from, with their
// focus chains, and the mappings between typed characters, key controls
// and the program's Hebrew codes.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

// Key flags.
constexpr WORD kKeyCharacter = 0x01;  // drawn with its Hebrew character
constexpr WORD kKeyFunction = 0x02;   // drawn as a button with its caption
constexpr WORD kKeyUnframedCaption = 0x04;
constexpr WORD kKeyFramedCaption = 0x10;
constexpr WORD kKeyOfChart = 0x20;       // without kKeyCharacter, a caption
constexpr WORD kKeyEnglishLabel = 0x40;  // its character comes from the typed-key mapping

constexpr WORD kNoNextKey = 65535;

struct KeyTableEntry {
  WORD control;
  WORD flags;
  WORD next;       // the focus chain: Tab
  WORD previous;   // Shift+Tab
  BYTE character;  // the key's unshifted character; 0 none
};

// The keyboard guide's 61 keys, in row order, "&Help" last.
const std::vector<KeyTableEntry>& KeyboardKeyTable();
// The chart's 47 characters, 8 captions and its two buttons.
const std::vector<KeyTableEntry>& ChartKeyTable();

// The keyboard guide's control of a typed character (either of a key's two
// characters; backspace, tab, carriage return and blank give their keys);
// 0 for none.
int KeyControlForChar(int ch);
// The character of a keyboard guide control in the shown layer; 0 for a key
// without one.
int CharForKeyControl(int control, bool shifted);

// The Hebrew code a chart control stands for (qamats typed with Shift is
// qamats qatan); 0 for a caption or a control of no chart.
int ChartCodeForControl(int control, bool shifted);
// The chart control that shows the code (a letter with dagesh by its plain
// letter, every final kaf form by final kaf); 0 for none.
int ChartControlForCode(int code);
// The chart control of the character a typed key gives, for showing it
// pressed: the inverse of the program's key mapping; 0 for none.
int ChartControlForTypedChar(int ch);

// The English key that types the Hebrew code with Caps Lock off; 0 when no
// key gives it.
int EnglishKeyForHebrewCode(int code);
