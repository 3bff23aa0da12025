#include "tables/win/GrammarViews.h"

IMPLEMENT_DYNCREATE(CGramVerbView, CMyFormView)
IMPLEMENT_DYNCREATE(CGramPrepView, CMyFormView)
IMPLEMENT_DYNCREATE(CGramKinuiView, CMyFormView)
IMPLEMENT_DYNCREATE(CGramNumberView, CMyFormView)
