// Resource ids of the document editor's view.
#pragma once

#define IDR_EDIT_CONTEXT_MENU 140  // the view's context menu: its first sub-menu

#define ID_INSERT_PAGE_BREAK 32786
#define ID_INPUT_HEBREW 32787
#define ID_INPUT_ENGLISH 32788
#define ID_EDIT_SELECT_ALL_TEXT 32778
#define ID_REFRESH_TEXT 32802
