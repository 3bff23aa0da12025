// Resource ids of the application shell.
#pragma once

#define IDR_MAINFRAME 118  // main frame: icon, menu, accelerators, title
#define IDR_ZULTATYPE 119  // editor documents
