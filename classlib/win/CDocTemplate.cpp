#include "classlib/win/CDocTemplate.h"

#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

namespace {

constexpr char kDocStringSeparator = '\n';
constexpr char kExtensionSeparator = ';';

// Field nIndex of a text whose fields are separated by chSeparator.
BOOL ExtractField(const CString& strFields, int nIndex, char chSeparator, CString& rField) {
  int nStart = 0;
  for (int i = 0; i < nIndex; ++i) {
    nStart = strFields.Find(chSeparator, nStart);
    if (nStart < 0) {
      rField.Empty();
      return FALSE;
    }
    ++nStart;
  }
  int nEnd = strFields.Find(chSeparator, nStart);
  rField = nEnd < 0 ? strFields.Mid(nStart) : strFields.Mid(nStart, nEnd - nStart);
  return TRUE;
}

BOOL EndsWithNoCase(const CString& strText, const CString& strEnd) {
  return !strEnd.IsEmpty() && strText.GetLength() >= strEnd.GetLength() &&
         strText.Right(strEnd.GetLength()).CompareNoCase(strEnd) == 0;
}

}  // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty() && m_nIDResource != 0) m_strDocStrings.LoadString(m_nIDResource);
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
  return ExtractField(m_strDocStrings, index, kDocStringSeparator, rString);
}

CDocument* CDocTemplate::CreateNewDocument() {
  if (m_pDocClass == nullptr) return nullptr;
  CObject* pObject = m_pDocClass->CreateObject();
  if (pObject == nullptr) return nullptr;
  if (!pObject->IsKindOf(RUNTIME_CLASS(CDocument))) {
    delete pObject;
    return nullptr;
  }
  CDocument* pDocument = static_cast<CDocument*>(pObject);
  AddDocument(pDocument);
  return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  if (m_pFrameClass == nullptr) return nullptr;
  CObject* pObject = m_pFrameClass->CreateObject();
  if (pObject == nullptr) return nullptr;
  if (!pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    delete pObject;
    return nullptr;
  }
  CCreateContext context;
  context.m_pCurrentFrame = pOther;
  context.m_pCurrentDoc = pDoc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  CFrameWnd* pFrame = static_cast<CFrameWnd*>(pObject);
  // A frame that fails to load has destroyed its window, and with it itself.
  if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
    return nullptr;
  return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
  pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;)
    if (!GetNextDoc(pos)->SaveModified()) return FALSE;
  return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
  // Closing takes the document out of the list: fetch the next one first.
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) GetNextDoc(pos)->OnCloseDocument();
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName,
                                                    CDocument*& rpDocMatch) {
  rpDocMatch = nullptr;
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
    CDocument* pDoc = GetNextDoc(pos);
    if (pDoc->GetPathName().CompareNoCase(lpszPathName) == 0) {
      rpDocMatch = pDoc;
      return yesAlreadyOpen;
    }
  }
  CString strExtensions;
  if (GetDocString(strExtensions, filterExt) && !strExtensions.IsEmpty()) {
    CString strExt;
    const CString strPath(lpszPathName);
    for (int i = 0; ExtractField(strExtensions, i, kExtensionSeparator, strExt); ++i) {
      // "*.zlt" and ".zlt" both name the extension.
      if (strExt.Left(1) == "*") strExt = strExt.Mid(1);
      if (EndsWithNoCase(strPath, strExt)) return yesAttemptNative;
    }
  }
  return yesAttemptForeign;
}
