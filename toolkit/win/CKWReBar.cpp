#include "toolkit/win/CKWReBar.h"

IMPLEMENT_DYNAMIC(CKWReBar, CKWControlBar)
