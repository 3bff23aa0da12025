// Resource ids of the window, message and command tests' resources.
#pragma once

#define IDR_WNDTEST_FRAME 3001
#define IDS_WNDTEST_MESSAGE 3002
#define IDS_WNDTEST_LONG 3003
#define ID_WNDTEST_ALPHA 3101
#define ID_WNDTEST_BETA 3102
