// The application's part in the editor's documents: opening them once,
// closing them all, and noticing files that another program changed.
#include <algorithm>
#include <vector>

#include "classlib/core/CFile.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDocTemplate.h"
#include "classlib/win/CRecentFileList.h"
#include "classlib/win/CView.h"
#include "editor/win/COpenFileDlg.h"
#include "editor/win/ZultaEditDoc.h"
#include "hebtext/win/FileUtilities.h"
#include "shell/ZultaEditApp.h"

namespace {
constexpr char kPathMissingText[] = "File Path does not exist!";
constexpr char kAlreadyOpenFormat[] =
    "The file:\n\n'%s'\n\nis already open.\n\nDo you want to re-open it and lose any unsaved "
    "changes?";
constexpr char kAlreadyOpenCaption[] = "WARNING: Document already open!";
constexpr char kCloseAllPrefix[] = "Closing All Open Documents.  ";
constexpr char kCloseAllSaveQuestion[] = "Save all changes?";
constexpr char kCloseAllContinueQuestion[] = "Continue?";
constexpr char kDiscardQuestion[] = "Do you really want to discard all of your changes?";
constexpr char kModifiedFormat[] =
    "Another application has modified the file:\n\n%s\n\nDo you want to reload it?";

CView* FirstViewOf(CDocument* pDoc) {
  POSITION pos = pDoc->GetFirstViewPosition();
  return pos != nullptr ? pDoc->GetNextView(pos) : nullptr;
}
}  // namespace

std::vector<CZultaEditDoc*> CZultaEditApp::EditDocuments() const {
  std::vector<CZultaEditDoc*> docs;
  POSITION templatePos = GetFirstDocTemplatePosition();
  while (templatePos != nullptr) {
    CDocTemplate* pTemplate = GetNextDocTemplate(templatePos);
    POSITION docPos = pTemplate->GetFirstDocPosition();
    while (docPos != nullptr) {
      CDocument* pDoc = pTemplate->GetNextDoc(docPos);
      if (pDoc->IsKindOf(RUNTIME_CLASS(CZultaEditDoc))) {
        docs.push_back(static_cast<CZultaEditDoc*>(pDoc));
      }
    }
  }
  return docs;
}

CDocument* CZultaEditApp::OpenDocumentFile(LPCSTR lpszFileName) {
  if (!FileExists(lpszFileName)) {
    AfxMessageBox(kPathMissingText, MB_ICONEXCLAMATION);
    return nullptr;
  }
  return CWinApp::OpenDocumentFile(lpszFileName);
}

CZultaEditDoc* CZultaEditApp::FindEditDocument(LPCSTR lpszPathName) {
  for (CZultaEditDoc* pDoc : EditDocuments()) {
    if (pDoc->GetPathName().CompareNoCase(lpszPathName) == 0) return pDoc;
  }
  return nullptr;
}

CZultaEditDoc* CZultaEditApp::OpenDocumentOnce(LPCSTR lpszPathName) {
  CZultaEditDoc* pDoc = FindEditDocument(lpszPathName);
  if (pDoc == nullptr) return static_cast<CZultaEditDoc*>(OpenDocumentFile(lpszPathName));
  CString text;
  text.Format(kAlreadyOpenFormat, lpszPathName);
  if (::MessageBoxA(nullptr, text, kAlreadyOpenCaption,
                    MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDNO) {
    pDoc->ReloadFromFile();
  }
  return pDoc;
}

void CZultaEditApp::OnFileOpen() {
  COpenFileDlg dialog(AfxGetMainWnd());
  if (dialog.DoModal() != IDOK) return;
  OpenDocumentOnce(dialog.GetFullPath());
}

BOOL CZultaEditApp::OnOpenRecentFile(UINT nID) {
  if (m_pRecentFileList == nullptr) return FALSE;
  const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FIRST);
  if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() ||
      (*m_pRecentFileList)[nIndex].IsEmpty()) {
    return FALSE;
  }
  // A copy: the list may change while the file opens.
  CString path = (*m_pRecentFileList)[nIndex];
  if (OpenDocumentOnce(path) == nullptr) m_pRecentFileList->Remove(nIndex);
  return TRUE;
}

CZultaEditDoc* CZultaEditApp::GetFirstEditDocument() {
  std::vector<CZultaEditDoc*> docs = EditDocuments();
  return docs.empty() ? nullptr : docs.front();
}

void CZultaEditApp::SendToEditViews(UINT message, WPARAM wParam, LPARAM lParam) {
  for (CZultaEditDoc* pDoc : EditDocuments()) {
    CView* pView = FirstViewOf(pDoc);
    if (pView != nullptr) pView->SendMessage(message, wParam, lParam);
  }
}

void CZultaEditApp::CloseAllDocuments() {
  std::vector<CZultaEditDoc*> docs = EditDocuments();
  bool modified = false;
  for (CZultaEditDoc* pDoc : docs) modified = modified || pDoc->IsModified();

  CString question = kCloseAllPrefix;
  question += modified ? kCloseAllSaveQuestion : kCloseAllContinueQuestion;
  bool save = false;
  switch (AfxMessageBox(question, modified ? MB_YESNOCANCEL : MB_OKCANCEL)) {
    case IDYES: save = true; break;
    case IDNO:
      switch (AfxMessageBox(kDiscardQuestion, MB_YESNOCANCEL | MB_DEFBUTTON2)) {
        case IDYES: save = false; break;
        case IDNO: save = true; break;
        default: return;
      }
      break;
    case IDOK: save = false; break;
    default: return;
  }

  for (CZultaEditDoc* pDoc : docs) {
    CView* pView = FirstViewOf(pDoc);
    if (pView == nullptr) continue;
    if (pDoc->IsModified()) {
      // A save that does not happen leaves the document to ask at its own close.
      if (save) {
        pView->SendMessage(WM_COMMAND, ID_FILE_SAVE, 0);
      } else {
        pDoc->SetModifiedFlag(FALSE);
      }
    }
    pView->PostMessage(WM_COMMAND, ID_FILE_CLOSE, 0);
  }
}

void CZultaEditApp::CheckModifiedFiles() {
  // The question's message box lets the main frame be activated again.
  if (m_checkingModifiedFiles) return;
  m_checkingModifiedFiles = true;
  for (CZultaEditDoc* pDoc : EditDocuments()) {
    // A document closed while an earlier question was open is no longer asked about.
    std::vector<CZultaEditDoc*> open = EditDocuments();
    if (std::find(open.begin(), open.end(), pDoc) == open.end()) continue;
    CFileStatus status;
    if (pDoc->GetPathName().IsEmpty() || !CFile::GetStatus(pDoc->GetPathName(), status) ||
        !(pDoc->GetFileTime() < status.m_mtime)) {
      continue;
    }
    CString text;
    text.Format(kModifiedFormat, static_cast<LPCSTR>(pDoc->GetPathName()));
    if (AfxMessageBox(text, MB_YESNO) == IDYES) {
      pDoc->ReloadFromFile();
    } else {
      // Kept as it is: asked again only when the file changes again.
      pDoc->TimeStampFile();
    }
  }
  m_checkingModifiedFiles = false;
}

void CZultaEditApp::RefreshEditViewsAfterTile() {
  // The editor view keeps no caret of its own yet: each view is only redrawn.
  for (CZultaEditDoc* pDoc : EditDocuments()) pDoc->UpdateAllViews(nullptr);
}
