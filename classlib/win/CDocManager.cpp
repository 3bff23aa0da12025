#include "classlib/win/CDocManager.h"

#include <commdlg.h>

#include "classlib/win/CDocTemplate.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"
#include "classlib/win/FullPath.h"
#include "classlib/win/NewDocumentDialog.h"

namespace {

constexpr char kAllFilesPattern[] = "*.*";

// The full path of a file as the documents keep it; a shortcut stands for
// its target.
CString DocumentPathOf(LPCSTR lpszFileName) {
  CString strPath = AfxFullPath(lpszFileName);
  char szTarget[MAX_PATH];
  if (AfxResolveShortcut(AfxGetMainWnd(), strPath, szTarget, MAX_PATH)) strPath = szTarget;
  return strPath;
}

// The Open dialog's filter of one template: "Name Files (*.ext)" and its
// patterns, each ended by a zero byte. The first extension is the default.
void AppendTemplateFilter(CDocTemplate* pTemplate, CString& strFilter, CString* pstrDefaultExt) {
  CString strFilterName, strExtensions;
  if (!pTemplate->GetDocString(strFilterName, CDocTemplate::filterName) ||
      strFilterName.IsEmpty() ||
      !pTemplate->GetDocString(strExtensions, CDocTemplate::filterExt) || strExtensions.IsEmpty())
    return;
  CString strPatterns;
  int nStart = 0;
  while (nStart <= strExtensions.GetLength()) {
    int nEnd = strExtensions.Find(';', nStart);
    if (nEnd < 0) nEnd = strExtensions.GetLength();
    CString strExt = strExtensions.Mid(nStart, nEnd - nStart);
    if (strExt.Left(1) == "*") strExt = strExt.Mid(1);
    if (!strExt.IsEmpty()) {
      if (pstrDefaultExt != nullptr && pstrDefaultExt->IsEmpty()) *pstrDefaultExt = strExt.Mid(1);
      if (!strPatterns.IsEmpty()) strPatterns += ';';
      strPatterns += '*';
      strPatterns += strExt;
    }
    nStart = nEnd + 1;
  }
  strFilter += strFilterName;
  strFilter += '\0';
  strFilter += strPatterns;
  strFilter += '\0';
}

}  // namespace

CDocManager::~CDocManager() {
  for (POSITION pos = m_templateList.GetHeadPosition(); pos != nullptr;) {
    CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
    if (pTemplate->m_bAutoDelete) delete pTemplate;
  }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate) {
  pTemplate->LoadTemplate();
  m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const {
  return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const {
  return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

int CDocManager::GetDocumentCount() {
  int nCount = 0;
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;) {
      pTemplate->GetNextDoc(posDoc);
      ++nCount;
    }
  }
  return nCount;
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName) {
  const CString strPath = DocumentPathOf(lpszFileName);
  CDocTemplate* pBestTemplate = nullptr;
  CDocument* pOpenDocument = nullptr;
  CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    CDocument* pMatch = nullptr;
    CDocTemplate::Confidence match = pTemplate->MatchDocType(strPath, pMatch);
    if (match > bestMatch) {
      bestMatch = match;
      pBestTemplate = pTemplate;
      pOpenDocument = pMatch;
    }
    if (match == CDocTemplate::yesAlreadyOpen) break;
  }
  if (pBestTemplate == nullptr) {
    AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_OPEN_DOC));
    return nullptr;
  }
  if (pOpenDocument == nullptr) return pBestTemplate->OpenDocumentFile(strPath);

  // Already open: its first frame comes to the front instead.
  POSITION posView = pOpenDocument->GetFirstViewPosition();
  if (posView != nullptr) {
    CFrameWnd* pFrame = pOpenDocument->GetNextView(posView)->GetParentFrame();
    if (pFrame != nullptr) pFrame->ActivateFrame();
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd != pFrame && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
      static_cast<CFrameWnd*>(pMainWnd)->ActivateFrame();
  }
  return pOpenDocument;
}

BOOL CDocManager::SaveAllModified() {
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
    if (!GetNextDocTemplate(pos)->SaveAllModified()) return FALSE;
  return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession) {
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
    GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                   BOOL bOpenFileDialog, CDocTemplate* pTemplate) {
  CString strFilter, strDefaultExt;
  if (pTemplate != nullptr) {
    AppendTemplateFilter(pTemplate, strFilter, &strDefaultExt);
  } else {
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
      AppendTemplateFilter(GetNextDocTemplate(pos), strFilter,
                           strDefaultExt.IsEmpty() ? &strDefaultExt : nullptr);
  }
  strFilter += LoadDocumentText(AFX_IDS_ALLFILTER);
  strFilter += '\0';
  strFilter += kAllFilesPattern;
  strFilter += '\0';

  char szFile[MAX_PATH];
  lstrcpynA(szFile, fileName, MAX_PATH);
  const CString strTitle = nIDSTitle != 0 ? LoadDocumentText(nIDSTitle) : CString();
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  CWnd* pMainWnd = AfxGetMainWnd();
  ofn.hwndOwner = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
  // The filter ends with two zero bytes: the string's own terminator is the second.
  ofn.lpstrFilter = strFilter;
  ofn.lpstrFile = szFile;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = strTitle.IsEmpty() ? nullptr : static_cast<LPCSTR>(strTitle);
  ofn.lpstrDefExt = strDefaultExt.IsEmpty() ? nullptr : static_cast<LPCSTR>(strDefaultExt);
  ofn.Flags = lFlags | OFN_EXPLORER | OFN_NOCHANGEDIR |
              (bOpenFileDialog ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
  const BOOL bChosen = bOpenFileDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
  if (bChosen) fileName = szFile;
  return bChosen;
}

void CDocManager::OnFileNew() {
  // The kinds File/New offers: the templates with a File/New name.
  CPtrList offered;
  CStringArray names;
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    CString strName;
    if (pTemplate->GetDocString(strName, CDocTemplate::fileNewName) && !strName.IsEmpty()) {
      offered.AddTail(pTemplate);
      names.Add(strName);
    }
  }
  if (offered.IsEmpty() && !m_templateList.IsEmpty()) offered.AddTail(m_templateList.GetHead());
  if (offered.IsEmpty()) {
    AfxMessageBox(LoadDocumentText(AFX_IDP_FAILED_TO_CREATE_DOC));
    return;
  }
  CDocTemplate* pTemplate = static_cast<CDocTemplate*>(offered.GetHead());
  if (offered.GetCount() > 1) {
    CWnd* pMainWnd = AfxGetMainWnd();
    int nChosen = ChooseNewDocumentType(pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr,
                                        names);
    if (nChosen < 0) return;
    pTemplate = static_cast<CDocTemplate*>(offered.GetAt(offered.FindIndex(nChosen)));
  }
  pTemplate->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  CString strFileName;
  if (!DoPromptFileName(strFileName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE,
                        nullptr))
    return;
  AfxGetApp()->OpenDocumentFile(strFileName);
}
