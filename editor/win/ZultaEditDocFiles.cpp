// The document's file commands: Open, Save and Save As, the one Save As the
// application runs at a time, and the document's file through the archive.
#include <vector>

#include "classlib/core/CArchive.h"
#include "classlib/core/CArchiveException.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/CView.h"
#include "editor/core/DocumentPath.h"
#include "editor/win/CSaveAsFileDlg.h"
#include "editor/win/ZultaEditDoc.h"

namespace {

// The Save As under way: at most one in the application. While it runs,
// New, Open, Save, Save As and closing a document are refused.
CSaveAsFileDlg* g_pSaveAsDialog = nullptr;

constexpr UINT kReadChunk = 32 * 1024;

}  // namespace

BEGIN_MESSAGE_MAP(CZultaEditDoc, CDocument)
  ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
  ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateFileCommand)
  ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateFileCommand)
  ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileCommand)
  ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateFileCommand)
END_MESSAGE_MAP()

BOOL CZultaEditDoc::IsSaveAsPending() { return g_pSaveAsDialog != nullptr; }

void CZultaEditDoc::OnUpdateFileCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(!IsSaveAsPending()); }

void CZultaEditDoc::OnFileOpen() {
  if (!IsSaveAsPending()) AfxGetApp()->OnFileOpen();
}

void CZultaEditDoc::OnFileSave() {
  if (IsSaveAsPending()) return;
  if (GetPathName().IsEmpty()) {
    OnFileSaveAs();
    return;
  }
  if (!OnSaveDocument(GetPathName())) return;
  m_editor.ClearUndo();
}

void CZultaEditDoc::OnFileSaveAs() {
  if (IsSaveAsPending()) return;
  POSITION pos = GetFirstViewPosition();
  CView* pView = pos == nullptr ? nullptr : GetNextView(pos);
  if (pView == nullptr) return;
  g_pSaveAsDialog = new CSaveAsFileDlg(pView);
  if (!GetPathName().IsEmpty()) {
    CString folder;
    GetFolderOfPath(folder);
    g_pSaveAsDialog->SetCurrentFolder(folder);
  }
  g_pSaveAsDialog->SetFileName(GetTitle());
  // Modeless over the view, which stays disabled until the dialog's end
  // message (WM_SAVEDLG_DONE) comes back to it.
  if (!g_pSaveAsDialog->CreateModeless()) {
    delete g_pSaveAsDialog;
    g_pSaveAsDialog = nullptr;
    return;
  }
  pView->EnableWindow(FALSE);
}

void CZultaEditDoc::FinishSaveAs(BOOL accepted) {
  if (!IsSaveAsPending()) return;
  const CString path = g_pSaveAsDialog->GetFullPath();
  if (accepted) m_strHebrewFileName = g_pSaveAsDialog->GetHebrewFileName();
  g_pSaveAsDialog->DestroyWindow();
  delete g_pSaveAsDialog;
  g_pSaveAsDialog = nullptr;
  if (!accepted || !OnSaveDocument(path)) return;
  SetPathName(path);
  m_editor.ClearUndo();
}

void CZultaEditDoc::OnCloseDocument() {
  if (!IsSaveAsPending()) CDocument::OnCloseDocument();
}

void CZultaEditDoc::Serialize(CArchive& ar) {
  ByteBuffer bytes;
  CString error;
  if (ar.IsStoring()) {
    if (!BuildFileBytes(ar.m_strFileName, bytes, error))
      AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    if (!bytes.empty()) ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    return;
  }
  std::vector<BYTE> chunk(kReadChunk);
  for (UINT n; (n = ar.Read(chunk.data(), kReadChunk)) > 0;)
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
  if (!ReadFileBytes(bytes, error))
    AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  TimeStampFile(ar.m_strFileName);
}
