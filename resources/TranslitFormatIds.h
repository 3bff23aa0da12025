// Resource ids of the Transliteration Document Format dialog; the font
// combos, the colour fields, bars, swatch and palette are the font and colour
// dialogs' own (FontDialogIds.h, ColorDialogIds.h).
#pragma once

#define IDD_TRANSLIT_FORMAT 1559

#define IDC_TRANSLIT_STRESSED 1400
#define IDC_TRANSLIT_UNSTRESSED 1402
#define IDC_TRANSLIT_HYPHENS 1404
#define IDC_TRANSLIT_CAPITAL_WORDS 1406
#define IDC_TRANSLIT_CAPITAL_LINES 1408
#define IDC_TRANSLIT_TARGET_BACK 1409
#define IDC_TRANSLIT_TARGET_TEXT 1413
#define IDC_TRANSLIT_TARGET_WINDOW 1416
#define IDC_TRANSLIT_NO_COLOR 1419
#define IDC_TRANSLIT_UPPER_CASE 1421
#define IDC_TRANSLIT_KEEP_NUMBERS 1422
#define IDC_TRANSLIT_SPACING 1424
#define IDC_TRANSLIT_SAMPLE 1390
