#include "editor/win/MyPreviewView.h"

#include "classlib/win/CPreviewDC.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/ZultaEditView.h"

IMPLEMENT_DYNCREATE(CMyPreviewView, CPreviewView)

CMyPreviewView::~CMyPreviewView() {
  if (m_pEditView != nullptr) m_pEditView->SetPreviewView(nullptr);
}

BOOL CMyPreviewView::SetPrintView(CView* pPrintView) {
  // The editor view re-attaches the printer through this view from its
  // first page on.
  m_pEditView = static_cast<CZultaEditView*>(pPrintView);
  m_pEditView->SetPreviewView(this);
  return CPreviewView::SetPrintView(pPrintView);
}

void CMyPreviewView::ReattachPrinterDC() {
  m_dcPrint.Detach();
  m_dcPrint.Attach(m_pPreviewInfo->m_pPD->m_pd.hDC);
  m_pPreviewDC->SetAttribDC(m_dcPrint.m_hDC);
  m_sizePrinterPage = CSize(m_dcPrint.GetDeviceCaps(HORZRES), m_dcPrint.GetDeviceCaps(VERTRES));
  m_sizePrinterPPI =
      CSize(m_dcPrint.GetDeviceCaps(LOGPIXELSX), m_dcPrint.GetDeviceCaps(LOGPIXELSY));
}

void CMyPreviewView::PreparePagePrinter(UINT nIndex) {
  const UINT nPage = m_nCurrentPage + nIndex;
  if (nPage <= m_pPreviewInfo->GetMaxPage() && m_pEditView->MakePagePrinterDC(m_pPreviewInfo, nPage))
    ReattachPrinterDC();
}
