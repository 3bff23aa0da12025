// Resource ids of the language reference's keyboard guide and key map.
#pragma once

#define IDD_KEYBOARD_GUIDE 102
#define IDD_KEY_MAP 111
#define IDD_KEY_MAP_VIEW 1565
