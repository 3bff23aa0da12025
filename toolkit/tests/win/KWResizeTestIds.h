// Resource ids of the resizable dialog, sheet and window list tests.
#pragma once

#define IDD_KWTEST_RESIZE 7800
#define IDD_KWTEST_FIXED 7801
#define IDD_KWTEST_PAGE_ONE 7802
#define IDD_KWTEST_PAGE_TWO 7803
#define IDC_KWTEST_LIST 7810
#define IDC_KWTEST_EDIT 7811
#define IDC_KWTEST_GROUP 7812
#define IDC_KWTEST_CENTRED 7813
#define IDC_KWTEST_MISSING 7819

// The window list tests' MDI frame and its children.
#define IDR_KWTEST_MDI_MAIN 7820
#define IDR_KWTEST_MDI_CHILD 7821
#define ID_KWTEST_MDI_NOTHING 7822
