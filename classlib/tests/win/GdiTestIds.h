// Resource ids of the drawing and menu tests' resources.
#pragma once

#define IDB_GDITEST_SQUARES 2001
#define IDR_GDITEST_MENU 2002
#define ID_GDITEST_OPEN 2101
#define ID_GDITEST_SAVE 2102
#define ID_GDITEST_EXIT 2103
#define ID_GDITEST_ABOUT 2104
