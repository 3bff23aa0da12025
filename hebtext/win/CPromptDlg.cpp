#include "hebtext/win/CPromptDlg.h"

#include "classlib/win/CDataExchange.h"
#include "resources/HebtextIds.h"

CPromptDlg::CPromptDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CPromptDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_PROMPT_TEXT, m_strPrompt);
  DDX_Text(pDX, IDC_PROMPT_ANSWER, m_strAnswer);
}

BOOL CPromptDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWnd* pAnswer = GetDlgItem(IDC_PROMPT_ANSWER);
  pAnswer->SetFocus();
  pAnswer->SendMessage(EM_SETSEL, 0, -1);
  pAnswer->SendMessage(EM_SCROLLCARET, 0, 0);
  return TRUE;
}
