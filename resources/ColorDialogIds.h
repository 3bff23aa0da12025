// Resource ids of the editor's colour, column and spacing dialogs.
#pragma once

#define IDD_CHANGE_COLORS 121
#define IDD_EXTRA_WORD_SPACING 136
#define IDD_EXTRA_LINE_SPACING 1568
#define IDD_COLUMNS 1572

// Change Colors.
#define IDC_COLOR_RED 706
#define IDC_COLOR_GREEN 707
#define IDC_COLOR_BLUE 708
#define IDC_COLOR_BAR_OFFSET 837  // each bar's id is its field's plus this
#define IDC_COLOR_RED_BAR 1543
#define IDC_COLOR_GREEN_BAR 1544
#define IDC_COLOR_BLUE_BAR 1545
#define IDC_COLOR_TARGET_TEXT 1221
#define IDC_COLOR_TARGET_BACK 1226
#define IDC_COLOR_SWATCH 1542
#define IDC_COLOR_SAMPLE 1441
#define IDC_COLOR_DEFAULT_LABEL 1740
#define IDC_COLOR_SAVE_DEFAULT 1028
#define IDC_PALETTE_FIRST 1494
#define IDC_PALETTE_LAST 1541
#define IDS_PALETTE_FIRST 835  // button IDC_PALETTE_FIRST + k: string IDS_PALETTE_FIRST + k

// Columns and the two spacing dialogs.
#define IDC_COLUMNS_NONE 1137
#define IDC_COLUMNS_2 1141
#define IDC_COLUMNS_3 1145
#define IDC_COLUMNS_4 1152
#define IDC_SPACING_VALUE 1084  // the gutter in Columns
#define IDC_SPACING_SPIN 1098
