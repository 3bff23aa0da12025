// Resource ids of the toolkit frame tests: the main and child frames' menus,
// the accelerators whose shortcuts the menus show, and the frames' icon.
#pragma once

#define IDR_KWFRAMETEST_MAIN 260
#define IDR_KWFRAMETEST_CHILD 261
#define IDI_KWFRAMETEST 262
#define IDI_KWFRAMETEST_IMAGE 263
#define ID_KWFRAMETEST_OPEN 40300
#define ID_KWFRAMETEST_SAVE 40301
#define ID_KWFRAMETEST_CLOSE 40302
#define ID_KWFRAMETEST_FIND 40303
#define ID_KWFRAMETEST_ERASE 40304
#define ID_KWFRAMETEST_DRAWN 40305
