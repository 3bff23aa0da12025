// Private messages of the program's Open and Save dialogs and their file list.
#pragma once

#include <windows.h>

// Open the file named in the dialog; lParam 1 when it comes from the list
// (a file row activated), 0 from Enter in the file-name box.
constexpr UINT WM_FILEDLG_OPENFILE = WM_USER + 301;
// Enter the folder selected in the list.
constexpr UINT WM_FILEDLG_OPENFOLDER = WM_USER + 302;
// The modeless Save dialog has ended: sent to the view it belongs to.
constexpr UINT WM_SAVEDLG_DONE = WM_USER + 303;
