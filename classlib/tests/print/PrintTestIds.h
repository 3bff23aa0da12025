// Resource ids of the printing test application.
#pragma once

#define IDD_TEST_DIALOGBAR 100
#define IDC_TEST_BAR_LABEL 101
#define ID_TEST_DIALOGBAR 0xE810
