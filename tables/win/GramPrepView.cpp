#include "tables/win/GramPrepView.h"

#include "resources/PrepositionTableIds.h"

IMPLEMENT_DYNCREATE(CGramPrepView, CGramDeclineView)

CGramPrepView::CGramPrepView() : CGramDeclineView(IDD_GRAM_PREPOSITION) {}
