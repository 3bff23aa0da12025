// Resource ids of the floating frame: its caption buttons' tips and the
// caption of a bar without a name.
#pragma once

#define IDS_KW_FLOAT_CLOSE 4585
#define IDS_KW_TOOLBAR_OPTIONS 4663
#define IDS_KW_TOOLBAR_CAPTION 4558
