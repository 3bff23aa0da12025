// Resource ids of the docking windows: the caption buttons' commands, which
// are also their tooltip strings, and the profile value of their sizes.
#pragma once

#define ID_KW_HIDE_DOCKED 5511
#define ID_KW_EXPAND_DOCKED 5512
#define IDS_KW_CONTRACT_DOCKED 4545
#define IDS_KW_BAR_POSITION 4537
