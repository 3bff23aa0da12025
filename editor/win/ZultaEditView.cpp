#include "editor/win/ZultaEditView.h"

#include "editor/win/ZultaEditDoc.h"

IMPLEMENT_DYNCREATE(CZultaEditView, CView)

CZultaEditDoc* CZultaEditView::GetDocument() const {
  return static_cast<CZultaEditDoc*>(CView::GetDocument());
}

void CZultaEditView::OnDraw(CDC*) {}
