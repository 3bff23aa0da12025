#include "classlib/tests/docview/NoteDocument.h"

#include "classlib/core/CArchive.h"
#include "classlib/tests/docview/DocViewTestIds.h"
#include "classlib/tests/docview/RoutingLog.h"
#include "classlib/win/CDC.h"

// ---- The document.

IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)

BEGIN_MESSAGE_MAP(CNoteDoc, CDocument)
  ON_COMMAND_RANGE(ID_DVT_ROUTE_FIRST, ID_DVT_ROUTE_DOCUMENT, OnRoute)
END_MESSAGE_MAP()

void CNoteDoc::SetText(LPCSTR lpszText) {
  m_lines.RemoveAll();
  CString strText = lpszText;
  int nStart = 0;
  for (int nEnd; (nEnd = strText.Find('\n', nStart)) >= 0; nStart = nEnd + 1)
    m_lines.Add(strText.Mid(nStart, nEnd - nStart));
  m_lines.Add(strText.Mid(nStart));
  SetModifiedFlag();
  UpdateAllViews(nullptr);
}

CString CNoteDoc::GetText() const {
  CString strText;
  for (int i = 0; i < m_lines.GetSize(); ++i) {
    if (i > 0) strText += "\n";
    strText += m_lines[i];
  }
  return strText;
}

void CNoteDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteString(GetText());
    return;
  }
  CString strLine;
  while (ar.ReadString(strLine)) m_lines.Add(strLine);
}

void CNoteDoc::DeleteContents() {
  m_lines.RemoveAll();
  CDocument::DeleteContents();
}

void CNoteDoc::OnRoute(UINT nID) { RecordRoute("document", nID); }

// ---- The view.

IMPLEMENT_DYNCREATE(CNoteView, CScrollView)

BEGIN_MESSAGE_MAP(CNoteView, CScrollView)
  ON_COMMAND_RANGE(ID_DVT_ROUTE_FIRST, ID_DVT_ROUTE_VIEW, OnRoute)
END_MESSAGE_MAP()

void CNoteView::OnInitialUpdate() {
  ++m_nInitialUpdates;
  CScrollView::OnInitialUpdate();
}

void CNoteView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
  SizeToDocument();
  CScrollView::OnUpdate(pSender, lHint, pHint);
}

void CNoteView::SizeToDocument() {
  CSize sizeTotal(kPageWidth, kLineHeight * GetDocument()->GetLines().GetSize());
  SetScrollSizes(MM_TEXT, sizeTotal, CSize(kPageWidth / 2, 5 * kLineHeight),
                 CSize(10, kLineHeight));
}

void CNoteView::OnDraw(CDC* pDC) {
  // Each line at its place in the document: the DC's origin follows the scroll position.
  const CStringArray& lines = GetDocument()->GetLines();
  pDC->SetBkMode(TRANSPARENT);
  for (int i = 0; i < lines.GetSize(); ++i) pDC->TextOut(4, i * kLineHeight + 2, lines[i]);
}

void CNoteView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  if (bActivate) ++m_nActivations;
  CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CNoteView::OnRoute(UINT nID) { RecordRoute("view", nID); }
