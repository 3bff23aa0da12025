// Asks the user for one line of text under a prompt set by the caller.
#pragma once

#include "classlib/win/CDialog.h"

class CPromptDlg : public CDialog {
 public:
  enum { IDD = 144 };
  explicit CPromptDlg(CWnd* pParent = nullptr);

  CString m_strPrompt;  // set before DoModal
  CString m_strAnswer;  // the text typed, after IDOK

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The answer field takes the focus with its whole text selected.
  BOOL OnInitDialog() override;
};
