// What the Open and Save dialogs share for the whole run: the list's column
// widths, the header-click sort state and the font of the Hebrew titles.
#pragma once

#include "editor/core/FileListSort.h"

class CFontInfo;

struct ShellFileDlgState {
  int columnWidths[kFileColumnCount] = {};
  FileListSortState sort;
  CFontInfo* pTitleFont = nullptr;
};

inline ShellFileDlgState g_fileDialogState;
