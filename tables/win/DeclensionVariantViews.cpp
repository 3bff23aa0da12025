#include "tables/win/DeclensionVariantViews.h"

#include "resources/DeclensionTableIds.h"

IMPLEMENT_DYNCREATE(CGramNounView, CGramDeclineView)
IMPLEMENT_DYNCREATE(CGramAdjView, CGramDeclineView)
IMPLEMENT_DYNCREATE(CGramGeneralView, CGramDeclineView)

CGramNounView::CGramNounView() : CGramDeclineView(IDD_GRAM_NOUN) {}

CGramAdjView::CGramAdjView() : CGramDeclineView(IDD_GRAM_ADJECTIVE) {}

CGramGeneralView::CGramGeneralView() : CGramDeclineView(IDD_GRAM_VOCABULARY) {}
