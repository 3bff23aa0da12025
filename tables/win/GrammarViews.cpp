#include "tables/win/GrammarViews.h"

#include "classlib/win/MessageMap.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNAMIC(CGramPlaceholderView, CView)
IMPLEMENT_DYNCREATE(CGramPrepView, CGramPlaceholderView)
IMPLEMENT_DYNCREATE(CGramKinuiView, CGramPlaceholderView)

BEGIN_MESSAGE_MAP(CGramPlaceholderView, CView)
  ON_MESSAGE(WM_GRAM_GETTABLESHOWN, OnGetTableShown)
  ON_MESSAGE(WM_GRAM_GETMAXALTERNATE, OnGetMaxAlternate)
  ON_MESSAGE(WM_GRAM_GETSELECTEDCELL, OnGetSelectedCell)
END_MESSAGE_MAP()

namespace {
constexpr LRESULT kNone = -1;
}  // namespace

void CGramPlaceholderView::OnDraw(CDC*) {}

LRESULT CGramPlaceholderView::OnGetTableShown(WPARAM, LPARAM) { return 0; }

LRESULT CGramPlaceholderView::OnGetMaxAlternate(WPARAM, LPARAM) { return kNone; }

LRESULT CGramPlaceholderView::OnGetSelectedCell(WPARAM, LPARAM) { return kNone; }
