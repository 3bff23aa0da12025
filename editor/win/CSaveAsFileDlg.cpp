#include "editor/win/CSaveAsFileDlg.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "editor/core/FileNameRules.h"
#include "editor/win/CFileItem.h"
#include "editor/win/FileDialogMessages.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "hebtext/win/FileUtilities.h"
#include "resources/FileDialogIds.h"
#include "resources/FindReplaceIds.h"

namespace {

// Escape cancels the dialog; 8 is always given.
constexpr DWORD kHebrewEditStyle = CHebEdit::kEscCancels | 8;

}  // namespace

BEGIN_MESSAGE_MAP(CSaveAsFileDlg, CShellFileDlg)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CSaveAsFileDlg::CSaveAsFileDlg(CWnd* pOwnerView)
    : CShellFileDlg(IDD_FILE_SAVE, pOwnerView, TRUE), m_pOwnerView(pOwnerView) {}

CSaveAsFileDlg::~CSaveAsFileDlg() { DestroyAndDelete(m_pHebrewEdit); }

BOOL CSaveAsFileDlg::CreateModeless() { return CDialog::Create(IDD_FILE_SAVE, m_pOwnerView); }

BOOL CSaveAsFileDlg::OnInitDialog() {
  m_pHebrewEdit = CreateHebEditInPlace(this, IDC_FILEDLG_HEBREW_NAME, TRUE, kHebrewEditStyle);
  if (m_pHebrewEdit != nullptr) {
    m_pHebrewEdit->SetRightToLeft(TRUE);
    CWnd* pLabel = GetDlgItem(IDC_FILEDLG_HEBREW_LABEL);
    if (pLabel != nullptr)
      ::SetWindowPos(m_pHebrewEdit->m_hWnd, pLabel->m_hWnd, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  const CString name = m_strFileName;
  CShellFileDlg::OnInitDialog();
  if (!name.IsEmpty()) {
    SetDlgItemText(IDC_FILEDLG_FILE_NAME, name);
    const int row = m_list.FindItemByName(name);
    if (row >= 0) {
      m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      m_list.EnsureVisible(row, FALSE);
    }
    m_typeBox.SetCurSel(FileTypeIndexForName(name));
  }
  m_hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_FIND_ACCELERATORS));
  return FALSE;
}

BOOL CSaveAsFileDlg::PreTranslateMessage(MSG* pMsg) {
  // The Hebrew field's editing keys go to it as its commands.
  if (m_hAccel != nullptr && m_pHebrewEdit != nullptr && pMsg->hwnd == m_pHebrewEdit->m_hWnd &&
      pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
      ::TranslateAcceleratorA(m_pHebrewEdit->m_hWnd, m_hAccel, pMsg))
    return TRUE;
  return CShellFileDlg::PreTranslateMessage(pMsg);
}

void CSaveAsFileDlg::OnFileRowSelected(const CFileItem& item) {
  CShellFileDlg::OnFileRowSelected(item);
  if (m_pHebrewEdit != nullptr) m_pHebrewEdit->SetText(item.m_strHebrewTitle);
}

void CSaveAsFileDlg::HandleOpenFile(BOOL fromList) {
  if (!fromList && HandleTypedPath()) return;
  if (!ValidateFileName(fromList)) return;
  if (!IsWildcardName(m_strFileName)) {
    m_bNameAccepted = TRUE;
    PostMessage(WM_COMMAND, IDOK);
    return;
  }
  ApplyNameAsFilePattern();
}

void CSaveAsFileDlg::OnOK() {
  if (!m_bNameAccepted && HandleTypedPath()) return;
  // A shell object outside the file system (My Computer, say) has no
  // folder to save in: the name alone would land in the working directory.
  const CString folder = GetLookInFolder();
  if (folder.IsEmpty()) {
    m_bNameAccepted = FALSE;
    return;
  }
  if (!m_bNameAccepted && !ValidateFileName(FALSE)) return;
  m_bNameAccepted = FALSE;
  // A pattern reaching OK filters the list, as on Enter, instead of naming
  // a file "*.zlt".
  if (IsWildcardName(m_strFileName)) {
    ApplyNameAsFilePattern();
    return;
  }
  m_strFileName = WithDefaultExtension(m_strFileName, GetTypeSelection());
  SetDlgItemText(IDC_FILEDLG_FILE_NAME, m_strFileName);
  if (FileExists(folder + m_strFileName) &&
      MessageBox(FormatOverwriteQuestion(m_strFileName), kOverwriteCaption,
                 MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION) != IDYES)
    return;
  if (m_pHebrewEdit != nullptr) m_pHebrewEdit->GetText(m_strHebrewFileName);
  FinishWithOK();
  NotifyOwner(TRUE);
}

void CSaveAsFileDlg::OnCancel() {
  CShellFileDlg::OnCancel();
  NotifyOwner(FALSE);
}

void CSaveAsFileDlg::NotifyOwner(BOOL chosen) {
  if (m_pOwnerView != nullptr) m_pOwnerView->PostMessage(WM_SAVEDLG_DONE, chosen);
}

void CSaveAsFileDlg::OnDestroy() {
  DestroyAndDelete(m_pHebrewEdit);
  CShellFileDlg::OnDestroy();
}
