// Resource ids of the MDI window list dialog.
#pragma once

#define IDD_KW_WINDOW_LIST 4516
// The application's icon, shown as the dialog's small icon.
#define IDR_KW_APP_ICON 4508
#define IDC_KW_WINDOW_LIST 5553
#define IDC_KW_WINDOW_CASCADE 5554
#define IDC_KW_WINDOW_MINIMIZE 5555
#define IDC_KW_WINDOW_CLOSE 5556
#define IDC_KW_WINDOW_SAVE 5557
#define IDC_KW_WINDOW_TILE_HORZ 5558
#define IDC_KW_WINDOW_TILE_VERT 5559
#define IDC_KW_WINDOW_ACTIVATE 5560
