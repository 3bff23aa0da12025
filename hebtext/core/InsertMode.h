// Insert or overwrite for all Hebrew typing, shared by every edit control
// and the document editor; the main frame's overwrite indicator toggles it.
#pragma once

// Non-zero: insert; 0: overwrite. 1 when the program starts.
extern int g_insertMode;
