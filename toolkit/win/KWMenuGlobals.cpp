#include "toolkit/win/KWMenuGlobals.h"

DWORD g_dwKWMenuOrigin = 0;
CRect g_rectKWDropButton;
BYTE g_bKWPopupTracking = 0;
