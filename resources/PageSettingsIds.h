// Resource ids of the page settings sheet: its caption, its three pages and
// their controls, and the controls the sheet adds below them.
#pragma once

#define IDS_PAGE_SETTINGS 123

#define IDD_PAGE_SETTINGS_MARGINS 104
#define IDD_PAGE_SETTINGS_PAPER 1570
#define IDD_PAGE_SETTINGS_TABS 1571

// Paper Size page.
#define IDC_PAPER_LIST 1101
#define IDC_PAPER_LENGTH 1112
#define IDC_PAPER_WIDTH 1115
#define IDC_PAPER_WIDTH_SPIN 1118
#define IDC_PAPER_LENGTH_SPIN 1122
#define IDC_LANDSCAPE_PICTURE 1128
#define IDC_PORTRAIT_PICTURE 1131
#define IDC_PORTRAIT 1296
#define IDC_LANDSCAPE 1299

// Margins page.
#define IDC_MARGIN_LEFT_SPIN 1051
#define IDC_MARGIN_RIGHT_SPIN 1053
#define IDC_MARGIN_TOP_SPIN 1055
#define IDC_MARGIN_BOTTOM_SPIN 1057
#define IDC_MARGIN_LEFT 1261
#define IDC_MARGIN_TOP 1264
#define IDC_MARGIN_RIGHT 1267
#define IDC_MARGIN_BOTTOM 1270

// Tabs page.
#define IDC_TAB_INTERVAL 1019
#define IDC_TAB_STOP 1020
#define IDC_TAB_INTERVAL_SPIN 1021
#define IDC_TAB_LIST 1022
#define IDC_TAB_SET 1023
#define IDC_TAB_CLEAR 1024
#define IDC_TAB_CLEAR_ALL 1026
#define IDC_TAB_STOP_SPIN 1029

// Made by the sheet at run time.
#define IDC_SHEET_SAVE 7
#define IDC_SHEET_PREVIEW 32
#define IDC_SCOPE_PAGE 1059
#define IDC_SCOPE_REST 1061
#define IDC_SCOPE_ALL 1064
#define IDC_BOTH_SIDES 1550
#define IDC_SAVE_NOTE 1551
