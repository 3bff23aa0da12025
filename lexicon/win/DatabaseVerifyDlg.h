// The developer's check of the word database's order: "Start" runs the check
// and becomes "Stop" while it runs; "Exit" closes the dialog when no check
// runs. Each pair found out of order is shown once the check has ended.
#pragma once

#include "lexicon/core/DatabaseOrderCheck.h"
#include "lexicon/win/DatabaseWorkerDlg.h"

class CDatabaseVerifyDlg : public CDatabaseWorkerDlg {
 public:
  CDatabaseVerifyDlg(CWnd* pParent, LPCSTR binFolder);

 protected:
  void OnCancel() override;
  void OnWorkDone() override;
  afx_msg void OnStartStop();
  DECLARE_MESSAGE_MAP()

 private:
  CString m_binFolder;
  DatabaseOrderResult m_result;
};
