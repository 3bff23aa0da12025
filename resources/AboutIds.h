// Resource ids of the About box, which is also the start-up splash.
#pragma once

#define IDD_ABOUTBOX 1558
#define IDB_ABOUT_PICTURE 141
#define IDC_ABOUT_PICTURE 1000
