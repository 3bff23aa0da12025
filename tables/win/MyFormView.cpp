#include "tables/win/MyFormView.h"

#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNAMIC(CMyFormView, CView)

BEGIN_MESSAGE_MAP(CMyFormView, CView)
  ON_MESSAGE(WM_GRAM_GETTABLESHOWN, OnGetTableShown)
  ON_MESSAGE(WM_GRAM_GETMAXALTERNATE, OnGetMaxAlternate)
  ON_MESSAGE(WM_GRAM_GETSELECTEDCELL, OnGetSelectedCell)
END_MESSAGE_MAP()

namespace {
constexpr LRESULT kNone = -1;
}  // namespace

void CMyFormView::OnDraw(CDC*) {}

LRESULT CMyFormView::OnGetTableShown(WPARAM, LPARAM) { return 0; }

LRESULT CMyFormView::OnGetMaxAlternate(WPARAM, LPARAM) { return kNone; }

LRESULT CMyFormView::OnGetSelectedCell(WPARAM, LPARAM) { return kNone; }
