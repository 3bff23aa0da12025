// Resource ids of the control bar, toolbar and dialog bar tests.
#pragma once

// A toolbar of a red, a green and a blue button with its bitmap, and
// toolbars whose resources are bad.
#define IDR_TBTEST 3301
#define IDR_TBTEST_NO_BITMAP 3302
#define IDR_TBTEST_SHORT 3303
#define ID_TBTEST_RED 3311
#define ID_TBTEST_GREEN 3312
#define ID_TBTEST_BLUE 3313
#define ID_TBTEST_UNHANDLED 3314

// The dialog bar's template and its controls.
#define IDD_DLGBARTEST 3320
#define IDC_DLGBARTEST_GO 3321
#define IDC_DLGBARTEST_UNHANDLED 3322
