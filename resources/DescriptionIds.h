// Resource ids of the letter and vowel descriptions dialog and its menu.
#pragma once

#define IDD_LETTER_DESCRIPTION 115
#define IDR_LETTER_DESCRIPTION_MENU 145

#define IDC_DESCRIPTION_SPELLING 33  // examples pointed or in full spelling
#define IDC_DESCRIPTION_TEXT 1221
#define IDC_DESCRIPTION_EXAMPLE1 1247  // examples 1 to 6 are 1247 to 1252
#define IDC_DESCRIPTION_EXAMPLE4 1250
#define IDC_DESCRIPTION_EXAMPLE6 1252
