// Resource ids of the Transliteration Phoneme Set dialog.
#pragma once

#define IDD_PHONEME_SET 117

#define IDC_PHONEME_FONT_CHANGE 1788
#define IDC_PHONEME_FONT_RESET 1789
#define IDC_PHONEME_SET_COMBO 1791
#define IDC_PHONEME_SET_NEW 1792
#define IDC_PHONEME_SET_DELETE 1793
#define IDC_PHONEME_SET_RESET 1795
#define IDC_PHONEME_FONT_TEXT 1800
// The edit box of slot n (1-38) is IDC_PHONEME_SLOT_EDIT + n - 1, its label
// IDC_PHONEME_SLOT_LABEL + n - 1.
#define IDC_PHONEME_SLOT_EDIT 1801
#define IDC_PHONEME_SLOT_LABEL 1841
