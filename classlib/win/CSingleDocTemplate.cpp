#include "classlib/win/CSingleDocTemplate.h"

#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWaitCursor.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
  if (m_pOnlyDoc != nullptr) CDocTemplate::RemoveDocument(m_pOnlyDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const {
  // The one place of the list is the document itself.
  return reinterpret_cast<POSITION>(m_pOnlyDoc);
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const {
  CDocument* pDoc = reinterpret_cast<CDocument*>(rPos);
  rPos = nullptr;
  return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (m_pOnlyDoc == pDoc) m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  pDocument->SetTitle(LoadDocumentText(AFX_IDS_UNTITLED));
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* pDocument = m_pOnlyDoc;
  CFrameWnd* pFrame = nullptr;
  const bool bCreated = pDocument == nullptr;
  if (!bCreated) {
    if (!pDocument->SaveModified()) return nullptr;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
      pFrame = static_cast<CFrameWnd*>(pMainWnd);
  } else {
    pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
      AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_CREATE_DOC));
      return nullptr;
    }
    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
      AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_CREATE_DOC));
      delete pDocument;
      return nullptr;
    }
  }

  BOOL bReady;
  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
    bReady = pDocument->OnNewDocument();
  } else {
    CWaitCursor wait;
    // The old contents were saved or given up: a load that fails part-way
    // (and so marks the document modified) has emptied it for nothing.
    const BOOL bWasModified = pDocument->IsModified();
    pDocument->SetModifiedFlag(FALSE);
    bReady = pDocument->OnOpenDocument(lpszPathName);
    if (bReady) {
      pDocument->SetPathName(lpszPathName);
    } else if (!bCreated && pDocument->IsModified()) {
      SetDefaultTitle(pDocument);
      pDocument->OnNewDocument();
    } else {
      pDocument->SetModifiedFlag(bWasModified);  // the file was not even opened
    }
  }
  if (!bReady) {
    if (bCreated) {
      // The user has been told why; the frame goes, and the document with it.
      pFrame->DestroyWindow();
      if (m_pOnlyDoc == pDocument) delete pDocument;
    }
    return nullptr;
  }

  CWinApp* pApp = AfxGetApp();
  if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr) pApp->m_pMainWnd = pFrame;
  if (pFrame != nullptr) InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
  return pDocument;
}
