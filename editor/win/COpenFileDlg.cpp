#include "editor/win/COpenFileDlg.h"

#include "editor/core/FileNameRules.h"
#include "editor/win/CFileItem.h"
#include "editor/win/FileDialogMessages.h"
#include "hebtext/win/FileUtilities.h"
#include "resources/FileDialogIds.h"

COpenFileDlg::COpenFileDlg(CWnd* pParent) : CShellFileDlg(IDD_FILE_OPEN, pParent, FALSE) {}

BOOL COpenFileDlg::OnInitDialog() {
  CShellFileDlg::OnInitDialog();
  SetDlgItemText(IDC_FILEDLG_FILE_NAME, m_strFilePattern);
  return FALSE;
}

void COpenFileDlg::HandleOpenFile(BOOL fromList) {
  if (!fromList && HandleTypedPath()) return;
  if (!ValidateFileName(fromList)) return;
  if (!IsWildcardName(m_strFileName) && FileExists(GetLookInFolder() + m_strFileName)) {
    PostMessage(WM_COMMAND, IDOK);
    return;
  }
  // A wildcard, or a name that does not exist, filters the list.
  ApplyNameAsFilePattern();
}

void COpenFileDlg::OnOK() {
  if (HandleTypedPath()) return;
  const CFileItem* pRow = m_list.GetFileItem(m_list.GetSelectedRow());
  if (pRow != nullptr && !pRow->IsFileByFlag()) {
    PostMessage(WM_FILEDLG_OPENFOLDER);
    return;
  }
  const CString folder = GetLookInFolder();
  if (folder.IsEmpty()) return;
  CString text;
  GetDlgItemText(IDC_FILEDLG_FILE_NAME, text);
  BOOL wasShortcut = FALSE;
  CString path = ResolveShortcutText(folder + text, wasShortcut);
  if (FileExists(path)) FinishWithOK();
}
