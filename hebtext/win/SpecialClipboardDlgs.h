// What Copy Special and Paste Special share: the vav-order controls and the
// choices they keep in the profile.
#pragma once

#include "classlib/core/WinTypes.h"

class CDialog;

// Enables or disables the vav-order label and its two radios together.
void EnableVavOrderControls(CDialog* pDialog, BOOL enable);
// The vav-order radios show the program's Hebrew codes in its Hebrew font.
void SetVavOrderFonts(CDialog* pDialog);

// The application's help on the dialog's topic.
void ShowSpecialHelp(UINT dialogId);

// An integer of section "Preferences", 0 when absent.
int LoadSpecialChoice(LPCSTR entry);
void SaveSpecialChoice(LPCSTR entry, int value);
