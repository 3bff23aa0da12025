// Resource ids of the Hebrew text library's shared dialogs.
#pragma once

#define IDD_PROMPT 144    // one line of text under a prompt
#define IDD_PROGRESS 146  // progress of a long operation
#define IDD_PASTE_SPECIAL 134
#define IDD_COPY_SPECIAL 1566

#define IDC_PROMPT_ANSWER 1153
#define IDC_PROMPT_TEXT 1786
#define IDC_PROGRESS_BAR 1799
#define IDC_PROGRESS_CAPTION 1802
#define IDC_PROGRESS_COUNT 1803

// The Hebrew edit control's context menus and their commands.
#define IDR_HEBEDIT_MENU 103         // dialogs and views
#define IDR_HEBEDIT_LOOKUP_MENU 110  // the lookup toolbar's edit
#define ID_HEBEDIT_SELECT_ALL 32778
#define ID_HEBEDIT_COPY_SPECIAL 32809
#define ID_HEBEDIT_REMOVE_VOWELS 32874
#define ID_HEBEDIT_PASTE_SPECIAL 57639

// Copy Special and Paste Special.
#define IDC_FILTER_NONE 1610
#define IDC_FILTER_STANDARD 1611
#define IDC_FILTER_ENGLISH_LAYOUT 1612
#define IDC_FILTER_UTF8 1613
#define IDC_FILTER_WIDE_CHAR 1614
#define IDC_VAV_ORDER_LABEL 1804
#define IDC_VAV_THEN_HOLAM 1805
#define IDC_HOLAM_THEN_VAV 1806
#define IDC_DIRECTION_FORWARD 1075
#define IDC_DIRECTION_REVERSE 1077
#define IDC_FORMAT_PLAIN 1413
#define IDC_FORMAT_RTF 1072
#define IDC_HELP_BUTTON 5
