// Resource ids of the file dialogs' list: its context menu and commands.
#pragma once

#define IDR_FILE_LIST_MENU 139
#define ID_FILE_LIST_RENAME 32815
#define ID_FILE_LIST_DELETE 32817
