// Resource ids of the grammar engine and the dictionary.
#pragma once

// The database build at start-up and the developer's order check.
#define IDD_DATABASE_BUILD 116
#define IDD_DATABASE_ORDER_CHECK 1556
#define IDC_DATABASE_START 34  // "Start", "Stop" while the check runs
#define IDC_DATABASE_PROGRESS_LINE 1345
#define IDC_DATABASE_ELAPSED_TIME 1350

// The questions and messages of the start-up build.
#define IDS_DEFINITIONS_BUILD_QUESTION 61223
#define IDS_DEFINITIONS_NOT_BUILT 61224
#define IDS_DATABASE_FILES_MISSING 61225
#define IDS_DATABASE_NOT_INSTALLED 61226
#define IDS_HEBREW_BUILD_QUESTION 61227
#define IDS_HEBREW_NOT_BUILT 61228
#define IDS_BOTH_BUILD_QUESTION 61229
#define IDS_BOTH_NOT_BUILT 61230
#define IDS_DISK_SPACE_NEEDED 61231
#define IDS_DISK_SPACE_LOW 61232
#define IDS_DATABASE_BUILD_NEEDED 61233
