// Resource ids of the MDI frame and status bar tests' resources.
#pragma once

#define IDR_FRAMETEST_MAIN 3201
#define IDR_FRAMETEST_CHILD 3202
#define ID_FRAMETEST_MAIN_ONLY 3203
#define ID_FRAMETEST_CHILD_KEY 3204
#define ID_FRAMETEST_PAGE 3205

// Commands the routing test's targets take: the target at routing depth n
// (0 the view, 1 the child frame, 2 the main frame, 3 the application)
// handles ID_FRAMETEST_ROUTE_FIRST to ID_FRAMETEST_ROUTE_FIRST + n.
#define ID_FRAMETEST_ROUTE_FIRST 3210
#define ID_FRAMETEST_ROUTE_VIEW 3210
#define ID_FRAMETEST_ROUTE_CHILD_FRAME 3211
#define ID_FRAMETEST_ROUTE_MAIN_FRAME 3212
#define ID_FRAMETEST_ROUTE_APPLICATION 3213
