// Resource ids of the toolkit frame tests: the main and child frames' menus
// and the accelerators whose shortcuts the menus show.
#pragma once

#define IDR_KWFRAMETEST_MAIN 260
#define IDR_KWFRAMETEST_CHILD 261
#define ID_KWFRAMETEST_OPEN 40300
#define ID_KWFRAMETEST_SAVE 40301
#define ID_KWFRAMETEST_CLOSE 40302
#define ID_KWFRAMETEST_FIND 40303
#define ID_KWFRAMETEST_ERASE 40304
#define ID_KWFRAMETEST_DRAWN 40305
