#include "classlib/win/CMultiDocTemplate.h"

#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWaitCursor.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
  // Documents still open must not come back to a template that is gone.
  for (POSITION pos = m_docList.GetHeadPosition(); pos != nullptr;)
    CDocTemplate::RemoveDocument(static_cast<CDocument*>(m_docList.GetNext(pos)));
  if (m_hMenuShared != nullptr) ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate() {
  CDocTemplate::LoadTemplate();
  if (m_nIDResource == 0) return;
  LPCSTR lpszResource = MAKEINTRESOURCEA(m_nIDResource);
  if (m_hMenuShared == nullptr)
    m_hMenuShared = ::LoadMenuA(AfxFindResourceHandle(lpszResource, RT_MENU), lpszResource);
  if (m_hAccelTable == nullptr)
    m_hAccelTable =
        ::LoadAcceleratorsA(AfxFindResourceHandle(lpszResource, RT_ACCELERATOR), lpszResource);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const { return m_docList.GetHeadPosition(); }

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const {
  return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  POSITION pos = m_docList.Find(pDoc);
  if (pos != nullptr) m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString strTitle;
  if (GetDocString(strTitle, docName) && !strTitle.IsEmpty()) {
    CString strNumber;
    strNumber.Format("%u", m_nUntitledCount + 1);
    strTitle += strNumber;
  } else {
    strTitle = LoadDocumentText(AFX_IDS_UNTITLED);
  }
  pDocument->SetTitle(strTitle);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* pDocument = CreateNewDocument();
  if (pDocument == nullptr) {
    AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_CREATE_DOC));
    return nullptr;
  }
  // The document stays while its frame is made, even when the frame fails.
  const BOOL bAutoDelete = pDocument->m_bAutoDelete;
  pDocument->m_bAutoDelete = FALSE;
  CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
  pDocument->m_bAutoDelete = bAutoDelete;
  if (pFrame == nullptr) {
    AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_CREATE_DOC));
    delete pDocument;
    return nullptr;
  }

  BOOL bReady;
  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
    bReady = pDocument->OnNewDocument();
    if (bReady) ++m_nUntitledCount;
  } else {
    CWaitCursor wait;
    bReady = pDocument->OnOpenDocument(lpszPathName);
    if (bReady) pDocument->SetPathName(lpszPathName);
  }
  if (!bReady) {
    // The user has been told why; the frame goes, and the document with
    // its last view, or here when it had none.
    pFrame->DestroyWindow();
    if (m_docList.Find(pDocument) != nullptr) delete pDocument;
    return nullptr;
  }
  InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
  return pDocument;
}
