// Resource ids of the toolkit tests' own bitmaps.
#pragma once

#define IDB_TEST_SYSCOLOR24 200
#define IDB_TEST_SYSCOLOR8 201
#define IDB_TEST_SYSCOLOR8_SHORT 202
#define IDB_TEST_SYSCOLOR4_V5 203

// The toolbar tests: a toolbar resource with its images, and the drop-down
// button's menu.
#define IDR_KWTEST_TOOLBAR 210
#define IDR_KWTEST_SHORT 211
#define IDR_KWTEST_DROPMENU 212
#define ID_KWTEST_RED 40001
#define ID_KWTEST_GREEN 40002
#define ID_KWTEST_BLUE 40003
#define ID_KWTEST_DROP 40004
#define ID_KWTEST_COMBO 40005
#define ID_KWTEST_MAGENTA 40006
#define ID_KWTEST_MENU_FIRST 40010
#define ID_KWTEST_MENU_SECOND 40011
#define ID_KWTEST_NO_BUTTON 40099
