#include "speech/win/KeyboardGuideViews.h"

IMPLEMENT_DYNCREATE(CKeyboardView, CView)
IMPLEMENT_DYNCREATE(CKeyMapView, CView)

void CKeyboardView::OnDraw(CDC*) {}

void CKeyMapView::OnDraw(CDC*) {}
