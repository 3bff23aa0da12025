#include "classlib/tests/docview/CardDocument.h"

#include "classlib/core/CArchive.h"
#include "classlib/tests/docview/DocViewTestIds.h"
#include "classlib/win/CDataExchange.h"

IMPLEMENT_DYNCREATE(CCardDoc, CDocument)

void CCardDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    ar << m_strName << m_strPlace;
  else
    ar >> m_strName >> m_strPlace;
}

void CCardDoc::DeleteContents() {
  m_strName.Empty();
  m_strPlace.Empty();
  CDocument::DeleteContents();
}

IMPLEMENT_DYNCREATE(CCardView, CFormView)

CCardView::CCardView() : CFormView(IDD_DVT_CARD) {}

void CCardView::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_DVT_CARD_NAME, GetDocument()->m_strName);
  DDX_Text(pDX, IDC_DVT_CARD_PLACE, GetDocument()->m_strPlace);
}
