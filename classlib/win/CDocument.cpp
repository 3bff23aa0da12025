#include "classlib/win/CDocument.h"

#include <algorithm>
#include <vector>

#include "classlib/core/CArchive.h"
#include "classlib/core/CArchiveException.h"
#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"
#include "classlib/win/CDocTemplate.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CUserException.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWaitCursor.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"
#include "classlib/win/FullPath.h"
#include "classlib/win/MessageMap.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
  ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

// Characters a file name may not hold, left out of the name Save As offers.
constexpr char kBadFileNameChars[] = "\\/:*?\"<>|";

CString FileNameOf(const CString& strPath) {
  return strPath.Mid(std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/')) + 1);
}

// A new empty file in the folder of lpszPathName, which a save fills before
// it replaces the document's file: the old file stays whole until then.
// Empty when the folder takes no file.
CString CreateTempFileBeside(LPCSTR lpszPathName) {
  CString strFolder(lpszPathName);
  strFolder = strFolder.Left(std::max(strFolder.ReverseFind('\\'), strFolder.ReverseFind('/')) + 1);
  if (strFolder.IsEmpty()) strFolder = ".";
  char szTemp[MAX_PATH];
  if (::GetTempFileNameA(strFolder, "sav", 0, szTemp) == 0) return CString();
  return CString(szTemp);
}

}  // namespace

CDocument::CDocument() = default;

CDocument::~CDocument() {
  // Views that outlive their document must not point at it.
  for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;)
    static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle) {
  m_strTitle = lpszTitle;
  UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU) {
  m_strPathName = AfxFullPath(lpszPathName);
  SetTitle(FileNameOf(m_strPathName));
  CWinApp* pApp = AfxGetApp();
  if (bAddToMRU && pApp != nullptr) pApp->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView) {
  m_viewList.AddTail(pView);
  pView->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
  POSITION pos = m_viewList.Find(pView);
  if (pos == nullptr) return;
  m_viewList.RemoveAt(pos);
  pView->m_pDocument = nullptr;
  OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }

CView* CDocument::GetNextView(POSITION& rPosition) const {
  return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
    CView* pView = GetNextView(pos);
    if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
  }
}

void CDocument::CollectFrames(CPtrList& frames) const {
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
    CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
    if (pFrame != nullptr && frames.Find(pFrame) == nullptr) frames.AddTail(pFrame);
  }
}

void CDocument::UpdateFrameCounts() {
  CPtrList frameList;
  CollectFrames(frameList);
  std::vector<CFrameWnd*> frames;
  for (POSITION pos = frameList.GetHeadPosition(); pos != nullptr;)
    frames.push_back(static_cast<CFrameWnd*>(frameList.GetNext(pos)));
  if (frames.size() == 1) {
    frames.front()->m_nWindow = 0;
  } else {
    // Numbered frames keep their order; new ones come after them.
    auto numberedFirst = [](const CFrameWnd* a, const CFrameWnd* b) {
      const bool bNumberedA = a->m_nWindow > 0, bNumberedB = b->m_nWindow > 0;
      if (bNumberedA != bNumberedB) return bNumberedA;
      return bNumberedA && a->m_nWindow < b->m_nWindow;
    };
    std::stable_sort(frames.begin(), frames.end(), numberedFirst);
    int nWindow = 0;
    for (CFrameWnd* pFrame : frames) pFrame->m_nWindow = ++nWindow;
  }
  for (CFrameWnd* pFrame : frames) pFrame->OnUpdateFrameTitle(TRUE);
}

void CDocument::DeleteContents() {}

void CDocument::OnChangedViewList() {
  if (m_bAutoDelete && m_viewList.IsEmpty()) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) {
  // Another frame still shows the document: nothing is lost.
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;)
    if (GetNextView(pos)->GetParentFrame() != pFrame) return TRUE;
  return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName) {
  CFileException fe;
  CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
  if (pFile == nullptr) {
    ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
  }
  DeleteContents();
  // A load that stops half-way leaves a document that differs from its file.
  SetModifiedFlag();
  CWaitCursor wait;
  CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
  loadArchive.m_pDocument = this;
  loadArchive.m_strFileName = lpszPathName;
  try {
    if (pFile->GetLength() != 0) Serialize(loadArchive);
    loadArchive.Close();
    ReleaseFile(pFile, FALSE);
  } catch (CException* e) {
    loadArchive.Abort();
    ReleaseFile(pFile, TRUE);
    DeleteContents();
    ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    e->Delete();
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::StoreInto(CFile* pFile, LPCSTR lpszPathName) {
  CWaitCursor wait;
  CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
  saveArchive.m_pDocument = this;
  saveArchive.m_strFileName = lpszPathName;
  try {
    Serialize(saveArchive);
    saveArchive.Close();
    ReleaseFile(pFile, FALSE);
  } catch (CException* e) {
    saveArchive.Abort();
    ReleaseFile(pFile, TRUE);
    // The user knows the document's file, not the temporary one it went to.
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
      static_cast<CFileException*>(e)->m_strFileName = lpszPathName;
    ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName) {
  // Replacing would take a read-only file's place where the system allows it.
  const DWORD dwAttributes = ::GetFileAttributesA(lpszPathName);
  if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    CFileException readOnly(CFileException::accessDenied, ERROR_ACCESS_DENIED, lpszPathName);
    ReportSaveLoadException(lpszPathName, &readOnly, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return FALSE;
  }
  const CString strTemp = CreateTempFileBeside(lpszPathName);
  CFileException fe;
  CFile* pFile = nullptr;
  if (strTemp.IsEmpty()) {
    fe.m_cause = CFileException::OsErrorToException(static_cast<LONG>(::GetLastError()));
  } else {
    pFile = GetFile(strTemp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive,
                    &fe);
  }
  if (pFile == nullptr) {
    if (!strTemp.IsEmpty()) ::DeleteFileA(strTemp);
    fe.m_strFileName = lpszPathName;
    ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
    return FALSE;
  }
  if (!StoreInto(pFile, lpszPathName)) {
    ::DeleteFileA(strTemp);
    return FALSE;
  }
  if (!::MoveFileExA(strTemp, lpszPathName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    const LONG lOsError = static_cast<LONG>(::GetLastError());
    ::DeleteFileA(strTemp);
    CFileException replaceError(CFileException::OsErrorToException(lOsError), lOsError,
                                lpszPathName);
    ReportSaveLoadException(lpszPathName, &replaceError, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  // The document stays while its frames go, whatever their views do.
  const BOOL bAutoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;
  while (!m_viewList.IsEmpty()) {
    CView* pView = static_cast<CView*>(m_viewList.GetHead());
    CFrameWnd* pFrame = pView->GetParentFrame();
    if (pFrame != nullptr) {
      PreCloseFrame(pFrame);
      pFrame->DestroyWindow();
    } else {
      pView->DestroyWindow();
    }
    // A view that did not leave with its window is let go here.
    if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView) RemoveView(pView);
  }
  m_bAutoDelete = bAutoDelete;
  DeleteContents();
  if (m_bAutoDelete) delete this;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault) {
  // The user has been told already.
  if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException))) return;
  if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CFileException))) {
    auto* pFileException = static_cast<CFileException*>(e);
    if (pFileException->m_strFileName.IsEmpty()) pFileException->m_strFileName = lpszPathName;
  }
  char szMessage[512];
  CString strPrompt;
  if (e != nullptr && (e->IsKindOf(RUNTIME_CLASS(CFileException)) ||
                       e->IsKindOf(RUNTIME_CLASS(CArchiveException))) &&
      e->GetErrorMessage(szMessage, sizeof szMessage)) {
    strPrompt = szMessage;
  } else {
    strPrompt = FormatDocumentText(nIDPDefault, lpszPathName);
  }
  AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

CFile* CDocument::GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  CFile* pFile = new CFile;
  if (!pFile->Open(lpszFileName, nOpenFlags, pError)) {
    delete pFile;
    return nullptr;
  }
  return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort) {
  if (bAbort)
    pFile->Abort();
  else
    pFile->Close();
  delete pFile;
}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString strName = m_strTitle;
  if (strName.IsEmpty()) strName = LoadDocumentText(AFX_IDS_UNTITLED);
  switch (AfxMessageBox(FormatDocumentText(AFX_IDP_ASK_TO_SAVE, strName), MB_YESNOCANCEL,
                        AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    default:
      return TRUE;
  }
}

BOOL CDocument::DoFileSave() {
  const DWORD dwAttributes = ::GetFileAttributesA(m_strPathName);
  const BOOL bReadOnly =
      dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (m_strPathName.IsEmpty() || bReadOnly) return DoSave(nullptr);
  return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace) {
  CString strNewName(lpszPathName);
  if (strNewName.IsEmpty()) {
    strNewName = m_strPathName;
    if (bReplace && strNewName.IsEmpty()) {
      // Offer the title as the name, with the template's extension.
      strNewName = m_strTitle;
      int nBad = strNewName.FindOneOf(kBadFileNameChars);
      if (nBad >= 0) strNewName = strNewName.Left(nBad);
      CString strExt;
      if (m_pDocTemplate != nullptr &&
          m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt) && !strExt.IsEmpty()) {
        int nSeparator = strExt.Find(';');
        if (nSeparator >= 0) strExt = strExt.Left(nSeparator);
        strNewName += strExt;
      }
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr ||
        !pApp->DoPromptFileName(strNewName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
      return FALSE;
  }
  if (!OnSaveDocument(strNewName)) return FALSE;
  if (bReplace) SetPathName(strNewName);
  return TRUE;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
