// Resource ids of the grammar view tests' own form.
#pragma once

#define IDD_TEST_GRAMMAR_FORM 3901
#define IDC_TEST_ENTRY_EDIT 1006
#define IDC_TEST_ENTRY_LIST 1008
#define IDC_TEST_NEAR_BUTTON 1010
#define IDC_TEST_FAR_BUTTON 1011
