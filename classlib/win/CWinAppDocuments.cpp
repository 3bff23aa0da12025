// The application's documents: its templates (kept by the document manager),
// File/New and File/Open, and the recent-file list in the profile.
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CDocManager.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CRecentFileList.h"
#include "classlib/win/CWinApp.h"

namespace {

constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kRecentFileEntry[] = "File%d";
constexpr char kSettingsSection[] = "Settings";
constexpr char kPreviewPagesEntry[] = "PreviewPages";
constexpr UINT kMaxRecentFiles = ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1;

}  // namespace

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
  if (m_pDocManager == nullptr) m_pDocManager = new CDocManager;
  m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
  return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
  return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName) {
  return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName) {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified() {
  return m_pDocManager == nullptr || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
  if (m_pDocManager != nullptr) m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount() {
  return m_pDocManager != nullptr ? m_pDocManager->GetDocumentCount() : 0;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate) {
  if (m_pDocManager == nullptr) m_pDocManager = new CDocManager;
  return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::OnFileNew() {
  if (m_pDocManager != nullptr) m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen() {
  if (m_pDocManager != nullptr) m_pDocManager->OnFileOpen();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
  if (m_pRecentFileList == nullptr) return FALSE;
  const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FIRST);
  if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() ||
      (*m_pRecentFileList)[nIndex].IsEmpty())
    return FALSE;
  // The open has told the user why it failed; the entry goes.
  if (OpenDocumentFile((*m_pRecentFileList)[nIndex]) == nullptr) m_pRecentFileList->Remove(nIndex);
  return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
  if (m_pRecentFileList == nullptr)
    pCmdUI->Enable(FALSE);
  else
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
  if (nMaxMRU != 0) {
    if (nMaxMRU > kMaxRecentFiles) nMaxMRU = kMaxRecentFiles;
    m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FIRST, kRecentFileSection,
                                            kRecentFileEntry, static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
  }
  m_nNumPreviewPages = GetProfileInt(kSettingsSection, kPreviewPagesEntry, 0);
}

void CWinApp::SaveStdProfileSettings() {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->WriteList();
  if (m_nNumPreviewPages != 0)
    WriteProfileInt(kSettingsSection, kPreviewPagesEntry, static_cast<int>(m_nNumPreviewPages));
}

int CWinApp::ExitInstance() {
  SaveStdProfileSettings();
  return CWinThread::ExitInstance();
}

void CWinApp::DeleteDocumentState() {
  delete m_pDocManager;
  m_pDocManager = nullptr;
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
  SelectPrinter(nullptr, nullptr);
  if (m_atomApp != 0) ::GlobalDeleteAtom(m_atomApp);
  if (m_atomSystemTopic != 0) ::GlobalDeleteAtom(m_atomSystemTopic);
  m_atomApp = m_atomSystemTopic = 0;
}
